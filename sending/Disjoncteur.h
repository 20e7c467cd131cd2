#pragma once
// The same refusal (same code and enhanced code) for three different addresses in a row, with
// no acceptance between them, is about the sender or the message, not about the addresses
// (a relay denied, a message refused as a whole). The refusals of a run that may be such are
// held, not final, until the run breaks (an acceptance, another refusal) or trips.
#include "sending/ResultatEnvoi.h"

#include <vector>

class Disjoncteur {
public:
    struct Membre {
        int indice;
        ResultatEnvoi resultat;
    };
    static constexpr int kSeuil = 3;

    // `indice` refused by `r`, a refusal that may be one of a run. True when it trips: `sortis`
    // then holds the whole run, this one included, and the run is over. Else `sortis` holds the
    // members of a run of another refusal that this one broke: their refusals are final.
    bool Refus(int indice, const ResultatEnvoi& r, std::vector<Membre>& sortis);
    // An acceptance breaks the run: its members are given back, their refusals final.
    std::vector<Membre> Rompre();

private:
    QString signature_;
    std::vector<Membre> serie_;
};
