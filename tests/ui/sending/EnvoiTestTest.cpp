#include "app/ui/TForm1.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

namespace {

const QColor kVert(0, 128, 0), kRouge(255, 0, 0);

using EnvoiTest = FenetreCampagne;

void EnvoyerUnTest(TForm1& f) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.SpeedButEnvoyerTest->isEnabled(); }, 5000));
    EXPECT_TRUE(f.SpeedButEnvoyer->isEnabled());
    QTest::mouseClick(f.SpeedButEnvoyerTest, Qt::LeftButton);
}

bool OngletErreurs(TForm1& f) {
    return f.PageControlPrinc->isTabVisible(f.PageControlPrinc->indexOf(f.TabSheetErreur));
}

TEST_F(EnvoiTest, LeMessageDeLaCampagneAuSeulExpediteur) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr"});
    EnvoyerUnTest(*f);
    EXPECT_EQ(Statut(), "Test envoyé à lettre@exemple.fr : le serveur l'a accepté.");
    EXPECT_EQ(CouleurStatut(), kVert);
    ASSERT_EQ(serveur.NombreMessages(), 1);
    EXPECT_EQ(serveur.Enveloppe(1)["rcpt_tos"].toArray(), QJsonArray{"lettre@exemple.fr"});
    EXPECT_EQ(serveur.Message(1)["to"].toString(), "lettre@exemple.fr");
    EXPECT_FALSE(OngletErreurs(*f));

    // The campaign afterwards: its own state untouched, and the very same text.
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->LabNbEnvois->text(), "2 / 2");
    ASSERT_EQ(serveur.NombreMessages(), 3);
    const QJsonObject test = serveur.Message(1), campagne = serveur.Message(2);
    for (const char* champ : {"from", "subject", "type", "parties"})
        EXPECT_EQ(test[champ], campagne[champ]) << champ;
    EXPECT_EQ(serveur.Enveloppe(2)["rcpt_tos"].toArray(), QJsonArray{"a@exemple.fr"});
}

TEST_F(EnvoiTest, RefusAvecLaReponseDuServeurEtRienDansLesErreurs) {
    ServeurSMTPReel serveur({.refuser = {"lettre@exemple.fr"}});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    EnvoyerUnTest(*f);
    EXPECT_EQ(Statut(),
              "Test non envoyé à lettre@exemple.fr : Destinataire inconnu: lettre@exemple.fr");
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_EQ(serveur.NombreMessages(), 0);
    EXPECT_EQ(f->ListBoxErrAdresse->count(), 0);
    EXPECT_FALSE(OngletErreurs(*f));
    // The readiness indicator runs again: the campaign can follow.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->SpeedButEnvoyer->isEnabled(); }, 5000));
}

} // namespace
