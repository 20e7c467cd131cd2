#pragma once
// Reads the messages of one mailbox that came since the last reading, with libcurl's IMAP,
// changing nothing there: the mailbox is opened read-only (EXAMINE), so no message is marked
// as read, moved or deleted. The certificate follows the SMTP rules (ConfianceCertificat):
// one that does not verify is pinned on first use, and the session then trusts only it.
//
// Lire raises ErreurSession when the certificate is not the one pinned, and Erreur with the
// French text the user reads when no server answers, the login is refused, TLS fails or the
// mailbox cannot be read.
#include "returns/ServeurIMAP.h"

#include <QByteArray>
#include <functional>

namespace LectureBoite {

// What was read last time: the mailbox's UIDVALIDITY and the highest UID read (0: none).
struct Etat {
    qint64 uidValidite = 0;
    qint64 dernierUid = 0;
};

struct Resultat {
    // Where the next reading starts; the last message handed over when the reading stopped.
    Etat etat;
    // A certificate to pin for this server and port (first use), or empty.
    QString empreinteAEpingler;
    int lus = 0;
    bool interrompu = false;
};

// Each new message, in UID order.
using Reception = std::function<void(qint64 uid, const QByteArray& message)>;
// Before each message: how many were read out of how many new; false stops the reading.
using Progression = std::function<bool(int lus, int total)>;

Resultat Lire(const ServeurIMAP& serveur, const Etat& precedent, const Reception& reception,
              const Progression& progression);

} // namespace LectureBoite
