#pragma once
// What one message of the sender's mailbox says about a campaign, read with GMime 3: a delivery
// status notification (RFC 3464) with each recipient it reports on, an unsubscribe request sent to
// the campaigns' unsubscribe address, an automatic reply (RFC 3834), or anything else, left alone.
#include <QByteArray>
#include <QList>
#include <QString>

enum class GenreRetour { Notification, Desinscription, ReponseAutomatique, Autre };

// One per-recipient block of a notification.
struct DestinataireNotifie {
    // The address as the campaign sent it (Original-Recipient, else Final-Recipient), without
    // its type.
    QString Adresse;
    // "failed", "delayed", "delivered", "relayed" or "expanded", in lower case.
    QString Action;
    // The enhanced status code, "5.1.1".
    QString Statut;
    // The remote server's words (Diagnostic-Code without its type), empty when none was given.
    QString Diagnostic;

    // A failure that no later try will mend: the address may be removed.
    bool Definitif() const;
    // A failure the server still retries, or a temporary one.
    bool Temporaire() const;
};

struct Retour {
    GenreRetour Genre = GenreRetour::Autre;
    // Notification: every recipient block, in the order given.
    QList<DestinataireNotifie> Destinataires;
    // Notification: the Message-ID of the message that came back (from the returned message or
    // its headers), which ties it to its campaign; empty when not returned.
    QString IdentifiantOrigine;
    // Unsubscribe request: the requester's address (From).
    QString Demandeur;
};

// `adresseDesinscription`: the address of the campaigns' List-Unsubscribe mailto (empty: none).
// Never fails: a message GMime cannot read is Autre.
Retour AnalyserRetour(const QByteArray& message, const QString& adresseDesinscription);
