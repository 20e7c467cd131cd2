// The addresses of "Désinscrits" left out of a campaign and of its resume, the question's
// moment saying how many.
#include "commun/CodageFichier.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QJsonArray>
#include <QLabel>

namespace {

class DesinscritsCampagne : public FenetreCampagne {
protected:
    // Answers the question once the status line's text is noted.
    void EnvoyerEnNotant(QString& statutALaQuestion) {
        Envoyer({.question = [&] {
            statutALaQuestion = Statut();
            Repondre(true);
        }});
    }
};

QStringList Destinataires(const ServeurSMTPReel& serveur) {
    QStringList a;
    for (int i = 1; i <= serveur.NombreMessages(); ++i)
        for (const QJsonValue& r : serveur.Enveloppe(i)["rcpt_tos"].toArray())
            a << r.toString();
    return a;
}

} // namespace

TEST_F(DesinscritsCampagne, LaisseDeCoteEtDitCombien) {
    const struct {
        QByteArray desinscrits;
        QString statut;
        QStringList recus;
    } cas[] = {
        {"B@Exemple.fr\r\nautre@ailleurs.fr\r\nd@exemple.fr\r\n",
         "2 adresses désinscrites ne recevront pas ce message.",
         {"a@exemple.fr", "c@exemple.fr"}},
        {"Jean <c@exemple.fr>\r\n",
         "1 adresse désinscrite ne recevra pas ce message.",
         {"a@exemple.fr", "b@exemple.fr", "d@exemple.fr"}},
        // None of the list: the status line keeps what the loaded list said.
        {"z@exemple.fr\r\n",
         "4 adresses chargées",
         {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.desinscrits.toStdString());
        ServeurSMTPReel serveur({});
        rep.Ecrire("Désinscrits.txt", c.desinscrits);
        Preparer(serveur.Port(),
                 {"a@exemple.fr", "b@exemple.fr", "Cé <c@exemple.fr>", "d@exemple.fr"});
        QString statut;
        EnvoyerEnNotant(statut);
        EXPECT_EQ(statut, c.statut);
        EXPECT_EQ(Statut(), "Envois Terminé.");
        EXPECT_EQ(Destinataires(serveur), c.recus);
        f.reset();
    }
}

// Stopped after two messages; meanwhile the last address asked to be left alone: the resume
// sends to the one address left.
TEST_F(DesinscritsCampagne, RepriseSansLesDesinscrits) {
    ServeurSMTPReel serveur({.retenue = 0.5});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"});
    // The stop's confirmation, then the resume question.
    boites.reponses = {true, true};
    Envoyer({.pendant =
                 [&] {
                     ASSERT_TRUE(
                         QTest::qWaitFor([&] { return serveur.NombreMessages() == 2; }, 30000));
                     QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
                 },
             .quand = QStringLiteral("Envois en cours...")});
    ASSERT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    ASSERT_EQ(Destinataires(serveur), QStringList({"a@exemple.fr", "b@exemple.fr"}));
    rep.Ecrire("Désinscrits.txt", CodageFichier::Coder(u"d@exemple.fr\r\n"));
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    QString statut;
    EnvoyerEnNotant(statut);
    EXPECT_EQ(statut, "1 adresse désinscrite ne recevra pas ce message.");
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(Destinataires(serveur),
              QStringList({"a@exemple.fr", "b@exemple.fr", "c@exemple.fr"}));
}
