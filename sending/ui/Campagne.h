#pragma once
// The behaviour of the send campaign.

class QKeyEvent;
class TForm1;

class Campagne {
public:
    explicit Campagne(TForm1& f);
    void SpeedButEnvoyerClick();
    void SpeedButOuiClick();
    void SpeedButNonClick();
    void SpeedButFermerVisuEnvoisMailClick();
    void SpeedButStopperEnvoisClick();
    void TimerTpsConnectMaxTimer();

private:
    TForm1& f_;
};
