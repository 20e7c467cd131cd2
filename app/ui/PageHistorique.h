#pragma once
// The "Historique" page: the change log, one node per version with its entries.
class QModelIndex;
class QStyleOptionViewItem;
class QTreeWidgetItem;
class TForm1;

class PageHistorique {
public:
    explicit PageHistorique(TForm1& f);
    void Construire();
    // Before a node is drawn: the important notices stay bold red on white, even selected.
    void TreeViewHistoriqueAdvancedCustomDrawItem(QStyleOptionViewItem& option,
                                                  const QModelIndex& index) const;
    // The picture index of a node of the log (-1 for none).
    static int Image(const QModelIndex& index);

private:
    void Selection(QTreeWidgetItem* courant, QTreeWidgetItem* precedent);
    TForm1& f_;
    QTreeWidgetItem* precedent_ = nullptr;
};
