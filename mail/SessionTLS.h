#pragma once
// The TLS side of one connection: its context and its connection object. It lives inside
// the socket it is bound to (SocketCanal), so it never outlives that socket.
#include "mail/BibliothequeTLS.h"
#include "mail/CertificatServeur.h"
#include "mail/OptionsTLS.h"

#include <functional>

class SessionTLS {
public:
    // The socket is non-blocking: when the library needs the peer, this waits until the
    // socket can be read (false) or written (true), and raises when the step's limit passes.
    using AttenteSocket = std::function<void(bool ecriture)>;

    SessionTLS() = default;
    SessionTLS(const SessionTLS&) = delete;
    SessionTLS& operator=(const SessionTLS&) = delete;
    ~SessionTLS() { Liberer(false); }

    // Makes the context. Raises ErreurBibliothequeTLS: "Impossible de charger la bibliothèque
    // SSL." (library missing), "Erreur de création du contexte SSL.", "Echec de SetCipher.".
    void PreparerContexte(const OptionsTLS& options);
    bool AContexte() const { return contexte_ != nullptr; }

    // The client handshake on `descripteur`; raises ErreurBibliothequeTLS with the step's text.
    // `nomServeur` is sent in the handshake (SNI) when it is a name rather than an address,
    // and the certificate is checked against it; a certificate that does not verify does not
    // fail the handshake: Certificat() tells, and the caller decides.
    // A time-out of `attendre` leaves as it is raised.
    void Negocier(int descripteur, const QString& nomServeur, const AttenteSocket& attendre);
    // After a good handshake.
    CertificatServeur Certificat() const;

    // > 0: bytes moved; 0: the peer closed; < 0: a socket failure whose errno is in
    // `codeErrno`. A TLS protocol failure of a read raises Erreur with the library's text.
    // Without `attendre`, a read that would wait gives -1 and EAGAIN: records other than
    // data (session tickets) can make a readable socket hold nothing to read.
    qint64 Lire(char* tampon, qint64 taille, const AttenteSocket* attendre, int& codeErrno);
    qint64 Ecrire(const char* octets, qint64 taille, const AttenteSocket& attendre, int& codeErrno);

    // Bytes already decrypted and waiting in the library.
    bool EnAttente() const;

    // Sends the close notification first when `notifier`, then frees both objects.
    void Liberer(bool notifier);

private:
    QString TexteErreur() const;

    const FonctionsTLS* f_ = nullptr;
    SSL_CTX* contexte_ = nullptr;
    SSL* liaison_ = nullptr;
    bool active_ = false;
};
