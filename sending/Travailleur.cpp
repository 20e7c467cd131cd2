#include "sending/Travailleur.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

Travailleur::~Travailleur() {
    Arreter();
}

void Travailleur::Arreter() {
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        arret_ = true;
    }
    reveil_.notify_one();
    if (fil_.joinable())
        fil_.join();
}

void Travailleur::Lancer(std::function<void()> travail) {
    AttendreFin();
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        travail_ = std::move(travail);
        // Set before the worker may run, so that a piece ending at once is never missed.
        enCours_.store(true, std::memory_order_release);
    }
    if (!fil_.joinable())
        fil_ = std::thread(&Travailleur::Boucle, this);
    reveil_.notify_one();
}

void Travailleur::Boucle() {
    for (;;) {
        std::function<void()> travail;
        {
            std::unique_lock<std::mutex> verrou(verrou_);
            reveil_.wait(verrou, [this] { return travail_ || arret_; });
            if (!travail_)
                return;
            travail = std::exchange(travail_, nullptr);
        }
        try {
            travail();
        } catch (...) {
        }
        enCours_.store(false, std::memory_order_release);
        if (auto* app = QCoreApplication::instance())
            if (auto* d = QAbstractEventDispatcher::instance(app->thread()))
                d->wakeUp();
    }
}

void Travailleur::AttendreFin() {
    // The worker's last events must reach the thread that waits; it sleeps until they come.
    while (EnCours())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
