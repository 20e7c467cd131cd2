#include "lists/ui/RechercheAdresse.h"

#include "app/ui/TForm1.h"

#include <QLineEdit>
#include <QPushButton>

RechercheAdresse::RechercheAdresse(TForm1& f) : f_(f) {
    f.Relier(f.EditFindAdresse, &QLineEdit::textChanged, [this] { EditFindAdresseChange(); });
    f.RelierClic(f.EditFindAdresse, [this] { EditFindAdresseClick(); });
    f.RelierTouche(f.EditFindAdresse, [this](QKeyEvent* e) { return EditFindAdresseKeyPress(e); });
    f.Relier(f.SpeedButFindAdresse, &QPushButton::clicked, [this] { SpeedButFindAdresseClick(); });
    f.Relier(f.SpeedButArreterRecherche, &QPushButton::clicked, [this] { SpeedButArreterRechercheClick(); });
}

void RechercheAdresse::EditFindAdresseChange() {}

void RechercheAdresse::EditFindAdresseClick() {}

bool RechercheAdresse::EditFindAdresseKeyPress(QKeyEvent*) { return false; }

void RechercheAdresse::SpeedButFindAdresseClick() {}

void RechercheAdresse::SpeedButArreterRechercheClick() {}
