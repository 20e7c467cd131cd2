#pragma once
// The behaviour of the raw HTML tools of "Outils".

class QKeyEvent;
class TForm1;

class OutilsHtml {
public:
    explicit OutilsHtml(TForm1& f);
    void SpeedButFindInHtmlBrutClick();
    // True when the key is consumed.
    bool EditChercherInHtmBrutKeyPress(QKeyEvent* e);
    void SpeedButRemplacerClick();
    void CheckBoxRetourChariotAutoClick();
    void SpeedButtonPleinEcranClick();

private:
    TForm1& f_;
};
