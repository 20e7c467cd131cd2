#pragma once
// The window's tabs as the pages use them: showing a page from code, and showing or hiding a
// tab that is not always there.
class QTabWidget;
class QWidget;

class Onglets {
public:
    // Every tab stays in sight: no scroll arrows, which would hide the first pages.
    explicit Onglets(QTabWidget& onglets);
    // Like a selection by the program: no tab-change handler runs.
    void Selectionner(QWidget* page);
    void Montrer(QWidget* page, bool visible);
    // The tabs as wide as the design's when they all fit, tighter then smaller when not: the
    // width a title needs depends on the fonts the desktop has.
    void Ajuster();

private:
    QTabWidget& onglets_;
};
