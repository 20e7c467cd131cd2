#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
#include "sending/ui/Campagne.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/LimiteTailleFichiers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QColor CouleurStatut(const TForm1& f) {
    return f.LabStatusInfos->palette().color(QPalette::WindowText);
}

TEST(Statut, LesTroisRoutinesEtLeTimer) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    EXPECT_TRUE(f.TimerResetStatusInfos->isActive()) << "running from start-up";
    EXPECT_EQ(f.TimerResetStatusInfos->interval(), 10000);

    f.AfficheStatut("un", Couleur::Rouge);
    QTest::qWait(60);
    const int avant = f.TimerResetStatusInfos->remainingTime();
    f.AfficheStatut("deux", Couleur::Vert);
    EXPECT_GT(f.TimerResetStatusInfos->remainingTime(), avant) << "the count starts again";
    EXPECT_EQ(f.LabStatusInfos->text(), "deux");
    EXPECT_EQ(CouleurStatut(f), QColor(0, 128, 0));

    f.AfficheStatutFixe("fixe", Couleur::Orange);
    EXPECT_FALSE(f.TimerResetStatusInfos->isActive());
    EXPECT_EQ(CouleurStatut(f), QColor(255, 89, 0));
    f.EcritStatut("ecrit", Couleur::Rouge);
    EXPECT_FALSE(f.TimerResetStatusInfos->isActive()) << "left as it was";
    EXPECT_EQ(CouleurStatut(f), QColor(255, 0, 0));

    f.ViderStatut(false);
    EXPECT_EQ(f.LabStatusInfos->text(), "");
    EXPECT_EQ(CouleurStatut(f), QColor(255, 0, 0)) << "the colour stays";
    EXPECT_FALSE(f.TimerResetStatusInfos->isActive());
    f.ViderStatut(true);
    EXPECT_TRUE(f.TimerResetStatusInfos->isActive());

    QMetaObject::invokeMethod(f.TimerResetStatusInfos, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(f.TimerResetStatusInfos->isActive());
    EXPECT_EQ(f.LabStatusInfos->text(), TForm1::LigneRepos());
    EXPECT_EQ(CouleurStatut(f), QColor(0, 0, 0));
}

TEST(Fermeture, QuitterRefuseLaConfirmationEtEnregistreLeSujet) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    f.campagne->Repondre(true);
    f.EditSujetMessage->setText(QString::fromUtf8("Été 2026"));
    QTest::mouseClick(f.SpeedButQuitter, Qt::LeftButton);
    EXPECT_EQ(f.campagne->Reponse(), std::optional<bool>(false));
    EXPECT_TRUE(f.FermetureEnCours);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(t.Parametres().contains(QString::fromLatin1("ValSujet=\xC9t\xE9 2026\r\n")));
}

// The subject cannot be written (a full disk): "Quitter", whose close waits for its own
// handler to return, says so once, and the window closes.
TEST(Fermeture, QuitterSansPouvoirEcrireLeSujetLeDitUneFois) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    {
        LimiteTailleFichiers limite(0);
        QTest::mouseClick(f.SpeedButQuitter, Qt::LeftButton);
    }
    EXPECT_EQ(t.boites.Textes(DialoguesScriptes::Boite::Erreur).size(), 1);
    EXPECT_FALSE(f.isVisible());
}

TEST(Fermeture, LaCaseDeFermetureEnregistreAussiLeSujet) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    f.campagne->Repondre(true);
    f.EditSujetMessage->setText("Lettre de mars");
    f.close();
    EXPECT_EQ(f.campagne->Reponse(), std::optional<bool>(true))
        << "only the button answers a pending confirmation";
    EXPECT_TRUE(f.FermetureEnCours);
    EXPECT_TRUE(t.Parametres().contains("ValSujet=Lettre de mars\r\n"));
}

TEST(Gestionnaires, UneErreurEstMontreeEtLeProgrammeContinue) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    bool suite = false;
    f.Executer([&] {
        throw Erreur(QString::fromUtf8("Échec voulu"));
        suite = true;
    });
    f.Executer([] { throw std::runtime_error("plain"); });
    EXPECT_FALSE(suite);
    EXPECT_EQ(t.boites.Textes(DialoguesScriptes::Boite::Erreur),
              (QStringList{QString::fromUtf8("Échec voulu"), "plain"}));
}

} // namespace
