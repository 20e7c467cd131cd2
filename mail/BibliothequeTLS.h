#pragma once
// OpenSSL 3, loaded at run time (never linked): without it mail still goes out in clear text.
// Loading happens once per process, under one lock; a failed attempt is made again at the
// next connection.
#include <QStringList>

struct ssl_ctx_st;
struct ssl_st;
struct ssl_method_st;
struct x509_st;
struct X509_VERIFY_PARAM_st;
struct evp_md_st;
using SSL_CTX = ssl_ctx_st;
using SSL = ssl_st;
using SSL_METHOD = ssl_method_st;
using X509 = x509_st;
using X509_VERIFY_PARAM = X509_VERIFY_PARAM_st;
using EVP_MD = evp_md_st;

// The entry points used, in their OpenSSL 3 form.
struct FonctionsTLS {
    int (*OPENSSL_init_ssl)(quint64, const void*);
    int (*OPENSSL_init_crypto)(quint64, const void*);
    const SSL_METHOD* (*TLS_client_method)();
    SSL_CTX* (*SSL_CTX_new)(const SSL_METHOD*);
    long (*SSL_CTX_ctrl)(SSL_CTX*, int, long, void*);
    void (*SSL_CTX_set_default_passwd_cb)(SSL_CTX*, int (*)(char*, int, int, void*));
    void (*SSL_CTX_set_default_passwd_cb_userdata)(SSL_CTX*, void*);
    int (*SSL_CTX_set_default_verify_paths)(SSL_CTX*);
    int (*SSL_CTX_set_cipher_list)(SSL_CTX*, const char*);
    void (*SSL_CTX_free)(SSL_CTX*);
    SSL* (*SSL_new)(SSL_CTX*);
    int (*SSL_set_ex_data)(SSL*, int, void*);
    int (*SSL_set_fd)(SSL*, int);
    int (*SSL_connect)(SSL*);
    int (*SSL_read)(SSL*, void*, int);
    int (*SSL_write)(SSL*, const void*, int);
    int (*SSL_get_error)(const SSL*, int);
    int (*SSL_pending)(const SSL*);
    int (*SSL_shutdown)(SSL*);
    void (*SSL_free)(SSL*);
    unsigned long (*ERR_get_error)();
    void (*ERR_error_string_n)(unsigned long, char*, size_t);
    void (*ERR_clear_error)();
    // The server's name (SNI) and the check of its certificate.
    long (*SSL_ctrl)(SSL*, int, long, void*);
    int (*SSL_set1_host)(SSL*, const char*);
    X509_VERIFY_PARAM* (*SSL_get0_param)(SSL*);
    int (*X509_VERIFY_PARAM_set1_ip_asc)(X509_VERIFY_PARAM*, const char*);
    long (*SSL_get_verify_result)(const SSL*);
    X509* (*SSL_get1_peer_certificate)(const SSL*);
    const char* (*SSL_get_version)(const SSL*);
    int (*X509_digest)(const X509*, const EVP_MD*, unsigned char*, unsigned int*);
    const EVP_MD* (*EVP_sha256)();
    void (*X509_free)(X509*);
};

namespace BibliothequeTLS {
// The entry points, or null when the libraries or one entry point are missing.
const FonctionsTLS* Charger();
// The file names tried, in order, for each library; tests point them nowhere to play a
// machine without OpenSSL. Takes effect at the next attempt.
void DefinirNoms(const QStringList& crypto, const QStringList& ssl);
// Entry points found missing by the last attempt.
QStringList PointsEntreeManquants();
int NombreTentatives();
int NombreChargements();
} // namespace BibliothequeTLS
