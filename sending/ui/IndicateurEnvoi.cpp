#include "sending/ui/IndicateurEnvoi.h"

#include "app/ui/Forme.h"
#include "app/ui/ImageMarque.h"
#include "app/ui/TForm1.h"
#include "page/ui/ChargementPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

IndicateurEnvoi::IndicateurEnvoi(TForm1& f) : f_(f) {
    f.Relier(f.TimerAcitveEnvoyer, &QTimer::timeout, [this] { TimerAcitveEnvoyerTimer(); });
}

void IndicateurEnvoi::TimerAcitveEnvoyerTimer() {
    bool parametres = true;
    for (const QLineEdit* champ : {f_.EditSMTPServeur, f_.EditSMTPPort, f_.EditSMTPUser,
                                   f_.EditSMTPPassword, f_.EditMailEXP})
        parametres = parametres && !champ->text().isEmpty();
    const bool envoi = f_.LMDLImageStatusChargement->Index() == ChargementPage::MarqueCorrecte &&
                       !f_.EditSujetMessage->text().isEmpty() &&
                       !f_.ComboBoxListe1->currentText().isEmpty();
    f_.ShapeEnvoiValide->DefinirPointille(!envoi);
    f_.ShapeParametresOK->DefinirPointille(!parametres);
    f_.SpeedButEnvoyer->setEnabled(envoi && parametres);
    f_.SpeedButEnvoyerTest->setEnabled(envoi && parametres);
    // Asked of the document directly: copying a page of megabytes every second would cost.
    f_.SpeedButApercuMAil->setEnabled(!f_.MemoHtmlBrut->document()->isEmpty());
}
