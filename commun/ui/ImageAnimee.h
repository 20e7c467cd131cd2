#pragma once
// The busy picture of the send progress: 6 frames of 100 ms, looping while switched on.
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QTimer>

class ImageAnimee : public QLabel {
    Q_OBJECT
public:
    explicit ImageAnimee(QWidget* parent);
    void DefinirAnimation(bool active);
    bool Animee() const { return minuterie_.isActive(); }
    int ImageCourante() const { return courante_; }
    static constexpr int kNombreImages = 6;
    static constexpr int kDureeImageMs = 100;

private:
    void Avancer();
    QList<QPixmap> images_;
    QTimer minuterie_;
    int courante_ = 0;
};
