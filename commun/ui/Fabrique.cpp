#include "commun/ui/Fabrique.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Fabrique {

QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l,
                  int h) {
    auto* e = Creer<QLabel>(parent, nom, x, y, l < 0 ? 10 : l, h);
    e->setText(texte);
    if (l < 0)
        e->resize(e->sizeHint().width(), h);
    return e;
}

QLabel* Bandeau(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l,
                int h) {
    auto* e = Etiquette(parent, nom, texte, x, y, l, h);
    Couleurs(e, Qt::white, Qt::black);
    return e;
}

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l,
                    int h, bool actif) {
    auto* b = Creer<QPushButton>(parent, nom, x, y, l, h);
    b->setText(texte);
    b->setEnabled(actif);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QLineEdit* Champ(QWidget* parent, const char* nom, int x, int y, int l, int h, bool actif) {
    auto* c = Creer<QLineEdit>(parent, nom, x, y, l, h);
    Couleurs(c, QColor(0, 0, 128));
    c->setEnabled(actif);
    return c;
}

QCheckBox* Case(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l,
                int h) {
    auto* c = Creer<QCheckBox>(parent, nom, x, y, l, h);
    c->setText(texte);
    return c;
}

QComboBox* Liste(QWidget* parent, const char* nom, int x, int y, int l, int h) {
    auto* c = Creer<QComboBox>(parent, nom, x, y, l, h);
    c->setEditable(false);
    return c;
}

QFrame* Panneau(QWidget* parent, const char* nom, int x, int y, int l, int h) {
    auto* p = Creer<QFrame>(parent, nom, x, y, l, h);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setAutoFillBackground(true);
    return p;
}

void Couleurs(QWidget* w, QColor texte, QColor fond) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, texte);
    p.setColor(QPalette::Text, texte);
    if (fond.isValid()) {
        p.setColor(QPalette::Window, fond);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

void Police(QWidget* w, const QString& famille, int points, bool gras) {
    QFont f(famille, points);
    f.setBold(gras);
    w->setFont(f);
    // A label sized to its text grows with its new face.
    if (auto* l = qobject_cast<QLabel*>(w);
        l && !l->wordWrap() && l->sizeHint().width() > l->width())
        l->resize(l->sizeHint().width(), l->height());
}

} // namespace Fabrique
