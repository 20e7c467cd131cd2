#pragma once
// The behaviour of the error tab of a campaign.

class QKeyEvent;
class TForm1;

class PageErreurs {
public:
    explicit PageErreurs(TForm1& f);
    void ListBoxErrAdresseClick();
    void ListBoxErrAdresseDblClick();
    void SpeedButton1Click();

private:
    TForm1& f_;
};
