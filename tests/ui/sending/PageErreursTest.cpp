#include "sending/ui/PageErreurs.h"
#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "tests/support/FenetreDeTest.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

bool OngletVisible(TForm1& f) {
    return f.PageControlPrinc->isTabVisible(f.PageControlPrinc->indexOf(f.TabSheetErreur));
}

TEST(PageErreurs, ReinitialiserReporterRevelerEtEnregistrer) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    f.EditSujetMessage->setText("Nouvelles");
    PageErreurs& p = *f.pageErreurs;
    p.Reinitialiser();
    EXPECT_TRUE(p.FichierErreurs().startsWith(t.rep.Fichier("Nouvelles")));
    EXPECT_TRUE(p.FichierErreurs().endsWith(".err"));
    EXPECT_EQ(f.LabFichierErrEnvois->text(), p.FichierErreurs());
    p.Reveler();
    EXPECT_FALSE(OngletVisible(f)) << "nothing failed";

    p.Reporter({{"a@b.fr", "550 Inconnu\r\n551 Vraiment\r\n"}, {"c@d.fr", "Fin"}});
    p.Reporter({{"a@b.fr", "Encore"}});
    p.Reveler();
    EXPECT_TRUE(OngletVisible(f));
    EXPECT_NE(f.PageControlPrinc->currentWidget(), f.TabSheetErreur) << "not brought to the front";
    EXPECT_EQ(f.LabTotalErr->text(), "3");
    ASSERT_EQ(f.ListBoxErrAdresse->count(), 3);
    EXPECT_EQ(f.ListBoxErrAdresse->item(2)->text(), "a@b.fr");

    f.SelectionnerPage(f.TabSheetErreur);
    const QRect deuxieme = f.ListBoxErrAdresse->visualItemRect(f.ListBoxErrAdresse->item(0));
    QTest::mouseClick(f.ListBoxErrAdresse->viewport(), Qt::LeftButton, {}, deuxieme.center());
    EXPECT_EQ(f.LabErrDiscription->text(), "Erreur suivante: 550 Inconnu\r\n551 Vraiment\r\n");
    QTest::keyClick(f.ListBoxErrAdresse, Qt::Key_Down);
    EXPECT_EQ(f.LabErrDiscription->text(), "Erreur suivante: Fin") << "the arrow keys as a click";
    QTest::keyClick(f.ListBoxErrAdresse, Qt::Key_Down);
    EXPECT_EQ(f.LabErrDiscription->text(), "Erreur suivante: Encore");
    QTest::keyClick(f.ListBoxErrAdresse, Qt::Key_Up);
    EXPECT_EQ(f.LabErrDiscription->text(), "Erreur suivante: Fin");

    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(f.LMDLImageEnregistrementErrOk->isHidden());
    QFile fichier(p.FichierErreurs());
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), "a@b.fr -> Erreur suivante: 550 Inconnu\r\n551 Vraiment\r\n\r\n"
                                 "c@d.fr -> Erreur suivante: Fin\r\n"
                                 "a@b.fr -> Erreur suivante: Encore\r\n");

    // A new campaign empties the record and hides the tab; the mark keeps its state.
    p.Reinitialiser();
    EXPECT_FALSE(OngletVisible(f));
    EXPECT_EQ(f.ListBoxErrAdresse->count(), 0);
    EXPECT_FALSE(f.LMDLImageEnregistrementErrOk->isHidden());
    EXPECT_EQ(f.LabTotalErr->text(), "3");
}

TEST(PageErreurs, SujetAvecBarreObliqueRefuseSansRienEcrire) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    QDir(t.rep.Chemin()).mkdir("Lettre");
    f.EditSujetMessage->setText("Lettre/mars");
    f.pageErreurs->Reinitialiser();
    f.pageErreurs->Reporter({{"a@b.fr", "Refus"}});
    QTest::mouseClick(f.SpeedButton1, Qt::LeftButton);
    const QStringList erreurs = t.boites.Textes(DialoguesScriptes::Boite::Erreur);
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_TRUE(erreurs[0].startsWith(QStringLiteral("Impossible de créer le fichier \"%1\". ")
                                          .arg(f.pageErreurs->FichierErreurs())));
    EXPECT_TRUE(QDir(t.rep.Fichier("Lettre")).isEmpty());
    EXPECT_TRUE(f.LMDLImageEnregistrementErrOk->isHidden());
}

} // namespace

namespace {

TEST(PageErreurs, DoubleClicChercheLAdresseDansLaListe) {
    FenetreDeTest t;
    t.rep.Ecrire("amis.list", "a@b.fr\r\nmauvaise@adresse\r\nz@y.fr\r\n");
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nListeFav=amis.list\r\n");
    TForm1& f = t.Ouvrir(true);
    ASSERT_EQ(f.ComboBoxListe2->currentText(), "amis.list") << "the favourite is loaded";
    f.pageErreurs->Reinitialiser();
    f.pageErreurs->Reporter({{"mauvaise@adresse", "Refus"}});
    f.pageErreurs->Reveler();
    f.SelectionnerPage(f.TabSheetErreur);
    const QRect item = f.ListBoxErrAdresse->visualItemRect(f.ListBoxErrAdresse->item(0));
    QTest::mouseClick(f.ListBoxErrAdresse->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(f.ListBoxErrAdresse->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(f.PageControlPrinc->currentWidget(), f.TabSheetAdresseMail);
    EXPECT_EQ(f.EditFindAdresse->text(), "mauvaise@adresse");
    EXPECT_EQ(f.TreeViewListingListe->currentIndex().data().toString(), "mauvaise@adresse");
    EXPECT_EQ(f.LabStatusInfos->text(), "Adresse Trouvée.");
}

} // namespace
