#include "page/ui/ChargementPage.h"
#include "commun/ui/Forme.h"
#include "commun/ui/ImageMarque.h"
#include "page/ui/TexteEditeur.h"
#include "tests/ui/page/FenetrePage.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

namespace {

using Boite = DialoguesScriptes::Boite;

class ChargementPageTest : public FenetrePage {
protected:
    int Marque() const { return f->LMDLImageStatusChargement->Index(); }
    QString Statut() const { return f->LabStatusInfos->text(); }
    QColor CouleurStatut() const {
        return f->LabStatusInfos->palette().color(QPalette::WindowText);
    }
    QStringList Remarques() const {
        QStringList r;
        for (int i = 0; i < f->ComboBoxRemarquesPage->count(); ++i)
            r << f->ComboBoxRemarquesPage->itemText(i);
        return r;
    }
};

TEST_F(ChargementPageTest, PageCorrecteRetenueEtChargerDesactive) {
    const QString chemin = Fichier("bonne.html", "<!-- </body> </head> </html> -->");
    Charger(chemin);
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), "<!-- </body> </head> </html> -->");
    EXPECT_EQ(Statut(), "Le Fichier HTML Chargé Semble Correct.");
    EXPECT_EQ(CouleurStatut(), QColor(0, 128, 0));
    EXPECT_EQ(Marque(), ChargementPage::MarqueCorrecte);
    EXPECT_EQ(Parametre("DernierFichierChargé"), chemin);
    EXPECT_FALSE(f->SpeedButCharger->isEnabled());
}

TEST_F(ChargementPageTest, BalisesEnCapitalesEchouentSansToucherAuxParametres) {
    const QString bonne = Fichier("bonne.html", kPageCorrecte);
    Charger(bonne);
    const QByteArray capitales = "<HTML><HEAD></HEAD><BODY></BODY></HTML>";
    Charger(Fichier("capitales.html", capitales));
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), capitales) << "the text stays for repair";
    EXPECT_EQ(Statut(), "La Balise </html> N'A Pas Eté Trouvée.");
    EXPECT_EQ(CouleurStatut(), QColor(255, 0, 0));
    EXPECT_EQ(Marque(), ChargementPage::MarqueFautive);
    EXPECT_TRUE(f->SpeedButCharger->isEnabled());
    EXPECT_EQ(Parametre("DernierFichierChargé"), bonne);
    // The next start offers the last page that passed.
    Ouvrir(true);
    EXPECT_EQ(f->EditFichierACharger->text(), bonne);
}

TEST_F(ChargementPageTest, ChaqueBaliseManquanteASonMessage) {
    const struct {
        const char* texte;
        const char* statut;
    } cas[] = {{"<html></html><body></body>", "La Balise </head> N'A Pas Eté Trouvée."},
               {"</html></head>", "La Balise </body> N'A Pas Eté Trouvée."}};
    for (const auto& c : cas) {
        Charger(Fichier("p.html", c.texte));
        EXPECT_EQ(Statut(), QString::fromUtf8(c.statut));
        EXPECT_EQ(Marque(), ChargementPage::MarqueFautive);
    }
    // No file at the path: the editor stays empty and the first check fails.
    Charger(rep.Fichier("absente.html"));
    EXPECT_TRUE(f->MemoHtmlBrut->document()->isEmpty());
    EXPECT_EQ(Statut(), "La Balise </html> N'A Pas Eté Trouvée.");
}

TEST_F(ChargementPageTest, LeChargementDesactiveEnvoyerEtPointilleLaBarre) {
    f->TimerAcitveEnvoyer->stop();
    f->SpeedButEnvoyer->setEnabled(true);
    f->ShapeEnvoiValide->DefinirPointille(false);
    Charger(Fichier("bonne.html", kPageCorrecte));
    EXPECT_FALSE(f->SpeedButEnvoyer->isEnabled());
    EXPECT_TRUE(f->ShapeEnvoiValide->Pointille());
}

TEST_F(ChargementPageTest, Utf8AvecEtSansMarque) {
    const QByteArray page = "<html><head></head><body>d\xC3\xA9j\xC3\xA0</body></html>";
    Charger(Fichier("avec.html", "\xEF\xBB\xBF" + page));
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut),
              QString::fromUtf8("<html><head></head><body>déjà</body></html>"));
    Charger(Fichier("sans.html", page));
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut),
              QString::fromUtf8("<html><head></head><body>déjà</body></html>"))
        << "valid UTF-8 without a mark";
    Charger(Fichier("ansi.html", "<html><head></head><body>d\xE9j\xE0</body></html>"));
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut),
              QString::fromUtf8("<html><head></head><body>déjà</body></html>"))
        << "Windows-1252";
}

