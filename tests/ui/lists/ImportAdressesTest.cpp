#include "tests/ui/lists/FenetreListes.h"

#include "lists/ui/ImportAdresses.h"
#include "lists/ui/ModeleListe.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

class Import : public FenetreListes {
protected:
    void Scanner(const QString& chemin, int genre) {
        f->EditCheminImportMAil->setText(chemin);
        f->ComboBoxTypeImport->setCurrentIndex(genre);
        emit f->ComboBoxTypeImport->activated(genre);
    }
    QStringList Apercu() const {
        QStringList r;
        const ListeAdresses& l = f->importAdresses->Apercu().Liste();
        for (int i = 0; i < l.Nombre(); ++i)
            r.append(l.Texte(i).toString());
        return r;
    }
    QString Donnee(const char* nom) const {
        return QDir(qEnvironmentVariable("LETTROVA_DONNEES"))
            .filePath(QStringLiteral("lists/") + nom);
    }
};

TEST_F(Import, TexteBrutAvecEtSansFinDeLigne) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    Cliquer(f->SpeedButImporterMail);
    EXPECT_TRUE(f->PanelImporterMAil->isVisible());
    EXPECT_EQ(f->ComboBoxTypeImport->currentIndex(), -1);
    for (const QByteArray& contenu :
         {QByteArray("d@x.fr\r\nc@x.fr\r\n"), QByteArray("d@x.fr\nc@x.fr")}) {
        rep.Ecrire("import.txt", contenu);
        Scanner(rep.Fichier("import.txt"), 1);
        EXPECT_EQ(Apercu(), QStringList({"c@x.fr", "d@x.fr"}));
        EXPECT_EQ(f->LabTotalAdresse3->text(), " 2 ");
        EXPECT_EQ(Statut(), QString::fromUtf8(" 2 Adresse(s) trouvée(s)"));
        EXPECT_TRUE(f->SpeedButImporterListeMail->isEnabled());
        EXPECT_EQ(f->ProgressBarImportFindAdresse->value(), 0);
    }
    Cliquer(f->SpeedButImporterListeMail);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr", "c@x.fr", "d@x.fr"}));
    EXPECT_EQ(Statut(), QString::fromUtf8(" 2 Adresse(s) Importée(s) Avec Succes."));
    EXPECT_EQ(f->LabTotalAdresse3->text(), " 0 ");
    EXPECT_TRUE(Apercu().isEmpty());
    EXPECT_TRUE(f->SpeedButSaveGestionAdresse->isEnabled());
    EXPECT_TRUE(f->PanelImporterMAil->isVisible()) << "the panel stays open";
    Cliquer(f->SpeedButFermerImportMail);
    EXPECT_FALSE(f->PanelImporterMAil->isVisible());
}

TEST_F(Import, LdifEnDoubleRefuseALEnregistrement) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    Cliquer(f->SpeedButImporterMail);
    Scanner(Donnee("thunderbird.ldif"), 0);
    EXPECT_EQ(Apercu(),
              QStringList({"jean.dupont@exemple.fr", "jean.dupont@exemple.fr", "m.curie@labo.fr",
                           "marie.curie@exemple.org", "marie.curie@exemple.org"}));
    QString pendant;
    QTimer::singleShot(0, [&] { pendant = Statut(); });
    Cliquer(f->SpeedButImporterListeMail);
    EXPECT_EQ(pendant, "Importation Des Adresses En Cours...");
    Cliquer(f->SpeedButSaveGestionAdresse);
    EXPECT_EQ(Statut(), "Adresse En Double Detectée");
    EXPECT_EQ(TexteSelectionne(), "jean.dupont@exemple.fr");
    EXPECT_EQ(rep.Lire("l.list"), "a@x.fr\r\n");
}

TEST_F(Import, UneSeuleAdresse) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    rep.Ecrire("un.csv", "Nom;Adresse\r\nJean;\"j@x.fr\"\r\n");
    Scanner(rep.Fichier("un.csv"), 1);
    QString pendant;
    QTimer::singleShot(0, [&] { pendant = Statut(); });
    Cliquer(f->SpeedButImporterListeMail);
    EXPECT_EQ(pendant, "Importation De L'Adresse En Cours...");
    EXPECT_EQ(Arbre(), QStringList({"\"j@x.fr\"", "a@x.fr"}));
    EXPECT_EQ(Statut(), QString::fromUtf8(" 1 Adresse(s) Importée(s) Avec Succes."));
}

TEST_F(Import, CsvUtf8SansMarqueEtWindows1252) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    const QString csv = QString::fromUtf8("Nom;Adresse\r\nÉlodie;élodie@x.fr\r\n");
    for (const QByteArray& octets : {csv.toUtf8(), csv.toLatin1()}) {
        rep.Ecrire("export.csv", octets);
        Scanner(rep.Fichier("export.csv"), 1);
        EXPECT_EQ(Apercu(), QStringList({QString::fromUtf8("élodie@x.fr")}));
    }
}

TEST_F(Import, FichierAbsentVideOuIllisible) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    Scanner(rep.Fichier("absent.csv"), 1);
    EXPECT_EQ(Statut(), "Le Fichier A Importer N'Existe Pas.");
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
    EXPECT_EQ(f->ComboBoxTypeImport->currentIndex(), -1);
    EXPECT_TRUE(f->SpeedButImporterListeMail->isEnabled());
    Cliquer(f->SpeedButImporterListeMail);
    EXPECT_EQ(Arbre(), QStringList({"a@x.fr"}));

    rep.Ecrire("vide.txt", "");
    Scanner(rep.Fichier("vide.txt"), 1);
    EXPECT_EQ(Statut(), "Recherche D'Adresses En Cours...");
    EXPECT_EQ(CouleurStatut(), QColor(255, 89, 0));
    EXPECT_FALSE(f->TimerResetStatusInfos->isActive());
    EXPECT_TRUE(Apercu().isEmpty());

    // A file that opens but whose reading fails, whoever runs the test.
    f->SpeedButImporterListeMail->setEnabled(false);
    Scanner("/proc/self/mem", 1);
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Erreur).size(), 1);
    EXPECT_FALSE(f->SpeedButImporterListeMail->isEnabled());
}

TEST_F(Import, DialogueDansLeRepertoireDuProgramme) {
    OuvrirAvec("l.list", "a@x.fr\r\n");
    boites.fichiers = {"/chemin/choisi.ldif"};
    Cliquer(f->SpeedButCheminImport);
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Fichier), QStringList({rep.Chemin()}));
    EXPECT_EQ(f->EditCheminImportMAil->text(), "/chemin/choisi.ldif");
    Cliquer(f->SpeedButCheminImport);
    EXPECT_EQ(f->EditCheminImportMAil->text(), "/chemin/choisi.ldif") << "cancelled: unchanged";
}
