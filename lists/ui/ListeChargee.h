#pragma once
// The loaded list shown in the list tree: its model, the collation it is sorted with, the
// selection, and the busy mark of a command that walks it with events processed in between.
// The list pages share it; the other pages read it.
#include "commun/ui/ListeEnvoi.h"
#include "lists/CollationListe.h"

#include <QScopeGuard>

class ListeAdresses;
class ModeleListe;
class QIcon;
class QModelIndex;
class QTreeView;

class ListeChargee : public ListeEnvoi {
public:
    ListeChargee(QTreeView& arbre, const QIcon& dossier, const QIcon& adresse);

    // The loaded list, in display order (what the campaign sends to).
    const ListeAdresses& Liste() const override;
    bool Occupee() const override { return TraitementEnCours; }
    ModeleListe& Modele() { return *modele_; }
    const CollationListe& Collation() const { return collation_; }
    // Sorts every level; the selection stays on its item.
    void Trier();
    void Vider();

    // Position of the selected item, -1 when none.
    int PositionSelectionnee() const;
    // Selects the item (the tree scrolls it into view).
    void Selectionner(int position);
    void Selectionner(const QModelIndex& index);

    // Set while a command walks the list with events processed in between (the duplicate
    // removal, the search, the import); the other list commands are then ignored.
    bool TraitementEnCours = false;
    // Marks the list busy until the returned guard goes.
    [[nodiscard]] auto Occuper() {
        TraitementEnCours = true;
        return qScopeGuard([this] { TraitementEnCours = false; });
    }

private:
    QTreeView& arbre_;
    CollationListe collation_;
    ModeleListe* modele_;
};
