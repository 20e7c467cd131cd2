#pragma once
// One mail provider as the built-in table knows it: its submission server and what it
// publishes about logins and sending limits.
#include <QString>
#include <QStringList>

enum class SecuriteServeur {
    Aucune,
    // STARTTLS after the greeting.
    STARTTLS,
    // TLS from the first byte (RFC 8314), on port 465.
    TLSImplicite,
};

enum class AuthentificationFournisseur {
    MotDePasse,
    // An application password made in the account's settings; the usual one is refused.
    MotDePasseApplication,
    // No password login for mail programs: only an OAuth2 authorisation.
    OAuth2,
    // Only through the provider's bridge program running on this computer.
    Passerelle,
};

struct Fournisseur {
    QString Nom;
    // The address domains it serves, in lower case.
    QStringList Domaines;
    // The endings of the reception (MX) hosts of the domains it hosts.
    QStringList HotesMX;
    QString Serveur;
    quint16 Port = 0;
    SecuriteServeur Securite = SecuriteServeur::Aucune;
    AuthentificationFournisseur Authentification = AuthentificationFournisseur::MotDePasse;
    // Published limits; 0 when none is published.
    int MessagesParHeure = 0;
    int MessagesParJour = 0;
};
