#include "mail/BibliothequeTLS.h"

#include <csignal>
#include <dlfcn.h>
#include <mutex>

namespace BibliothequeTLS {

namespace {
constexpr quint64 initChaines = 0x00200000L | 0x00000002L;     // SSL and crypto error strings
constexpr quint64 initAlgorithmes = 0x00000004L | 0x00000008L; // all ciphers and digests

struct Etat {
    std::mutex verrou;
    QStringList nomsCrypto = {QStringLiteral("libcrypto.so.3"), QStringLiteral("libcrypto.so")};
    QStringList nomsSsl = {QStringLiteral("libssl.so.3"), QStringLiteral("libssl.so")};
    void* crypto = nullptr;
    void* ssl = nullptr;
    bool charge = false;
    FonctionsTLS fonctions{};
    QStringList manquants;
    int tentatives = 0;
    int chargements = 0;
};

Etat& LeEtat() {
    static Etat etat;
    return etat;
}

void* Ouvrir(const QStringList& noms) {
    for (const QString& nom : noms)
        if (void* h = ::dlopen(nom.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL))
            return h;
    return nullptr;
}

template <typename F> void Trouver(Etat& e, void* bibliotheque, F& pointeur, const char* nom) {
    pointeur = bibliotheque ? reinterpret_cast<F>(::dlsym(bibliotheque, nom)) : nullptr;
    if (!pointeur)
        e.manquants << QString::fromLatin1(nom);
}
} // namespace

const FonctionsTLS* Charger() {
    Etat& e = LeEtat();
    std::lock_guard verrou(e.verrou);
    if (e.charge)
        return &e.fonctions;
    ++e.tentatives;
    if (!e.crypto)
        e.crypto = Ouvrir(e.nomsCrypto);
    if (!e.ssl)
        e.ssl = Ouvrir(e.nomsSsl);
    e.manquants.clear();
    FonctionsTLS& f = e.fonctions;
#define LETTROVA_TROUVER(bibliotheque, nom) Trouver(e, e.bibliotheque, f.nom, #nom)
    LETTROVA_TROUVER(ssl, OPENSSL_init_ssl);
    LETTROVA_TROUVER(crypto, OPENSSL_init_crypto);
    LETTROVA_TROUVER(ssl, TLS_client_method);
    LETTROVA_TROUVER(ssl, SSL_CTX_new);
    LETTROVA_TROUVER(ssl, SSL_CTX_ctrl);
    LETTROVA_TROUVER(ssl, SSL_CTX_set_default_passwd_cb);
    LETTROVA_TROUVER(ssl, SSL_CTX_set_default_passwd_cb_userdata);
    LETTROVA_TROUVER(ssl, SSL_CTX_set_default_verify_paths);
    LETTROVA_TROUVER(ssl, SSL_CTX_set_cipher_list);
    LETTROVA_TROUVER(ssl, SSL_CTX_free);
    LETTROVA_TROUVER(ssl, SSL_new);
    LETTROVA_TROUVER(ssl, SSL_set_ex_data);
    LETTROVA_TROUVER(ssl, SSL_set_fd);
    LETTROVA_TROUVER(ssl, SSL_connect);
    LETTROVA_TROUVER(ssl, SSL_read);
    LETTROVA_TROUVER(ssl, SSL_write);
    LETTROVA_TROUVER(ssl, SSL_get_error);
    LETTROVA_TROUVER(ssl, SSL_pending);
    LETTROVA_TROUVER(ssl, SSL_shutdown);
    LETTROVA_TROUVER(ssl, SSL_free);
    LETTROVA_TROUVER(crypto, ERR_get_error);
    LETTROVA_TROUVER(crypto, ERR_error_string_n);
    LETTROVA_TROUVER(crypto, ERR_clear_error);
    LETTROVA_TROUVER(ssl, SSL_ctrl);
    LETTROVA_TROUVER(ssl, SSL_set1_host);
    LETTROVA_TROUVER(ssl, SSL_get0_param);
    LETTROVA_TROUVER(crypto, X509_VERIFY_PARAM_set1_ip_asc);
    LETTROVA_TROUVER(ssl, SSL_get_verify_result);
    LETTROVA_TROUVER(ssl, SSL_get1_peer_certificate);
    LETTROVA_TROUVER(ssl, SSL_get_version);
    LETTROVA_TROUVER(crypto, X509_digest);
    LETTROVA_TROUVER(crypto, EVP_sha256);
    LETTROVA_TROUVER(crypto, X509_free);
#undef LETTROVA_TROUVER
    if (!e.manquants.isEmpty())
        return nullptr;
    if (f.OPENSSL_init_crypto(initAlgorithmes | initChaines, nullptr) <= 0 ||
        f.OPENSSL_init_ssl(initChaines, nullptr) <= 0)
        return nullptr;
    // OpenSSL 3 protects its own shared state: the locking callback of older versions
    // (CRYPTO_num_locks, CRYPTO_set_locking_callback) no longer exists and is not needed.

    // OpenSSL writes to the socket without MSG_NOSIGNAL: a peer that resets the connection
    // must give an error, not end the program.
    struct sigaction actuelle {};
    if (::sigaction(SIGPIPE, nullptr, &actuelle) == 0 && actuelle.sa_handler == SIG_DFL)
        std::signal(SIGPIPE, SIG_IGN);
    e.charge = true;
    ++e.chargements;
    return &f;
}

void DefinirNoms(const QStringList& crypto, const QStringList& ssl) {
    Etat& e = LeEtat();
    std::lock_guard verrou(e.verrou);
    e.nomsCrypto = crypto;
    e.nomsSsl = ssl;
}

QStringList PointsEntreeManquants() {
    Etat& e = LeEtat();
    std::lock_guard verrou(e.verrou);
    return e.manquants;
}

int NombreTentatives() {
    Etat& e = LeEtat();
    std::lock_guard verrou(e.verrou);
    return e.tentatives;
}

int NombreChargements() {
    Etat& e = LeEtat();
    std::lock_guard verrou(e.verrou);
    return e.chargements;
}

} // namespace BibliothequeTLS
