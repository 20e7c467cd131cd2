// The text and CSV import scanner on any file: every address found holds an "@", no
// separator, and no character of code 32 or less at its ends.
#include "fuzz/fuzz_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    ParcourirImport(donnees, taille, &ScannersImport::Brut,
                    [](QStringView, const QString& adresse, int) {
                        if (!adresse.contains(u'@'))
                            abort();
                        for (QChar c : {u' ', u'\t', u',', u';'})
                            if (adresse.contains(c))
                                abort();
                        if (adresse.front().unicode() <= 32 || adresse.back().unicode() <= 32)
                            abort();
                    });
    return 0;
}
