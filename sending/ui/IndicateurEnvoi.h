#pragma once
// The behaviour of the readiness indicator that enables sending: re-evaluated at every tick
// of its timer, from what the fields show now (typed settings count even before they are
// saved).
#include "sending/ui/ServicesEnvoi.h"

struct ControlesEnvois;
struct ControlesParametres;

class IndicateurEnvoi {
public:
    // The settings are read from the fields of `parametres`, as typed.
    IndicateurEnvoi(ControlesEnvois& c, const ControlesParametres& parametres,
                    const ServicesEnvoi& services);
    void TimerAcitveEnvoyerTimer();

private:
    ControlesEnvois& c_;
    const ControlesParametres& parametres_;
    ServicesEnvoi s_;
};
