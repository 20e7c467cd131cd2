#include "tests/ui/lists/FenetreListes.h"

#include "app/FichierParametres.h"
#include "commun/ui/ImageMarque.h"
#include "lists/ui/PageListes.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using Boite = DialoguesScriptes::Boite;

namespace {
QStringList Elements(const QComboBox* c) {
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r.append(c->itemText(i));
    return r;
}
} // namespace

TEST_F(FenetreListes, RepertoireSansListe) {
    Ouvrir();
    const QStringList attendu = {"Aucune", "Liste", "Détectée"};
    EXPECT_EQ(Elements(f->ComboBoxListe1), attendu);
    EXPECT_EQ(Elements(f->ComboBoxListe2), attendu);
    EXPECT_EQ(f->ComboBoxListe2->currentIndex(), -1);
    Choisir("Aucune");
    EXPECT_TRUE(Arbre().isEmpty());
    EXPECT_FALSE(f->SpeedButAjouterAdresse->isEnabled()) << "a placeholder enables nothing";
    EXPECT_EQ(f->LabTotalAdresse->text(), " 0 ");
}

TEST_F(FenetreListes, CatalogueDansLesDeuxSelecteurs) {
    for (const char* nom : {"A.LIST", "b.List", "c.list", "d.list.bak"})
        rep.Ecrire(nom, "");
    QDir(rep.Chemin()).mkdir("e.list");
    Ouvrir();
    const QStringList attendu = {"A.LIST", "b.List", "c.list"};
    EXPECT_EQ(Elements(f->ComboBoxListe1), attendu);
    EXPECT_EQ(Elements(f->ComboBoxListe2), attendu);
}

// The count shown, the status line, and the items left once the trailing empty ones go.
TEST_F(FenetreListes, ChargementEtComptes) {
    const struct {
        QByteArray contenu;
        QString statut;
        QString compte;
        QStringList arbre;
    } cas[] = {
        {"", "0 adresse chargée", " 0 ", {}},
        {"a@b.fr", "1 adresses chargées", " 1 ", {"a@b.fr"}},
        {"c@x.fr\r\na@x.fr\r\nb@x.fr\r\n\r\n\r\n",
         "5 adresses chargées",
         " 5 ",
         {"a@x.fr", "b@x.fr", "c@x.fr"}},
        {"\r\n\r\n\r\n", "3 adresses chargées", " 3 ", {}},
        {"a\r\n\tb\r\n\t\tc\r\nd\r\n", "4 adresses chargées", " 4 ", {"a", "\tb", "\t\tc", "d"}},
        {"\xEF\xBB\xBF\xC3\xA9lise@x.fr\r\n", "1 adresses chargées", " 1 ", {"élise@x.fr"}},
    };
    Ouvrir();
    for (const auto& c : cas) {
        rep.Ecrire("l.list", c.contenu);
        f->pageListes->ChargeListe();
        Choisir("l.list");
        EXPECT_EQ(Statut(), c.statut) << c.contenu.toStdString();
        EXPECT_EQ(CouleurStatut(), QColor(0, 0, 0));
        EXPECT_EQ(f->LabTotalAdresse->text(), c.compte);
        EXPECT_EQ(Arbre(), c.arbre);
        EXPECT_TRUE(f->SpeedButSupDoublon->isEnabled());
        EXPECT_TRUE(f->EditFindAdresse->isEnabled());
        EXPECT_FALSE(f->SpeedButSaveGestionAdresse->isEnabled());
    }
    EXPECT_TRUE(boites.boites.isEmpty());
}

TEST_F(FenetreListes, SautDeNiveauSignaleEtElementsGardes) {
    OuvrirAvec("l.list", "a\r\n\t\tb\r\nc\r\n");
    EXPECT_EQ(boites.Textes(Boite::Erreur),
              QStringList({QString::fromUtf8("Niveau incorrect (2) pour l'élément \"b\"")}));
    EXPECT_EQ(Arbre(), QStringList({"a"}));
    EXPECT_EQ(f->LabTotalAdresse->text(), " 0 ");
    EXPECT_FALSE(f->SpeedButSupDoublon->isEnabled());
    EXPECT_FALSE(f->SpeedButAnnuleModifGestionAdresse->isEnabled());
}

TEST_F(FenetreListes, ListeDisparue) {
    rep.Ecrire("l.list", "a@b.fr");
    Ouvrir();
    QFile::remove(rep.Fichier("l.list"));
    Choisir("l.list");
    EXPECT_EQ(boites.Textes(Boite::Message),
              QStringList({"Erreur lors du Chargement de la Liste...\nSelectionner une Liste."}));
}

TEST_F(FenetreListes, ChoixDansListe1DeplaceListe2MaisPasLInverse) {
    rep.Ecrire("a.list", "x@a.fr\r\n");
    rep.Ecrire("b.list", "y@b.fr\r\nz@b.fr\r\n");
    Ouvrir();
    f->ComboBoxListe1->setCurrentIndex(1);
    emit f->ComboBoxListe1->activated(1);
    EXPECT_EQ(f->ComboBoxListe2->currentText(), "b.list");
    EXPECT_EQ(Arbre(), QStringList({"y@b.fr", "z@b.fr"}));
    EXPECT_EQ(f->LabTotalAdresse2->text(), " 2 ");
    Choisir("a.list");
    EXPECT_EQ(f->ComboBoxListe1->currentText(), "b.list");
    EXPECT_EQ(f->LabTotalAdresse2->text(), " 1 ") << "the sending tab's count follows the load";
}

