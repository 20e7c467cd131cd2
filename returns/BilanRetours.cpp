#include "returns/BilanRetours.h"

#include "returns/Desinscrits.h"

#include <QSet>

namespace {
// The entry of that address in `liste`, or nothing.
AdresseEnRetour* Chercher(QList<AdresseEnRetour>& liste, const QString& cle) {
    for (AdresseEnRetour& a : liste)
        if (Desinscrits::Cle(a.adresse) == cle)
            return &a;
    return nullptr;
}
} // namespace

RetoursCampagne& BilanRetours::Campagne(const CampagnesEnvoyees::Campagne& campagne) {
    for (RetoursCampagne& c : campagnes)
        if (c.campagne.debut == campagne.debut && c.campagne.liste == campagne.liste &&
            c.campagne.sujet == campagne.sujet)
            return c;
    campagnes << RetoursCampagne{campagne, {}, {}};
    return campagnes.last();
}

void BilanRetours::Ajouter(const Retour& retour, const CampagnesEnvoyees& envoyees) {
    switch (retour.Genre) {
    case GenreRetour::ReponseAutomatique:
        ++reponsesAutomatiques;
        return;
    case GenreRetour::Autre:
        ++autres;
        return;
    case GenreRetour::Desinscription:
        if (!retour.Demandeur.isEmpty() &&
            !desinscriptions.contains(retour.Demandeur, Qt::CaseInsensitive))
            desinscriptions << retour.Demandeur;
        return;
    case GenreRetour::Notification:
        break;
    }
    bool notre = false;
    for (const DestinataireNotifie& d : retour.Destinataires) {
        if (!d.Definitif() && !d.Temporaire())
            continue;
        const int i = envoyees.Trouver(retour.IdentifiantOrigine, d.Adresse);
        if (i < 0)
            continue;
        notre = true;
        RetoursCampagne& c = Campagne(envoyees.Lire(i));
        const QString cle = Desinscrits::Cle(d.Adresse);
        const AdresseEnRetour entree{d.Adresse, d.Statut, d.Diagnostic};
        if (AdresseEnRetour* deja = Chercher(c.definitifs, cle)) {
            *deja = d.Definitif() ? entree : *deja;
        } else if (d.Definitif()) {
            // A failure for good ends the delays announced before it.
            c.temporaires.removeIf(
                [&](const AdresseEnRetour& a) { return Desinscrits::Cle(a.adresse) == cle; });
            c.definitifs << entree;
        } else if (AdresseEnRetour* attente = Chercher(c.temporaires, cle)) {
            *attente = entree;
        } else {
            c.temporaires << entree;
        }
    }
    if (!notre)
        ++autres;
}

void BilanRetours::RetirerDefinitifs(const QStringList& adresses) {
    QSet<QString> cles;
    for (const QString& a : adresses)
        cles.insert(Desinscrits::Cle(a));
    for (RetoursCampagne& c : campagnes)
        c.definitifs.removeIf(
            [&](const AdresseEnRetour& a) { return cles.contains(Desinscrits::Cle(a.adresse)); });
    campagnes.removeIf(
        [](const RetoursCampagne& c) { return c.definitifs.isEmpty() && c.temporaires.isEmpty(); });
}

QStringList BilanRetours::Definitifs() const {
    QStringList adresses;
    for (const RetoursCampagne& c : campagnes)
        for (const AdresseEnRetour& a : c.definitifs)
            if (!adresses.contains(a.adresse, Qt::CaseInsensitive))
                adresses << a.adresse;
    return adresses;
}
