#pragma once
// The byte channel under the SMTP client: one IPv4 TCP connection, its input buffer, line
// reading, writing, detection of a peer close, and write progress forwarded to the owner.
// Bytes pass unchanged while `PassageDirect` is true, through TLS otherwise.
//
// One thread uses the channel at a time; Fermer and VerifierDeconnexion(false, false) may run
// on any other thread meanwhile: they make a blocked connect, read or write fail at once.
//
// Every wait for the peer (a read, a write the peer does not take, the TLS handshake) is
// bounded by the limit set with DefinirDelai; past it the channel closes and raises
// ErreurDelaiDepasse.
//
// Raises ErreurSocket, ErreurDelaiDepasse, ErreurConnexionFermee, Erreur ("Longueur de ligne
// maximale dépassée.", "Non connecté", "Déconnecté.") and, from the TLS side, ErreurBibliothequeTLS
// and Erreur.
#include "mail/CertificatServeur.h"
#include "mail/ErreursTransport.h"
#include "mail/OptionsTLS.h"
#include "mail/SensTravail.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

class SocketCanal;

class CanalConnexion {
public:
    static constexpr int TailleBloc = 32768;
    static constexpr int LongueurLigneMax = 16384;
    static constexpr int TailleRegroupement = 262144;

    explicit CanalConnexion(ProprietaireCanal* proprietaire = nullptr, OptionsTLS options = {});
    ~CanalConnexion();
    CanalConnexion(const CanalConnexion&) = delete;
    CanalConnexion& operator=(const CanalConnexion&) = delete;

    QString Hote;
    quint16 Port = 25;
    const OptionsTLS& Options() const { return options_; }

    void Ouvrir();
    QString LireLigne();
    // The text in UTF-8 followed by CR LF, in one write; the client decides what a line may
    // hold beyond ASCII (only an SMTPUTF8 transaction's addresses).
    void EcrireLigne(const QString& texte);
    void Ecrire(const QByteArray& octets);
    // The lines, each followed by CR LF, leave in one write; nothing leaves on an error.
    void EcrireBlocLignes(const QList<QByteArray>& lignes);
    // From on to off, writes are gathered and leave in sends of at least TailleRegroupement
    // bytes, the rest when turned off: a message leaves in few large sends instead of one per
    // line. Turning off sends and may raise; Abandonner drops.
    void RegrouperEnvois(bool actif);
    void AbandonnerRegroupement();
    // The limit of the step that follows, counted from now, and restarted by every block of
    // bytes the peer takes. The texts end the time-out message ("après la commande DATA"),
    // for a wait to read and for a wait to write. A negative limit: no limit (the start).
    void DefinirDelai(std::chrono::milliseconds delai, const QString& etapeLecture,
                      const QString& etapeEcriture);
    void VerifierDeconnexion(bool leverErreur, bool ignorerTampon);
    bool EstConnecte();
    void Fermer();

    void DebutTravail(SensTravail sens, qint64 taille);
    void Travail(SensTravail sens, qint64 n);
    void FinTravail(SensTravail sens);

    bool Ouvert() const { return ouvert_; }
    bool FermeParPair() const { return fermeParPair_; }
    bool SocketAlloue() const;
    const QByteArray& TamponEntree() const { return tamponEntree_; }
    // "ip:port" of both ends, recorded when a connect succeeds; empty otherwise.
    QString AdresseLocale() const;
    QString AdressePair() const;

    bool PassageDirect() const { return passageDirect_; }
    // Setting false runs the TLS handshake with `Hote` as the server's name; the flag turns
    // false only when it succeeds.
    void DefinirPassageDirect(bool valeur);
    // The server's certificate, after the handshake.
    const CertificatServeur& CertificatPair() const { return certificat_; }

    // True for "LOCALHOST" in any case and for four decimal parts from 0 to 255: such a host
    // is used without asking the resolver.
    static bool SansResolveur(const QString& hote);

private:
    std::shared_ptr<SocketCanal> SocketCourant() const;
    quint32 Resoudre() const;
    bool LireSource(bool leverErreur, bool attendre);
    void EnvoyerTout(const QByteArray& octets);
    void EnvoyerRegroupes();
    // Waits on `s` within the step's limit; past it, closes and raises ErreurDelaiDepasse.
    void AttendrePair(SocketCanal& s, bool ecriture);

    ProprietaireCanal* proprietaire_;
    OptionsTLS options_;
    mutable std::mutex verrou_;
    std::shared_ptr<SocketCanal> socket_;
    // Counts the calls to Fermer, so that Ouvrir notices one made while it starts.
    std::atomic<int> fermetures_{0};
    QString adresseLocale_, adressePair_;
    std::atomic<bool> ouvert_{false};
    std::atomic<bool> fermeParPair_{false};
    bool passageDirect_ = true;
    CertificatServeur certificat_;
    QByteArray tamponEntree_;
    std::chrono::milliseconds delai_{-1};
    std::chrono::steady_clock::time_point echeance_;
    QString etapeLecture_, etapeEcriture_;
    bool regroupe_ = false;
    QByteArray sortie_;
    QByteArray envoi_;
};
