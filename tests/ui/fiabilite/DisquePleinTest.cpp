// A full disk (writes past a size fail with EFBIG, as ENOSPC would) during a list save, a
// settings write and an ".err" save: the error box with the system's message, the old file
// intact, no temporary file left, and the same action succeeds once there is room again.
// A read-only program directory (no byte can be written at all) gives the same boxes.
#include "app/ui/TForm1.h"
#include "commun/ui/ImageMarque.h"
#include "sending/ui/erreurs/PageErreurs.h"
#include "tests/support/DialoguesScriptes.h"
#include "tests/support/LimiteTailleFichiers.h"
#include "tests/ui/lists/FenetreListes.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Boite = DialoguesScriptes::Boite;

class DisquePlein : public FenetreListes {
protected:
    // 60 addresses: far more bytes than the limit below lets through, the settings file far
    // fewer.
    static constexpr rlim_t kPlace = 512;

    void SetUp() override {
        for (int i = 0; i < 60; ++i)
            ancienneListe += QByteArray("membre") + QByteArray::number(i) + "@club.fr\r\n";
        OuvrirAvec("membres.list", ancienneListe);
    }

    void Saisir(QLineEdit* champ, const QString& texte) {
        champ->clear();
        QTest::keyClicks(champ, texte);
    }

    QStringList FichiersCaches() const {
        return QDir(rep.Chemin()).entryList({".*"}, QDir::Files | QDir::Hidden);
    }

    QStringList Erreurs() const { return boites.Textes(Boite::Erreur); }

    // A campaign's error record of 40 failures, to be saved as `ancien` is on disk.
    QString PreparerErreurs(const QByteArray& ancien) {
        f->EditSujetMessage->setText("Lettre de juin");
        f->pageErreurs->Reinitialiser();
        QList<ResultatEnvoi> echecs;
        for (int i = 0; i < 40; ++i)
            echecs.append({QStringLiteral("membre%1@club.fr").arg(i),
                           QStringLiteral("550 5.1.1 Destinataire inconnu\r\n")});
        f->pageErreurs->Reporter(echecs);
        const QString chemin = f->pageErreurs->FichierErreurs();
        QFile fichier(chemin);
        EXPECT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(ancien);
        return chemin;
    }

    QByteArray ancienneListe;
};

TEST_F(DisquePlein, EnregistrementDeLaListe) {
    f->EditAjoutAdresse->setText("nouveau@club.fr");
    Cliquer(f->SpeedButAjouterAdresse);
    {
        LimiteTailleFichiers limite(kPlace);
        Cliquer(f->SpeedButSaveGestionAdresse);
    }
    EXPECT_EQ(Erreurs(),
              QStringList{QString::fromUtf8("Impossible d'enregistrer la liste \"%1\". Fichier "
                                            "trop grand")
                              .arg(rep.Fichier("membres.list"))});
    EXPECT_EQ(rep.Lire("membres.list"), ancienneListe);
    EXPECT_EQ(FichiersCaches(), QStringList());

    Cliquer(f->SpeedButSaveGestionAdresse);
    EXPECT_EQ(Erreurs().size(), 1);
    EXPECT_EQ(Statut(), "Liste Enregistrée Avec Succes");
    EXPECT_TRUE(rep.Lire("membres.list").contains("nouveau@club.fr\r\n"));
}

