#pragma once
// An SMTP peer in the test process that plays a dialogue written as data, one entry a step:
//   "C: text"  the client must send this line (compared whole)
//   "C*"       the client sends lines up to a line "." (a message's data), kept in Donnees()
//   "C~"       the client sends some bytes (one read, for instance a TLS client hello)
//   "S: text"  the peer sends the text followed by CR LF
//   "S~text"   the peer sends the text as it is (no line end added)
//   "PAUSE ms" the peer waits that many milliseconds (a server holding its reply)
//   "FIN"      the peer closes its sending side in an orderly way, then reads until the client
//              closes
//   "COUPE"    the peer closes the connection at once
// After the last step the peer reads until the client closes; anything it reads then is a
// difference. It accepts one connection on
// 127.0.0.1 and a free port; every byte the client sent is kept in Recu().
#include <QByteArray>
#include <QStringList>
#include <mutex>
#include <thread>

class PairScripte {
public:
    explicit PairScripte(QStringList script);
    ~PairScripte();
    PairScripte(const PairScripte&) = delete;
    PairScripte& operator=(const PairScripte&) = delete;

    quint16 Port() const { return port_; }
    // Waits until the dialogue is over (the client closed or the script failed).
    void Terminer();
    // Everything the client sent, and the differences from the script.
    QByteArray Recu();
    QStringList Ecarts();
    QList<QByteArray> Donnees();

private:
    void Jouer();
    bool LireLigne(QByteArray& ligne);
    bool LireOctets();
    void Envoyer(const QByteArray& octets);
    void Ecart(const QString& texte);

    QStringList script_;
    int ecoute_ = -1;
    int client_ = -1;
    quint16 port_ = 0;
    QByteArray tampon_;
    std::mutex verrou_;
    QByteArray recu_;
    QStringList ecarts_;
    QList<QByteArray> donnees_;
    std::thread fil_;
};
