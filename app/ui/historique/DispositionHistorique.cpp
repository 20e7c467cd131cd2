#include "app/ui/historique/DispositionHistorique.h"

#include "app/ui/historique/ControlesHistorique.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/ListeImages.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>

using namespace Fabrique;

void DisposerHistorique(QWidget* page, ControlesHistorique& f) {
    f.Label32 = Bandeau(page, "Label32", QStringLiteral("Quoi de Neuf ?"), 0, 0, 688, 22);
    f.Label32->setAlignment(Qt::AlignCenter);
    Police(f.Label32, QStringLiteral("Tahoma"), 11);
    f.TreeViewHistorique = Creer<QTreeWidget>(page, "TreeViewHistorique", -1, 22, 690, 386);
    f.TreeViewHistorique->setHeaderHidden(true);
    f.TreeViewHistorique->setIndentation(27);
    f.TreeViewHistorique->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.TreeViewHistorique->setSelectionBehavior(QAbstractItemView::SelectRows);
    f.TreeViewHistorique->setAllColumnsShowFocus(true);
    Police(f.TreeViewHistorique, QStringLiteral("Tahoma"), 10);
}
