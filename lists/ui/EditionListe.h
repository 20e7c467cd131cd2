#pragma once
// The behaviour of the editing and saving of the loaded list: add, rename and delete an
// address, remove the doubles, cancel, and save after checking every address.
class Gestionnaires;
class LigneStatut;
class ListeChargee;
class QKeyEvent;
class RechargeListe;
struct ControlesListes;
struct Reglages;

#include <QString>

class EditionListe {
public:
    // The save writes the favourite mark into `reglages` and the settings file of
    // `fichierReglages`, and the list file into `repertoire`.
    EditionListe(ControlesListes& c, ListeChargee& liste, RechargeListe& rechargement,
                 Gestionnaires& gestionnaires, LigneStatut& statut, Reglages& reglages,
                 const QString& fichierReglages, const QString& repertoire);
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
    void ActiverEnregistrement(bool actif);
    // Save's refusal: the offender is selected, shown and named in red.
    void Refuser(int position, const QString& message);

    ControlesListes& c_;
    ListeChargee& liste_;
    RechargeListe& rechargement_;
    LigneStatut& statut_;
    Reglages& reglages_;
    QString fichierReglages_;
    QString repertoire_;
};
