#include "sending/RepriseCampagne.h"

#include <utility>

RepriseCampagne::RepriseCampagne(QList<LectureJournal::Etat> interrompues, QStringList adresses,
                                 QString sujet)
    : interrompues_(std::move(interrompues)), adresses_(std::move(adresses)),
      sujet_(std::move(sujet)) {
    // Only the latest is offered for a resume.
    if (!interrompues_.isEmpty())
        repartition_ = LectureJournal::Repartir(interrompues_.first(), adresses_);
}

RepriseCampagne RepriseCampagne::Lire(const QString& repertoire, const QString& page,
                                      const QString& liste, QStringList adresses, QString sujet) {
    return RepriseCampagne(LectureJournal::Reprises(repertoire, page, liste), std::move(adresses),
                           std::move(sujet));
}

RepriseCampagne::Decision RepriseCampagne::Decider(bool reprendre, bool renvoyerIncertaines) const {
    Decision d{.adresses = adresses_, .sujet = sujet_};
    if (interrompues_.isEmpty())
        return d;
    d.abandonnes = interrompues_.mid(reprendre ? 1 : 0);
    if (!reprendre)
        return d;
    const LectureJournal::Etat& ancien = interrompues_.first();
    d.repris = ancien;
    d.sujet = ancien.sujet;
    if (renvoyerIncertaines || repartition_.incertaines.isEmpty()) {
        d.adresses = repartition_.restantes;
        return d;
    }
    d.adresses = repartition_.sures;
    for (const QString& a : repartition_.incertaines)
        d.nonRenvoyees.append(
            {.adresse = a,
             .message = QStringLiteral("Issue inconnue, message peut-être reçu (connexion perdue "
                                       "après l'envoi): non renvoyé."),
             .issueInconnue = true});
    return d;
}

QString RepriseCampagne::QuestionReprendre() {
    return QStringLiteral("Reprendre l'envoi interrompu ?");
}

QString RepriseCampagne::QuestionIncertaines(qsizetype nombre) {
    return nombre == 1 ? QStringLiteral("1 adresse a peut-être reçu le message (connexion perdue "
                                        "après l'envoi). La renvoyer ?")
                       : QStringLiteral("%1 adresses ont peut-être reçu le message (connexion "
                                        "perdue après l'envoi). Les renvoyer ?")
                             .arg(nombre);
}

QString RepriseCampagne::SujetRepris(const QString& sujet) {
    return QStringLiteral("Sujet de l'envoi interrompu repris: \"%1\".").arg(sujet);
}
