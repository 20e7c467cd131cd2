#pragma once
// The controls of "Historique".
class QLabel;
class QTreeWidget;

struct ControlesHistorique {
    QLabel* Label32 = nullptr;
    QTreeWidget* TreeViewHistorique = nullptr;
};
