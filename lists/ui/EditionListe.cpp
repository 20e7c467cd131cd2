#include "lists/ui/EditionListe.h"

#include "app/ui/TForm1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

EditionListe::EditionListe(TForm1& f) : f_(f) {
    f.Relier(f.TreeViewListingListe, &QTreeView::clicked, [this] { TreeViewListingListeClick(); });
    f.RelierTouche(f.TreeViewListingListe, [this](QKeyEvent* e) { return TreeViewListingListeKeyDown(e); });
    f.Relier(f.SpeedButSupDoublon, &QPushButton::clicked, [this] { SpeedButSupDoublonClick(); });
    f.RelierTouche(f.EditAjoutAdresse, [this](QKeyEvent* e) { return EditAjoutAdresseKeyPress(e); });
    f.Relier(f.SpeedButAjouterAdresse, &QPushButton::clicked, [this] { SpeedButAjouterAdresseClick(); });
    f.Relier(f.SpeedButRenommerAdresse, &QPushButton::clicked, [this] { SpeedButRenommerAdresseClick(); });
    f.Relier(f.SpeedButSupprimerAdresse, &QPushButton::clicked, [this] { SpeedButSupprimerAdresseClick(); });
    f.Relier(f.SpeedButAnnuleModifGestionAdresse, &QPushButton::clicked, [this] { SpeedButAnnuleModifGestionAdresseClick(); });
    f.Relier(f.SpeedButSaveGestionAdresse, &QPushButton::clicked, [this] { SpeedButSaveGestionAdresseClick(); });
}

void EditionListe::TreeViewListingListeClick() {}

bool EditionListe::TreeViewListingListeKeyDown(QKeyEvent*) { return false; }

void EditionListe::SpeedButSupDoublonClick() {}

bool EditionListe::EditAjoutAdresseKeyPress(QKeyEvent*) { return false; }

void EditionListe::SpeedButAjouterAdresseClick() {}

void EditionListe::SpeedButRenommerAdresseClick() {}

void EditionListe::SpeedButSupprimerAdresseClick() {}

void EditionListe::SpeedButAnnuleModifGestionAdresseClick() {}

void EditionListe::SpeedButSaveGestionAdresseClick() {}
