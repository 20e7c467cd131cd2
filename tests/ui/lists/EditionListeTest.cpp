#include "tests/ui/lists/FenetreListes.h"

#include "app/FichierParametres.h"
#include "commun/ui/ImageMarque.h"
#include "lists/ui/EditionListe.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"
#include "tests/support/LimiteTailleFichiers.h"

#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using Boite = DialoguesScriptes::Boite;

namespace {
QByteArray Copies(const QByteArray& ligne, int n) {
    QByteArray r;
    for (int i = 0; i < n; ++i)
        r += ligne + "\r\n";
    return r;
}
} // namespace

class EditionFenetre : public FenetreListes {
protected:
    int Image(int position) const { return f->listeChargee->Liste().Image(position); }
};

TEST_F(EditionFenetre, AjoutEnMinusculesTrieEtSelectionne) {
    OuvrirAvec("l.list", "b@x.fr\r\nd@x.fr\r\n");
    QTest::keyClicks(f->EditAjoutAdresse, "C@X.FR");
    QTest::keyClick(f->EditAjoutAdresse, Qt::Key_Return);
    EXPECT_EQ(Arbre(), QStringList({"b@x.fr", "c@x.fr", "d@x.fr"}));
    EXPECT_EQ(TexteSelectionne(), "c@x.fr");
    EXPECT_EQ(Image(1), 1);
    EXPECT_EQ(Image(0), 0);
    EXPECT_TRUE(f->EditAjoutAdresse->text().isEmpty());
    EXPECT_TRUE(f->SpeedButSaveGestionAdresse->isEnabled());

    f->EditAjoutAdresse->setText(QString::fromUtf8("ÉLISE@X.FR"));
    Cliquer(f->SpeedButAjouterAdresse);
    EXPECT_EQ(Arbre().last(), QString::fromUtf8("Élise@x.fr")) << "accented capitals stay";

    f->EditAjoutAdresse->setText("PAS-UNE-ADRESSE");
    Cliquer(f->SpeedButAjouterAdresse);
    EXPECT_EQ(Statut(), "L'Adresse Ne Semble Pas Correcte");
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
    EXPECT_EQ(f->EditAjoutAdresse->text(), "pas-une-adresse");
    EXPECT_EQ(f->EditAjoutAdresse->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(Arbre().size(), 4);
}

TEST_F(EditionFenetre, SelectionRenommageEtSuppression) {
    OuvrirAvec("l.list", "a@x.fr\r\nb@x.fr\r\nc@x.fr\r\n");
    EXPECT_FALSE(f->SpeedButRenommerAdresse->isEnabled());
    CliquerElement(1);
    EXPECT_EQ(f->EditAdresseListeSelected->text(), "b@x.fr");
    EXPECT_TRUE(f->SpeedButRenommerAdresse->isEnabled());
    EXPECT_TRUE(f->EditAdresseListeSelected->isEnabled());

    f->EditAdresseListeSelected->setText("  zz  \t");
    Cliquer(f->SpeedButRenommerAdresse);
    EXPECT_EQ(f->EditAdresseListeSelected->text(), "zz");
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "zz", "c@x.fr"})) << "a rename is not sorted";
    EXPECT_EQ(Image(1), 1);

    QTest::keyClick(f->TreeViewListingListe, Qt::Key_Delete);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "c@x.fr"}));
    EXPECT_EQ(TexteSelectionne(), "c@x.fr");
    EXPECT_EQ(f->EditAdresseListeSelected->text(), "c@x.fr");
    Cliquer(f->SpeedButSupprimerAdresse);
    EXPECT_EQ(TexteSelectionne(), "a@x.fr") << "the last one gone, the previous takes over";
    EXPECT_TRUE(f->SpeedButAnnuleModifGestionAdresse->isEnabled());

    // A click beside the items keeps the selection and shows it.
    f->EditAdresseListeSelected->clear();
    QTreeView* v = f->TreeViewListingListe;
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(5, v->viewport()->height() - 5));
    EXPECT_EQ(TexteSelectionne(), "a@x.fr");
    EXPECT_EQ(f->EditAdresseListeSelected->text(), "a@x.fr");
    v->clearSelection();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, QPoint(5, v->viewport()->height() - 5));
    EXPECT_FALSE(f->SpeedButRenommerAdresse->isEnabled());
    EXPECT_FALSE(f->EditAdresseListeSelected->isEnabled());
    EXPECT_TRUE(f->EditAdresseListeSelected->text().isEmpty());

    Cliquer(f->SpeedButAnnuleModifGestionAdresse);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "b@x.fr", "c@x.fr"}));
    EXPECT_FALSE(f->SpeedButAnnuleModifGestionAdresse->isEnabled());
}

