#pragma once
// The send campaign: from the confirmation to the last message, inside the click on
// "Envoyer". The network calls run on a worker while the window keeps handling its events.
#include "mail/SensTravail.h"
#include "sending/RegistreErreurs.h"
#include "sending/Travailleur.h"

#include <QStringList>
#include <atomic>
#include <memory>

class ClientSMTP;
class MessageCourriel;
class TForm1;

class Campagne {
public:
    explicit Campagne(TForm1& f);
    ~Campagne();

    void SpeedButEnvoyerClick();
    void SpeedButOuiClick();
    void SpeedButNonClick();
    void SpeedButFermerVisuEnvoisMailClick();
    void SpeedButStopperEnvoisClick();
    void TimerTpsConnectMaxTimer();
    // The client's progress, on the send worker: a confirmed stop closes the connection.
    void IdSMTP1Work(ClientSMTP& emetteur, SensTravail sens, qint64 total);

    // True from the press of "Envoyer" until the campaign has ended or was cancelled.
    bool EnCours() const { return enCours_; }

private:
    enum class Resultat { Good, Bad };

    // Processes the window's events, sleeping while none comes, until `fini` holds.
    template <class Condition> void Attendre(Condition fini);
    bool Confirmer();
    bool Preparer();
    bool Connecter();
    void Envoyer();
    void Terminer();
    // Keeps the fingerprint of a certificate the client trusted on its first use.
    void EpinglerCertificat();
    // After a stop or a close: the send under way may end by itself for a moment, then its
    // connection is closed, so that nothing of the campaign is released while in use.
    void LaisserFinirEnvoi(int delaiMs);
    // The campaign ends early: the reason in red, the busy picture stopped.
    void MontrerArret(const QString& motif);

    // How long a stop waits for the reply to an end-of-data line that has already left.
    static constexpr int kAttenteReponseFinMs = 30000;

    TForm1& f_;
    ClientSMTP& client_;
    bool enCours_ = false;
    Travailleur travailleur_;
    std::atomic<Resultat> ResultatConnexion{Resultat::Good};
    RegistreErreurs registre_;
    std::unique_ptr<MessageCourriel> MessageEnvoi;
    QStringList page_;
    QString AdresseEnCours;
    // Written by the worker, read once it has ended: why the session cannot go on (login
    // refused, certificate changed); empty while it can.
    QString MotifArret;
};
