#pragma once
// "Envoyer un test": the campaign's exact message, sent to the sender's own address only,
// through the saved settings, by an engine and a client of its own, so that nothing of the
// campaign (its client, its errors, its state) is touched. The status line says whether the
// server accepted it, with the server's reply when it did not.
#include "mail/ClientSMTP.h"
#include "sending/EcouteurCampagne.h"
#include "sending/MoteurCampagne.h"
#include "sending/ui/ServicesEnvoi.h"

class Campagne;
struct ControlesEnvois;

class EnvoiTest : private EcouteurCampagne {
public:
    // `campagne` is asked whether a campaign runs: a test never goes beside one.
    EnvoiTest(ControlesEnvois& c, const Campagne& campagne, const ServicesEnvoi& services);

    void SpeedButEnvoyerTestClick();
    bool EnCours() const { return enCours_; }

private:
    void Resultat(const ResultatEnvoi& resultat) override;
    void Fin(FinCampagne fin, const QString& motif) override;

    ControlesEnvois& c_;
    const Campagne& campagne_;
    ServicesEnvoi s_;
    ClientSMTP client_;
    // After the client: it ends its worker before the client goes.
    MoteurCampagne moteur_;
    bool enCours_ = false;
    // Why the test did not go, or empty.
    QString erreur_;
};
