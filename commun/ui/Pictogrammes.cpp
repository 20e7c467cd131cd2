#include "commun/ui/Pictogrammes.h"

#include "commun/ui/ListeImages.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

using Dessin = std::function<void(QPainter&)>;

const QColor kBleu(30, 100, 210), kVert(20, 150, 40), kRouge(210, 30, 30), kGris(120, 120, 120),
    kJaune(250, 200, 20), kOr(235, 170, 0), kNoir(40, 40, 40);

// Every picture is drawn on a 16-unit square and scaled to the list's size.
QPixmap Peindre(int taille, const Dessin& dessin) {
    QPixmap p(taille, taille);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(taille / 16.0, taille / 16.0);
    dessin(g);
    return p;
}

QPen Trait(QColor c, double epaisseur) {
    return QPen(c, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Lecture(QPainter& g) {
    g.setPen(Trait(kBleu.darker(130), 0.8));
    g.setBrush(kBleu);
    g.drawEllipse(QRectF(1, 1, 14, 14));
    g.setPen(Qt::NoPen);
    g.setBrush(Qt::white);
    g.drawPolygon(QPolygonF({QPointF(6, 4.5), QPointF(11.5, 8), QPointF(6, 11.5)}));
}

void Coche(QPainter& g) {
    g.setPen(Trait(kVert, 2.6));
    g.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
}

void Avertissement(QPainter& g) {
    g.setPen(Trait(QColor(150, 110, 0), 0.9));
    g.setBrush(kJaune);
    g.drawPolygon(QPolygonF({QPointF(8, 1.2), QPointF(15, 14.5), QPointF(1, 14.5)}));
    g.setPen(Trait(kNoir, 1.8));
    g.drawLine(QPointF(8, 5.5), QPointF(8, 9.8));
    g.drawPoint(QPointF(8, 12.3));
}

void Alimentation(QPainter& g) {
    g.setPen(Trait(kRouge, 2));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, -240 * 16);
    g.drawLine(QPointF(8, 1.5), QPointF(8, 8));
}

void Calendrier(QPainter& g) {
    g.setPen(Trait(kGris, 0.8));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(1.5, 2.5, 13, 12));
    g.setPen(Qt::NoPen);
    g.setBrush(kRouge);
    g.drawRect(QRectF(1.5, 2.5, 13, 3.5));
    g.setBrush(kGris);
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 4; ++c)
            g.drawRect(QRectF(3 + c * 2.8, 7.5 + l * 3, 1.8, 1.8));
}

void Plus(QPainter& g) {
    g.setPen(Qt::NoPen);
    g.setBrush(kVert);
    g.drawRoundedRect(QRectF(6.2, 2, 3.6, 12), 1, 1);
    g.drawRoundedRect(QRectF(2, 6.2, 12, 3.6), 1, 1);
}

void Moins(QPainter& g) {
    g.setPen(Qt::NoPen);
    g.setBrush(kRouge);
    g.drawRoundedRect(QRectF(2, 6.2, 12, 3.6), 1, 1);
}

void Question(QPainter& g) {
    g.setPen(Qt::NoPen);
    g.setBrush(kBleu);
    g.drawEllipse(QRectF(1, 1, 14, 14));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void Cylindre(QPainter& g) {
    g.setPen(Trait(kGris.darker(140), 0.8));
    g.setBrush(kGris.lighter(130));
    g.drawRect(QRectF(3, 3.5, 10, 9));
    g.drawEllipse(QRectF(3, 10.5, 10, 4));
    g.setPen(Qt::NoPen);
    g.drawRect(QRectF(3.4, 9, 9.2, 3.5));
    g.setPen(Trait(kGris.darker(140), 0.8));
    g.setBrush(kGris.lighter(160));
    g.drawEllipse(QRectF(3, 1.5, 10, 4));
}

void Outils(QPainter& g) {
    // Wrench from bottom left to top right, hammer across it.
    g.setPen(Trait(kGris, 2.2));
    g.drawLine(QPointF(3, 13), QPointF(11, 5));
    g.setPen(Trait(kGris, 1.5));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(9.5, 1.5, 5, 5), 200 * 16, 250 * 16);
    g.setPen(Trait(QColor(150, 95, 40), 2));
    g.drawLine(QPointF(4, 4), QPointF(13, 13));
    g.setPen(Qt::NoPen);
    g.setBrush(kNoir);
    g.save();
    g.translate(4, 4);
    g.rotate(45);
    g.drawRect(QRectF(-4, -1.8, 8, 3.6));
    g.restore();
}

