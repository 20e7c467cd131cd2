// Reading the addresses of a list item: any text, never a failure, never an empty recipient,
// and no more recipients than pieces.
#include "mail/LectureAdresses.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    QList<AdresseCourriel> liste{
        AdresseCourriel{QStringLiteral("reste"), QStringLiteral("d'avant")}};
    LireListeAdresses(texte, liste);
    if (liste.size() > texte.count(u',') + texte.count(u';') + 1)
        abort();
    for (const AdresseCourriel& a : liste)
        if (a.Nom.isEmpty() && a.Adresse.isEmpty())
            abort();
    const AdresseCourriel seule = LireAdresse(texte);
    if (texte.trimmed().isEmpty() && !(seule.Nom.isEmpty() && seule.Adresse.isEmpty()))
        abort();
    return 0;
}
