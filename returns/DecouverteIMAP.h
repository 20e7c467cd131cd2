#pragma once
// Finds the mailbox's server of a sender's address in the domain's DNS (RFC 6186): the SRV
// record _imaps._tcp (TLS from the first byte), else _imap._tcp on port 143 (STARTTLS). Runs on
// the thread's event loop, never blocks; ends with one Trouve or one Introuvable.
#include <QHostAddress>
#include <QObject>

class QDnsLookup;

class DecouverteIMAP : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The DNS server asked (port 53); none: the system's. Only the tests set it.
    QHostAddress ServeurDNS;

    // Starts over for `adresse`; an address without a domain is Introuvable at once.
    void Chercher(const QString& adresse);

    // How the window tells where the server came from.
    static QString TexteOrigine();

signals:
    void Trouve(const QString& hote, quint16 port);
    void Introuvable();

private:
    void Demander(const QString& service);
    void Reponse(QDnsLookup* question, bool securise);

    QString domaine_;
    // Counts the searches, so that an answer of an earlier one is dropped.
    int generation_ = 0;
};
