#include "sending/SynchroniseurFichier.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

SynchroniseurFichier::SynchroniseurFichier(int descripteur)
    : descripteur_(descripteur), fil_(&SynchroniseurFichier::Boucle, this) {}

SynchroniseurFichier::~SynchroniseurFichier() {
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        fin_ = true;
    }
    reveil_.notify_all();
    fil_.join();
}

void SynchroniseurFichier::Demander() {
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        ++demandes_;
    }
    reveil_.notify_all();
}

void SynchroniseurFichier::Attendre() {
    std::unique_lock<std::mutex> verrou(verrou_);
    reveil_.wait(verrou, [this] { return servies_ >= demandes_; });
}

int SynchroniseurFichier::PrendreErreur() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return std::exchange(erreur_, 0);
}

void SynchroniseurFichier::Boucle() {
    std::unique_lock<std::mutex> verrou(verrou_);
    for (;;) {
        reveil_.wait(verrou, [this] { return servies_ < demandes_ || fin_; });
        if (servies_ >= demandes_)
            return;
        // Every request made before the flush starts is served by it.
        const std::uint64_t cible = demandes_;
        verrou.unlock();
        const int code = ::fdatasync(descripteur_) == 0 ? 0 : errno;
        verrou.lock();
        if (code != 0 && erreur_ == 0)
            erreur_ = code;
        servies_ = cible;
        reveil_.notify_all();
    }
}
