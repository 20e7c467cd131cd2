#pragma once
// What is left of a campaign's list: the items to try now, in the list's order, and those
// deferred until a date for a new try, each with the tries it has used. Not synchronised: the
// engine keeps it under its lock.
#include "sending/Horloge.h"
#include "sending/ResultatEnvoi.h"

#include <chrono>
#include <deque>
#include <vector>

class PlanAdresses {
public:
    struct Attente {
        int indice;
        Horloge::Instant echeance;
        // The outcome of its last try, told as final if the campaign ends first.
        ResultatEnvoi dernier;
    };

    // Every item of a list of `nombre` to try, in order; `reprises` the waits before each new
    // try of an item whose outcome was temporary.
    PlanAdresses(int nombre, std::vector<std::chrono::milliseconds> reprises);

    bool RienAEssayer() const { return aFaire_.empty(); }
    // The next item to try; there is one.
    int Prendre();
    // An item taken and not tried, or tried with no fault of its own: first of the next ones.
    void Remettre(int indice);
    // An item whose outcome `r` was temporary waits its next back-off from `maintenant`; false
    // when it has no try left (its outcome is then final).
    bool Differer(int indice, const ResultatEnvoi& r, Horloge::Instant maintenant);
    // Every item due at `maintenant` goes to the items to try, in the list's order; false when
    // none is due.
    bool Echus(Horloge::Instant maintenant);

    const std::vector<Attente>& Attentes() const { return attentes_; }
    // The nearest date of a new try; some item waits.
    Horloge::Instant ProchaineEcheance() const;

private:
    const std::vector<std::chrono::milliseconds> reprises_;
    std::deque<int> aFaire_;
    std::vector<Attente> attentes_;
    std::vector<int> essais_;
};
