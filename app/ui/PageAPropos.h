#pragma once
// The "A Propos" page: the program's description and the link to its web page.
#include <QString>

class TForm1;

class PageAPropos {
public:
    explicit PageAPropos(TForm1& f);
    void LabelLienInternetClick();
    static QString AdresseSiteWeb();
    static QString TexteAPropos();

private:
    TForm1& f_;
};
