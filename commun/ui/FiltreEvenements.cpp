#include "commun/ui/FiltreEvenements.h"

#include <QKeyEvent>

bool EstToucheEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

void FiltreEvenements::Installer(QObject* cible, QEvent::Type type,
                                 std::function<bool(QEvent*)> action) {
    cible->installEventFilter(new FiltreEvenements(cible, type, std::move(action)));
}

FiltreEvenements::FiltreEvenements(QObject* cible, QEvent::Type type,
                                   std::function<bool(QEvent*)> action)
    : QObject(cible), type_(type), action_(std::move(action)) {}

bool FiltreEvenements::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == type_ && action_(e))
        return true;
    return QObject::eventFilter(objet, e);
}
