#include "lists/ui/ListeChargee.h"

#include "lists/ui/ModeleListe.h"

#include <QItemSelectionModel>
#include <QTreeView>

ListeChargee::ListeChargee(QTreeView& arbre, const QIcon& dossier, const QIcon& adresse)
    : arbre_(arbre), modele_(new ModeleListe(dossier, adresse, &arbre)) {
    arbre.setModel(modele_);
}

const ListeAdresses& ListeChargee::Liste() const {
    return modele_->Liste();
}

void ListeChargee::Trier() {
    modele_->DebutChangement();
    modele_->ListeModifiable().Trier(collation_);
    modele_->FinChangement();
}

void ListeChargee::Vider() {
    modele_->Remplacer([](ListeAdresses& l) { l.Vider(); });
}

int ListeChargee::PositionSelectionnee() const {
    const QModelIndex courant = arbre_.currentIndex();
    auto* selection = arbre_.selectionModel();
    if (courant.isValid() && selection->isSelected(courant))
        return modele_->Position(courant);
    const QModelIndexList choisis = selection->selectedIndexes();
    return choisis.isEmpty() ? -1 : modele_->Position(choisis.first());
}

void ListeChargee::Selectionner(const QModelIndex& index) {
    arbre_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    if (index.isValid())
        arbre_.scrollTo(index);
}

void ListeChargee::Selectionner(int position) {
    Selectionner(modele_->Index(position));
}
