#include "page/ui/OutilsHtml.h"

#include "app/ui/TForm1.h"

#include <QLineEdit>
#include <QCheckBox>
#include <QPushButton>

OutilsHtml::OutilsHtml(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButFindInHtmlBrut, &QPushButton::clicked, [this] { SpeedButFindInHtmlBrutClick(); });
    f.RelierTouche(f.EditChercherInHtmBrut, [this](QKeyEvent* e) { return EditChercherInHtmBrutKeyPress(e); });
    f.Relier(f.SpeedButRemplacer, &QPushButton::clicked, [this] { SpeedButRemplacerClick(); });
    f.Relier(f.CheckBoxRetourChariotAuto, &QCheckBox::clicked, [this] { CheckBoxRetourChariotAutoClick(); });
    f.Relier(f.SpeedButtonPleinEcran, &QPushButton::clicked, [this] { SpeedButtonPleinEcranClick(); });
}

void OutilsHtml::SpeedButFindInHtmlBrutClick() {}

bool OutilsHtml::EditChercherInHtmBrutKeyPress(QKeyEvent*) { return false; }

void OutilsHtml::SpeedButRemplacerClick() {}

void OutilsHtml::CheckBoxRetourChariotAutoClick() {}

void OutilsHtml::SpeedButtonPleinEcranClick() {}
