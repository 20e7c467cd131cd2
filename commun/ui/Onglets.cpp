#include "commun/ui/Onglets.h"

#include <QSignalBlocker>
#include <QTabWidget>

void Onglets::Selectionner(QWidget* page) {
    const QSignalBlocker bloque(onglets_);
    onglets_.setCurrentWidget(page);
}

void Onglets::Montrer(QWidget* page, bool visible) {
    onglets_.setTabVisible(onglets_.indexOf(page), visible);
}
