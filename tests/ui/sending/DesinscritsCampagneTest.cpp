// The addresses of "Désinscrits" left out of a campaign and of its resume, the question's
// moment saying how many.
#include "commun/CodageFichier.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QFrame>
#include <QJsonArray>
#include <QLabel>

namespace {

class DesinscritsCampagne : public FenetreCampagne {
protected:
    // Answers the question once the status line's text is noted, and the panel's line under
    // the question (empty when not shown).
    void EnvoyerEnNotant(QString& statutALaQuestion, QString* note = nullptr) {
        Envoyer({.question = [&] {
            statutALaQuestion = Statut();
            if (note != nullptr)
                *note = f->LabDesinscrits->isVisible() ? f->LabDesinscrits->text() : QString();
            EXPECT_EQ(f->PanelConfirmeEnvois->geometry().bottom(), 301 + 79 - 1)
                << "grown upwards, over nothing of the page's lower edge";
            if (f->LabDesinscrits->isVisible())
                EXPECT_GT(f->SpeedButOui->y(), f->LabDesinscrits->geometry().bottom());
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
        QString note;
        QStringList recus;
    } cas[] = {
        {"B@Exemple.fr\r\nautre@ailleurs.fr\r\nd@exemple.fr\r\n",
         "2 adresses désinscrites ne recevront pas ce message.",
         "2 adresses désinscrites ne recevront pas ce message.",
         {"a@exemple.fr", "c@exemple.fr"}},
        {"Jean <c@exemple.fr>\r\n",
         "1 adresse désinscrite ne recevra pas ce message.",
         "1 adresse désinscrite ne recevra pas ce message.",
         {"a@exemple.fr", "b@exemple.fr", "d@exemple.fr"}},
        // None of the list: the status line keeps what the loaded list said, the panel is the
        // one of every campaign.
        {"z@exemple.fr\r\n",
         "4 adresses chargées",
         "",
         {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.desinscrits.toStdString());
        ServeurSMTPReel serveur({});
        rep.Ecrire("Désinscrits.txt", c.desinscrits);
        Preparer(serveur.Port(),
                 {"a@exemple.fr", "b@exemple.fr", "Cé <c@exemple.fr>", "d@exemple.fr"});
        QString statut, note;
        EnvoyerEnNotant(statut, &note);
        EXPECT_EQ(statut, c.statut);
        EXPECT_EQ(note, c.note);
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
