#pragma once
// The behaviour of the editing and saving of the loaded list: add, rename and delete an
// address, remove the doubles, cancel, and save after checking every address.
class QKeyEvent;
class QModelIndex;
class QString;
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

    // Position of the selected item of the list tree, -1 when none.
    int PositionSelectionnee() const;
    // Selects the item (the tree scrolls it into view).
    void Selectionner(int position);

private:
    void Selectionner(const QModelIndex& index);
    void ActiverEnregistrement(bool actif);
    // Save's refusal: the offender is selected, shown and named in red.
    void Refuser(int position, const QString& message);

    TForm1& f_;
};
