#pragma once
// The behaviour of the list catalogue and the list files of "Gestion d'adresses": the two list
// selectors, the load of a list into the list tree, the favourite mark, creating and deleting
// list files.
#include "commun/ui/ChoixListeEnvoi.h"
#include "lists/ui/ListeChargee.h"
#include "lists/ui/RechargeListe.h"

#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class QComboBox;
class QKeyEvent;
class QLabel;
struct ControlesListes;
struct Reglages;

// The list selector of "Envois Mail" and its count, lent by that page: this one fills them
// and keeps them in step with its own selector.
struct SelecteurEnvoi {
    QComboBox* ComboBoxListe1 = nullptr;
    QLabel* LabTotalAdresse2 = nullptr;
};

class PageListes final : public RechargeListe, public ChoixListeEnvoi {
public:
    // `reglages` gives the favourite list; `repertoire` holds the list files.
    PageListes(ControlesListes& c, SelecteurEnvoi envois, ListeChargee& liste,
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
    SelecteurEnvoi envois_;
    ListeChargee& liste_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    const Reglages& reglages_;
    QString repertoire_;
};
