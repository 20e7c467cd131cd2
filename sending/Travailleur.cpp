#include "sending/Travailleur.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

Travailleur::~Travailleur() {
    if (fil_.joinable())
        fil_.join();
}

void Travailleur::Lancer(std::function<void()> travail) {
    AttendreFin();
    // Set before the thread starts, so that a worker ending at once is never missed.
    enCours_.store(true, std::memory_order_release);
    fil_ = std::thread([this, travail = std::move(travail)] {
        try {
            travail();
        } catch (...) {
        }
        enCours_.store(false, std::memory_order_release);
        if (auto* app = QCoreApplication::instance())
            if (auto* d = QAbstractEventDispatcher::instance(app->thread()))
                d->wakeUp();
    });
}

void Travailleur::AttendreFin() {
    while (EnCours())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (fil_.joinable())
        fil_.join();
}
