#include "sending/ui/IndicateurEnvoi.h"

#include "app/ui/ControlesEnvois.h"
#include "app/ui/ControlesParametres.h"
#include "app/ui/Forme.h"
#include "app/ui/Gestionnaires.h"
#include "app/ui/ImageMarque.h"
#include "page/ui/ChargementPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

IndicateurEnvoi::IndicateurEnvoi(ControlesEnvois& c, const ControlesParametres& parametres,
                                 const ServicesEnvoi& services)
    : c_(c), parametres_(parametres), s_(services) {
    s_.gestionnaires.Relier(&s_.minuteurPret, &QTimer::timeout,
                            [this] { TimerAcitveEnvoyerTimer(); });
}

void IndicateurEnvoi::TimerAcitveEnvoyerTimer() {
    bool parametres = true;
    for (const QLineEdit* champ :
         {parametres_.EditSMTPServeur, parametres_.EditSMTPPort, parametres_.EditSMTPUser,
          parametres_.EditSMTPPassword, parametres_.EditMailEXP})
        parametres = parametres && !champ->text().isEmpty();
    const bool envoi = c_.LMDLImageStatusChargement->Index() == ChargementPage::MarqueCorrecte &&
                       !c_.EditSujetMessage->text().isEmpty() &&
                       !c_.ComboBoxListe1->currentText().isEmpty();
    c_.ShapeEnvoiValide->DefinirPointille(!envoi);
    c_.ShapeParametresOK->DefinirPointille(!parametres);
    c_.SpeedButEnvoyer->setEnabled(envoi && parametres);
    c_.SpeedButEnvoyerTest->setEnabled(envoi && parametres);
    // Asked of the document directly: copying a page of megabytes every second would cost.
    c_.SpeedButApercuMAil->setEnabled(!s_.page.document()->isEmpty());
}
