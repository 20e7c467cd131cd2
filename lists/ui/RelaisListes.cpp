#include "lists/ui/RelaisListes.h"

#include "lists/ui/EditionListe.h"
#include "lists/ui/PageListes.h"

void RelaisListes::Recharger(bool annoncer) {
    page_->Charger(annoncer);
}

void RelaisListes::RafraichirSelection() {
    edition_->TreeViewListingListeClick();
}
