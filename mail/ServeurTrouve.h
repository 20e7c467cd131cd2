#pragma once
// A submission server found for a sender's address, and where it was found.
#include "mail/Fournisseur.h"

#include <optional>

struct ServeurTrouve {
    enum class Origine {
        // The built-in table of providers, by the address's domain.
        Annuaire,
        // The domain's SRV records (RFC 6186, RFC 8314).
        EnregistrementSRV,
        // The domain's reception host belongs to a hosting provider of the table.
        HebergeurMX,
        // smtp. + domain answered on a submission port.
        Sonde,
    };

    QString Hote;
    quint16 Port = 0;
    SecuriteServeur Securite = SecuriteServeur::Aucune;
    Origine Source = Origine::Annuaire;
    // The provider of the table, when the table gave the server.
    std::optional<::Fournisseur> Fournisseur;

    // Where it was found, as the user reads it.
    QString TexteOrigine() const;
    // What the provider demands of the login, or empty when an ordinary password does.
    QString TexteConnexion() const;
    // The provider's published sending limits, or empty.
    QString TexteLimites() const;
};
