#pragma once
// The behaviour of the readiness indicator that enables sending.

class QKeyEvent;
class TForm1;

class IndicateurEnvoi {
public:
    explicit IndicateurEnvoi(TForm1& f);
    void TimerAcitveEnvoyerTimer();

private:
    TForm1& f_;
};
