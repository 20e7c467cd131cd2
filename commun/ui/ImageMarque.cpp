#include "commun/ui/ImageMarque.h"

#include "commun/ui/ListeImages.h"

#include <QMouseEvent>

ImageMarque::ImageMarque(const ListeImages& liste, int index, QWidget* parent)
    : QLabel(parent), liste_(liste), index_(-1) {
    DefinirIndex(index);
}

void ImageMarque::DefinirIndex(int index) {
    index_ = index;
    setPixmap(liste_.Image(index));
}

void ImageMarque::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        emit Clic();
    QLabel::mousePressEvent(e);
}
