#include "app/ui/TForm1.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/LimiteTailleFichiers.h"
#include "tests/support/SansPassePartout.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QByteArray kComplet = "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\nSMTPPort=587\r\n"
                            "SMTPUser=jean\r\nSMTPPassword=\xF0\xF4\r\nMailEXP=jean@exemple.fr\r\n";

struct CasPageDepart {
    const char* nom;
    QByteArray fichier;
    const char* page;
    friend void PrintTo(const CasPageDepart& c, std::ostream* os) { *os << c.nom; }
};

class PageDepart : public ::testing::TestWithParam<CasPageDepart> {};

TEST_P(PageDepart, SelonParametresEtVersion) {
    FenetreDeTest t;
    if (!GetParam().fichier.isNull())
        t.rep.Ecrire("Lettrova.ini", GetParam().fichier);
    TForm1& f = t.Ouvrir();
    EXPECT_EQ(f.PageControlPrinc->currentWidget()->objectName(),
              QString::fromUtf8(GetParam().page));
    EXPECT_TRUE(t.boites.boites.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Demarrage, PageDepart,
    ::testing::Values(
        CasPageDepart{"premier", QByteArray(), "TabSheet2"},
        CasPageDepart{"complet", kComplet + "VersionAppli=1.0.4.42\r\n", "TabSheetPrincipale"},
        CasPageDepart{"portVide",
                      QByteArray(kComplet).replace("SMTPPort=587", "SMTPPort=") +
                          "VersionAppli=1.0.4.42\r\n",
                      "TabSheetParamètres"},
        CasPageDepart{"sansMotDePasse",
                      QByteArray(kComplet).replace("SMTPPassword=\xF0\xF4", "") +
                          "VersionAppli=1.0.4.42\r\n",
                      "TabSheetParamètres"},
        CasPageDepart{"nouvelleVersion", kComplet + "VersionAppli=1.0.3.9\r\n", "TabSheet2"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Demarrage, PremierLancementSansFichier) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir();
    EXPECT_EQ(f.EditSMTPPort->text(), "25");
    for (QLineEdit* champ : {f.EditSMTPServeur, f.EditSMTPUser, f.EditSMTPPassword, f.EditMailEXP})
        EXPECT_TRUE(champ->text().isEmpty()) << champ->objectName().toStdString();
    EXPECT_EQ(t.Parametres(), "[parametres]\r\nVersionAppli=1.0.4.42\r\n");
    EXPECT_EQ(f.ReglagesActifs.ValVersionDemarragePrecedant, "");
    EXPECT_EQ(f.LabelVersion->text(), "Version: 1.0.4.42 ");
    EXPECT_EQ(f.LabelVersion2->text(), "v.1.0.4.42");
    EXPECT_EQ(f.LabelDossierDonnees->text(),
              QString::fromUtf8("Paramètres et listes dans : ") + t.rep.Chemin());
    EXPECT_FALSE(f.PageControlPrinc->isTabVisible(f.PageControlPrinc->indexOf(f.TabSheetErreur)));
    EXPECT_FALSE(f.SpeedButEnrServeur->isEnabled());
    EXPECT_FALSE(f.SpeedButAnnulerServeur->isEnabled());
}

TEST(Demarrage, SectionEnMajusculeRecoitLaVersionSansSecondeSection) {
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", kComplet);
    t.Ouvrir();
    EXPECT_EQ(t.Parametres(), QString::fromLatin1(kComplet + "VersionAppli=1.0.4.42\r\n"));
    EXPECT_EQ(t.f->ReglagesActifs.ValSMTPPassword, "ko") << "the stored password is unscrambled";
    EXPECT_EQ(t.f->EditSMTPPassword->text(), "ko");
}

// Each start-up step fails alone: the version record that cannot be written shows its box,
// and every other step still runs.
TEST(Demarrage, EcritureImpossibleNEmpechePasLesAutresEtapes) {
    FenetreDeTest t;
    t.rep.Ecrire("clients.list", "a@b.fr\r\n");
    {
        // No byte can be written: the version record fails like in a read-only directory.
        LimiteTailleFichiers limite(0);
        t.Ouvrir();
    }
    TForm1& f = *t.f;
    ASSERT_EQ(t.boites.Textes(DialoguesScriptes::Boite::Erreur),
              QStringList{QString::fromUtf8("Impossible d'écrire dans ") +
                          t.rep.Fichier("Lettrova.ini") + ". Fichier trop grand"});
    EXPECT_EQ(f.EditSMTPPort->text(), "25");
    EXPECT_EQ(f.LabelVersion2->text(), "v.1.0.4.42");
    EXPECT_GT(f.TreeViewHistorique->topLevelItemCount(), 0);
    EXPECT_EQ(f.ComboBoxListe1->itemText(0), "clients.list");
    EXPECT_FALSE(f.RichEditAideServeur->toPlainText().isEmpty());
    EXPECT_EQ(f.PageControlPrinc->currentWidget(), f.TabSheet2);
    EXPECT_FALSE(f.SpeedButEnrServeur->isEnabled());
    f.show();
    EXPECT_TRUE(f.isVisible());
}

// A settings file that exists but cannot be read is not an empty one: the first write of the
// start-up would replace every setting by the version alone.
TEST(Demarrage, ParametresIllisiblesLaissesIntacts) {
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", kComplet);
    const QString chemin = t.rep.Fichier("Lettrova.ini");
    QFile::setPermissions(chemin, QFileDevice::WriteOwner);
    {
        SansPassePartout utilisateur;
        t.Ouvrir();
    }
    QFile::setPermissions(chemin, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(t.rep.Lire("Lettrova.ini"), kComplet) << "byte for byte";
    EXPECT_EQ(t.boites.Textes(DialoguesScriptes::Boite::Erreur),
              QStringList{QString::fromUtf8("Impossible d'écrire dans ") + chemin +
                          QString::fromUtf8(". Permission refusée")});
    t.f->show();
    EXPECT_TRUE(t.f->isVisible());
}

TEST(Demarrage, FichierHtmlDisparuEstOublie) {
    FenetreDeTest t;
    t.rep.Ecrire("page.html", "<html></html>");
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nDernierFichierCharg\xE9=" +
                                     t.rep.Fichier("page.html").toLatin1() +
                                     "\r\nValSujet=  \"Les nouvelles\"  \r\n");
    EXPECT_EQ(t.Ouvrir().EditFichierACharger->text(), t.rep.Fichier("page.html"));
    EXPECT_EQ(t.f->EditSujetMessage->text(), "Les nouvelles");
    FenetreDeTest u;
    u.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nDernierFichierCharg\xE9=" +
                                     u.rep.Fichier("absent.html").toLatin1() + "\r\n");
    EXPECT_EQ(u.Ouvrir().EditFichierACharger->text(), "");
}

} // namespace
