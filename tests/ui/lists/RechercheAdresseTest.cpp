#include "tests/ui/lists/FenetreListes.h"

#include "lists/ui/PageListes.h"
#include "lists/ui/RechercheAdresse.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

class Recherche : public FenetreListes {
protected:
    // Types the pattern and searches as many times as asked: the selected text after each.
    QStringList Chercher(const QString& motif, int fois) {
        f->EditFindAdresse->setText(motif);
        QStringList r;
        for (int i = 0; i < fois; ++i) {
            Cliquer(f->SpeedButFindAdresse);
            r.append(Statut() == "Adresse Trouvée." ? TexteSelectionne() : Statut());
        }
        return r;
    }
};

TEST_F(Recherche, ToutesLesCorrespondancesPuisLaFinPuisLeDebut) {
    OuvrirAvec("l.list", "marc.dupont@x.fr\r\nDupont@y.fr\r\nzoe@x.fr\r\nDUPONT@z.fr\r\n"
                         "\xC9lise@x.fr\r\n");
    EXPECT_EQ(Chercher("DUPONT", 5), QStringList({"Dupont@y.fr", "DUPONT@z.fr", "marc.dupont@x.fr",
                                                  "...Fin De Recherche.", "Dupont@y.fr"}));
    EXPECT_TRUE(f->SpeedButFindAdresse->isEnabled());
    EXPECT_FALSE(f->SpeedButArreterRecherche->isEnabled());
    EXPECT_TRUE(f->rechercheAdresse->RechercheEnSuite);
    EXPECT_FALSE(f->ImageRechercheSuite->isHidden());
    EXPECT_EQ(Chercher(QString::fromUtf8("é"), 1), QStringList({"...Fin De Recherche."}))
        << "accented letters compare exactly";
    EXPECT_FALSE(f->rechercheAdresse->RechercheEnSuite);
    EXPECT_TRUE(f->ImageRechercheSuite->isHidden());
    EXPECT_EQ(Chercher(QString::fromUtf8("É"), 1), QStringList({QString::fromUtf8("Élise@x.fr")}));
    EXPECT_EQ(Chercher("dup?nt@*.fr", 2), QStringList({"marc.dupont@x.fr", "...Fin De Recherche."}))
        << "a new pattern goes on after the last hit";
}

TEST_F(Recherche, JokersSeuls) {
    OuvrirAvec("l.list", "b@x.fr\r\n\r\na@x.fr\r\n");
    ASSERT_EQ(Arbre(), QStringList({"", "a@x.fr", "b@x.fr"}));
    EXPECT_EQ(Chercher("*", 1), QStringList({""}));
    f->rechercheAdresse->RechercheEnSuite = false;
    EXPECT_EQ(Chercher("?", 1), QStringList({"a@x.fr"}));
}

TEST_F(Recherche, IndicationCherchéeCommeUnMotif) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    f->EditFindAdresse->clear();
    EXPECT_EQ(f->EditFindAdresse->text(), RechercheAdresse::Indication());
    EXPECT_EQ(f->EditFindAdresse->palette().color(QPalette::Text), QColor(192, 192, 192));
    Cliquer(f->SpeedButFindAdresse);
    EXPECT_EQ(Statut(), "...Fin De Recherche.");
    f->EditAjoutAdresse->setText("[option:  x = 1 joker | tout = multi joker]@x.fr");
    Cliquer(f->SpeedButAjouterAdresse);
    Cliquer(f->SpeedButFindAdresse);
    EXPECT_EQ(Statut(), "Adresse Trouvée.") << "its \"?\" and \"*\" act as wildcards";
}

TEST_F(Recherche, BoiteDuMotif) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    QLineEdit* boite = f->EditFindAdresse;
    boite->setText(RechercheAdresse::Indication());
    boite->setCursorPosition(0);
    boite->setFocus();
    QTest::keyClicks(boite, "d");
    EXPECT_EQ(boite->text(), "d") << "a character typed in front of the hint replaces it";
    EXPECT_EQ(boite->palette().color(QPalette::Text), QColor(0, 0, 128));
    QTest::keyClick(boite, Qt::Key_Backspace);
    EXPECT_EQ(boite->text(), RechercheAdresse::Indication());
    EXPECT_EQ(boite->cursorPosition(), 0);
    boite->setText("x" + RechercheAdresse::Indication().toUpper() + "y");
    EXPECT_EQ(boite->text(), "xy");
    EXPECT_EQ(boite->cursorPosition(), 2);
}

TEST_F(Recherche, ListeVide) {
    OuvrirAvec("l.list", "");
    f->EditFindAdresse->setText("a");
    f->LabStatusInfos->setText("avant");
    Cliquer(f->SpeedButFindAdresse);
    EXPECT_EQ(Statut(), "avant");
    EXPECT_TRUE(f->SpeedButFindAdresse->isEnabled());
}

TEST_F(Recherche, ArretPendantUneLongueRecherche) {
    QByteArray contenu;
    for (int i = 0; i < 200000; ++i)
        contenu += "abonne" + QByteArray::number(i) + "@exemple-de-domaine.fr\r\n";
    contenu += "zz.cible@exemple.fr\r\n";
    OuvrirAvec("l.list", contenu);
    f->EditFindAdresse->setText("*c*i*b*l*e*");
    int requetes = 0;
    QTimer::singleShot(0, [&] {
        ++requetes;
        QTest::keyClick(f->EditFindAdresse, Qt::Key_Return); // ignored: a search runs
        Cliquer(f->SpeedButArreterRecherche);
    });
    Cliquer(f->SpeedButFindAdresse);
    ASSERT_EQ(requetes, 1);
    EXPECT_EQ(Statut(), "Recherche En Cours...");
    EXPECT_TRUE(f->SpeedButFindAdresse->isEnabled());
    EXPECT_FALSE(f->SpeedButArreterRecherche->isEnabled());
    EXPECT_FALSE(f->rechercheAdresse->RechercheEnSuite);
    EXPECT_EQ(LigneSelectionnee(), -1);

    Cliquer(f->SpeedButFindAdresse);
    EXPECT_EQ(Statut(), "Adresse Trouvée.");
    EXPECT_EQ(TexteSelectionne(), "zz.cible@exemple.fr");
}

// The close box during a long search: the window stays until the search has ended on it.
TEST_F(Recherche, FermeturePendantUneLongueRecherche) {
    QByteArray contenu;
    for (int i = 0; i < 200000; ++i)
        contenu += "abonne" + QByteArray::number(i) + "@exemple-de-domaine.fr\r\n";
    OuvrirAvec("l.list", contenu);
    f->show();
    f->EditFindAdresse->setText("*c*i*b*l*e*");
    bool visiblePendant = false;
    QTimer::singleShot(0, [&] {
        f->close();
        visiblePendant = f->isVisible();
    });
    Cliquer(f->SpeedButFindAdresse);
    EXPECT_TRUE(f->FermetureEnCours);
    EXPECT_TRUE(visiblePendant);
    EXPECT_FALSE(f->isVisible());
}

// The error tab's double click: an address in the box, the page shown, the search run.
TEST_F(Recherche, DepuisLOngletDesErreurs) {
    OuvrirAvec("l.list", "a@x.fr\r\nb@x.fr\r\n");
    f->EditFindAdresse->setText("b@x.fr");
    f->SelectionnerPage(f->TabSheetAdresseMail);
    f->rechercheAdresse->SpeedButFindAdresseClick();
    EXPECT_EQ(TexteSelectionne(), "b@x.fr");
    EXPECT_TRUE(f->EditAdresseListeSelected->text().isEmpty()) << "no refresh of the box";
}
