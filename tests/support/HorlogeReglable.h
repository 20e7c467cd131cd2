#pragma once
// The system's clock, moved forward by hand: a day of a campaign passes at once.
#include "sending/Horloge.h"

#include <atomic>

class HorlogeReglable : public Horloge {
public:
    Instant Maintenant() const override { return Horloge::Maintenant() + avance_.load(); }
    void Avancer(std::chrono::milliseconds duree) { avance_ = avance_.load() + duree; }

private:
    std::atomic<std::chrono::milliseconds> avance_{};
};
