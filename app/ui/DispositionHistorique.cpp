#include "app/ui/ControlesAPropos.h"
#include "app/ui/ControlesHistorique.h"
#include "app/ui/Disposition.h"
#include "app/ui/Fabrique.h"
#include "app/ui/ImagesFenetre.h"
#include "app/ui/ListeImages.h"

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

void DisposerAPropos(QWidget* p, const ImagesFenetre& images, ControlesAPropos& f) {
    auto* logo = Creer<QLabel>(p, "ImageLogo", 16, 12, 48, 48);
    logo->setPixmap(
        images.ImageList1->Image(11).scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Police(Etiquette(p, "LabelTitre", QStringLiteral("Lettrova"), 76, 14, 300, 24),
           QStringLiteral("Tahoma"), 14, true);
    f.LabelVersion = Etiquette(p, "LabelVersion", QStringLiteral("Version: "), 76, 42, 300, 16);
    f.MemoAPropos = Creer<QPlainTextEdit>(p, "MemoAPropos", 16, 72, 656, 280);
    f.MemoAPropos->setReadOnly(true);
    f.MemoAPropos->setEnabled(false);
    f.MemoAPropos->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.LabelLienInternet = Etiquette(p, "LabelLienInternet", QString(), 16, 366, 656, 16);
    f.LabelLienInternet->setCursor(Qt::PointingHandCursor);
    Couleurs(f.LabelLienInternet, QColor(0, 0, 255));
    QFont souligne = f.LabelLienInternet->font();
    souligne.setUnderline(true);
    f.LabelLienInternet->setFont(souligne);
    f.LabelDossierDonnees = Etiquette(p, "LabelDossierDonnees", QString(), 16, 386, 656, 16);
    f.LabelDossierDonnees->setTextInteractionFlags(Qt::TextSelectableByMouse);
}
