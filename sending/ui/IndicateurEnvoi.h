#pragma once
// The behaviour of the readiness indicator that enables sending: re-evaluated at every tick
// of its timer, from what the fields show now (typed settings count even before they are
// saved).

class TForm1;

class IndicateurEnvoi {
public:
    explicit IndicateurEnvoi(TForm1& f);
    void TimerAcitveEnvoyerTimer();

private:
    TForm1& f_;
};
