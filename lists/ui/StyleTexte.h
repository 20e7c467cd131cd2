#pragma once
// Colours of typed text on the address pages: navy for typed text, red for a refused entry.

#include <QColor>

class QWidget;

namespace StyleTexte {
inline QColor Marine() {
    return QColor(0, 0, 128);
}
inline QColor Rouge() {
    return QColor(255, 0, 0);
}
inline QColor Argent() {
    return QColor(192, 192, 192);
}
void Couleur(QWidget* champ, const QColor& couleur);
} // namespace StyleTexte
