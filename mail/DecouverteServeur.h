#pragma once
// Finds the submission server of a sender's address, stopping at the first answer: the
// built-in table of providers; the domain's SRV records, _submissions._tcp (TLS from the first
// byte) then _submission._tcp (RFC 6186, RFC 8314); the domain's reception host when a hosting
// provider of the table runs it; last, smtp. + domain tried on the submission ports.
// Runs on the thread's event loop (DNS questions and probes are asynchronous), never blocks.
#include "mail/ServeurTrouve.h"

#include <QHostAddress>
#include <QObject>
#include <chrono>

class QDnsLookup;
class QDnsServiceRecord;
class QTcpSocket;
class QTimer;

class DecouverteServeur : public QObject {
    Q_OBJECT
public:
    explicit DecouverteServeur(QObject* parent = nullptr);
    ~DecouverteServeur() override;

    // The DNS server asked (port 53); none: the system's. Only the tests set it.
    QHostAddress ServeurDNS;
    struct PortSonde {
        quint16 Port;
        // TLS from the first byte: the connection alone answers, the server waits for the
        // handshake. Otherwise the greeting and EHLO's reply, which tells whether STARTTLS is
        // offered.
        bool TLSImplicite;
    };
    // The ports tried on smtp. + domain, in order.
    QList<PortSonde> PortsSonde{{465, true}, {587, false}};
    // How long each probe waits for the connection and the server's first replies.
    std::chrono::milliseconds DelaiSonde = std::chrono::seconds(5);

    // Starts over for `adresse`: ends with one Trouve or one Introuvable.
    void Chercher(const QString& adresse);
    // Nothing more is signalled for the search under way.
    void Annuler();
    bool EnCours() const { return etape_ != Etape::Repos; }

    // The ASCII domain of an address (after its last "@"), or empty.
    static QString Domaine(const QString& adresse);
    // False for an SRV record that says the domain does not offer the service (RFC 2782).
    static bool ServiceOffert(const QDnsServiceRecord& r);

signals:
    void Trouve(const ServeurTrouve& serveur);
    void Introuvable(const QString& texte);

private:
    enum class Etape { Repos, Table, SRVSecurise, SRV, MX, AdresseSonde, Sonde };

    void Demander(Etape etape, int type, const QString& nom);
    void Reponse();
    void Sonder(qsizetype indexPort);
    void LireSonde();
    void FinSonde(bool repondu, SecuriteServeur securite);
    void Terminer(const ServeurTrouve& serveur);
    void Echouer();
    void Liberer();

    Etape etape_ = Etape::Repos;
    QString domaine_;
    QHostAddress adresseSonde_;
    qsizetype indexPort_ = 0;
    QByteArray recu_;
    bool ehloEnvoye_ = false;
    bool starttls_ = false;
    // Counts the searches, so that an answer queued for an earlier one is dropped.
    int generation_ = 0;
    // Children of this object, let go with deleteLater: a signal of theirs may be under way.
    QDnsLookup* question_ = nullptr;
    QTcpSocket* sonde_ = nullptr;
    QTimer* minuterie_ = nullptr;
};
