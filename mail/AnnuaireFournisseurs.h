#pragma once
// The built-in table of the providers most users have (mail/donnees/fournisseurs.json,
// compiled in), looked up by address domain or by reception host.
#include "mail/Fournisseur.h"

#include <QList>
#include <optional>

class AnnuaireFournisseurs {
public:
    // The compiled-in table, read once.
    static const AnnuaireFournisseurs& Integre();
    // Raises Erreur when `json` is not a table of providers.
    explicit AnnuaireFournisseurs(const QByteArray& json);

    const QList<Fournisseur>& Fournisseurs() const { return fournisseurs_; }
    // The provider of an address domain (ASCII form, any case).
    std::optional<Fournisseur> ParDomaine(const QString& domaine) const;
    // The provider hosting a domain whose reception host is `hoteMX` (a host ending with one
    // of its MX endings, on a label boundary).
    std::optional<Fournisseur> ParHoteMX(const QString& hoteMX) const;

private:
    QList<Fournisseur> fournisseurs_;
};
