#include "sending/Disjoncteur.h"

#include <algorithm>

bool Disjoncteur::Refus(int indice, const ResultatEnvoi& r, std::vector<Membre>& sortis) {
    sortis.clear();
    const QString signature = QStringLiteral("%1 %2").arg(r.code).arg(r.codeEtendu);
    if (signature != signature_) {
        sortis = Rompre();
        signature_ = signature;
    }
    const auto meme = std::find_if(serie_.begin(), serie_.end(),
                                   [&](const Membre& m) { return m.indice == indice; });
    // A new try of an address already in the run is not another address.
    if (meme != serie_.end())
        meme->resultat = r;
    else
        serie_.push_back({indice, r});
    if (int(serie_.size()) < kSeuil)
        return false;
    sortis = Rompre();
    return true;
}

std::vector<Disjoncteur::Membre> Disjoncteur::Rompre() {
    signature_.clear();
    return std::exchange(serie_, {});
}
