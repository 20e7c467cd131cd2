#pragma once
// The "A Propos" page: the program's description and the link to its web page.
#include <QString>

class Gestionnaires;
struct ControlesAPropos;

class PageAPropos {
public:
    PageAPropos(ControlesAPropos& c, Gestionnaires& gestionnaires);
    void LabelLienInternetClick();
    static QString AdresseSiteWeb();
    static QString TexteAPropos();
};
