#include "lists/ui/DispositionImport.h"

#include "commun/ui/Fabrique.h"
#include "lists/ui/ControlesListes.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>

using namespace Fabrique;

// The import overlay; the start-up sequence sizes it to the whole page.
void DisposerImport(QWidget* page, ControlesListes& f) {
    f.PanelImporterMAil = Panneau(page, "PanelImporterMAil", 0, 0, 688, 408);
    QWidget* p = f.PanelImporterMAil;
    f.Label24 =
        Bandeau(p, "Label24",
                QStringLiteral("Importer Des Adresses Mail Dans La liste Ouverte de Lettrova "
                               "Depuis Un Fichier Provenant D'Une Autre Application:"),
                8, 8, 672, 40);
    f.Label24->setWordWrap(true);
    Couleurs(f.Label24, Qt::white, QColor(0, 70, 140));
    Police(f.Label24, QStringLiteral("Tahoma"), 10, true);
    Etiquette(p, "", QStringLiteral("Charger Un Fichier:"), 16, 79);
    f.EditCheminImportMAil = Champ(p, "EditCheminImportMAil", 16, 95, 349, 25);
    f.SpeedButCheminImport =
        Bouton(p, "SpeedButCheminImport", QStringLiteral("..."), 365, 98, 23, 22);
    Etiquette(p, "", QStringLiteral("Type De Fichier A Importer:"), 19, 146);
    f.ComboBoxTypeImport = Liste(p, "ComboBoxTypeImport", 19, 162, 262, 26);
    f.ComboBoxTypeImport->addItems({QStringLiteral("Mozilla Thunderbird | *.LDIF"),
                                    QStringLiteral("Test Sur Fichier Brut | *.TXT *.CSV")});
    f.ComboBoxTypeImport->setCurrentIndex(-1);
    f.ProgressBarImportFindAdresse =
        Creer<QProgressBar>(p, "ProgressBarImportFindAdresse", 19, 188, 262, 17);
    f.ProgressBarImportFindAdresse->setTextVisible(false);
    f.ProgressBarImportFindAdresse->setValue(0);
    f.MemoImportBrut = Creer<QPlainTextEdit>(p, "MemoImportBrut", 19, 220, 262, 100);
    f.MemoImportBrut->hide();
    Etiquette(p, "", QString::fromUtf8("Aperçu Adresse Trouvée:"), 403, 79);
    f.LabTotalAdresse3 = Bandeau(p, "LabTotalAdresse3", QStringLiteral(" 0 "), 592, 79, 88, 13);
    f.LabTotalAdresse3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.TreeViewApercu = Creer<QTreeView>(p, "TreeViewApercu", 403, 95, 277, 301);
    f.TreeViewApercu->setHeaderHidden(true);
    f.TreeViewApercu->setEditTriggers(QAbstractItemView::NoEditTriggers);
    f.TreeViewApercu->setUniformRowHeights(true);
    f.SpeedButImporterListeMail =
        Bouton(p, "SpeedButImporterListeMail", QStringLiteral("Importer dans la liste"), 19, 340,
               160, 22, false);
    f.SpeedButFermerImportMail =
        Bouton(p, "SpeedButFermerImportMail", QStringLiteral("Fermer"), 190, 340, 91, 22);
    p->hide();
}
