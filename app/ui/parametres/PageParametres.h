#pragma once
// The "Paramètres" page: the SMTP settings read at start-up, edited, saved or restored.
#include "app/FichierReglages.h"
#include "app/OperationTrousseau.h"
#include "commun/ui/ParametresSaisis.h"

#include <QString>
#include <deque>
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
    bool AttendTrousseau() const { return operation_ != nullptr || !etapes_.empty(); }

    // The keyring's operations of the page and of its blocks, waited for one after the other
    // without holding the window: `demarrer` starts one once those before it have answered;
    // `suite` runs on its answer, through the handler runner.
    using DemarrageTrousseau = std::function<std::unique_ptr<OperationTrousseau>()>;
    void AttendreTrousseau(DemarrageTrousseau demarrer,
                           std::function<void(OperationTrousseau&)> suite);
    // A field changed by the user: the page can be saved or restored.
    void Modifie();
    // `champ` shows what the keyring gave: filled as read, not typed, so the page stays as it
    // was, changed or not.
    void RemplirDepuisTrousseau(QLineEdit& champ, const QString& motDePasse);
    // The status line once a save's password has found its place.
    void MontrerEnregistrement(FichierReglages::LieuMotDePasse lieu);
    void MontrerNonLu(const QString& quoi);

private:
    struct EtapeTrousseau {
        DemarrageTrousseau demarrer;
        std::function<void(OperationTrousseau&)> suite;
    };
    void EtapeSuivante();
    void MotDePasseLu(OperationTrousseau& operation);
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
    std::deque<EtapeTrousseau> etapes_;
    // The page was changed while the keyring was waited for.
    bool modifieEnAttente_ = false;
    // An answer's own work runs: what it queues starts after it.
    bool enReponse_ = false;
    // The program fills a field: no change of the user's.
    bool remplissage_ = false;
};