TEST_F(EditionFenetre, CentVingtCopies) {
    OuvrirAvec("l.list", Copies("a@b.fr", 120));
    QList<int> lignes;
    QObject::connect(f->TreeViewListingListe->selectionModel(),
                     &QItemSelectionModel::currentChanged,
                     [&](const QModelIndex& ix) { lignes.append(ix.row()); });
    Cliquer(f->SpeedButSupDoublon);
    EXPECT_EQ(Arbre(), QStringList({"a@b.fr"}));
    EXPECT_EQ(Statut(), QString::fromUtf8("119 Adresses En Double Supprimées."));
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
    EXPECT_EQ(LigneSelectionnee(), 0) << "ends on the last item";
    EXPECT_TRUE(f->SpeedButSaveGestionAdresse->isEnabled());
    EXPECT_FALSE(f->listeChargee->TraitementEnCours);
}

TEST_F(EditionFenetre, SansDoublons) {
    OuvrirAvec("l.list", "a@b.fr\r\nA@b.fr\r\nc@d.fr\r\n");
    Cliquer(f->SpeedButSupDoublon);
    EXPECT_EQ(Arbre(), QStringList({"a@b.fr", "A@b.fr", "c@d.fr"}));
    EXPECT_EQ(Statut(), QString::fromUtf8("0 Adresse En Double Supprimée."));
    EXPECT_EQ(CouleurStatut(), QColor(0, 0, 0));
    EXPECT_EQ(TexteSelectionne(), "c@d.fr");
    EXPECT_FALSE(f->SpeedButSaveGestionAdresse->isEnabled());
}

// While the removal walks the list, events run; a command that arrives then does nothing.
TEST_F(EditionFenetre, AucuneCommandePendantLaSuppression) {
    QByteArray contenu;
    for (int i = 0; i < 200000; ++i)
        contenu += "a" + QByteArray::number(i / 2) + "@x.fr\r\n";
    OuvrirAvec("l.list", contenu);
    f->EditAjoutAdresse->setText("nouvelle@x.fr");
    bool essaye = false;
    QTimer::singleShot(0, [&] {
        essaye = true;
        Cliquer(f->SpeedButAjouterAdresse);
        Cliquer(f->SpeedButAnnuleModifGestionAdresse);
    });
    Cliquer(f->SpeedButSupDoublon);
    ASSERT_TRUE(essaye);
    EXPECT_EQ(f->listeChargee->Liste().Nombre(), 100000);
    EXPECT_EQ(Statut(), QString::fromUtf8("100000 Adresses En Double Supprimées."));
    EXPECT_EQ(f->EditAjoutAdresse->text(), "nouvelle@x.fr");
}

TEST_F(EditionFenetre, EnregistrementRefuse) {
    const struct {
        QByteArray contenu;
        int attendue;
        QString message;
    } cas[] = {
        {"a@b.fr\r\nbcd\r\nc@d.fr\r\n", 1, QString::fromUtf8("Vérifier la syntaxe De L'Adresse")},
        {"a@b.fr\r\nc@d.fr\r\nc@d.fr\r\n", 2, "Adresse En Double Detectée"},
        {"a@b.fr\r\nA@b.fr\r\n", -1, "Liste Enregistrée Avec Succes"},
    };
    Ouvrir();
    for (const auto& c : cas) {
        rep.Ecrire("l.list", c.contenu);
        f->pageListes->ChargeListe();
        Choisir("l.list");
        emit f->LMDLImageListe2->Clic();
        Cliquer(f->SpeedButSaveGestionAdresse);
        EXPECT_EQ(Statut(), c.message);
        if (c.attendue >= 0) {
            EXPECT_EQ(LigneSelectionnee(), c.attendue);
            EXPECT_EQ(f->EditAdresseListeSelected->text(), TexteSelectionne());
            EXPECT_EQ(f->focusWidget(), f->TreeViewListingListe);
            EXPECT_TRUE(f->SpeedButSaveGestionAdresse->isEnabled());
            EXPECT_EQ(rep.Lire("l.list"), c.contenu) << "nothing written";
        }
        EXPECT_EQ(
            FichierParametres(rep.Fichier("Lettrova.ini")).Lire("Parametres", "ListeFav", "?"),
            "l.list")
            << "the favourite is stored first";
        f->ReglagesActifs.valListeFav.clear();
    }
    EXPECT_FALSE(f->SpeedButSaveGestionAdresse->isEnabled());
    EXPECT_EQ(CouleurStatut(), QColor(0, 128, 0));
}

