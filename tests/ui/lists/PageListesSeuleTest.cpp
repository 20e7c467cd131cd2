// The list catalogue page built alone: its controls, the loaded list and fake services, with
// no main window. What it does reaches the rest of the program only through what it was given.
#include "app/Reglages.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/ListeImages.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/DispositionAdresses.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/PageListes.h"
#include "sending/ui/ControlesEnvois.h"
#include "sending/ui/DispositionEnvois.h"
#include "tests/support/PageSeule.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
class PageListesSeule : public ::testing::Test, protected PageSeule {
protected:
    PageListesSeule() {
        DisposerEnvois(&pageEnvois, images, envois);
        DisposerAdresses(&pageListes, images, controles);
        liste = std::make_unique<ListeChargee>(*controles.TreeViewListingListe,
                                               images.ImageListTreeview->Icone(0),
                                               images.ImageListTreeview->Icone(1));
        page = std::make_unique<PageListes>(
            controles, SelecteurEnvoi{envois.ComboBoxListe1, envois.LabTotalAdresse2}, *liste,
            gestionnaires, statut, dialogues, reglages, rep.Chemin());
    }

    void Choisir(const QString& nom) {
        controles.ComboBoxListe2->setCurrentIndex(controles.ComboBoxListe2->findText(nom));
    }

    QWidget pageEnvois, pageListes;
    ControlesEnvois envois;
    ControlesListes controles;
    Reglages reglages;
    std::unique_ptr<ListeChargee> liste;
    std::unique_ptr<PageListes> page;
};
} // namespace

TEST_F(PageListesSeule, ChargeLaListeAvecSesSeulsServices) {
    rep.Ecrire("a.list", "x@a.fr\r\ny@a.fr\r\n");
    rep.Ecrire("b.list", "z@b.fr\r\n");
    reglages.valListeFav = "b.list";
    page->ChargeListe();
    ASSERT_EQ(controles.ComboBoxListe2->count(), 2);
    ASSERT_EQ(envois.ComboBoxListe1->count(), 2) << "the selector of the other page is lent";
    const struct {
        const char* nom;
        bool annoncer;
        int nombre;
        int marque;
        const char* statut;
    } cas[] = {{"a.list", true, 2, 3, "2 adresses chargées"},
               {"b.list", true, 1, 4, "1 adresses chargées"},
               {"a.list", false, 2, 3, nullptr}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        statut.messages.clear();
        Choisir(c.nom);
        page->Charger(c.annoncer);
        EXPECT_EQ(liste->Liste().Nombre(), c.nombre);
        EXPECT_EQ(controles.LabTotalAdresse->text(), QStringLiteral(" %1 ").arg(c.nombre));
        EXPECT_EQ(controles.LMDLImageListe2->Index(), c.marque) << "the favourite, from settings";
        EXPECT_EQ(statut.messages, c.statut ? QStringList{c.statut} : QStringList{});
    }
    EXPECT_TRUE(dialogues.boites.isEmpty());
}

TEST_F(PageListesSeule, UneErreurDUnGestionnairePasseParLesGestionnairesDonnes) {
    pageListes.show();
    controles.EditNomNouvelleListe->setText("sous/dossier");
    QTest::mouseClick(controles.SpeedButCreerFichier, Qt::LeftButton);
    ASSERT_EQ(dialogues.Textes(DialoguesScriptes::Boite::Erreur).size(), 1);
    EXPECT_EQ(dialogues.Textes(DialoguesScriptes::Boite::Erreur).first(),
              "La syntaxe du nom de fichier, de répertoire ou de volume est incorrecte.");
    EXPECT_FALSE(QFile::exists(rep.Fichier("sous/dossier.list")));
}
