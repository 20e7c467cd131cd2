#include "commun/ui/ListeImages.h"

ListeImages::ListeImages(int taille, QList<QPixmap> images, QObject* parent)
    : QObject(parent), taille_(taille), images_(std::move(images)) {}

QPixmap ListeImages::Image(int index) const {
    return index >= 0 && index < images_.size() ? images_[index] : QPixmap();
}