TEST_F(FenetreListes, FavoriSensibleALaCasse) {
    rep.Ecrire("clients.list", "a@b.fr");
    FichierParametres(rep.Fichier("Lettrova.ini")).Ecrire("Parametres", "ListeFav", "Clients.list");
    Ouvrir();
    Choisir("clients.list");
    EXPECT_EQ(f->LMDLImageListe2->Index(), 3);
    f->ReglagesActifs.valListeFav = "clients.list";
    Choisir("clients.list");
    EXPECT_EQ(f->LMDLImageListe2->Index(), 4);
    emit f->LMDLImageListe2->Clic();
    EXPECT_EQ(f->LMDLImageListe2->Index(), 3);
    EXPECT_TRUE(f->SpeedButSaveGestionAdresse->isEnabled());
    EXPECT_TRUE(f->SpeedButAnnuleModifGestionAdresse->isEnabled());
}

TEST_F(FenetreListes, CreationDeListes) {
    Ouvrir();
    QTest::keyClick(f->EditNomNouvelleListe, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists(rep.Fichier(".list"))) << "an empty name makes \".list\"";
    EXPECT_EQ(Statut(), QString::fromUtf8("Le Fichier A Bien Eté Créé"));
    EXPECT_EQ(CouleurStatut(), QColor(0, 128, 0));
    EXPECT_EQ(Elements(f->ComboBoxListe2), QStringList({".list"}));
    EXPECT_EQ(f->ComboBoxListe2->currentIndex(), -1);

    QTest::keyClicks(f->EditNomNouvelleListe, "Nouvelle");
    EXPECT_TRUE(f->SpeedButCreerFichier->isEnabled());
    Cliquer(f->SpeedButCreerFichier);
    EXPECT_EQ(rep.Lire("Nouvelle.list"), "");
    Cliquer(f->SpeedButCreerFichier);
    EXPECT_EQ(Statut(), QString::fromUtf8("Le Fichier Existe Déjà !"));
    EXPECT_EQ(CouleurStatut(), QColor(0, 128, 0)) << "the colour stays";
    EXPECT_EQ(f->EditNomNouvelleListe->palette().color(QPalette::Text), QColor(255, 0, 0));

    // Names the file system refuses: a separator, a name too long.
    for (const QString& nom : {QString("sous/x"), QString(300, u'n')}) {
        f->EditNomNouvelleListe->setText(nom);
        Cliquer(f->SpeedButCreerFichier);
    }
    EXPECT_EQ(boites.Textes(Boite::Erreur).size(), 2);
    EXPECT_FALSE(QFile::exists(rep.Fichier("sous/x.list")));
    EXPECT_EQ(Elements(f->ComboBoxListe2), QStringList({".list", "Nouvelle.list"}));
    f->EditNomNouvelleListe->clear();
    EXPECT_FALSE(f->SpeedButCreerFichier->isEnabled());
}

TEST_F(FenetreListes, SuppressionVersLaCorbeille) {
    RepertoireTemporaire donnees;
    const QByteArray ancien = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(donnees.Chemin()));
    rep.Ecrire("clients.list", "a@b.fr\r\n");
    OuvrirAvec("clients.list", "a@b.fr\r\n");

    boites.reponses = {false};
    Cliquer(f->SpeedButSupprimerListe);
    EXPECT_TRUE(QFile::exists(rep.Fichier("clients.list")));

    Cliquer(f->SpeedButSupprimerListe);
    qputenv("XDG_DATA_HOME", ancien);
    EXPECT_EQ(boites.Textes(Boite::Question).last(),
              "Envoyer La Liste \"clients.list\" Dans La Corbeille ?");
    EXPECT_FALSE(QFile::exists(rep.Fichier("clients.list")));
    EXPECT_EQ(donnees.Lire("Trash/files/clients.list"), "a@b.fr\r\n");
    EXPECT_TRUE(QFile::exists(donnees.Fichier("Trash/info/clients.list.trashinfo")));
    EXPECT_EQ(Statut(),
              QString::fromUtf8("Le Fichier \"clients.list\" A Eté Envoyé Dans La Corbeille."));
    EXPECT_TRUE(Arbre().isEmpty());
    EXPECT_EQ(Elements(f->ComboBoxListe2),
              QStringList({"Aucune", "Liste", QString::fromUtf8("Détectée")}));

    Choisir("Aucune");
    Cliquer(f->SpeedButSupprimerListe);
    EXPECT_EQ(Statut(), "Le Fichier \"Aucune\" N'A PAS ETE TROUVE.");
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
}

// The count beside "Liste D'Adresses:" shows every digit of any count up to a million.
TEST_F(FenetreListes, LeCompteDeLEnvoiMontreChaqueChiffre) {
    QByteArray contenu;
    for (int i = 0; i < 20000; ++i)
        contenu += "membre" + QByteArray::number(i) + "@club.fr\r\n";
    rep.Ecrire("grande.list", contenu);
    Ouvrir();
    f->ComboBoxListe1->setCurrentIndex(0);
    emit f->ComboBoxListe1->activated(0);
    QLabel* compte = f->LabTotalAdresse2;
    EXPECT_EQ(compte->text(), " 20000 ");
    for (const QString& texte : {compte->text(), QStringLiteral(" 1000000 ")}) {
        SCOPED_TRACE(texte.toStdString());
        EXPECT_LE(compte->fontMetrics().horizontalAdvance(texte), compte->contentsRect().width());
    }
}
