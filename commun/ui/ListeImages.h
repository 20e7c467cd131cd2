#pragma once
// A numbered set of pictures of one size; controls pick a picture by its index, and an index
// outside the list shows nothing.
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>

class ListeImages : public QObject {
    Q_OBJECT
public:
    ListeImages(int taille, QList<QPixmap> images, QObject* parent);
    int Taille() const { return taille_; }
    int Nombre() const { return static_cast<int>(images_.size()); }
    QPixmap Image(int index) const;
    QIcon Icone(int index) const { return QIcon(Image(index)); }

private:
    int taille_;
    QList<QPixmap> images_;
};
