#include "sending/ui/Campagne.h"

#include "app/ui/TForm1.h"

#include <QPushButton>
#include <QTimer>

Campagne::Campagne(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButEnvoyer, &QPushButton::clicked, [this] { SpeedButEnvoyerClick(); });
    f.Relier(f.SpeedButOui, &QPushButton::clicked, [this] { SpeedButOuiClick(); });
    f.Relier(f.SpeedButNon, &QPushButton::clicked, [this] { SpeedButNonClick(); });
    f.Relier(f.SpeedButFermerVisuEnvoisMail, &QPushButton::clicked, [this] { SpeedButFermerVisuEnvoisMailClick(); });
    f.Relier(f.SpeedButStopperEnvois, &QPushButton::clicked, [this] { SpeedButStopperEnvoisClick(); });
    f.Relier(f.TimerTpsConnectMax, &QTimer::timeout, [this] { TimerTpsConnectMaxTimer(); });
}

void Campagne::SpeedButEnvoyerClick() {}

void Campagne::SpeedButOuiClick() {}

void Campagne::SpeedButNonClick() {}

void Campagne::SpeedButFermerVisuEnvoisMailClick() {}

void Campagne::SpeedButStopperEnvoisClick() {}

void Campagne::TimerTpsConnectMaxTimer() {}
