#include "lists/ui/StyleTexte.h"

#include <QPalette>
#include <QWidget>

namespace StyleTexte {

void Couleur(QWidget* champ, const QColor& couleur) {
    QPalette p = champ->palette();
    p.setColor(QPalette::Text, couleur);
    champ->setPalette(p);
}

} // namespace StyleTexte
