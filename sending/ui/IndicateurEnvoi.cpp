#include "sending/ui/IndicateurEnvoi.h"

#include "commun/ui/Forme.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageMarque.h"
#include "commun/ui/PageChargee.h"
#include "commun/ui/ParametresSaisis.h"
#include "sending/ui/ControlesEnvois.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

IndicateurEnvoi::IndicateurEnvoi(ControlesEnvois& c, const ParametresSaisis& parametres,
                                 const PageChargee& page, const ServicesEnvoi& services)
    : c_(c), parametres_(parametres), pageChargee_(page), s_(services) {
    s_.gestionnaires.Relier(&s_.minuteurPret, &QTimer::timeout,
                            [this] { TimerAcitveEnvoyerTimer(); });
}

void IndicateurEnvoi::TimerAcitveEnvoyerTimer() {
    const bool parametres = parametres_.ParametresRemplis();
    const bool envoi = pageChargee_.PageCorrecte() && !c_.EditSujetMessage->text().isEmpty() &&
                       !c_.ComboBoxListe1->currentText().isEmpty();
    c_.ShapeEnvoiValide->DefinirPointille(!envoi);
    c_.ShapeParametresOK->DefinirPointille(!parametres);
    c_.SpeedButEnvoyer->setEnabled(envoi && parametres);
    c_.SpeedButEnvoyerTest->setEnabled(envoi && parametres);
    // Asked of the document directly: copying a page of megabytes every second would cost.
    c_.SpeedButApercuMAil->setEnabled(!s_.page.document()->isEmpty());
}
