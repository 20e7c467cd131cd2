// "Désinscrits" on "Gestion d'adresses": seen, edited, imported and saved; an address typed
// into a list that is one of them is kept, with a note.
#include "lists/ui/EditionDesinscrits.h"
#include "tests/ui/lists/FenetreListes.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class DesinscritsFenetre : public FenetreListes {};

TEST_F(DesinscritsFenetre, VoirModifierImporterEnregistrer) {
    rep.Ecrire("Désinscrits.txt", "a@x.fr\r\n");
    rep.Ecrire("import.txt", "Jean <j@y.fr>; k@y.fr\r\npas une adresse\r\n");
    OuvrirAvec("l.list", "b@x.fr\r\n");
    const ControlesDesinscrits& c = f->editionDesinscrits->Controles();
    EXPECT_FALSE(c.PanelDesinscrits->isVisible());
    Cliquer(c.SpeedButDesinscrits);
    EXPECT_TRUE(c.PanelDesinscrits->isVisible());
    EXPECT_EQ(c.MemoDesinscrits->toPlainText(), "a@x.fr");

    boites.fichiers = {rep.Fichier("import.txt")};
    Cliquer(c.SpeedButImporterDesinscrits);
    EXPECT_EQ(c.MemoDesinscrits->toPlainText(), "a@x.fr\nj@y.fr\nk@y.fr");
    // Removed by editing, one added by hand, a duplicate in another case.
    c.MemoDesinscrits->setPlainText("j@y.fr\nk@y.fr\nJ@Y.FR\nz@x.fr");
    Cliquer(c.SpeedButEnrDesinscrits);
    EXPECT_EQ(rep.Lire("Désinscrits.txt"), "j@y.fr\r\nk@y.fr\r\nz@x.fr\r\n");
    EXPECT_EQ(Statut(), "Désinscrits enregistrés : 3 adresse(s).");
    Cliquer(c.SpeedButFermerDesinscrits);
    EXPECT_FALSE(c.PanelDesinscrits->isVisible());
    // Never a list of the catalogue.
    QStringList catalogue;
    for (int i = 0; i < f->ComboBoxListe2->count(); ++i)
        catalogue << f->ComboBoxListe2->itemText(i);
    EXPECT_EQ(catalogue, QStringList({"l.list"}));
}

TEST_F(DesinscritsFenetre, AdresseTapeeQuiEnFaitPartie) {
    rep.Ecrire("Désinscrits.txt", "z@x.fr\r\ny@x.fr\r\n");
    OuvrirAvec("l.list", "b@x.fr\r\n");
    f->EditAjoutAdresse->setText("Z@X.FR");
    Cliquer(f->SpeedButAjouterAdresse);
    EXPECT_EQ(Arbre(), QStringList({"b@x.fr", "z@x.fr"}));
    EXPECT_EQ(Statut(), "z@x.fr est dans les Désinscrits : gardée dans la liste, aucune campagne "
                        "ne lui écrira.");
    // With Enter too.
    QTest::keyClicks(f->EditAjoutAdresse, "c@x.fr");
    QTest::keyClick(f->EditAjoutAdresse, Qt::Key_Return);
    QTest::keyClicks(f->EditAjoutAdresse, "y@x.fr");
    QTest::keyClick(f->EditAjoutAdresse, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Statut().startsWith("y@x.fr est dans"); }, 2000));
    EXPECT_EQ(Arbre(), QStringList({"b@x.fr", "c@x.fr", "y@x.fr", "z@x.fr"}));
}

TEST_F(DesinscritsFenetre, ImportQuiEnContient) {
    rep.Ecrire("Désinscrits.txt", "j@x.fr\r\nk@x.fr\r\n");
    OuvrirAvec("l.list", "a@x.fr\r\n");
    rep.Ecrire("un.txt", "j@x.fr\r\nk@x.fr\r\nm@x.fr\r\n");
    f->EditCheminImportMAil->setText(rep.Fichier("un.txt"));
    f->ComboBoxTypeImport->setCurrentIndex(1);
    emit f->ComboBoxTypeImport->activated(1);
    Cliquer(f->SpeedButImporterListeMail);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "j@x.fr", "k@x.fr", "m@x.fr"}));
    EXPECT_EQ(Statut(), "2 adresse(s) de la liste sont dans les Désinscrits : aucune campagne ne "
                        "leur écrira.");
}
