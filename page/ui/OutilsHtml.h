#pragma once
// The behaviour of the raw HTML tools of "Outils": find and highlight, replace-all, line
// wrapping and full screen. None of them checks the page again or writes a file.
#include <QRect>
#include <QSize>

class Gestionnaires;
class QKeyEvent;
class QTabWidget;
class QWidget;
struct ControlesOutils;

class OutilsHtml {
public:
    // Full screen grows `fenetre` and lays `onglets` over its client area while `pageOutils`
    // shows.
    OutilsHtml(ControlesOutils& c, QWidget& fenetre, QTabWidget& onglets, QWidget& pageOutils,
               Gestionnaires& gestionnaires);
    void SpeedButFindInHtmlBrutClick();
    // Highlights every occurrence of the searched text; the last one stays selected.
    void chercheMots();
    // True when the key is consumed.
    bool EditChercherInHtmBrutKeyPress(QKeyEvent* e);
    void SpeedButRemplacerClick();
    void CheckBoxRetourChariotAutoClick();
    // Enters full screen on "Outils" with the window normal; otherwise leaves it.
    void SpeedButtonPleinEcranClick();

private:
    void EntrerPleinEcran();
    void QuitterPleinEcran();
    // Sizes the tab control, the editor and the tools panel for the current mode.
    void Disposer();

    ControlesOutils& c_;
    QWidget& fenetre_;
    QTabWidget& onglets_;
    QWidget& pageOutils_;
    // Full screen is the maximised window; this notes that the tool made it so, and the
    // window's fixed size that it lifted.
    bool pleinEcran_ = false;
    QSize tailleMin_, tailleMax_;
    // The normal layout, as the window was built.
    QRect ongletsNormal_, panneauNormal_;
    Qt::ScrollBarPolicy defilementHorizontal_;
};
