#pragma once
// The "Historique" page: the change log, one node per version with its entries.
class QModelIndex;
class QStyleOptionViewItem;
class QTreeWidgetItem;
class Gestionnaires;
class ListeImages;
struct ControlesHistorique;

class PageHistorique {
public:
    // The nodes take their pictures from `images`.
    PageHistorique(ControlesHistorique& c, const ListeImages& images, Gestionnaires& gestionnaires);
    void Construire();
    // Before a node is drawn: the important notices stay bold red on white, even selected.
    void TreeViewHistoriqueAdvancedCustomDrawItem(QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const;
    // The picture index of a node of the log (-1 for none).
    static int Image(const QModelIndex& index);

private:
    void Selection(QTreeWidgetItem* courant, QTreeWidgetItem* precedent);
    ControlesHistorique& c_;
    const ListeImages& images_;
    QTreeWidgetItem* precedent_ = nullptr;
};
