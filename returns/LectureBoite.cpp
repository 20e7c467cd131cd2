#include "returns/LectureBoite.h"

#include "commun/Erreur.h"
#include "mail/CertificatServeur.h"
#include "mail/ConfianceCertificat.h"
#include "mail/ErreurSession.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QUrl>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace LectureBoite {

namespace {

void InitialiserCurl() {
    static std::once_flag fait;
    std::call_once(fait, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Liberation {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
using PoigneeCurl = std::unique_ptr<CURL, Liberation>;

size_t Ajouter(char* octets, size_t taille, size_t nombre, void* tampon) {
    static_cast<QByteArray*>(tampon)->append(octets, qsizetype(taille * nombre));
    return taille * nombre;
}

// One libcurl handle for one server: its connection is kept from one request to the next.
class Session {
public:
    explicit Session(const ServeurIMAP& serveur) : serveur_(serveur), h_(curl_easy_init()) {
        if (!h_)
            throw Erreur(QStringLiteral("Lecture de la boîte aux lettres impossible : la "
                                        "bibliothèque libcurl n'a pas pu démarrer."));
        QUrl url;
        url.setScheme(serveur.implicite ? QStringLiteral("imaps") : QStringLiteral("imap"));
        url.setHost(serveur.hote);
        url.setPort(serveur.port);
        base_ = url.toEncoded();
        curl_easy_setopt(h_.get(), CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h_.get(), CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
        curl_easy_setopt(h_.get(), CURLOPT_CONNECTTIMEOUT, 30L);
        // A server silent for a minute is gone.
        curl_easy_setopt(h_.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(h_.get(), CURLOPT_LOW_SPEED_TIME, 60L);
        curl_easy_setopt(h_.get(), CURLOPT_ERRORBUFFER, erreur_);
        curl_easy_setopt(h_.get(), CURLOPT_WRITEFUNCTION, &Ajouter);
        curl_easy_setopt(h_.get(), CURLOPT_WRITEDATA, &reponse_);
    }

    CURL* Poignee() const { return h_.get(); }

    void Identifiants() {
        utilisateur_ = serveur_.utilisateur.toUtf8();
        motDePasse_ = serveur_.motDePasse.toUtf8();
        curl_easy_setopt(h_.get(), CURLOPT_USERNAME, utilisateur_.constData());
        curl_easy_setopt(h_.get(), CURLOPT_PASSWORD, motDePasse_.constData());
    }

    // The session trusts only this certificate (PEM): a certificate swapped after the probe
    // fails the handshake. The name is not checked: the certificate itself is what was pinned.
    void Autorite(const QByteArray& pem) {
        autorite_ = pem;
        curl_blob blob{autorite_.data(), size_t(autorite_.size()), CURL_BLOB_NOCOPY};
        curl_easy_setopt(h_.get(), CURLOPT_CAINFO_BLOB, &blob);
        curl_easy_setopt(h_.get(), CURLOPT_CAPATH, nullptr);
        curl_easy_setopt(h_.get(), CURLOPT_SSL_VERIFYHOST, 0L);
    }

    // `chemin` after the server's address ("" or "/INBOX…"); `commande` a custom command, or
    // empty for the fetch the URL names. Returns what the server sent.
    QByteArray Executer(const QByteArray& chemin, const QByteArray& commande = {}) {
        Verifier(Essayer(chemin, commande));
        return std::exchange(reponse_, {});
    }

    QByteArray Reponse() { return std::exchange(reponse_, {}); }

    CURLcode Essayer(const QByteArray& chemin, const QByteArray& commande = {}) {
        const QByteArray url = base_ + chemin;
        curl_easy_setopt(h_.get(), CURLOPT_URL, url.constData());
        curl_easy_setopt(h_.get(), CURLOPT_CUSTOMREQUEST,
                         commande.isEmpty() ? nullptr : commande.constData());
        reponse_.clear();
        erreur_[0] = 0;
        return curl_easy_perform(h_.get());
    }

    // Raises the French text of a failure.
    void Verifier(CURLcode code) const {
        if (code == CURLE_OK)
            return;
        const QString hote = serveur_.hote;
        const QString detail =
            QString::fromUtf8(erreur_[0] ? erreur_ : curl_easy_strerror(code)).trimmed();
        switch (code) {
        case CURLE_URL_MALFORMAT:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_WEIRD_SERVER_REPLY:
            throw Erreur(QStringLiteral("Aucun serveur IMAP ne répond à l'adresse %1, port %2. "
                                        "Vérifiez le serveur IMAP et son port dans les "
                                        "paramètres. (%3)")
                             .arg(hote, QString::number(serveur_.port), detail));
        case CURLE_LOGIN_DENIED:
            throw ErreurSession(
                QStringLiteral("Le serveur IMAP %1 a refusé l'identifiant ou le mot de passe.")
                    .arg(hote));
        case CURLE_USE_SSL_FAILED:
            throw Erreur(QStringLiteral("Le serveur IMAP %1 ne propose pas de connexion "
                                        "chiffrée (STARTTLS) : la boîte n'a pas été lue.")
                             .arg(hote));
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
            throw ErreurSession(QStringLiteral("La connexion chiffrée avec le serveur IMAP %1 a "
                                               "échoué : %2")
                                    .arg(hote, detail));
        default:
            throw Erreur(QStringLiteral("Lecture de la boîte aux lettres impossible sur le "
                                        "serveur IMAP %1 : %2")
                             .arg(hote, detail));
        }
    }

private:
    const ServeurIMAP& serveur_;
    PoigneeCurl h_;
    QByteArray base_;
    QByteArray utilisateur_, motDePasse_, autorite_;
    QByteArray reponse_;
    char erreur_[CURL_ERROR_SIZE] = {};
};

// The first certificate a handshake without verification saw, as PEM.
QByteArray CertificatVu(CURL* h) {
    curl_certinfo* infos = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_CERTINFO, &infos) != CURLE_OK || !infos ||
        infos->num_of_certs < 1)
        return {};
    for (curl_slist* champ = infos->certinfo[0]; champ; champ = champ->next) {
        const QByteArray texte(champ->data);
        if (texte.startsWith("Cert:"))
            return texte.mid(5);
    }
    return {};
}

QString Empreinte(const QByteArray& pem) {
    QByteArray corps = pem;
    corps.replace("-----BEGIN CERTIFICATE-----", "").replace("-----END CERTIFICATE-----", "");
    const QByteArray der = QByteArray::fromBase64(corps.simplified().replace(' ', ""));
    return QString::fromLatin1(
        QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex(':').toUpper());
}

// Connects without logging in, once with verification: a certificate that verifies carries
// the session as it is; else once more without it, to learn which certificate it is.
CertificatServeur Sonder(const ServeurIMAP& serveur, QByteArray& pem) {
    {
        Session sonde(serveur);
        curl_easy_setopt(sonde.Poignee(), CURLOPT_CONNECT_ONLY, 1L);
        const CURLcode code = sonde.Essayer({});
        if (code == CURLE_OK)
            return {true, {}};
        if (code != CURLE_PEER_FAILED_VERIFICATION)
            sonde.Verifier(code);
    }
    Session sonde(serveur);
    curl_easy_setopt(sonde.Poignee(), CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(sonde.Poignee(), CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(sonde.Poignee(), CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(sonde.Poignee(), CURLOPT_CERTINFO, 1L);
    sonde.Executer({});
    pem = CertificatVu(sonde.Poignee());
    if (pem.isEmpty())
        throw Erreur(
            QStringLiteral("Le serveur IMAP %1 n'a présenté aucun certificat.").arg(serveur.hote));
    return {false, Empreinte(pem)};
}

// "* OK [UIDVALIDITY 123] …" and "* OK [UIDNEXT 124] …" in the answer to EXAMINE.
qint64 Code(const QByteArray& reponse, const char* nom) {
    const QRegularExpression motif(QStringLiteral("\\[%1 (\\d+)\\]").arg(QLatin1String(nom)),
                                   QRegularExpression::CaseInsensitiveOption);
    return motif.match(QString::fromLatin1(reponse)).captured(1).toLongLong();
}

// The UIDs of "* SEARCH 4 5 6" above `dernier` (a range "n:*" always holds the highest UID,
// even below n), in order.
QList<qint64> Uids(const QByteArray& reponse, qint64 dernier) {
    QList<qint64> uids;
    for (const QByteArray& ligne : reponse.split('\n')) {
        const QList<QByteArray> mots = ligne.simplified().split(' ');
        if (mots.size() < 2 || mots[0] != "*" || mots[1].toUpper() != "SEARCH")
            continue;
        for (qsizetype i = 2; i < mots.size(); ++i)
            if (const qint64 uid = mots[i].toLongLong(); uid > dernier)
                uids << uid;
    }
    std::sort(uids.begin(), uids.end());
    return uids;
}

QByteArray Guillemets(const QString& boite) {
    QByteArray nom = boite.toUtf8();
    nom.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + nom + '"';
}

} // namespace

Resultat Lire(const ServeurIMAP& serveur, const Etat& precedent, const Reception& reception,
              const Progression& progression) {
    if (serveur.hote.trimmed().isEmpty())
        throw Erreur(QStringLiteral("Aucun serveur IMAP n'est indiqué dans les paramètres."));
    InitialiserCurl();
    Resultat r;
    QByteArray pem;
    const CertificatServeur certificat = Sonder(serveur, pem);
    r.empreinteAEpingler = ConfianceCertificat::Controler(certificat, serveur.empreinteConnue,
                                                          serveur.hote, serveur.port);
    Session session(serveur);
    session.Identifiants();
    if (!certificat.Verifie)
        session.Autorite(pem);
    const QByteArray boite = '/' + QUrl::toPercentEncoding(serveur.boite);
    // libcurl selects the mailbox named in the URL first, then the mailbox is opened again
    // read-only: the fetches that follow on this connection set no flag.
    const QByteArray examen = session.Executer(boite, "EXAMINE " + Guillemets(serveur.boite));
    r.etat.uidValidite = Code(examen, "UIDVALIDITY");
    const qint64 suivant = Code(examen, "UIDNEXT");
    // Another mailbox under the same name (UIDVALIDITY changed): everything is new.
    const qint64 depuis =
        r.etat.uidValidite == precedent.uidValidite ? precedent.dernierUid : qint64(0);
    r.etat.dernierUid = depuis;
    // By windows of UIDs: libcurl cuts an answer line longer than its buffer, and one window's
    // line stays short however large the mailbox.
    constexpr qint64 fenetre = 1000;
    QList<qint64> uids;
    for (qint64 debut = depuis + 1;; debut += fenetre) {
        const bool derniere = suivant <= 0 || debut + fenetre >= suivant;
        const QByteArray fin = derniere ? "*" : QByteArray::number(debut + fenetre - 1);
        uids +=
            Uids(session.Executer(boite, "UID SEARCH UID " + QByteArray::number(debut) + ':' + fin),
                 debut - 1);
        if (derniere)
            break;
    }
    const QByteArray validite = ";UIDVALIDITY=" + QByteArray::number(r.etat.uidValidite);
    for (const qint64 uid : uids) {
        if (progression && !progression(r.lus, int(uids.size()))) {
            r.interrompu = true;
            return r;
        }
        const QByteArray chemin = boite + validite + ";UID=" + QByteArray::number(uid);
        // Expunged by another client since the search: nothing to read.
        if (const CURLcode code = session.Essayer(chemin); code != CURLE_REMOTE_FILE_NOT_FOUND) {
            session.Verifier(code);
            reception(uid, session.Reponse());
        }
        r.etat.dernierUid = uid;
        ++r.lus;
    }
    if (progression)
        progression(r.lus, int(uids.size()));
    return r;
}

} // namespace LectureBoite
