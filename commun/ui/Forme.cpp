#include "commun/ui/Forme.h"

#include <QPainter>

Forme::Forme(QWidget* parent, QColor couleur) : QWidget(parent), couleur_(couleur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forme::DefinirPointille(bool pointille) {
    if (pointille_ == pointille)
        return;
    pointille_ = pointille;
    update();
}

void Forme::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setPen(QPen(couleur_, 1, pointille_ ? Qt::DotLine : Qt::SolidLine));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}
