#include "sending/ui/erreurs/PageErreurs.h"
#include "app/ui/TForm1.h"
#include "commun/ui/ImageMarque.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/PageListes.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
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

namespace {

using ListeDesErreurs = FenetreCampagne;

TEST_F(ListeDesErreurs, UneListeDesAdressesRefuseesPreteARenvoyer) {
    ServeurSMTPReel serveur({.refuser = {"refuse1@exemple.fr", "refuse2@exemple.fr"}});
    Preparer(serveur.Port(), {"a@exemple.fr", "refuse1@exemple.fr", "c@exemple.fr",
                              "refuse2@exemple.fr", "refuse1@exemple.fr"});
    Envoyer();
    ASSERT_EQ(Erreurs(),
              (QStringList{"refuse1@exemple.fr", "refuse1@exemple.fr", "refuse2@exemple.fr"}));
    const QString nom = QFileInfo(f->pageErreurs->FichierErreurs()).completeBaseName() + ".list";
    const QByteArray attendu = "refuse1@exemple.fr\r\nrefuse2@exemple.fr\r\n";
    const auto cliquer = [this] {
        f->SelectionnerPage(f->TabSheetErreur);
        QTest::mouseClick(f->SpeedButRenvoyerErreurs, Qt::LeftButton);
    };

    // The proposed name taken as it is: each address once, in the order of the failures.
    cliquer();
    ASSERT_EQ(boites.Textes(DialoguesScriptes::Boite::Saisie),
              QStringList{"Nom de la nouvelle liste des adresses en erreur :\n" + nom});
    EXPECT_EQ(rep.Lire(nom), attendu);
    EXPECT_EQ(f->PageControlPrinc->currentWidget(), f->TabSheetPrincipale);
    EXPECT_EQ(f->ComboBoxListe1->currentText(), nom);
    EXPECT_EQ(f->ComboBoxListe2->currentText(), nom);
    ASSERT_EQ(f->listeChargee->Liste().Nombre(), 2);
    EXPECT_EQ(f->listeChargee->Liste().Texte(1).toString(), "refuse2@exemple.fr");
    EXPECT_EQ(Statut(), "Liste \"" + nom + "\" créée avec 2 adresses en erreur, prête à l'envoi.");
    EXPECT_EQ(CouleurStatut(), QColor(0, 128, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->SpeedButEnvoyer->isEnabled(); }, 5000))
        << "ready to send";
    EXPECT_TRUE(boites.Textes(DialoguesScriptes::Boite::Question).isEmpty());

    // An existing list is replaced only on "Oui".
    rep.Ecrire(nom, "garde@exemple.fr\r\n");
    boites.reponses = {false};
    cliquer();
    ASSERT_EQ(boites.Textes(DialoguesScriptes::Boite::Question),
              QStringList{"La liste \"" + nom +
                          "\" existe déjà. La remplacer par les adresses en erreur ?"});
    EXPECT_EQ(rep.Lire(nom), "garde@exemple.fr\r\n");
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
    boites.reponses = {true};
    cliquer();
    EXPECT_EQ(rep.Lire(nom), attendu);

    // A name typed without its extension gets it; a bad name writes nothing; a cancel neither.
    boites.saisies = {QString("  relance  "), QString("mars/avril"), std::nullopt};
    cliquer();
    EXPECT_EQ(rep.Lire("relance.list"), attendu);
    EXPECT_EQ(f->ComboBoxListe1->currentText(), "relance.list");
    const QStringList avant = QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden);
    cliquer();
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Message),
              QStringList{"Le nom de liste \"mars/avril.list\" contient un caractère interdit "
                          "dans un nom de fichier (/ \\ : * ? \" < > | ou un caractère de "
                          "contrôle)."});
    cliquer();
    EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden), avant);
    EXPECT_TRUE(boites.Textes(DialoguesScriptes::Boite::Erreur).isEmpty());
}

} // namespace
