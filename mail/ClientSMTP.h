#pragma once
// The blocking SMTP client of a campaign: connects once (greeting, EHLO, STARTTLS, AUTH), then
// sends one message per list item on the same connection, then disconnects. With the TLS option
// on the implicit-TLS port (465), TLS starts at the connection's first byte.
// One thread uses it at a time; only Canal().Fermer() and Canal().VerifierDeconnexion(false,
// false) may come from another thread, to end a blocked call.
//
// Raises ErreurReponseSMTP (a refused step, with the server's text), ErreurDelaiDepasse (the
// server was silent past the step's limit; the connection is then closed), ErreurSession (the
// server refused the user name or password, or its certificate changed since it was pinned, or
// the sender's address cannot travel: no address is at fault), ErreurAdresse (a recipient's
// address cannot travel to this server; nothing of the message was sent), Erreur (texts below), and
// the errors of the channel, the TLS side and the message writer unchanged.
#include "mail/CanalConnexion.h"
#include "mail/DelaisSMTP.h"
#include "mail/EtapeSMTP.h"
#include "mail/EtatSessionSMTP.h"
#include "mail/MessageCourriel.h"
#include "mail/ReponseSMTP.h"
#include "mail/SourcesMessage.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <utility>

enum class ModeTLS { SansTLS, TLSExplicite };

class ClientSMTP : private ProprietaireCanal {
public:
    static constexpr quint16 PortNormal = 25;

    explicit ClientSMTP(OptionsTLS options = {});

    QString Hote;
    quint16 Port = PortNormal;
    // The greeting name wanted (the campaign gives the user name); sent only when it is a
    // domain, else replaced as NomSalutation says.
    QString NomHelo;
    QString Utilisateur;
    QString MotDePasse;
    // The port on which the TLS option means TLS from the first byte (RFC 8314).
    quint16 PortTLSImplicite = 465;
    // The fingerprint pinned for this server and port (empty: none yet). A certificate that
    // does not verify must match it, or the session ends before any credential leaves.
    QString EmpreinteConnue;
    // Command pipelining (RFC 2920) when the server offers it: RSET, MAIL FROM and RCPT TO in
    // one write. Off: one command at a time, each waiting for its reply.
    bool Pipelining = false;
    // The clock and random draws of the messages written; fixed ones in tests.
    SourcesMessage Sources = SourcesMessage::Systeme();
    // How long each step waits for the server.
    DelaisSMTP Delais;

    // A client with the same settings (server, names, TLS, pinned certificate, limits, hooks
    // left out), not connected: another connection of the same campaign.
    std::unique_ptr<ClientSMTP> Jumeau() const;

    ::ModeTLS ModeTLS() const { return modeTLS_; }
    // Raises "Cette valeur ne peut pas être définie quand le client est connecté.".
    void DefinirModeTLS(::ModeTLS mode);

    // Opens the session up to the login, so that a refused login or certificate is known before
    // any address is tried. Raises "Déjà connecté." and an empty text for an empty host or port 0.
    void Connecter();
    // Sends one message on the session Connecter opened.
    void Envoyer(MessageCourriel& message);
    void Deconnecter(bool avecQuit);

    CanalConnexion& Canal() { return canal_; }
    const QStringList& Capacites() const { return capacites_; }
    // The name the server gave itself in its reply to EHLO (or HELO).
    const QString& NomServeur() const { return nomServeur_; }
    EtatSessionSMTP Etat() const { return etat_; }
    // The furthest state the last Connecter reached, kept after a failure closed the session:
    // the step after it is the one that failed.
    EtatSessionSMTP EtatAtteint() const { return atteint_; }
    // The mechanism the login used (empty: none was asked for or offered).
    const QString& MecanismeAuth() const { return mecanisme_; }
    const ReponseSMTP& DerniereReponse() const { return derniereReponse_; }
    // The step the last message reached, read after Envoyer by the thread that called it.
    EtapeSMTP Etape() const { return etape_; }
    // The fingerprint of a certificate trusted on its first use, for the caller to keep
    // (empty when there is none); taking it empties it.
    QString PrendreEmpreinteAEpingler() { return std::exchange(empreinteAEpingler_, {}); }

    // A stop of the campaign, asked from any thread. True when the message under way has not
    // sent its end-of-data line: it never will, and the channel may be closed. False once that
    // line has left: the server may deliver the message, so its reply must be read, and the
    // channel stays open for it. Cleared by Connecter.
    bool DemanderArret();
    // True once the message under way has sent its end-of-data line: the server may have
    // delivered it, whatever became of its reply.
    bool FinDeDonneesPartie();

    // Raised on the sending thread for every block of a message's text written, with the
    // count of bytes written since the message began.
    std::function<void(ClientSMTP& emetteur, SensTravail sens, qint64 total)> SurProgression;
    // Raised on the sending thread just before a message's end-of-data line may leave; a stop
    // asked from it still cuts the message.
    std::function<void(ClientSMTP& emetteur)> AvantFinDeDonnees;

private:
    struct Compteurs {
        qint64 compte = 0;
        qint64 taille = 0;
        int niveau = 0;
    };

    // An empty list accepts every code.
    using Codes = std::initializer_list<int>;
    const ReponseSMTP& EnvoyerCommande(const QString& ligne, Codes codesAcceptes);
    const ReponseSMTP& LireReponse(Codes codesAcceptes);
    // Gives the channel the limit of the command `ligne` and its reply.
    void LimiterCommande(const QString& ligne);
    void Atteindre(EtatSessionSMTP etat);
    void Salutation();
    void Authentifier();
    void DemarrerTLS();
    void NegocierTLS(bool& avecQuit);
    // The TLS option on the implicit-TLS port: TLS from the first byte, SMTP inside it.
    bool TLSImplicite() const;
    void OuvrirTLSImplicite();
    // After a handshake; raises ErreurSession for a changed certificate.
    void ControlerCertificat();
    bool Capacite(const QString& ligne) const;
    // True when an address of the message has a mailbox beyond ASCII and the server announces
    // SMTPUTF8. Raises ErreurSession when the sender's is such and the server does not.
    bool TransactionUtf8(const MessageCourriel& message, const QString& expediteur) const;
    QStringList MecanismesAuth() const;

    void DebutTravail(SensTravail sens, qint64 taille) override;
    void Travail(SensTravail sens, qint64 n) override;
    void FinTravail(SensTravail sens) override;

    // Before the end-of-data line: stops the message (closing the channel) when a stop was
    // asked, else records that the line is leaving, so that no later stop cuts its reply.
    void PasserFinDeDonnees();

    CanalConnexion canal_;
    std::mutex arret_;
    bool arretDemande_ = false;
    bool finDeDonneesPartie_ = false;
    ::ModeTLS modeTLS_ = ::ModeTLS::SansTLS;
    bool utiliserEhlo_ = true;
    QStringList capacites_;
    QString nomServeur_;
    EtatSessionSMTP etat_ = EtatSessionSMTP::Fermee;
    EtatSessionSMTP atteint_ = EtatSessionSMTP::Fermee;
    QString mecanisme_;
    // The message under way travels with SMTPUTF8: its command lines may hold UTF-8.
    bool transactionUtf8_ = false;
    ReponseSMTP derniereReponse_;
    EtapeSMTP etape_ = EtapeSMTP::Session;
    QString empreinteAEpingler_;
    // The text of the message under way; its room serves the next message.
    QByteArray texte_;
    Compteurs compteurs_[2];
};
