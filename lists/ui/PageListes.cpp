#include "lists/ui/PageListes.h"

#include "app/ui/TForm1.h"

#include "app/ui/ImageMarque.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

PageListes::PageListes(TForm1& f) : f_(f) {
    f.Relier(f.ComboBoxListe1, &QComboBox::activated, [this] { ComboBoxListe1Change(); });
    f.Relier(f.ComboBoxListe2, &QComboBox::activated, [this] { ComboBoxListe2Change(); });
    f.Relier(f.LMDLImageListe2, &ImageMarque::Clic, [this] { LMDLImageListe2Click(); });
    f.Relier(f.EditNomNouvelleListe, &QLineEdit::textChanged, [this] { EditNomNouvelleListeChange(); });
    f.RelierTouche(f.EditNomNouvelleListe, [this](QKeyEvent* e) { return EditNomNouvelleListeKeyPress(e); });
    f.Relier(f.SpeedButCreerFichier, &QPushButton::clicked, [this] { SpeedButCreerFichierClick(); });
    f.Relier(f.SpeedButSupprimerListe, &QPushButton::clicked, [this] { SpeedButSupprimerListeClick(); });
}

void PageListes::ChargeListe() {}

void PageListes::ComboBoxListe1Change() {}

void PageListes::ComboBoxListe2Change() {}

void PageListes::LMDLImageListe2Click() {}

void PageListes::EditNomNouvelleListeChange() {}

bool PageListes::EditNomNouvelleListeKeyPress(QKeyEvent*) { return false; }

void PageListes::SpeedButCreerFichierClick() {}

void PageListes::SpeedButSupprimerListeClick() {}
