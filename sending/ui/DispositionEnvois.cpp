#include "sending/ui/DispositionEnvois.h"

#include "commun/ui/Fabrique.h"
#include "commun/ui/Forme.h"
#include "commun/ui/ImageAnimee.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/ImagesFenetre.h"
#include "sending/ui/Campagne.h"
#include "sending/ui/ControlesEnvois.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace Fabrique;

void DisposerEnvois(QWidget* page, const ImagesFenetre& images, ControlesEnvois& f) {
    QWidget* p = page;
    Etiquette(p, "", QStringLiteral("Liste D'Adresses:"), 154, 32);
    f.ComboBoxListe1 = Liste(p, "ComboBoxListe1", 154, 48, 241, 26);
    // Wide enough for " 1000000 ", growing to the left from the design's right edge.
    f.LabTotalAdresse2 = Bandeau(p, "LabTotalAdresse2", QStringLiteral(" 0 "), 318, 32, 75, 16);
    f.LabTotalAdresse2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Etiquette(p, "", QStringLiteral("Sujet De Votre Message:"), 77, 130);
    f.EditSujetMessage = Champ(p, "EditSujetMessage", 77, 146, 393, 21);
    Etiquette(p, "", QStringLiteral("Fichier Html A Charger:"), 187, 196);
    f.EditFichierACharger = Champ(p, "EditFichierACharger", 187, 212, 415, 24);
    Police(f.EditFichierACharger, QStringLiteral("Arial"), 10);
    f.SpeedButton2 = Bouton(p, "SpeedButton2", QStringLiteral("..."), 602, 212, 23, 22);
    f.SpeedButCharger = Bouton(p, "SpeedButCharger", QStringLiteral("Charger"), 187, 239, 129, 22);
    f.LMDLImageStatusChargement = new ImageMarque(*images.ImageList1, 1000, p);
    f.LMDLImageStatusChargement->setObjectName(QStringLiteral("LMDLImageStatusChargement"));
    f.LMDLImageStatusChargement->setGeometry(333, 245, 16, 16);
    f.SpeedButApercuMAil =
        Bouton(p, "SpeedButApercuMAil", QString::fromUtf8("Aperçu"), 368, 239, 129, 22, false);
    f.SpeedButEnvoyer =
        Bouton(p, "SpeedButEnvoyer", QStringLiteral("Envoyer"), 98, 360, 96, 22, false);
    f.SpeedButEnvoyerTest = Bouton(p, "SpeedButEnvoyerTest", QStringLiteral("Envoyer un test"), 200,
                                   360, 120, 22, false);
    f.ShapeEnvoiValide = new Forme(p);
    f.ShapeEnvoiValide->setObjectName(QStringLiteral("ShapeEnvoiValide"));
    f.ShapeEnvoiValide->setGeometry(151, 84, 5, 278);
    f.ShapeEnvoiValide->DefinirPointille(true);
    f.ShapeParametresOK = new Forme(p);
    f.ShapeParametresOK->setObjectName(QStringLiteral("ShapeParametresOK"));
    f.ShapeParametresOK->setGeometry(106, 306, 5, 64);
    f.ShapeParametresOK->DefinirPointille(true);
    Etiquette(p, "", QString::fromUtf8("Paramètres OK"), 20, 290);

    f.PanelConfirmeEnvois = Panneau(p, "PanelConfirmeEnvois", 200, 301, 320, 79);
    QWidget* c = f.PanelConfirmeEnvois;
    f.Label30 = Etiquette(c, "Label30", QStringLiteral("Confimation:"), 8, 6);
    f.LabQuestion = Etiquette(c, "LabQuestion", QStringLiteral("Question ?"), 8, 22, 304, 16);
    f.LabQuestion->setAlignment(Qt::AlignCenter);
    Police(f.LabQuestion, QStringLiteral("Tahoma"), 8, true);
    f.LabDesinscrits = Etiquette(c, "LabDesinscrits", {}, 8, 40, 304, 16);
    f.LabDesinscrits->setAlignment(Qt::AlignCenter);
    f.LabDesinscrits->hide();
    f.SpeedButOui = Bouton(c, "SpeedButOui", QStringLiteral("Oui"), 60, 48, 90, 22);
    f.SpeedButNon = Bouton(c, "SpeedButNon", QStringLiteral("Non"), 170, 48, 90, 22);
    c->hide();

    f.PanelVisuEnvoisMail = Panneau(p, "PanelVisuEnvoisMail", 38, 285, 503, 108);
    QWidget* v = f.PanelVisuEnvoisMail;
    f.ImageProcessEnvois = new ImageAnimee(v);
    f.ImageProcessEnvois->setObjectName(QStringLiteral("ImageProcessEnvois"));
    f.ImageProcessEnvois->setGeometry(5, 5, 16, 16);
    // Room for the title it takes once the campaign has ended.
    f.Envoi = Etiquette(v, "Envoi", Campagne::TitreEnCours(), 28, 7, 300);
    f.ProgressBarEnvoisMail = Creer<QProgressBar>(v, "ProgressBarEnvoisMail", 7, 40, 482, 17);
    f.ProgressBarEnvoisMail->setTextVisible(false);
    f.ProgressBarEnvoisMail->setValue(0);
    f.Label11 = Etiquette(v, "Label11", QString::fromUtf8("Nombres de mail envoyé:"), 7, 66);
    f.LabNbEnvois = Etiquette(v, "LabNbEnvois", QStringLiteral("0"), 140, 66, 120);
    f.SpeedButFermerVisuEnvoisMail =
        Bouton(v, "SpeedButFermerVisuEnvoisMail", QStringLiteral("Fermer"), 398, 78, 96, 22, false);
    f.SpeedButStopperEnvois =
        Bouton(v, "SpeedButStopperEnvois", QStringLiteral("Stopper"), 296, 78, 96, 22);
    v->hide();
}