TEST_F(ChargementPageTest, ChoisirUnFichierVideEditeurEtMarque) {
    const QString bonne = Fichier("bonne.html", kPageCorrecte);
    Charger(bonne);
    const QString autre = Fichier("autre.html", "x");
    boites.fichiers << autre;
    QTest::mouseClick(f->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(boites.Textes(Boite::Fichier).last(), rep.Chemin() + "/")
        << "the dialog opens in the current file's directory";
    EXPECT_EQ(f->EditFichierACharger->text(), autre);
    EXPECT_TRUE(f->MemoHtmlBrut->document()->isEmpty());
    EXPECT_EQ(Marque(), ChargementPage::MarqueAucune);
    EXPECT_TRUE(f->SpeedButCharger->isEnabled());
    EXPECT_EQ(Parametre("DernierFichierChargé"), bonne) << "nothing is read yet";
}

TEST_F(ChargementPageTest, DialogueAnnuleNeChangeRien) {
    const QString bonne = Fichier("bonne.html", kPageCorrecte);
    Charger(bonne);
    QTest::mouseClick(f->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(boites.Textes(Boite::Fichier).last(), rep.Chemin() + "/");
    EXPECT_EQ(f->EditFichierACharger->text(), bonne);
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), kPageCorrecte);
    EXPECT_EQ(Marque(), ChargementPage::MarqueCorrecte);
    EXPECT_FALSE(f->SpeedButCharger->isEnabled());
    // Without an existing file in the path field, the dialog opens in the program's directory.
    f->EditFichierACharger->setText(rep.Fichier("nulle-part/x.html"));
    QTest::mouseClick(f->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(boites.Textes(Boite::Fichier).last(), f->Repertoire());
}

TEST_F(ChargementPageTest, FichierIlliseAllantALaBoiteDErreur) {
    Charger(Fichier("bonne.html", kPageCorrecte));
    const QString avant = Parametre("DernierFichierChargé");
    f->SpeedButEnvoyer->setEnabled(true);
    // A regular file whose reading fails, even for root.
    Charger(QStringLiteral("/proc/self/mem"));
    EXPECT_EQ(boites.Textes(Boite::Erreur),
              QStringList{"Impossible de lire le fichier \"/proc/self/mem\"."});
    EXPECT_TRUE(f->MemoHtmlBrut->document()->isEmpty());
    EXPECT_EQ(Marque(), ChargementPage::MarqueAucune);
    EXPECT_EQ(Statut(), "");
    EXPECT_FALSE(f->SpeedButEnvoyer->isEnabled());
    EXPECT_TRUE(f->ShapeEnvoiValide->Pointille());
    EXPECT_EQ(Parametre("DernierFichierChargé"), avant);
}

TEST_F(ChargementPageTest, ChargementAutomatiqueAuDemarrage) {
    const QString chemin = Fichier("bonne.html", kPageCorrecte);
    FichierParametres p(rep.Fichier("Lettrova.ini"));
    p.Ecrire("Parametres", "ChrgtHtmlAuto", "Oui");
    p.Ecrire("Parametres", "DernierFichierChargé", chemin);
    Ouvrir(true);
    EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), kPageCorrecte);
    EXPECT_EQ(Marque(), ChargementPage::MarqueCorrecte);

    // The remembered file deleted since: the field starts empty and nothing is loaded.
    ASSERT_TRUE(QFile::remove(chemin));
    Ouvrir(true);
    EXPECT_EQ(f->EditFichierACharger->text(), "");
    EXPECT_TRUE(f->MemoHtmlBrut->document()->isEmpty());
    EXPECT_EQ(Marque(), ChargementPage::MarqueAucune);
    EXPECT_NE(Statut(), "La Balise </html> N'A Pas Eté Trouvée.");
}

