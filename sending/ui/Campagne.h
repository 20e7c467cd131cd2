#pragma once
// The send campaign as the window shows it: the confirmation, the progress overlay, the status
// line and the error tab, inside the click on "Envoyer". The campaign itself (connection,
// waits, limits, stop, the walk over the list) is the engine's; this class turns the user's
// clicks into requests to it and its events into what the user sees.
#include "sending/EcouteurCampagne.h"
#include "sending/MoteurCampagne.h"

class TForm1;

class Campagne : private EcouteurCampagne {
public:
    explicit Campagne(TForm1& f);

    void SpeedButEnvoyerClick();
    void SpeedButOuiClick();
    void SpeedButNonClick();
    void SpeedButFermerVisuEnvoisMailClick();
    void SpeedButStopperEnvoisClick();

    // True from the press of "Envoyer" until the campaign has ended or was cancelled.
    bool EnCours() const { return enCours_; }
    // The connection limit and the waits after a stop (tests shorten them); the back-offs come
    // from the settings at each campaign.
    MoteurCampagne::Limites& Limites() { return moteur_.LimitesEnVigueur(); }

private:
    bool Confirmer();
    // The overlay shown, the client configured, the message built; false (after the error
    // box) when the saved settings cannot make a campaign.
    bool Preparer(std::unique_ptr<MessageCourriel>& message);
    // The campaign ends early: the reason in red, the busy picture stopped.
    void MontrerArret(const QString& motif);

    void Connexion() override;
    void Connecte() override;
    void EmpreinteAEpingler(const QString& hote, quint16 port, const QString& empreinte) override;
    void DebutEnvois(int nombre) override;
    void ArretEnCours(int numero, int nombre) override;
    void Resultat(const ResultatEnvoi& resultat) override;
    void AttenteReprise(int enAttente, std::chrono::milliseconds prochainEssai) override;
    void Progression(int envoyes, int nombre) override;
    void ErreurEnvoi(const QString& message, const QString& adresse) override;
    void ErreurDeconnexion(const std::exception& e) override;
    void Fin(FinCampagne fin, const QString& motif) override;

    TForm1& f_;
    MoteurCampagne moteur_;
    bool enCours_ = false;
    // The connection succeeded: the campaign's end is shown as a sending's end.
    bool connecte_ = false;
};
