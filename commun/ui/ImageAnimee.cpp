#include "commun/ui/ImageAnimee.h"

#include <QPainter>

namespace {
// A ring of six dots; the dark one moves round, one step a frame.
QPixmap Image(int etape) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    for (int i = 0; i < ImageAnimee::kNombreImages; ++i) {
        const double a = i * 2 * 3.14159265358979 / ImageAnimee::kNombreImages;
        const int ecart = (i - etape + ImageAnimee::kNombreImages) % ImageAnimee::kNombreImages;
        g.setBrush(QColor(0, 90, 200, 255 - ecart * 38));
        g.drawEllipse(QPointF(8 + 5.2 * std::sin(a), 8 - 5.2 * std::cos(a)), 2.2, 2.2);
    }
    return p;
}
} // namespace

ImageAnimee::ImageAnimee(QWidget* parent) : QLabel(parent) {
    for (int i = 0; i < kNombreImages; ++i)
        images_ << Image(i);
    setPixmap(images_[0]);
    minuterie_.setInterval(kDureeImageMs);
    connect(&minuterie_, &QTimer::timeout, this, &ImageAnimee::Avancer);
}

void ImageAnimee::DefinirAnimation(bool active) {
    if (active)
        minuterie_.start();
    else
        minuterie_.stop();
}

void ImageAnimee::Avancer() {
    courante_ = (courante_ + 1) % kNombreImages;
    setPixmap(images_[courante_]);
}
