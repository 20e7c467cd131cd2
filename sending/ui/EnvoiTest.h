#pragma once
// "Envoyer un test": the campaign's exact message, sent to the sender's own address only,
// through the saved settings, by an engine and a client of its own, so that nothing of the
// campaign (its client, its errors, its state) is touched. The status line says whether the
// server accepted it, with the server's reply when it did not.
#include "mail/ClientSMTP.h"
#include "sending/EcouteurCampagne.h"
#include "sending/MoteurCampagne.h"

class TForm1;

class EnvoiTest : private EcouteurCampagne {
public:
    explicit EnvoiTest(TForm1& f);

    void SpeedButEnvoyerTestClick();
    bool EnCours() const { return enCours_; }

private:
    void Resultat(const ResultatEnvoi& resultat) override;
    void Fin(FinCampagne fin, const QString& motif) override;

    TForm1& f_;
    ClientSMTP client_;
    // After the client: it ends its worker before the client goes.
    MoteurCampagne moteur_;
    bool enCours_ = false;
    // Why the test did not go, or empty.
    QString erreur_;
};
