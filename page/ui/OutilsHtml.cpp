#include "page/ui/OutilsHtml.h"

#include "commun/ui/FiltreEvenements.h"
#include "commun/ui/Forme.h"
#include "commun/ui/Gestionnaires.h"
#include "page/RemplacementTexte.h"
#include "page/ui/ControlesOutils.h"
#include "page/ui/SurlignageRecherche.h"
#include "page/ui/TexteEditeur.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>

OutilsHtml::OutilsHtml(ControlesOutils& c, QWidget& fenetre, QTabWidget& onglets,
                       QWidget& pageOutils, Gestionnaires& gestionnaires)
    : c_(c), fenetre_(fenetre), onglets_(onglets), pageOutils_(pageOutils),
      ongletsNormal_(onglets.geometry()), panneauNormal_(c.PanelOutils->geometry()),
      defilementHorizontal_(c.MemoHtmlBrut->horizontalScrollBarPolicy()) {
    auto& g = gestionnaires;
    g.Relier(c.SpeedButFindInHtmlBrut, &QPushButton::clicked,
             [this] { SpeedButFindInHtmlBrutClick(); });
    g.RelierTouche(c.EditChercherInHtmBrut,
                   [this](QKeyEvent* e) { return EditChercherInHtmBrutKeyPress(e); });
    g.Relier(c.SpeedButRemplacer, &QPushButton::clicked, [this] { SpeedButRemplacerClick(); });
    g.Relier(c.CheckBoxRetourChariotAuto, &QCheckBox::clicked,
             [this] { CheckBoxRetourChariotAutoClick(); });
    g.Relier(c.SpeedButtonPleinEcran, &QPushButton::clicked,
             [this] { SpeedButtonPleinEcranClick(); });
    // The page is one piece of HTML text: Enter never breaks a line in it.
    g.RelierTouche(c.MemoHtmlBrut, [](QKeyEvent* e) { return EstToucheEntree(e); });
    // In full screen the window's size comes from the system, later: follow it.
    for (QWidget* w : {onglets.parentWidget(), &pageOutils})
        FiltreEvenements::Installer(w, QEvent::Resize, [this](QEvent*) {
            if (pleinEcran_)
                Disposer();
            return false;
        });
}

void OutilsHtml::SpeedButFindInHtmlBrutClick() {
    // The highlights are the editor's only formatting and a new search replaces them all, so
    // it needs no reset pass of its own over a page of megabytes.
    chercheMots();
}

void OutilsHtml::chercheMots() {
    QPlainTextEdit* memo = c_.MemoHtmlBrut;
    memo->setFocus();
    const QString mot = c_.EditChercherInHtmBrut->text();
    SurlignageRecherche::De(*memo).Surligner(mot);
    if (mot.isEmpty())
        return;
    // The last occurrence stays selected.
    for (QTextBlock bloc = memo->document()->lastBlock(); bloc.isValid(); bloc = bloc.previous()) {
        const qsizetype p = bloc.text().lastIndexOf(mot);
        if (p >= 0) {
            QTextCursor curseur(bloc);
            curseur.setPosition(bloc.position() + int(p));
            curseur.setPosition(bloc.position() + int(p + mot.size()), QTextCursor::KeepAnchor);
            memo->setTextCursor(curseur);
            return;
        }
    }
}

bool OutilsHtml::EditChercherInHtmBrutKeyPress(QKeyEvent* e) {
    if (!EstToucheEntree(e))
        return false;
    SpeedButFindInHtmlBrutClick();
    return true;
}

void OutilsHtml::SpeedButRemplacerClick() {
    QPlainTextEdit* memo = c_.MemoHtmlBrut;
    ReecrireEditeur(*memo, RemplacerTout(TexteEditeur(*memo), c_.EditBefore->text(),
                                         c_.EditAfter->text(), QLocale::system()));
}

void OutilsHtml::CheckBoxRetourChariotAutoClick() {
    // The text itself stays as it is; only the highlights go.
    QPlainTextEdit* memo = c_.MemoHtmlBrut;
    SurlignageRecherche::De(*memo).Effacer();
    if (c_.CheckBoxRetourChariotAuto->isChecked()) {
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(defilementHorizontal_);
    }
}

void OutilsHtml::SpeedButtonPleinEcranClick() {
    const bool normale = !(fenetre_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    if (normale && onglets_.currentWidget() == &pageOutils_)
        EntrerPleinEcran();
    else
        QuitterPleinEcran();
}

void OutilsHtml::EntrerPleinEcran() {
    // The window has a fixed size; full screen is the one way to grow it.
    tailleMin_ = fenetre_.minimumSize();
    tailleMax_ = fenetre_.maximumSize();
    fenetre_.setMinimumSize(0, 0);
    fenetre_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    pleinEcran_ = true;
    fenetre_.setWindowState(fenetre_.windowState() | Qt::WindowMaximized);
    Disposer();
}

void OutilsHtml::QuitterPleinEcran() {
    fenetre_.setWindowState(fenetre_.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    if (pleinEcran_) {
        pleinEcran_ = false;
        fenetre_.setMinimumSize(tailleMin_);
        fenetre_.setMaximumSize(tailleMax_);
    }
    Disposer();
}

void OutilsHtml::Disposer() {
    QTabWidget* onglets = &onglets_;
    QFrame* panneau = c_.PanelOutils;
    if (pleinEcran_) {
        // Over the whole client area, the status line included.
        onglets->setGeometry(onglets->parentWidget()->rect());
        onglets->raise();
        const QWidget* page = &pageOutils_;
        panneau->setGeometry(0, page->height() - panneau->height(), page->width(),
                             panneau->height());
    } else {
        onglets->setGeometry(ongletsNormal_);
        panneau->setGeometry(panneauNormal_);
    }
    const int marge = pleinEcran_ ? 10 : 5;
    c_.MemoHtmlBrut->resize(onglets->width() - marge, onglets->height() - panneau->height() - 30);
    c_.ShapePanelOutils->setGeometry(panneau->rect());
}
