#pragma once
// The window's tabs as the pages use them: showing a page from code, and showing or hiding a
// tab that is not always there.
class QTabWidget;
class QWidget;

class Onglets {
public:
    explicit Onglets(QTabWidget& onglets) : onglets_(onglets) {}
    // Like a selection by the program: no tab-change handler runs.
    void Selectionner(QWidget* page);
    void Montrer(QWidget* page, bool visible);

private:
    QTabWidget& onglets_;
};
