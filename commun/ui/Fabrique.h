#pragma once
// Small makers of the window's controls: each control gets its name (also its objectName),
// its parent and its place in the window's 96-dpi design.
#include <QColor>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Fabrique {

template <class W> W* Creer(QWidget* parent, const char* nom, int x, int y, int l, int h) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(nom));
    w->setGeometry(x, y, l, h);
    return w;
}

// A label; with a width of -1 it takes the width of its text.
QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l = -1,
                  int h = 13);
// White text on a black band.
QLabel* Bandeau(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l, int h);
QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l,
                    int h, bool actif = true);
// Typed text shows in navy.
QLineEdit* Champ(QWidget* parent, const char* nom, int x, int y, int l, int h, bool actif = true);
QCheckBox* Case(QWidget* parent, const char* nom, const QString& texte, int x, int y, int l, int h);
QComboBox* Liste(QWidget* parent, const char* nom, int x, int y, int l, int h);
QFrame* Panneau(QWidget* parent, const char* nom, int x, int y, int l, int h);
void Couleurs(QWidget* w, QColor texte, QColor fond = QColor());
void Police(QWidget* w, const QString& famille, int points, bool gras = false);

} // namespace Fabrique
