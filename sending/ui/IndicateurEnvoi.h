#pragma once
// The behaviour of the readiness indicator that enables sending: re-evaluated at every tick
// of its timer, from what the fields show now (typed settings count even before they are
// saved).
#include "sending/ui/ServicesEnvoi.h"

class PageChargee;
class ParametresSaisis;
struct ControlesEnvois;

class IndicateurEnvoi {
public:
    // `parametres` tells whether the settings are typed, `page` whether the page passed its
    // checks.
    IndicateurEnvoi(ControlesEnvois& c, const ParametresSaisis& parametres, const PageChargee& page,
                    const ServicesEnvoi& services);
    void TimerAcitveEnvoyerTimer();

private:
    ControlesEnvois& c_;
    const ParametresSaisis& parametres_;
    const PageChargee& pageChargee_;
    ServicesEnvoi s_;
};
