#pragma once
// "Envoyer un test": the campaign's exact message, sent to the sender's own address only,
// through the saved settings, on a client and a worker of its own, so that nothing of the
// campaign (its client, its errors, its state) is touched. The status line says whether the
// server accepted it, with the server's reply when it did not.
#include "mail/ClientSMTP.h"
#include "sending/Travailleur.h"

class TForm1;

class EnvoiTest {
public:
    explicit EnvoiTest(TForm1& f);
    ~EnvoiTest();

    void SpeedButEnvoyerTestClick();
    bool EnCours() const { return enCours_; }

private:
    // Runs on the worker; the error's text, or empty when the server accepted the message.
    QString Envoyer(MessageCourriel& message);

    TForm1& f_;
    ClientSMTP client_;
    Travailleur travailleur_;
    bool enCours_ = false;
    std::atomic<bool> connecte_{false};
};
