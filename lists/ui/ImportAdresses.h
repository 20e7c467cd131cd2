#pragma once
// The behaviour of the import of addresses from another program's file: the panel, the scan
// of the file into a sorted preview, and the import of the preview into the loaded list.
#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class ListeChargee;
class ModeleListe;
class QIcon;
struct ControlesListes;

class ImportAdresses {
public:
    // The preview shows its items with `dossier` and `adresse`; the file dialog opens in
    // `repertoire`; `fermeture` is set when the window closes: a running scan stops then.
    ImportAdresses(ControlesListes& c, ListeChargee& liste, Gestionnaires& gestionnaires,
                   LigneStatut& statut, Dialogues& dialogues, const QIcon& dossier,
                   const QIcon& adresse, const QString& repertoire, const bool& fermeture);
    void SpeedButImporterMailClick();
    void SpeedButCheminImportClick();
    void ComboBoxTypeImportChange();
    void SpeedButImporterListeMailClick();
    void SpeedButFermerImportMailClick();

    const ModeleListe& Apercu() const { return *apercu_; }

private:
    void AfficherCompte(int nombre);

    ControlesListes& c_;
    ListeChargee& liste_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    QString repertoire_;
    const bool& fermeture_;
    ModeleListe* apercu_;
    bool enCours_ = false;
};
