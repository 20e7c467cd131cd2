// The error tab built alone, with its controls and fake services and no main window: what it
// asks of the list pages goes only through the two doors it was given.
#include "commun/ui/ChercheAdresse.h"
#include "commun/ui/ChoixListeEnvoi.h"
#include "commun/ui/ListeImages.h"
#include "commun/ui/Onglets.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/DispositionAdresses.h"
#include "lists/ui/ListeChargee.h"
#include "sending/ui/ControlesEnvois.h"
#include "sending/ui/DispositionEnvois.h"
#include "sending/ui/erreurs/ControlesErreurs.h"
#include "sending/ui/erreurs/DispositionErreurs.h"
#include "sending/ui/erreurs/PageErreurs.h"
#include "tests/support/PageSeule.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {
// Notes what the error tab asks of the list pages.
class ListesNotees final : public ChercheAdresse, public ChoixListeEnvoi {
public:
    void ChercherAdresse(const QString& adresse) override { cherchees << adresse; }
    void ChoisirPourEnvoi(const QString& nom) override { choisies << nom; }
    QStringList cherchees, choisies;
};

class PageErreursSeule : public ::testing::Test, protected PageSeule {
protected:
    PageErreursSeule() {
        for (QWidget** p : {&pageEnvois, &pageAdresses, &pageErreurs}) {
            *p = new QWidget;
            onglets.addTab(*p, QString());
        }
        DisposerEnvois(pageEnvois, images, envois);
        DisposerAdresses(pageAdresses, images, listes);
        DisposerErreurs(pageErreurs, images, controles);
        liste = std::make_unique<ListeChargee>(*listes.TreeViewListingListe,
                                               images.ImageListTreeview->Icone(0),
                                               images.ImageListTreeview->Icone(1));
        page = std::make_unique<PageErreurs>(
            controles, *envois.EditSujetMessage, gestionnaires, statut, dialogues, *liste, notees,
            notees, navigation, PagesErreurs{pageErreurs, pageAdresses, pageEnvois}, rep.Chemin());
        onglets.setCurrentWidget(pageErreurs);
        onglets.show();
        page->Reinitialiser();
        page->Reporter({{"a@b.fr", "Refus"}, {"c@d.fr", "Refus"}, {"a@b.fr", "Refus"}});
        page->Reveler();
    }

    QTabWidget onglets;
    Onglets navigation{onglets};
    QWidget *pageEnvois = nullptr, *pageAdresses = nullptr, *pageErreurs = nullptr;
    ControlesEnvois envois;
    ControlesListes listes;
    ControlesErreurs controles;
    ListesNotees notees;
    std::unique_ptr<ListeChargee> liste;
    std::unique_ptr<PageErreurs> page;
};
} // namespace

TEST_F(PageErreursSeule, LeDoubleClicDemandeLaRechercheDeLAdresse) {
    QListWidget* l = controles.ListBoxErrAdresse;
    const QRect item = l->visualItemRect(l->item(1));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(notees.cherchees, QStringList{"c@d.fr"});
    EXPECT_EQ(onglets.currentWidget(), pageAdresses);
}

TEST_F(PageErreursSeule, LaNouvelleListeEstDonneeAuChoixDeListe) {
    // The list busy (a search or an import walks it): the click does nothing.
    const struct {
        const char* nom;
        bool occupee;
    } cas[] = {{"la liste occupée ne reçoit rien", true}, {"la liste libre", false}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        notees.choisies.clear();
        onglets.setCurrentWidget(pageErreurs);
        liste->TraitementEnCours = c.occupee;
        dialogues.saisies = {QString("repris")};
        QTest::mouseClick(controles.SpeedButRenvoyerErreurs, Qt::LeftButton);
        EXPECT_EQ(notees.choisies, c.occupee ? QStringList() : QStringList{"repris.list"});
        EXPECT_EQ(onglets.currentWidget(), c.occupee ? pageErreurs : pageEnvois);
        EXPECT_EQ(QFileInfo::exists(rep.Fichier("repris.list")), !c.occupee);
    }
    EXPECT_EQ(rep.Lire("repris.list"), QByteArray("a@b.fr\r\nc@d.fr\r\n"));
}
