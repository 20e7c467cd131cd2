#pragma once
// The behaviour of choosing, loading and checking the HTML page.

class TForm1;

class ChargementPage {
public:
    // Pictures of the page status mark: none, correct (the last load passed the checks),
    // faulty.
    static constexpr int MarqueAucune = 1000;
    static constexpr int MarqueCorrecte = 1;
    static constexpr int MarqueFautive = 2;

    explicit ChargementPage(TForm1& f);
    void SpeedButton2Click();
    void SpeedButChargerClick();

private:
    TForm1& f_;
};
