#pragma once
// The behaviour of the list catalogue and the list files of "Gestion d'adresses": the two list
// selectors, the load of a list into the list tree, the favourite mark, creating and deleting
// list files.
#include "lists/ui/ChoixListeEnvoi.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/RechargeListe.h"

#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class QKeyEvent;
struct ControlesEnvois;
struct ControlesListes;
struct Reglages;

class PageListes final : public RechargeListe, public ChoixListeEnvoi {
public:
    // `envois` lends the list selector of "Envois Mail" and its count, kept in step with
    // this page's; `reglages` gives the favourite list; `repertoire` holds the list files.
    PageListes(ControlesListes& c, ControlesEnvois& envois, ListeChargee& liste,
               Gestionnaires& gestionnaires, LigneStatut& statut, Dialogues& dialogues,
               const Reglages& reglages, const QString& repertoire);
    void ChargeListe();
    void ComboBoxListe1Change();
    void ComboBoxListe2Change();
    void LMDLImageListe2Click();
    void EditNomNouvelleListeChange();
    // True when the key is consumed.
    bool EditNomNouvelleListeKeyPress(QKeyEvent* e);
    void SpeedButCreerFichierClick();
    void SpeedButSupprimerListeClick();

    // Loads the list that ComboBoxListe2 shows into the list tree; the status line tells the
    // count unless `annoncer` is false (after a save, whose message stays).
    void Charger(bool annoncer) override;
    void ChoisirPourEnvoi(const QString& nom) override;

private:
    QString Chemin(const QString& nom) const;

    ControlesListes& c_;
    ControlesEnvois& envois_;
    ListeChargee& liste_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    const Reglages& reglages_;
    QString repertoire_;
};
