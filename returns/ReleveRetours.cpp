#include "returns/ReleveRetours.h"

#include "returns/EtatReleve.h"
#include "returns/FichierBilan.h"

namespace ReleveRetours {

QString AdresseMailto(const QString& desinscription) {
    const QString prefixe = QStringLiteral("mailto:");
    if (!desinscription.startsWith(prefixe, Qt::CaseInsensitive))
        return {};
    return desinscription.mid(prefixe.size()).section(u'?', 0, 0).trimmed();
}

Releve Relever(const ServeurIMAP& serveur, const QString& repertoire, const QString& desinscription,
               BilanRetours& bilan, const LectureBoite::Progression& progression) {
    const CampagnesEnvoyees envoyees(repertoire);
    const QString adresse = AdresseMailto(desinscription);
    Releve r;
    const LectureBoite::Resultat lu = LectureBoite::Lire(
        serveur, EtatReleve::Lire(repertoire, serveur),
        [&](qint64, const QByteArray& message) {
            bilan.Ajouter(AnalyserRetour(message, adresse), envoyees);
        },
        progression);
    // The findings are kept before the position moves past them: a stop between the two
    // reads them again, never loses them.
    FichierBilan::Ecrire(repertoire, bilan);
    EtatReleve::Ecrire(repertoire, serveur, lu.etat);
    r.empreinteAEpingler = lu.empreinteAEpingler;
    r.lus = lu.lus;
    r.interrompu = lu.interrompu;
    return r;
}

} // namespace ReleveRetours
