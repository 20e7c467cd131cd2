#include "lists/ui/DispositionAdresses.h"

#include "commun/ui/Fabrique.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/ListeImages.h"
#include "lists/ui/ControlesListes.h"
#include "lists/ui/DispositionImport.h"
#include "lists/ui/RechercheAdresse.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

using namespace Fabrique;

void DisposerAdresses(QWidget* page, const ImagesFenetre& images, ControlesListes& f) {
    QWidget* p = page;
    Etiquette(p, "", QStringLiteral("Charger Une Liste:"), 6, 6);
    f.ComboBoxListe2 = Liste(p, "ComboBoxListe2", 6, 22, 187, 26);
    f.LMDLImageListe2 = new ImageMarque(*images.ImageList24x24, 3, p);
    f.LMDLImageListe2->setObjectName(QStringLiteral("LMDLImageListe2"));
    f.LMDLImageListe2->setGeometry(194, 23, 24, 24);
    f.LMDLImageListe2->setCursor(Qt::PointingHandCursor);
    f.LabTotalAdresse = Bandeau(p, "LabTotalAdresse", QStringLiteral(" 0 "), 237, 41, 88, 13);
    f.LabTotalAdresse->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.TreeViewListingListe = Creer<QTreeView>(p, "TreeViewListingListe", 6, 54, 319, 326);
    f.TreeViewListingListe->setHeaderHidden(true);
    f.TreeViewListingListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.TreeViewListingListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    f.TreeViewListingListe->setAllColumnsShowFocus(true);
    f.TreeViewListingListe->setUniformRowHeights(true);
    f.TreeViewListingListe->setIconSize(QSize(16, 16));
    Couleurs(f.TreeViewListingListe, QColor(0, 0, 128));
    Police(f.TreeViewListingListe, QStringLiteral("Arial"), 11);
    f.SpeedButSupprimerListe = Bouton(p, "SpeedButSupprimerListe",
                                      QStringLiteral("Supprimer Cette Liste"), 3, 383, 142, 22);
    f.SpeedButSupDoublon =
        Bouton(p, "SpeedButSupDoublon", QStringLiteral("Supprimer Tous Les Doublons"), 154, 383,
               174, 22, false);

    Etiquette(p, "", QString::fromUtf8("Créer Une Liste:"), 358, 3);
    f.EditNomNouvelleListe = Champ(p, "EditNomNouvelleListe", 358, 19, 307, 25);
    f.SpeedButCreerFichier =
        Bouton(p, "SpeedButCreerFichier", QString::fromUtf8("Créer une Liste D'Adresse"), 358, 46,
               163, 22);
    Etiquette(p, "", QStringLiteral("Trouver une adresse dans la liste:"), 358, 93);
    f.EditFindAdresse = Champ(p, "EditFindAdresse", 358, 109, 307, 25, false);
    f.EditFindAdresse->setText(RechercheAdresse::Indication());
    Couleurs(f.EditFindAdresse, QColor(192, 192, 192));
    f.ImageRechercheSuite = Creer<QLabel>(p, "ImageRechercheSuite", 342, 128, 16, 16);
    f.ImageRechercheSuite->setPixmap(images.ImageList1->Image(0));
    f.ImageRechercheSuite->hide();
    f.SpeedButFindAdresse =
        Bouton(p, "SpeedButFindAdresse", QStringLiteral("Trouve"), 358, 136, 129, 22, false);
    f.SpeedButArreterRecherche =
        Bouton(p, "SpeedButArreterRecherche", QStringLiteral("Arreter"), 493, 136, 129, 22, false);
    Etiquette(p, "", QString::fromUtf8("Créer une Nouvelle Adresse:"), 358, 182);
    f.EditAjoutAdresse = Champ(p, "EditAjoutAdresse", 358, 198, 307, 25, false);
    f.SpeedButAjouterAdresse =
        Bouton(p, "SpeedButAjouterAdresse", QStringLiteral("Ajouter Cette Adresse"), 358, 225, 144,
               22, false);
    f.SpeedButImporterMail =
        Bouton(p, "SpeedButImporterMail", QStringLiteral("Importer Depuis Un Ficher"), 508, 225,
               157, 22, false);
    Etiquette(p, "", QStringLiteral("Modifier/Supprimer une Adresse selectionnée"), 358, 271);
    f.EditAdresseListeSelected = Champ(p, "EditAdresseListeSelected", 358, 287, 307, 25, false);
    f.SpeedButRenommerAdresse =
        Bouton(p, "SpeedButRenommerAdresse", QStringLiteral("Renommer Cette Adresse"), 358, 314,
               156, 22, false);
    f.SpeedButSupprimerAdresse =
        Bouton(p, "SpeedButSupprimerAdresse", QStringLiteral("Effacer Cette Adresse"), 520, 315,
               144, 22, false);
    f.SpeedButAnnuleModifGestionAdresse =
        Bouton(p, "SpeedButAnnuleModifGestionAdresse", QStringLiteral("Annuler"), 403, 376, 111, 22,
               false);
    f.SpeedButSaveGestionAdresse = Bouton(p, "SpeedButSaveGestionAdresse",
                                          QStringLiteral("Enregistrer"), 520, 376, 111, 22, false);
    DisposerImport(page, f);
}
