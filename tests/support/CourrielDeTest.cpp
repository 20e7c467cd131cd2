#include "tests/support/CourrielDeTest.h"

#include "commun/Erreur.h"
#include "mail/LectureAdresses.h"

MessageCourriel MessageDeTest(const QString& destinataires, const QString& objet,
                              const QStringList& page) {
    MessageCourriel m;
    m.De = {LireAdresse(QStringLiteral("club@exemple.org"))};
    m.Objet = objet;
    m.Parties << PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Newsletter")})
              << PartieTexte(QStringLiteral("text/html"), page);
    LireListeAdresses(destinataires, m.Destinataires);
    return m;
}

QString ResultatAppel(const std::function<void()>& appel) {
    try {
        appel();
        return QString();
    } catch (const Erreur& e) {
        return e.Message().isEmpty() ? QStringLiteral("(vide)") : e.Message();
    }
}
