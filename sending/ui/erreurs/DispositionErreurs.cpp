#include "sending/ui/erreurs/DispositionErreurs.h"

#include "commun/ui/Fabrique.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/ListeImages.h"
#include "sending/ui/erreurs/ControlesErreurs.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Fabrique;

void DisposerErreurs(QWidget* p, const ImagesFenetre& images, ControlesErreurs& f) {
    Etiquette(p, "", QStringLiteral("Adresses en erreur:"), 16, 24);
    f.LabTotalErr = Bandeau(p, "LabTotalErr", QStringLiteral(" 0 "), 281, 24, 88, 16);
    f.LabTotalErr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.ListBoxErrAdresse = Creer<QListWidget>(p, "ListBoxErrAdresse", 16, 43, 353, 269);
    Couleurs(f.ListBoxErrAdresse, QColor(0, 0, 128));
    Police(f.ListBoxErrAdresse, QStringLiteral("Tahoma"), 11);
    f.LabErrDiscription =
        Etiquette(p, "LabErrDiscription", QStringLiteral("..."), 16, 318, 353, 42);
    f.LabErrDiscription->setWordWrap(true);
    f.LabErrDiscription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    f.LabFichierErrEnvois =
        Etiquette(p, "LabFichierErrEnvois", QStringLiteral("..."), 10, 386, 492, 14);
    f.LabFichierErrEnvois->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.SpeedButton1 =
        Bouton(p, "SpeedButton1", QStringLiteral("Enregistrer fichier .err"), 508, 382, 160, 22);
    f.SpeedButRenvoyerErreurs =
        Bouton(p, "SpeedButRenvoyerErreurs",
               QStringLiteral("Créer une liste des adresses en erreur"), 415, 345, 250, 22);
    f.LMDLImageEnregistrementErrOk = new ImageMarque(*images.ImageList1, 1, p);
    f.LMDLImageEnregistrementErrOk->setObjectName(QStringLiteral("LMDLImageEnregistrementErrOk"));
    f.LMDLImageEnregistrementErrOk->setGeometry(670, 385, 16, 16);
    f.LMDLImageEnregistrementErrOk->hide();
    f.MemoErreurEnvois = Creer<QPlainTextEdit>(p, "MemoErreurEnvois", 0, 0, 10, 10);
    f.MemoErreurEnvois->hide();
    f.ListBoxErrDescription = Creer<QListWidget>(p, "ListBoxErrDescription", 0, 0, 10, 10);
    f.ListBoxErrDescription->hide();
    f.Label31 =
        Etiquette(p, "Label31",
                  QStringLiteral("Erreur sur Adresse Mail:\n\nSimple Click:\n"
                                 "Description de l'erreur sous la liste.\n\nDouble Click:\n"
                                 "Envois l'adresse selectionnée dans [Gestion d'adresses] "
                                 "pour éditer celle-ci.\n\nBouton [Enregister fichier .err]:\n"
                                 "Enregistre dans un fichier type text la liste des "
                                 "adresses en erreur.\n\nBouton [Créer une liste des adresses "
                                 "en erreur]:\nCrée une liste (.list) de ces adresses et la "
                                 "sélectionne dans [Envois Mail] pour un nouvel envoi."),
                  415, 119, 250, 218);
    Couleurs(f.Label31, QColor(0, 0, 128));
    f.Label31->setWordWrap(true);
    f.Label31->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
