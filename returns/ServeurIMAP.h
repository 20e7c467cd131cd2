#pragma once
// Where the sender's mailbox is read, and as whom.
#include <QString>

struct ServeurIMAP {
    QString hote;
    quint16 port = 993;
    // TLS from the first byte (993); otherwise STARTTLS before anything else (143).
    bool implicite = true;
    QString utilisateur;
    QString motDePasse;
    QString boite = QStringLiteral("INBOX");
    // The fingerprint pinned on first use for this server and port, or empty.
    QString empreinteConnue;
};
