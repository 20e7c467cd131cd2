#pragma once
// The behaviour of choosing, loading and checking the HTML page.

class QKeyEvent;
class TForm1;

class ChargementPage {
public:
    explicit ChargementPage(TForm1& f);
    void SpeedButton2Click();
    void SpeedButChargerClick();

private:
    TForm1& f_;
};
