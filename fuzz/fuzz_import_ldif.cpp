// The LDIF import scanner on any file: at most one address a line, the text after its first
// "mail: " or, lacking one, after its first "mail=".
#include "fuzz/fuzz_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    ParcourirImport(donnees, taille, &ScannersImport::Ldif,
                    [](QStringView ligne, const QString& adresse, int trouves) {
                        if (trouves > 1)
                            abort();
                        qsizetype i = ligne.indexOf(u"mail: ");
                        i = i >= 0 ? i + 6 : ligne.indexOf(u"mail=") + 5;
                        if (i < 5 || ligne.sliced(i) != adresse)
                            abort();
                    });
    return 0;
}
