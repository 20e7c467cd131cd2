// The wildcard matcher against the enumeration of every split of the text over the stars, on
// small texts and patterns where the enumeration stays cheap.
#include "lists/Jokers.h"

#include <QString>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {
// Few letters, so that matches are frequent; "?" and "*" in the text are ordinary there.
QString Tirer(FuzzedDataProvider& fdp, size_t longueurMax, int etoilesMax) {
    static const char16_t alphabet[] = {u'a', u'b', u'?', u'*', u'é', u'A'};
    QString s;
    int etoiles = 0;
    const size_t n = fdp.ConsumeIntegralInRange<size_t>(0, longueurMax);
    for (size_t i = 0; i < n; ++i) {
        char16_t c = fdp.PickValueInArray(alphabet);
        if (c == u'*' && ++etoiles > etoilesMax)
            c = u'a';
        s += QChar(c);
    }
    return s;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    FuzzedDataProvider fdp(donnees, taille);
    const QString masque = Tirer(fdp, 8, 4);
    const QString texte = Tirer(fdp, 12, 12);
    if (CorrespondMasque(texte, masque) != CorrespondMasqueParEnumeration(texte, masque))
        abort();
    return 0;
}
