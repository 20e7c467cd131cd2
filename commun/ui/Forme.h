#pragma once
// A shape drawn as an outline, solid or dotted: the readiness bars and the tools' frame.
#include <QColor>
#include <QWidget>

class Forme : public QWidget {
    Q_OBJECT
public:
    explicit Forme(QWidget* parent, QColor couleur = QColor(0, 0, 0));
    bool Pointille() const { return pointille_; }
    void DefinirPointille(bool pointille);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor couleur_;
    bool pointille_ = false;
};
