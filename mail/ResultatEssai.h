#pragma once
// What a connection test found: the step that failed, in the user's words with the server's,
// or what the server offers.
#include <QString>

struct ResultatEssai {
    enum class Echec {
        // It worked: the campaign will connect.
        Aucun,
        // The server's name is not in the DNS.
        Nom,
        // Nothing listens on that port, or the network refused the connection.
        Connexion,
        // The server stayed silent past the step's time limit.
        Delai,
        // The server refused the greeting or EHLO.
        Accueil,
        // TLS was asked for and could not be set up.
        TLS,
        // The server's certificate is not the one pinned.
        Certificat,
        // The user name or password was refused.
        Authentification,
        // The server takes the login over TLS only, and TLS was not asked for.
        TexteClair,
        // The server offers no login at all.
        SansAuthentification,
        // The user stopped the test.
        Annule,
    };

    Echec Etape = Echec::Aucun;
    // One sentence for a failure; for a success, one line per fact.
    QString Texte;
    // The fingerprint of a certificate trusted on its first use, for the caller to pin.
    QString EmpreinteAEpingler;

    bool Reussi() const { return Etape == Echec::Aucun; }
};
