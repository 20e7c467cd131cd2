#pragma once
// Carries what one list page asks of another: the pages hold this relay, never each other.
#include "lists/ui/ActesListe.h"

class EditionListe;
class PageListes;

class RelaisListes final : public ActesListe {
public:
    // The pages are made after the relay they are given: they are set once made.
    void Relier(PageListes& page, EditionListe& edition) {
        page_ = &page;
        edition_ = &edition;
    }
    void Recharger(bool annoncer) override;
    void RafraichirSelection() override;

private:
    PageListes* page_ = nullptr;
    EditionListe* edition_ = nullptr;
};
