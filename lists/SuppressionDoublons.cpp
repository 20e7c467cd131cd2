#include "lists/SuppressionDoublons.h"

bool SuppressionDoublons::Etape() {
    suivreVue_ = false;
    // The items before the position are the kept ones: the previous text is the last of them.
    if (position_ == 0 || liste_.Texte(position_) != liste_.Texte(position_ - 1)) {
        ++position_;
        return false;
    }
    liste_.Supprimer(position_);
    ++supprimees_;
    if (++depuisVue_ > 50) {
        depuisVue_ = 0;
        suivreVue_ = true;
    }
    return true;
}
