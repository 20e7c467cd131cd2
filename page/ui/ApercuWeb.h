#pragma once
// The behaviour of the browser preview of the page.

class QKeyEvent;
class TForm1;

class ApercuWeb {
public:
    explicit ApercuWeb(TForm1& f);
    void SpeedButApercuMAilClick();
    void SpeedButFermerApercuWebClick();

private:
    TForm1& f_;
};
