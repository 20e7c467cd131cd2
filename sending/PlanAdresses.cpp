#include "sending/PlanAdresses.h"

#include <algorithm>

PlanAdresses::PlanAdresses(int nombre, std::vector<std::chrono::milliseconds> reprises)
    : reprises_(std::move(reprises)), essais_(nombre, 0) {
    for (int i = 0; i < nombre; ++i)
        aFaire_.push_back(i);
}

int PlanAdresses::Prendre() {
    const int i = aFaire_.front();
    aFaire_.pop_front();
    return i;
}

void PlanAdresses::Remettre(int indice) {
    aFaire_.push_front(indice);
}

bool PlanAdresses::Differer(int indice, const ResultatEnvoi& r, Horloge::Instant maintenant) {
    int& essais = essais_[indice];
    if (essais >= int(reprises_.size()))
        return false;
    attentes_.push_back({indice, maintenant + reprises_[essais], r});
    ++essais;
    return true;
}

bool PlanAdresses::Echus(Horloge::Instant maintenant) {
    std::vector<int> dus;
    std::erase_if(attentes_, [&](const Attente& a) {
        if (a.echeance > maintenant)
            return false;
        dus.push_back(a.indice);
        return true;
    });
    std::sort(dus.begin(), dus.end());
    aFaire_.insert(aFaire_.end(), dus.begin(), dus.end());
    return !dus.empty();
}

Horloge::Instant PlanAdresses::ProchaineEcheance() const {
    return std::min_element(
               attentes_.begin(), attentes_.end(),
               [](const Attente& a, const Attente& b) { return a.echeance < b.echeance; })
        ->echeance;
}
