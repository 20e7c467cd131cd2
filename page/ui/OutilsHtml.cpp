#include "page/ui/OutilsHtml.h"

#include "app/ui/FiltreEvenements.h"
#include "app/ui/Forme.h"
#include "app/ui/TForm1.h"
#include "page/RemplacementTexte.h"
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

OutilsHtml::OutilsHtml(TForm1& f)
    : f_(f), ongletsNormal_(f.PageControlPrinc->geometry()),
      panneauNormal_(f.PanelOutils->geometry()),
      defilementHorizontal_(f.MemoHtmlBrut->horizontalScrollBarPolicy()) {
    f.Relier(f.SpeedButFindInHtmlBrut, &QPushButton::clicked,
             [this] { SpeedButFindInHtmlBrutClick(); });
    f.RelierTouche(f.EditChercherInHtmBrut,
                   [this](QKeyEvent* e) { return EditChercherInHtmBrutKeyPress(e); });
    f.Relier(f.SpeedButRemplacer, &QPushButton::clicked, [this] { SpeedButRemplacerClick(); });
    f.Relier(f.CheckBoxRetourChariotAuto, &QCheckBox::clicked,
             [this] { CheckBoxRetourChariotAutoClick(); });
    f.Relier(f.SpeedButtonPleinEcran, &QPushButton::clicked,
             [this] { SpeedButtonPleinEcranClick(); });
    // The page is one piece of HTML text: Enter never breaks a line in it.
    f.RelierTouche(f.MemoHtmlBrut, [](QKeyEvent* e) { return EstToucheEntree(e); });
    // In full screen the window's size comes from the system, later: follow it.
    for (QWidget* w : {f.PageControlPrinc->parentWidget(), f.TabSheet3})
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
    QPlainTextEdit* memo = f_.MemoHtmlBrut;
    memo->setFocus();
    const QString mot = f_.EditChercherInHtmBrut->text();
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
    QPlainTextEdit* memo = f_.MemoHtmlBrut;
    ReecrireEditeur(*memo, RemplacerTout(TexteEditeur(*memo), f_.EditBefore->text(),
                                         f_.EditAfter->text(), QLocale::system()));
}

void OutilsHtml::CheckBoxRetourChariotAutoClick() {
    // The text itself stays as it is; only the highlights go.
    QPlainTextEdit* memo = f_.MemoHtmlBrut;
    SurlignageRecherche::De(*memo).Effacer();
    if (f_.CheckBoxRetourChariotAuto->isChecked()) {
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setHorizontalScrollBarPolicy(defilementHorizontal_);
    }
}

void OutilsHtml::SpeedButtonPleinEcranClick() {
    const bool normale = !(f_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    if (normale && f_.PageControlPrinc->currentWidget() == f_.TabSheet3)
        EntrerPleinEcran();
    else
        QuitterPleinEcran();
}

void OutilsHtml::EntrerPleinEcran() {
    // The window has a fixed size; full screen is the one way to grow it.
    tailleMin_ = f_.minimumSize();
    tailleMax_ = f_.maximumSize();
    f_.setMinimumSize(0, 0);
    f_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    pleinEcran_ = true;
    f_.setWindowState(f_.windowState() | Qt::WindowMaximized);
    Disposer();
}

void OutilsHtml::QuitterPleinEcran() {
    f_.setWindowState(f_.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    if (pleinEcran_) {
        pleinEcran_ = false;
        f_.setMinimumSize(tailleMin_);
        f_.setMaximumSize(tailleMax_);
    }
    Disposer();
}

void OutilsHtml::Disposer() {
    QTabWidget* onglets = f_.PageControlPrinc;
    QFrame* panneau = f_.PanelOutils;
    if (pleinEcran_) {
        // Over the whole client area, the status line included.
        onglets->setGeometry(onglets->parentWidget()->rect());
        onglets->raise();
        const QWidget* page = f_.TabSheet3;
        panneau->setGeometry(0, page->height() - panneau->height(), page->width(),
                             panneau->height());
    } else {
        onglets->setGeometry(ongletsNormal_);
        panneau->setGeometry(panneauNormal_);
    }
    const int marge = pleinEcran_ ? 10 : 5;
    f_.MemoHtmlBrut->resize(onglets->width() - marge, onglets->height() - panneau->height() - 30);
    f_.ShapePanelOutils->setGeometry(panneau->rect());
}
