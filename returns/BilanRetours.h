#pragma once
// What a reading of the mailbox found, by campaign: the addresses in definitive failure, those
// in temporary failure (delayed), with the server's reason; the unsubscribe requests; how many
// automatic replies were passed over. A notification tied to no campaign of ours is left alone.
#include "returns/AnalyseRetour.h"
#include "returns/CampagnesEnvoyees.h"

struct AdresseEnRetour {
    QString adresse;
    // "5.1.1".
    QString statut;
    QString diagnostic;
};

struct RetoursCampagne {
    CampagnesEnvoyees::Campagne campagne;
    QList<AdresseEnRetour> definitifs;
    QList<AdresseEnRetour> temporaires;
};

class BilanRetours {
public:
    // Campaigns in the order of their first return.
    QList<RetoursCampagne> campagnes;
    // The requesters' addresses, each once.
    QStringList desinscriptions;
    int reponsesAutomatiques = 0;
    // Messages left alone: neither ours nor automatic.
    int autres = 0;

    void Ajouter(const Retour& retour, const CampagnesEnvoyees& envoyees);
    // Every address in definitive failure, of every campaign, each once.
    QStringList Definitifs() const;

    // Takes out these addresses (definitive failures handled), in every campaign.
    void RetirerDefinitifs(const QStringList& adresses);

private:
    RetoursCampagne& Campagne(const CampagnesEnvoyees::Campagne& campagne);
};
