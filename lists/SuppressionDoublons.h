#pragma once
// Removes the doubles of a sorted list in one pass: each item is compared with the item kept
// just before it, and the later items of a run of equal texts go, with their descendants.
// The walk goes one item at a time so that the window can process its events in between.
#include "lists/ListeAdresses.h"

class SuppressionDoublons {
public:
    explicit SuppressionDoublons(ListeAdresses& liste) : liste_(liste) {}

    bool Fini() const { return position_ >= liste_.Nombre(); }
    // Examines the item at Position(); true when it was a double and has been removed.
    bool Etape();
    // The next item to examine.
    int Position() const { return position_; }
    int Supprimees() const { return supprimees_; }
    // True right after every 51st removal: the view should show the item now reached.
    bool SuivreVue() const { return suivreVue_; }

private:
    ListeAdresses& liste_;
    int position_ = 0;
    int supprimees_ = 0;
    int depuisVue_ = 0;
    bool suivreVue_ = false;
};
