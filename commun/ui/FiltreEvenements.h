#pragma once
// Calls a function for one kind of event of one widget (key presses, clicks, double clicks),
// for the handlers that plain signals do not give. The function returns true to swallow it.
#include <QEvent>
#include <QObject>
#include <functional>

class QKeyEvent;

// Return or the keypad's Enter.
bool EstToucheEntree(const QKeyEvent* e);

class FiltreEvenements : public QObject {
public:
    static void Installer(QObject* cible, QEvent::Type type, std::function<bool(QEvent*)> action);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    FiltreEvenements(QObject* cible, QEvent::Type type, std::function<bool(QEvent*)> action);
    QEvent::Type type_;
    std::function<bool(QEvent*)> action_;
};
