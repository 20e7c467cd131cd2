#pragma once
// An SMTP server on the loopback that answers normally until its n-th reply, counted over the
// whole connection (0 the greeting, 1 EHLO, then RSET, MAIL FROM, RCPT TO, DATA and the end of
// data of each message in turn: 2 to 6 for the first), where it misbehaves instead. After the
// fault it sends nothing more and reads until the client closes, except after a reply of 60
// lines, which is a reply like any other.
#include <QByteArray>
#include <atomic>
#include <thread>

class PairDefaillant {
public:
    enum class Defaut {
        Reinitialisation,   // the connection is reset (RST)
        FermetureMuette,    // the server closes its side without a word
        LigneSansFin,       // 100,000 bytes without a line end
        SoixanteLignes,     // a refusal of 60 lines
        OctetsInvalides,    // a reply line of bytes that are not text
        RefusPuisFermeture, // "421 4.3.2 Service indisponible", then the server closes
        Deluge,             // bytes without a line end, without pause, until the client closes
        LectureArretee,     // the server sends this reply, then neither reads nor answers
    };

    // With `pipelining`, EHLO offers PIPELINING, and the client sends the opening of each
    // transaction in one write.
    PairDefaillant(Defaut defaut, int etape, bool pipelining = false);
    ~PairDefaillant();
    PairDefaillant(const PairDefaillant&) = delete;
    PairDefaillant& operator=(const PairDefaillant&) = delete;

    quint16 Port() const { return port_; }
    // Bytes waiting unread in the server's receive queue (for LectureArretee).
    int EnAttente() const;
    // Lets a server that stopped reading go: it closes the connection.
    void Liberer();

private:
    void Jouer();
    bool LireLigne(QByteArray& ligne);
    // Sends the reply, or plays the fault in its place; true when the reply was sent.
    bool Repondre(const QByteArray& reponse);
    void Defaillir(const QByteArray& reponse);
    void LireJusquALaFin();

    Defaut defaut_;
    int etape_;
    bool pipelining_;
    int ecoute_ = -1;
    std::atomic<int> client_{-1};
    quint16 port_ = 0;
    int reponses_ = 0;
    bool fini_ = false;
    QByteArray tampon_;
    std::atomic<bool> libere_{false};
    std::thread fil_;
};
