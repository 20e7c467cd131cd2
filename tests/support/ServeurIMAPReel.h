#pragma once
// A real Dovecot for one test: IMAP with STARTTLS on one free port of 127.0.0.1, IMAP with TLS
// from the first byte on another, one user ("club@example.org" / "secret-Passe9"), serving a
// Maildir (its own, or the one a PostfixReel delivers into). Runs as root only: Dovecot needs
// it to start its processes as other users.
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"

#include <memory>

class ServeurIMAPReel {
public:
    struct Options {
        // A certificate of CertificatsDeTest.
        const char* certificat = "auto1";
        // The Maildir served; empty: one of the server's own (Maildir()).
        QString maildir = {};
        QString motDePasse = QStringLiteral("secret-Passe9");
    };
    explicit ServeurIMAPReel(Options options);
    ~ServeurIMAPReel();
    ServeurIMAPReel(const ServeurIMAPReel&) = delete;
    ServeurIMAPReel& operator=(const ServeurIMAPReel&) = delete;

    static bool Possible();
    static QString Utilisateur() { return QStringLiteral("club@example.org"); }

    quint16 PortStarttls() const { return portStarttls_; }
    quint16 PortTls() const { return portTls_; }
    const QString& Maildir() const { return maildir_; }
    // Puts a message in the Maildir as a new one.
    void Deposer(const QByteArray& message);
    // The names of the Maildir's files (new and cur): their flags after ":2,".
    QStringList Fichiers() const;

private:
    RepertoireTemporaire dossier_;
    QString maildir_;
    quint16 portStarttls_ = 0;
    quint16 portTls_ = 0;
    int deposes_ = 0;
    std::unique_ptr<ProcessusEnfant> processus_;
};