void Roue(QPainter& g, QPointF centre, double rayon) {
    g.save();
    g.translate(centre);
    g.setPen(Qt::NoPen);
    g.setBrush(kGris);
    for (int i = 0; i < 8; ++i) {
        g.rotate(45);
        g.drawRect(QRectF(-rayon * 0.22, -rayon * 1.25, rayon * 0.44, rayon * 0.6));
    }
    g.drawEllipse(QPointF(0, 0), rayon, rayon);
    g.setBrush(Qt::white);
    g.drawEllipse(QPointF(0, 0), rayon * 0.4, rayon * 0.4);
    g.restore();
}

void Engrenages(QPainter& g) {
    Roue(g, QPointF(6, 6), 3.8);
    Roue(g, QPointF(11.5, 11.5), 2.8);
}

void Enveloppe(QPainter& g) {
    g.setPen(Trait(kGris.darker(130), 0.8));
    g.setBrush(Qt::white);
    g.drawRect(QRectF(1, 3.5, 12, 9));
    g.drawPolyline(QPolygonF({QPointF(1, 3.5), QPointF(7, 8.5), QPointF(13, 3.5)}));
    g.setPen(Trait(kVert, 1.8));
    g.drawLine(QPointF(8.5, 12.5), QPointF(14.5, 12.5));
    g.drawPolyline(QPolygonF({QPointF(12, 10), QPointF(14.8, 12.5), QPointF(12, 15)}));
}

void Arobase(QPainter& g) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    g.setFont(f);
    g.setPen(kBleu);
    g.drawText(QRectF(0, -1, 16, 17), Qt::AlignCenter, QStringLiteral("@"));
}

void Etoile(QPainter& g, QColor couleur) {
    QPolygonF etoile;
    for (int i = 0; i < 10; ++i) {
        const double a = i * 3.14159265358979 / 5, r = i % 2 ? 3.2 : 7.2;
        etoile << QPointF(8 + r * std::sin(a), 8.6 - r * std::cos(a));
    }
    g.setPen(Trait(couleur.darker(150), 0.7));
    g.setBrush(couleur);
    g.drawPolygon(etoile);
}

void Personne(QPainter& g) {
    g.setPen(Qt::NoPen);
    g.setBrush(kGris);
    g.drawEllipse(QRectF(5, 1.5, 6, 6));
    QPainterPath corps;
    corps.moveTo(2, 15);
    corps.cubicTo(2, 8, 14, 8, 14, 15);
    corps.closeSubpath();
    g.drawPath(corps);
}

void PersonneCrayon(QPainter& g) {
    Personne(g);
    g.setPen(Trait(kOr.darker(120), 2.2));
    g.drawLine(QPointF(9, 14.5), QPointF(15, 8.5));
    g.setPen(Trait(kNoir, 1.2));
    g.drawLine(QPointF(8.6, 14.9), QPointF(9.4, 14.1));
}

QList<QPixmap> Peindre(int taille, const QList<Dessin>& dessins) {
    QList<QPixmap> images;
    for (const Dessin& d : dessins)
        images << Peindre(taille, d);
    return images;
}

} // namespace

namespace Pictogrammes {

ListeImages* CreerImageList1(QObject* parent) {
    return new ListeImages(
        16,
        Peindre(16, {Lecture, Coche, Avertissement, Alimentation, Calendrier, Plus, Moins, Question,
                     Cylindre, Outils, Engrenages, Enveloppe, Arobase, Plus, Moins}),
        parent);
}

ListeImages* CreerImageList24x24(QObject* parent) {
    return new ListeImages(
        24,
        Peindre(24, {Calendrier, Plus, Moins, [](QPainter& g) { Etoile(g, QColor(170, 170, 170)); },
                     [](QPainter& g) { Etoile(g, kOr); }}),
        parent);
}

ListeImages* CreerImageListTreeview(QObject* parent) {
    return new ListeImages(16, Peindre(16, {Personne, PersonneCrayon}), parent);
}

} // namespace Pictogrammes
