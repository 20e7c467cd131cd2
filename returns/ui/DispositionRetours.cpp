#include "commun/ui/Fabrique.h"
#include "returns/ui/ControlesRetours.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

using namespace Fabrique;

void DisposerRetours(QWidget* p, ControlesRetours& c) {
    c.SpeedButRelever =
        Bouton(p, "SpeedButRelever", QStringLiteral("Relever les retours"), 8, 8, 150, 22);
    c.SpeedButRelever->setToolTip(QStringLiteral(
        "Lire les messages arrivés dans la boîte aux lettres depuis la dernière fois, sans "
        "rien y changer"));
    c.ProgressBarRetours = Creer<QProgressBar>(p, "ProgressBarRetours", 168, 11, 512, 17);
    c.ProgressBarRetours->setTextVisible(false);
    c.ProgressBarRetours->setValue(0);
    c.LabEtatRetours = Etiquette(p, "LabEtatRetours", QString(), 8, 38, 672, 30);
    c.LabEtatRetours->setWordWrap(true);
    c.TreeRetours = Creer<QTreeWidget>(p, "TreeRetours", 8, 72, 672, 296);
    c.TreeRetours->setColumnCount(2);
    c.TreeRetours->setHeaderLabels({QStringLiteral("Adresse"), QStringLiteral("Raison")});
    c.TreeRetours->header()->resizeSection(0, 300);
    c.SpeedButRetirerListe =
        Bouton(p, "SpeedButRetirerListe", QStringLiteral("Retirer de la liste"), 8, 376, 160, 22);
    c.SpeedButRetirerListe->setToolTip(
        QStringLiteral("Retirer de leur liste les adresses en échec définitif"));
    c.SpeedButNePlusEcrire =
        Bouton(p, "SpeedButNePlusEcrire", QStringLiteral("Ne plus écrire à ces adresses"), 176, 376,
               200, 22);
    c.SpeedButNePlusEcrire->setToolTip(QStringLiteral(
        "Ajouter aux Désinscrits les demandes de désinscription et les échecs définitifs"));
}