TEST_F(ChargementPageTest, CeQueLesDestinatairesVerraientOuPas) {
    // The signature of a PNG, then 2 000 bytes.
    rep.Ecrire("logo.png", QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(2000, 'x'));
    rep.Ecrire("style.css", "h1{color:red}");
    const QString bonne = Fichier("bonne.html", kPageCorrecte);
    Charger(bonne);
    const struct {
        const char* nom;
        QByteArray page;
        bool joindre;
        QString statut;
        QColor couleur;
        int marque;
        QStringList remarques;
    } cas[] = {
        {"two missing pictures",
         "<html><head></head><body><img src=\"logo.png\"><img src=\"manque.png\">"
         "<img src=\"fond.jpg\"></body></html>",
         true,
         "2 images introuvables : manque.png, fond.jpg",
         QColor(255, 0, 0),
         ChargementPage::MarqueFautive,
         {
             "2 images introuvables : manque.png, fond.jpg",
             "1 image jointe au message : logo.png",
         }},
        {"warnings",
         "<html><head><link rel=\"stylesheet\" href=\"https://exemple.org/s.css\"></head>"
         "<body><script>var a;</script><img src=\"logo.png\"></body></html>",
         true,
         "1 feuille de style liée, que beaucoup de messageries ignorent : "
         "https://exemple.org/s.css ; 1 script, que les messageries n'exécutent pas",
         QColor(255, 89, 0),
         ChargementPage::MarqueCorrecte,
         {
             "1 feuille de style liée, que beaucoup de messageries ignorent : "
             "https://exemple.org/s.css",
             "1 script, que les messageries n'exécutent pas",
             "1 image jointe au message : logo.png",
         }},
        {"all is well",
         "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head>"
         "<body><img src=\"logo.png\"></body></html>",
         true,
         "Le Fichier HTML Chargé Semble Correct.",
         QColor(0, 128, 0),
         ChargementPage::MarqueCorrecte,
         {"1 image jointe au message : logo.png",
          "1 feuille de style mise dans la page : style.css"}},
        {"pictures not joined",
         "<html><head></head><body><img src=\"logo.png\"></body></html>",
         false,
         "1 image locale non jointe, que les destinataires ne verront pas : logo.png",
         QColor(255, 89, 0),
         ChargementPage::MarqueCorrecte,
         {
             "1 image locale non jointe, que les destinataires ne verront pas : logo.png",
         }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        f->ReglagesActifs.ValJoindreImages = c.joindre;
        const QString chemin = Fichier("images.html", c.page);
        Charger(chemin);
        EXPECT_EQ(Statut(), c.statut);
        EXPECT_EQ(CouleurStatut(), c.couleur);
        EXPECT_EQ(Marque(), c.marque);
        // The size last, measured on the message as a campaign would make it: the picture's
        // 2 KB (2.7 in base64) are in it when it is joined.
        QStringList remarques = Remarques();
        ASSERT_FALSE(remarques.isEmpty());
        const QString taille = remarques.takeLast();
        EXPECT_EQ(remarques, c.remarques);
        static const QRegularExpression forme(
            QStringLiteral("^Message de (\\d+) (octets|Ko) par destinataire$"));
        const QRegularExpressionMatch lu = forme.match(taille);
        ASSERT_TRUE(lu.hasMatch()) << taille.toStdString();
        const int octets = lu.captured(1).toInt() * (lu.captured(2) == "Ko" ? 1000 : 1);
        EXPECT_EQ(octets > 2700, c.joindre) << taille.toStdString();
        const bool correcte = c.marque == ChargementPage::MarqueCorrecte;
        EXPECT_EQ(Parametre("DernierFichierChargé"), correcte ? chemin : bonne);
        EXPECT_EQ(f->SpeedButCharger->isEnabled(), !correcte);
        EXPECT_EQ(TexteEditeur(*f->MemoHtmlBrut), QString::fromUtf8(c.page));
        Charger(bonne);
        ASSERT_EQ(Remarques().size(), 1) << "a new load forgets the remarks of the last";
    }
}

TEST_F(ChargementPageTest, UnExpediteurAccentueNEmpechePasDeCharger) {
    // A mailbox that only SMTPUTF8 carries: the size is measured all the same.
    f->ReglagesActifs.ValEditMailEXP = QString::fromUtf8("Élise <élise@exemple.fr>");
    Charger(Fichier("bonne.html", kPageCorrecte));
    EXPECT_EQ(Statut(), "Le Fichier HTML Chargé Semble Correct.");
    EXPECT_EQ(Marque(), ChargementPage::MarqueCorrecte);
    EXPECT_TRUE(boites.Textes(Boite::Erreur).isEmpty());
}

} // namespace
