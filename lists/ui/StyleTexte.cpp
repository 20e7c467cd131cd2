#include "lists/ui/StyleTexte.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace StyleTexte {

void Couleur(QWidget* champ, const QColor& couleur) {
    QPalette p = champ->palette();
    p.setColor(QPalette::Text, couleur);
    champ->setPalette(p);
}

::Couleur CouleurStatut(const TForm1& f) {
    const QColor actuelle = f.LabStatusInfos->palette().color(QPalette::WindowText);
    for (::Couleur c : {::Couleur::Rouge, ::Couleur::Vert, ::Couleur::Orange})
        if (TForm1::Rgb(c) == actuelle)
            return c;
    return ::Couleur::Noir;
}

} // namespace StyleTexte
