#include "mail/SessionTLS.h"

#include "mail/ErreursTransport.h"

#include <QStringList>
#include <arpa/inet.h>
#include <cerrno>
#include <climits>

namespace {
constexpr int ctrlMode = 33;    // SSL_CTRL_MODE
constexpr long modeRelance = 4; // SSL_MODE_AUTO_RETRY: a read never stops on a renegotiation
constexpr int erreurSsl = 1, veutLire = 2, veutEcrire = 3, erreurSysteme = 5, finTls = 6;
constexpr int ctrlNomServeur = 55;      // SSL_CTRL_SET_TLSEXT_HOSTNAME
constexpr long typeNomHote = 0;         // TLSEXT_NAMETYPE_host_name
constexpr long verificationReussie = 0; // X509_V_OK

bool EstAdresseIP(const QByteArray& hote) {
    unsigned char adresse[16];
    return ::inet_pton(AF_INET, hote.constData(), adresse) == 1 ||
           ::inet_pton(AF_INET6, hote.constData(), adresse) == 1;
}

// Key files would ask for their password here; none are ever loaded.
int SansMotDePasse(char*, int, int, void*) {
    return 0;
}

int Morceau(qint64 taille) {
    return static_cast<int>(qMin<qint64>(taille, INT_MAX));
}
} // namespace

void SessionTLS::PreparerContexte(const OptionsTLS& options) {
    f_ = BibliothequeTLS::Charger();
    if (!f_)
        throw ErreurBibliothequeAbsente();
    contexte_ = f_->SSL_CTX_new(f_->TLS_client_method());
    if (!contexte_)
        throw ErreurBibliothequeTLS(QStringLiteral("Erreur de création du contexte SSL."));
    f_->SSL_CTX_ctrl(contexte_, ctrlMode, modeRelance, nullptr);
    f_->SSL_CTX_set_default_passwd_cb(contexte_, SansMotDePasse);
    f_->SSL_CTX_set_default_passwd_cb_userdata(contexte_, nullptr);
    // The system's trust store (or the one SSL_CERT_FILE and SSL_CERT_DIR name).
    f_->SSL_CTX_set_default_verify_paths(contexte_);
    if (f_->SSL_CTX_set_cipher_list(contexte_, options.ListeEffective().constData()) <= 0) {
        Liberer(false);
        throw ErreurBibliothequeTLS(QStringLiteral("Echec de SetCipher."));
    }
}

void SessionTLS::Negocier(int descripteur, const QString& nomServeur,
                          const AttenteSocket& attendre) {
    if (!contexte_)
        throw ErreurBibliothequeAbsente();
    const auto echec = [this](const char* texte) {
        f_->SSL_free(liaison_);
        liaison_ = nullptr;
        return ErreurBibliothequeTLS(QString::fromUtf8(texte));
    };
    liaison_ = f_->SSL_new(contexte_);
    if (!liaison_)
        throw ErreurBibliothequeTLS(QStringLiteral("Erreur de création de la session SSL."));
    if (f_->SSL_set_ex_data(liaison_, 0, this) < 1)
        throw echec("Erreur lors de la liaison des données au socket SSL.");
    if (f_->SSL_set_fd(liaison_, descripteur) < 1)
        throw echec("Erreur de définition du descripteur de fichier pour SSL");
    // The name tells a server that carries several domains which certificate to present, and
    // the certificate must then name it; an address is never sent as a name (RFC 6066).
    const QByteArray nom = nomServeur.toUtf8();
    if (EstAdresseIP(nom)) {
        if (f_->X509_VERIFY_PARAM_set1_ip_asc(f_->SSL_get0_param(liaison_), nom.constData()) < 1)
            throw echec("Erreur lors de la connexion avec SSL.");
    } else if (!nom.isEmpty()) {
        if (f_->SSL_ctrl(liaison_, ctrlNomServeur, typeNomHote,
                         const_cast<char*>(nom.constData())) < 1 ||
            f_->SSL_set1_host(liaison_, nom.constData()) < 1)
            throw echec("Erreur lors de la connexion avec SSL.");
    }
    for (;;) {
        f_->ERR_clear_error();
        const int n = f_->SSL_connect(liaison_);
        if (n == 1)
            break;
        const int erreur = f_->SSL_get_error(liaison_, n);
        if (erreur != veutLire && erreur != veutEcrire)
            throw echec("Erreur lors de la connexion avec SSL.");
        try {
            attendre(erreur == veutEcrire);
        } catch (...) {
            f_->SSL_free(liaison_);
            liaison_ = nullptr;
            throw;
        }
    }
    active_ = true;
}

