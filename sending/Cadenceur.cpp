#include "sending/Cadenceur.h"

#include <algorithm>

namespace {
// The slowest pace learnt: a server that refuses everything is still asked now and then.
constexpr double kAllureMinimale = 0.5;
// One message every ten seconds, when the first reply already defers.
constexpr double kAllureSansMesure = 6;
// The span over which a rate seen is measured is at least this: a burst of a few messages in
// a few milliseconds says little of the server's rate.
constexpr qint64 kDureeMinimale = 1000;
} // namespace

Cadenceur::Cadenceur(Limites limites) : limites_(limites), allure_(limites.parMinute) {}

void Cadenceur::AjouterHistorique(qint64 date) {
    departs_.insert(std::upper_bound(departs_.begin(), departs_.end(), date), date);
}

void Cadenceur::ReprendreAllure(double allure) {
    if (allure <= 0)
        return;
    allure_ = limites_.parMinute > 0 ? std::min(allure, double(limites_.parMinute)) : allure;
    base_ = allure_;
}

qint64 Cadenceur::HorsFenetre(qint64 t, qint64 duree, int limite) const {
    if (limite <= 0)
        return t;
    // The starts inside (t - duree, t].
    const auto debut = std::upper_bound(departs_.begin(), departs_.end(), t - duree);
    const auto fin = std::upper_bound(departs_.begin(), departs_.end(), t);
    const auto n = std::distance(debut, fin);
    if (n < limite)
        return t;
    // Once the oldest of those that are too many has left the window.
    return *(debut + (n - limite)) + duree;
}

void Cadenceur::Oublier(qint64 maintenant) {
    while (!departs_.empty() && departs_.front() <= maintenant - kJour)
        departs_.pop_front();
    while (!acceptes_.empty() && acceptes_.front() <= maintenant - kMinute)
        acceptes_.pop_front();
}

Cadenceur::Depart Cadenceur::Reserver(qint64 maintenant) {
    Oublier(maintenant);
    qint64 t = std::max({maintenant, prochain_, suspendu_});
    bool quota = suspendu_ > maintenant;
    for (;;) {
        const qint64 u =
            HorsFenetre(HorsFenetre(t, kHeure, limites_.parHeure), kJour, limites_.parJour);
        if (u == t)
            break;
        t = u;
        quota = true;
    }
    if (allure_ > 0)
        prochain_ = t + qint64(kMinute / allure_);
    departs_.insert(std::upper_bound(departs_.begin(), departs_.end(), t), t);
    return {t, quota};
}

void Cadenceur::Rendre(qint64 depart) {
    const auto it = std::lower_bound(departs_.begin(), departs_.end(), depart);
    if (it != departs_.end() && *it == depart)
        departs_.erase(it);
}

void Cadenceur::Accepte(qint64 maintenant) {
    Oublier(maintenant);
    acceptes_.push_back(maintenant);
    if (allure_ <= 0 || base_ <= 0)
        return;
    allure_ += std::max(1.0, base_ / 10);
    if (limites_.parMinute > 0)
        allure_ = std::min(allure_, double(limites_.parMinute));
}

bool Cadenceur::Ralentir(qint64 maintenant, qint64 depart) {
    if (depart < derniereBaisse_)
        return false;
    Oublier(maintenant);
    double vue = 0;
    if (!acceptes_.empty())
        vue = double(acceptes_.size()) * kMinute /
              double(std::max(kDureeMinimale, maintenant - acceptes_.front()));
    const double avant = allure_ > 0 ? allure_ : vue;
    if (avant <= 0)
        // Refused before any acceptance: nothing tells the server's rate yet.
        allure_ = kAllureSansMesure;
    else
        allure_ = std::max(kAllureMinimale, vue > 0 ? std::min(avant / 2, vue) : avant / 2);
    base_ = allure_;
    derniereBaisse_ = maintenant;
    prochain_ = std::max(prochain_, maintenant + qint64(kMinute / allure_));
    return true;
}

void Cadenceur::Suspendre(qint64 jusqua) {
    suspendu_ = std::max(suspendu_, jusqua);
}
