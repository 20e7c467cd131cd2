#pragma once
// The behaviour of the editing and saving of the loaded list.

class QKeyEvent;
class TForm1;

class EditionListe {
public:
    explicit EditionListe(TForm1& f);
    void TreeViewListingListeClick();
    // True when the key is consumed.
    bool TreeViewListingListeKeyDown(QKeyEvent* e);
    void SpeedButSupDoublonClick();
    // True when the key is consumed.
    bool EditAjoutAdresseKeyPress(QKeyEvent* e);
    void SpeedButAjouterAdresseClick();
    void SpeedButRenommerAdresseClick();
    void SpeedButSupprimerAdresseClick();
    void SpeedButAnnuleModifGestionAdresseClick();
    void SpeedButSaveGestionAdresseClick();

private:
    TForm1& f_;
};