CertificatServeur SessionTLS::Certificat() const {
    CertificatServeur c;
    X509* certificat = active_ ? f_->SSL_get1_peer_certificate(liaison_) : nullptr;
    if (!certificat)
        return c;
    c.Protocole = QString::fromLatin1(f_->SSL_get_version(liaison_));
    unsigned char empreinte[64];
    unsigned int longueur = 0;
    if (f_->X509_digest(certificat, f_->EVP_sha256(), empreinte, &longueur) > 0) {
        QStringList octets;
        for (unsigned int i = 0; i < longueur; ++i)
            octets << QStringLiteral("%1").arg(empreinte[i], 2, 16, QLatin1Char('0')).toUpper();
        c.Empreinte = octets.join(QLatin1Char(':'));
    }
    // Peer verification stays off during the handshake, so that a certificate that does not
    // verify can still be pinned; OpenSSL has checked the chain, the dates and the name all
    // the same, and kept the outcome.
    c.Verifie =
        !c.Empreinte.isEmpty() && f_->SSL_get_verify_result(liaison_) == verificationReussie;
    f_->X509_free(certificat);
    return c;
}

QString SessionTLS::TexteErreur() const {
    char texte[256] = {};
    f_->ERR_error_string_n(f_->ERR_get_error(), texte, sizeof texte);
    return QString::fromLatin1(texte);
}

qint64 SessionTLS::Lire(char* tampon, qint64 taille, const AttenteSocket* attendre,
                        int& codeErrno) {
    for (;;) {
        f_->ERR_clear_error();
        errno = 0;
        const int n = f_->SSL_read(liaison_, tampon, Morceau(taille));
        const int code = errno;
        if (n > 0)
            return n;
        const int erreur = f_->SSL_get_error(liaison_, n);
        if ((erreur == veutLire || erreur == veutEcrire) && !attendre) {
            codeErrno = EAGAIN;
            return -1;
        }
        if (erreur == veutLire || erreur == veutEcrire) {
            (*attendre)(erreur == veutEcrire);
            continue;
        }
        if (erreur == finTls || n == 0)
            return 0;
        if (erreur == erreurSysteme) {
            codeErrno = code != 0 ? code : ECONNABORTED;
            return -1;
        }
        throw Erreur(erreur == erreurSsl ? TexteErreur()
                                         : QStringLiteral("Erreur SSL %1").arg(erreur));
    }
}

qint64 SessionTLS::Ecrire(const char* octets, qint64 taille, const AttenteSocket& attendre,
                          int& codeErrno) {
    qint64 fait = 0;
    while (fait < taille) {
        f_->ERR_clear_error();
        errno = 0;
        const int n = f_->SSL_write(liaison_, octets + fait, Morceau(taille - fait));
        const int code = errno;
        if (n > 0) {
            fait += n;
            continue;
        }
        const int erreur = f_->SSL_get_error(liaison_, n);
        if (erreur == veutLire || erreur == veutEcrire) {
            attendre(erreur == veutEcrire);
            continue;
        }
        if (erreur == finTls)
            return fait;
        // Reported as the system's last socket error; a pure TLS failure counts as aborted.
        codeErrno = code != 0 ? code : ECONNABORTED;
        return -1;
    }
    return fait;
}

bool SessionTLS::EnAttente() const {
    return active_ && f_->SSL_pending(liaison_) > 0;
}

void SessionTLS::Liberer(bool notifier) {
    if (liaison_) {
        if (notifier && active_)
            f_->SSL_shutdown(liaison_);
        f_->SSL_free(liaison_);
        liaison_ = nullptr;
    }
    active_ = false;
    if (contexte_) {
        f_->SSL_CTX_free(contexte_);
        contexte_ = nullptr;
    }
}
