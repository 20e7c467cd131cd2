#include "commun/ui/Onglets.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

Onglets::Onglets(QTabWidget& onglets) : onglets_(onglets) {
    onglets_.tabBar()->setUsesScrollButtons(false);
    // Only when even the smallest tabs do not fit.
    onglets_.tabBar()->setElideMode(Qt::ElideRight);
}

void Onglets::Selectionner(QWidget* page) {
    const QSignalBlocker bloque(onglets_);
    onglets_.setCurrentWidget(page);
}

void Onglets::Montrer(QWidget* page, bool visible) {
    onglets_.setTabVisible(onglets_.indexOf(page), visible);
    Ajuster();
}

void Onglets::Ajuster() {
    // The design's padding, then tighter, then a point smaller, then two.
    const struct {
        int marge;
        int pointsEnMoins;
    } tailles[] = {{5, 0}, {2, 0}, {2, 1}, {1, 2}};
    QTabBar& barre = *onglets_.tabBar();
    for (const auto& t : tailles) {
        barre.setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px %1px; }").arg(t.marge));
        QFont police = onglets_.font();
        police.setPointSize(police.pointSize() - t.pointsEnMoins);
        barre.setFont(police);
        if (barre.sizeHint().width() <= onglets_.width())
            return;
    }
}
