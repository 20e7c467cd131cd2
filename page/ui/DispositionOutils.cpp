#include "page/ui/DispositionOutils.h"

#include "commun/ui/Fabrique.h"
#include "commun/ui/Forme.h"
#include "page/ui/ControlesOutils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Fabrique;

void DisposerOutils(QWidget* page, ControlesOutils& f) {
    QWidget* p = page;
    f.MemoHtmlBrut = Creer<QPlainTextEdit>(p, "MemoHtmlBrut", -1, -5, 689, 297);
    f.MemoHtmlBrut->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.MemoHtmlBrut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.MemoHtmlBrut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Police(f.MemoHtmlBrut, QStringLiteral("Tahoma"), 8);

    f.PanelOutils = Panneau(p, "PanelOutils", -1, 292, 689, 116);
    f.PanelOutils->setFrameShape(QFrame::NoFrame);
    QWidget* o = f.PanelOutils;
    Etiquette(o, "", QStringLiteral("Remplacer:"), 8, 9);
    f.EditBefore = Champ(o, "EditBefore", 66, 5, 359, 21);
    Etiquette(o, "", QStringLiteral("par:"), 8, 39);
    f.EditAfter = Champ(o, "EditAfter", 66, 35, 359, 21);
    f.SpeedButRemplacer =
        Bouton(o, "SpeedButRemplacer", QStringLiteral("Tous Remplacer"), 425, 30, 116, 26);
    Etiquette(o, "", QStringLiteral("Remarques:"), 8, 62);
    f.ComboBoxRemarquesPage = Creer<QComboBox>(o, "ComboBoxRemarquesPage", 66, 58, 475, 21);
    f.ComboBoxRemarquesPage->setToolTip(
        QStringLiteral("Ce que le dernier chargement a remarqué dans la page"));
    Etiquette(o, "", QStringLiteral("Chercher:"), 8, 89);
    f.EditChercherInHtmBrut = Champ(o, "EditChercherInHtmBrut", 66, 85, 359, 21);
    f.SpeedButFindInHtmlBrut =
        Bouton(o, "SpeedButFindInHtmlBrut", QStringLiteral("Chercher"), 425, 80, 99, 26);
    f.SpeedButtonPleinEcran =
        Bouton(o, "SpeedButtonPleinEcran", QStringLiteral("Plein écran"), 586, 5, 98, 26);
    f.CheckBoxRetourChariotAuto = Case(o, "CheckBoxRetourChariotAuto",
                                       QStringLiteral("Retour chariot auto"), 574, 89, 114, 17);
    f.ShapePanelOutils = new Forme(o, QColor(128, 128, 128));
    f.ShapePanelOutils->setObjectName(QStringLiteral("ShapePanelOutils"));
    f.ShapePanelOutils->lower();
}