TEST_F(EditionFenetre, EnregistrementTrieSansPerte) {
    OuvrirAvec("l.list", "\xEF\xBB\xBFz\xC3\xA9@x.fr\r\nb@x.fr\r\n\xE4\xB8\xAD@x.fr");
    emit f->LMDLImageListe2->Clic();
    Cliquer(f->SpeedButSaveGestionAdresse);
    // The Chinese letter has no place in Windows-1252: the list is kept in UTF-8.
    EXPECT_EQ(rep.Lire("l.list"), "\xEF\xBB\xBF"
                                  "b@x.fr\r\nz\xC3\xA9@x.fr\r\n\xE4\xB8\xAD@x.fr\r\n");
    EXPECT_EQ(Statut(), "Liste Enregistrée Avec Succes") << "the reload shows no count";
    EXPECT_EQ(Image(0), 0);
    EXPECT_EQ(f->ReglagesActifs.valListeFav, "l.list");
    EXPECT_EQ(f->LMDLImageListe2->Index(), 4);
}

TEST_F(EditionFenetre, ListeVideEcriteEnZeroOctet) {
    OuvrirAvec("l.list", "a@b.fr\r\n");
    CliquerElement(0);
    Cliquer(f->SpeedButSupprimerAdresse);
    Cliquer(f->SpeedButSaveGestionAdresse);
    EXPECT_EQ(rep.Lire("l.list"), "");
    EXPECT_EQ(Statut(), "Liste Enregistrée Avec Succes");
}

TEST_F(EditionFenetre, EchecDEcritureGardeLAncienneListe) {
    const QByteArray ancienne = Copies("a@b.fr", 1) + Copies("c@d.fr", 1);
    OuvrirAvec("l.list", ancienne);
    for (int i = 0; i < 2000; ++i)
        f->listeChargee->Modele().ListeModifiable().Ajouter(QString("n%1@x.fr").arg(i), 0, 1);
    f->listeChargee->Trier();
    emit f->LMDLImageListe2->Clic();
    {
        LimiteTailleFichiers limite(1000);
        Cliquer(f->SpeedButSaveGestionAdresse);
    }
    EXPECT_EQ(rep.Lire("l.list"), ancienne);
    EXPECT_EQ(boites.Textes(Boite::Erreur).size(), 1);
    EXPECT_EQ(Statut(), "Enregistrement Des Adresses...");
    EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file left (the list and the settings)";
}

TEST_F(EditionFenetre, AucuneListeSelectionnee) {
    OuvrirAvec("l.list", "a@b.fr\r\n");
    emit f->LMDLImageListe2->Clic();
    Choisir("l.list");
    f->ComboBoxListe2->setCurrentIndex(-1);
    f->EditAjoutAdresse->setText("x@y.fr");
    Cliquer(f->SpeedButAjouterAdresse);
    Cliquer(f->SpeedButSaveGestionAdresse);
    EXPECT_EQ(Statut(), QString::fromUtf8("Aucune Liste Selectionnée"));
    EXPECT_FALSE(f->SpeedButSaveGestionAdresse->isEnabled());
    EXPECT_EQ(rep.Lire("l.list"), "a@b.fr\r\n");
}

// A hand-made tree: the first item is shown open, edits keep the tree's shape and state.
TEST_F(EditionFenetre, ArbreFaitALaMain) {
    OuvrirAvec("l.list", "m\r\n\tz\r\n\ta\r\nb\r\n\tc\r\n");
    EXPECT_EQ(Arbre(), QStringList({"b", "\tc", "m", "\ta", "\tz"}));
    ModeleListe& m = f->listeChargee->Modele();
    EXPECT_TRUE(f->TreeViewListingListe->isExpanded(m.Index(2))) << "the file's first item";
    EXPECT_FALSE(f->TreeViewListingListe->isExpanded(m.Index(0)));
    f->EditAjoutAdresse->setText("a@x.fr");
    Cliquer(f->SpeedButAjouterAdresse);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "b", "\tc", "m", "\ta", "\tz"}));
    EXPECT_TRUE(f->TreeViewListingListe->isExpanded(m.Index(3)));
    CliquerElement(5);
    ASSERT_EQ(TexteSelectionne(), "z");
    Cliquer(f->SpeedButSupprimerAdresse);
    EXPECT_EQ(TexteSelectionne(), "a") << "the previous sibling";
    Cliquer(f->SpeedButSupprimerAdresse);
    EXPECT_EQ(TexteSelectionne(), "m") << "then the parent";
    Cliquer(f->SpeedButSupprimerAdresse);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "b", "\tc"}));
}
