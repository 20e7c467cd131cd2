#pragma once
// The behaviour of the wildcard search in the loaded list.

class QKeyEvent;
class TForm1;

class RechercheAdresse {
public:
    explicit RechercheAdresse(TForm1& f);
    void EditFindAdresseChange();
    void EditFindAdresseClick();
    // True when the key is consumed.
    bool EditFindAdresseKeyPress(QKeyEvent* e);
    void SpeedButFindAdresseClick();
    void SpeedButArreterRechercheClick();

private:
    TForm1& f_;
};
