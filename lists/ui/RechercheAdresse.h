#pragma once
// The behaviour of the wildcard search in the loaded list: each search selects the next item
// after the last hit whose text, ASCII letters lowered, contains the pattern ("?" one
// character, "*" any run).
#include <QString>
#include <cstdint>

class QKeyEvent;
class TForm1;

class RechercheAdresse {
public:
    explicit RechercheAdresse(TForm1& f);
    void EditFindAdresseChange();
    void EditFindAdresseClick();
    // True when the key is consumed.
    bool EditFindAdresseKeyPress(QKeyEvent* e);
    // The search itself; also the way in for the error tab, once it has put an address into
    // the pattern box and shown the page. A request while a search runs is ignored.
    void SpeedButFindAdresseClick();
    void SpeedButArreterRechercheClick();

    static QString Indication() {
        return QStringLiteral("[option:  ? = 1 joker | * = multi joker]");
    }

private:
    TForm1& f_;
    // Identifier of the item of the last hit (0: none).
    std::uint32_t CurseurRecherche = 0;
};