TEST_F(DisquePlein, EcritureDesParametres) {
    f->PageControlPrinc->setCurrentWidget(f->TabSheetParamètres);
    const QByteArray avant = rep.Lire("Lettrova.ini");
    Saisir(f->EditSMTPServeur, "smtp.exemple.fr");
    {
        LimiteTailleFichiers limite(16);
        Cliquer(f->SpeedButEnrServeur);
    }
    EXPECT_EQ(Erreurs(), QStringList{QString::fromUtf8("Impossible d'écrire dans ") +
                                     rep.Fichier("Lettrova.ini") + ". Fichier trop grand"});
    EXPECT_EQ(rep.Lire("Lettrova.ini"), avant);
    EXPECT_EQ(FichiersCaches(), QStringList());

    // The user types again, which enables the button, and saves.
    Saisir(f->EditSMTPServeur, "smtp2.exemple.fr");
    Cliquer(f->SpeedButEnrServeur);
    EXPECT_EQ(Erreurs().size(), 1);
    EXPECT_EQ(Statut(), "Paramètres Enregistrés Avec Succes.");
    EXPECT_TRUE(rep.Lire("Lettrova.ini").contains("SMTPServeur=smtp2.exemple.fr\r\n"));
}

TEST_F(DisquePlein, EnregistrementDuFichierErr) {
    const QString chemin = PreparerErreurs("ancien rapport\r\n");
    {
        LimiteTailleFichiers limite(kPlace);
        Cliquer(f->SpeedButton1);
    }
    EXPECT_EQ(Erreurs(), QStringList{QStringLiteral("Impossible de créer le fichier \"%1\". %2")
                                         .arg(chemin, QStringLiteral("Fichier trop grand"))});
    EXPECT_EQ(rep.Lire(QFileInfo(chemin).fileName()), "ancien rapport\r\n");
    EXPECT_EQ(FichiersCaches(), QStringList());

    Cliquer(f->SpeedButton1);
    EXPECT_EQ(Erreurs().size(), 1);
    EXPECT_TRUE(rep.Lire(QFileInfo(chemin).fileName())
                    .startsWith("membre0@club.fr -> Erreur suivante: 550 5.1.1"));
    EXPECT_FALSE(f->LMDLImageEnregistrementErrOk->isHidden());
}

// The program's directory turns read-only while the program runs (as root, played by a file
// size limit of 0: not a byte can be written): each save shows its box, no file changes, and
// the window goes on. A directory read-only from the start is the start-up test's case.
class RepertoireEnLectureSeule : public FenetreListes {};

TEST_F(RepertoireEnLectureSeule, ChaqueEnregistrementMontreSonErreur) {
    OuvrirAvec("membres.list", "a@club.fr\r\n");
    const QByteArray parametres = rep.Lire("Lettrova.ini");
    LimiteTailleFichiers limite(0);
    const QString ini = QString::fromUtf8("Impossible d'écrire dans ") +
                        rep.Fichier("Lettrova.ini") + ". Fichier trop grand";

    f->EditAjoutAdresse->setText("b@club.fr");
    Cliquer(f->SpeedButAjouterAdresse);
    Cliquer(f->SpeedButSaveGestionAdresse);

    f->PageControlPrinc->setCurrentWidget(f->TabSheetParamètres);
    QTest::keyClicks(f->EditSMTPServeur, "smtp.exemple.fr");
    Cliquer(f->SpeedButEnrServeur);

    f->EditSujetMessage->setText("Lettre");
    f->pageErreurs->Reinitialiser();
    f->pageErreurs->Reporter({{QStringLiteral("a@club.fr"), QStringLiteral("Refus")}});
    Cliquer(f->SpeedButton1);

    const QStringList erreurs = boites.Textes(Boite::Erreur);
    ASSERT_EQ(erreurs.size(), 3);
    EXPECT_EQ(erreurs[0], ini) << "the list save records the favourite list first";
    EXPECT_EQ(erreurs[1], ini) << "the settings page";
    EXPECT_EQ(erreurs[2],
              QStringLiteral("Impossible de créer le fichier \"%1\". %2")
                  .arg(f->pageErreurs->FichierErreurs(), QStringLiteral("Fichier trop grand")));
    EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Lettrova.ini", "membres.list"}));
    EXPECT_EQ(rep.Lire("membres.list"), "a@club.fr\r\n");
    EXPECT_EQ(rep.Lire("Lettrova.ini"), parametres);
    EXPECT_TRUE(f->isVisible());
}

} // namespace
