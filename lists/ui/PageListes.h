#pragma once
// The behaviour of the list catalogue and the list files of "Gestion d'adresses": the two list
// selectors, the load of a list into the list tree, the favourite mark, creating and deleting
// list files. It owns the loaded list (the list tree's model).
#include "lists/CollationListe.h"

#include <QScopeGuard>

class QKeyEvent;
class ListeAdresses;
class ModeleListe;
class TForm1;

class PageListes {
public:
    explicit PageListes(TForm1& f);
    void ChargeListe();
    void ComboBoxListe1Change();
    void ComboBoxListe2Change();
    void LMDLImageListe2Click();
    void EditNomNouvelleListeChange();
    // True when the key is consumed.
    bool EditNomNouvelleListeKeyPress(QKeyEvent* e);
    void SpeedButCreerFichierClick();
    void SpeedButSupprimerListeClick();

    // Loads the list that ComboBoxListe2 shows into the list tree.
    void Charger();
    // Sorts every level of the loaded list; the selection stays on its item.
    void Trier();
    // The loaded list, in display order (what the campaign sends to).
    const ListeAdresses& Liste() const;
    ModeleListe& Modele() { return *modele_; }
    const CollationListe& Collation() const { return collation_; }

    // Set while a command walks the list with events processed in between (the duplicate
    // removal); the other list commands are then ignored.
    bool TraitementEnCours = false;
    // Marks the list busy until the returned guard goes.
    [[nodiscard]] auto Occuper() {
        TraitementEnCours = true;
        return qScopeGuard([this] { TraitementEnCours = false; });
    }

private:
    void ViderArbre();

    TForm1& f_;
    CollationListe collation_;
    ModeleListe* modele_;
};
