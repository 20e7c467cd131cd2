#pragma once
// The "A Propos" page: the program's description, the link to its web page and the folder where
// the settings and lists are kept.
#include <QString>

class Gestionnaires;
struct ControlesAPropos;

class PageAPropos {
public:
    PageAPropos(ControlesAPropos& c, Gestionnaires& gestionnaires, const QString& donnees);
    void LabelLienInternetClick();
    static QString AdresseSiteWeb();
    static QString TexteAPropos();
};
