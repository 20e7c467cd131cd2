#pragma once
// A small picture control showing one picture of an image list, chosen by index.
#include <QLabel>

class ListeImages;

class ImageMarque : public QLabel {
    Q_OBJECT
public:
    ImageMarque(const ListeImages& liste, int index, QWidget* parent);
    int Index() const { return index_; }
    void DefinirIndex(int index);

signals:
    void Clic();

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    const ListeImages& liste_;
    int index_;
};
