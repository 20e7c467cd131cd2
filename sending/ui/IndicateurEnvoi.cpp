#include "sending/ui/IndicateurEnvoi.h"

#include "app/ui/TForm1.h"

#include <QTimer>

IndicateurEnvoi::IndicateurEnvoi(TForm1& f) : f_(f) {
    f.Relier(f.TimerAcitveEnvoyer, &QTimer::timeout, [this] { TimerAcitveEnvoyerTimer(); });
}

void IndicateurEnvoi::TimerAcitveEnvoyerTimer() {}
