#pragma once
// The "Paramètres" page: the SMTP settings read at start-up, edited, saved or restored.
#include "app/FichierReglages.h"
#include "app/OperationTrousseau.h"
#include "commun/ui/ParametresSaisis.h"

#include <QString>
#include <functional>
#include <memory>

class Gestionnaires;
class LigneStatut;
class QLineEdit;
class QTabWidget;
class QWidget;
struct ControlesParametres;
struct Reglages;

// The fields of "Envois Mail" that start-up fills from the settings.
struct ChampsDemarrage {
    QLineEdit* EditFichierACharger = nullptr;
    QLineEdit* EditSujetMessage = nullptr;
};

class PageParametres final : public ParametresSaisis {
public:
    // `actifs` are the window's active settings, read and saved here into the file at
    // `cheminParametres`; `envois` lends the fields of "Envois Mail" that start-up fills;
    // `onglets` and `page` show the pinned certificate again whenever this page comes up.
    PageParametres(ControlesParametres& c, ChampsDemarrage envois, Gestionnaires& gestionnaires,
                   LigneStatut& statut, Reglages& actifs, QString cheminParametres,
                   QTabWidget& onglets, QWidget& page);
    // Reads every setting of the file into the active values and the page's fields, and
    // records the running version when it differs from the one of the previous start.
    void LireDemarrage();
    void EditSMTPServeurChange();
    void CheckBoxTLSClick();
    void CheckBoxChargeHtmlAutoClick();
    void SpeedButEnrServeurClick();
    void SpeedButAnnulerServeurClick();
    void SpeedButOublierEmpreinteClick();
    // Shows the fingerprint pinned for the saved server and port.
    void AfficherEmpreinte();
    bool ParametresRemplis() const override;

    // True while the desktop's keyring is being waited for (its answer, or its own question to
    // the user): "Enregistrer" stays disabled meanwhile.
    bool AttendTrousseau() const { return operation_ != nullptr; }

private:
    void Modifie();
    // Waits for `operation` without holding the window; `suite` runs on its answer, through
    // the handler runner.
    void Attendre(std::unique_ptr<OperationTrousseau> operation,
                  std::function<void(OperationTrousseau&)> suite);
    void MotDePasseLu(OperationTrousseau& operation);
    void MotDePasseNonLu();
    void MotDePasseEcrit(OperationTrousseau& operation, const QString& entree);
    // The active settings into the page's fields and boxes.
    void MontrerActifs();
    FichierReglages Fichier() const { return FichierReglages(cheminParametres_); }
    ControlesParametres& c_;
    ChampsDemarrage envois_;
    Gestionnaires& gestionnaires_;
    LigneStatut& statut_;
    Reglages& actifs_;
    QString cheminParametres_;
    // The keyring did not give the password at start-up: an empty field is no new password.
    bool motDePasseNonLu_ = false;
    std::unique_ptr<OperationTrousseau> operation_;
    // The page was changed while the keyring was waited for.
    bool modifieEnAttente_ = false;
};
