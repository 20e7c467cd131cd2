#pragma once
// The aiosmtpd server of tests/donnees/mail/serveur_smtp.py (or another Python peer there), run
// with /usr/bin/python3 for one test: AUTH LOGIN or PLAIN as "jean" / "secret", messages stored
// in a temporary directory, STARTTLS (or TLS from the first byte) when a certificate is given,
// and an optional relay port that captures what the client sends.
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QJsonObject>
#include <QStringList>
#include <memory>

class ServeurSMTPReel {
public:
    struct Options {
        bool starttls = false;
        bool capture = false;
        // Another peer of tests/donnees/mail, with its "--mode" (pair_tls.py).
        const char* script = "serveur_smtp.py";
        const char* mode = nullptr;
        // Recipients the server refuses with 550.
        QStringList refuser = {};
        // Refuse every recipient after a greeting name that is no domain nor address literal.
        bool verifierHelo = false;
        // "adresse=N": that recipient is answered 450 its first N times.
        QStringList temporaires = {};
        // Messages per connection before the next MAIL is answered 421 and the connection
        // closed; 0: no limit.
        int parConnexion = 0;
        // Seconds the reply to each end of data is held (the message is already kept).
        double retenue = 0;
        // Messages a second before MAIL is answered 450 4.7.1 (a token bucket); 0: no limit.
        double debit = 0;
        // Messages delivered before MAIL is answered 550 5.4.5, until RemettreQuota(); 0: none.
        int quota = 0;
        // The reply to every end of data instead of 250 (nothing is kept).
        QString refusDonnees = {};
        // A certificate and its key (files) instead of the one made for the server.
        QString certificat = {};
        QString cle = {};
        // TLS from the first byte (with a certificate) instead of STARTTLS.
        bool implicite = false;
        // The AUTH mechanisms offered ("LOGIN PLAIN" when empty, "-" for none).
        QString mecanismes = {};
        QString motDePasse = QStringLiteral("secret");
        // 0: a free port.
        quint16 port = 0;
        // Announce SMTPUTF8 and take UTF-8 addresses.
        bool smtputf8 = false;
    };
    explicit ServeurSMTPReel(Options options);
    ~ServeurSMTPReel();
    ServeurSMTPReel(const ServeurSMTPReel&) = delete;
    ServeurSMTPReel& operator=(const ServeurSMTPReel&) = delete;

    // The file of tests/donnees/mail named `nom`.
    static QString Script(const char* nom);

    quint16 Port() const { return port_; }
    // The relay's port (with capture only): connect there to have the traffic captured.
    quint16 PortRelais() const { return portRelais_; }
    int NombreMessages() const;
    // A new day for the quota.
    void RemettreQuota() const;
    // Message n (from 1) as Python's email package reads it, and its envelope.
    // With `utf8`, the message travelled with SMTPUTF8 and is read as RFC 6532 says.
    QJsonObject Message(int n, bool utf8 = false) const;
    QJsonObject Enveloppe(int n) const;
    // Message n as the server received it, dot-stuffing undone.
    QByteArray Brut(int n) const;
    QByteArray Capture() const;
    // One line per AUTH attempt: the mechanism, then "ok" or "refus".
    QStringList JournalAuth() const;
    // The name each TLS client sent in its handshake, "-" for none.
    QStringList NomsTLS() const;

private:
    QStringList LignesFichier(const QString& nom) const;

    RepertoireTemporaire dossier_;
    std::unique_ptr<ProcessusEnfant> processus_;
    quint16 port_ = 0;
    quint16 portRelais_ = 0;
};
