#pragma once
// The list tree's model: a view over the loaded list (ListeAdresses), light enough for a
// million addresses. Every change of the list's shape goes between DebutChangement and
// FinChangement, which keep the view's selection and expanded items on the same items.
#include "lists/ListeAdresses.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <cstdint>
#include <functional>
#include <vector>

class ModeleListe : public QAbstractItemModel {
    Q_OBJECT
public:
    // `image0` and `image1`: pictures of items as loaded and of items added or changed.
    ModeleListe(QIcon image0, QIcon image1, QObject* parent);

    const ListeAdresses& Liste() const { return liste_; }
    // For changes made between DebutChangement and FinChangement, or inside Remplacer.
    ListeAdresses& ListeModifiable() { return liste_; }

    QModelIndex Index(int position) const;
    int Position(const QModelIndex& index) const;

    // Rebuilds the whole list (a load); the view forgets its selection. The model is whole
    // again even when `construire` throws.
    void Remplacer(const std::function<void(ListeAdresses&)>& construire);
    // The texts or pictures of items changed, not their places.
    void ElementsModifies(int premier, int dernier);

    void DebutChangement();
    // Where did the item with this identifier, at this position before the change, go?
    // -1 when it is gone.
    using NouvellePosition = std::function<int(int ancienne, std::uint32_t id)>;
    void FinChangement(const NouvellePosition& nouvelle);
    // The same, finding every item again by its identifier.
    void FinChangement();

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    bool hasChildren(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Note {
        QModelIndex index;
        int position;
        std::uint32_t id;
    };

    void Structurer();
    int Ligne(int position) const;
    int Enfant(int parent, int ligne) const;
    int NombreEnfants(int parent) const;

    ListeAdresses liste_;
    QIcon images_[2];
    std::vector<Note> notes_;
    // Only for a nested list: each item's parent (-1 at the top), its line among its
    // siblings, and the children of each item (the top level first) as runs of `enfants_`.
    std::vector<int> parents_;
    std::vector<int> lignes_;
    std::vector<int> debutEnfants_; // index by parent position + 1; one more at the end
    std::vector<int> enfants_;
};
