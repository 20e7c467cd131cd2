#include "mail/CanalConnexion.h"

#include "mail/ErreursTransport.h"
#include "mail/SocketCanal.h"
#include "mail/TableErreursSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

namespace {
QString DecoderAscii(const char* octets, qsizetype n) {
    QString texte(n, Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(octets[i]);
        sortie[i] = QChar(c < 128 ? c : '?');
    }
    return texte;
}

QString TexteAdresse(const sockaddr_in& a) {
    char tampon[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, tampon, sizeof tampon);
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(tampon)).arg(ntohs(a.sin_port));
}

bool FinConnexion(int numero) {
    return numero == TableErreursSocket::Arrete || numero == TableErreursSocket::Interrompue;
}
} // namespace

CanalConnexion::CanalConnexion(ProprietaireCanal* proprietaire, OptionsTLS options)
    : proprietaire_(proprietaire), options_(std::move(options)) {}

CanalConnexion::~CanalConnexion() {
    Fermer();
}

std::shared_ptr<SocketCanal> CanalConnexion::SocketCourant() const {
    std::lock_guard verrou(verrou_);
    return socket_;
}

bool CanalConnexion::SocketAlloue() const {
    return SocketCourant() != nullptr;
}

QString CanalConnexion::AdresseLocale() const {
    std::lock_guard verrou(verrou_);
    return adresseLocale_;
}

QString CanalConnexion::AdressePair() const {
    std::lock_guard verrou(verrou_);
    return adressePair_;
}

bool CanalConnexion::SansResolveur(const QString& hote) {
    if (hote.compare(QLatin1String("LOCALHOST"), Qt::CaseInsensitive) == 0)
        return true;
    const QStringList parties = hote.split(QLatin1Char('.'));
    if (parties.size() != 4)
        return false;
    for (const QString& p : parties) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        if (p.toInt() > 255)
            return false;
    }
    return true;
}

quint32 CanalConnexion::Resoudre() const {
    if (Hote.compare(QLatin1String("LOCALHOST"), Qt::CaseInsensitive) == 0)
        return htonl(INADDR_LOOPBACK);
    if (SansResolveur(Hote)) {
        quint32 valeur = 0;
        for (const QString& p : Hote.split(QLatin1Char('.')))
            valeur = (valeur << 8) | static_cast<quint32>(p.toInt());
        return htonl(valeur);
    }
    addrinfo indications{};
    indications.ai_family = AF_INET;
    indications.ai_socktype = SOCK_STREAM;
    addrinfo* resultat = nullptr;
    const int code = ::getaddrinfo(Hote.toUtf8().constData(), nullptr, &indications, &resultat);
    if (code != 0)
        throw TableErreursSocket::Erreur(TableErreursSocket::NumeroResolveur(code, errno));
    const quint32 adresse = reinterpret_cast<sockaddr_in*>(resultat->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(resultat);
    return adresse;
}

void CanalConnexion::Ouvrir() {
    Fermer();
    const int fermetures = fermetures_;
    ouvert_ = false;
    fermeParPair_ = false;
    tamponEntree_.clear();
    delai_ = std::chrono::milliseconds(-1);
    // A new socket starts in clear text: the TLS state of the previous one ended with it.
    passageDirect_ = true;
    ouvert_ = true;
    try {
        auto s = std::make_shared<SocketCanal>();
        {
            std::lock_guard verrou(verrou_);
            // Closed from another thread before the socket existed: that close is for us.
            if (fermetures_ != fermetures)
                throw ErreurConnexionFermee();
            socket_ = s;
            adresseLocale_.clear();
            adressePair_.clear();
        }
        const quint32 adresse = Resoudre();
        if (const int code = s->Connecter(adresse, htons(Port)); code != 0)
            throw TableErreursSocket::ErreurSysteme(code);
        {
            std::lock_guard verrou(verrou_);
            if (socket_ == s) {
                sockaddr_in a{};
                socklen_t longueur = sizeof a;
                ::getsockname(s->Descripteur(), reinterpret_cast<sockaddr*>(&a), &longueur);
                adresseLocale_ = TexteAdresse(a);
                longueur = sizeof a;
                ::getpeername(s->Descripteur(), reinterpret_cast<sockaddr*>(&a), &longueur);
                adressePair_ = TexteAdresse(a);
            }
        }
        try {
            s->TLS().PreparerContexte(options_);
        } catch (const ErreurBibliothequeAbsente&) {
            // The channel is in clear text here: it goes on without TLS, and only a later
            // STARTTLS fails.
        }
        if (SocketCourant() != s)
            throw ErreurConnexionFermee();
    } catch (...) {
        Fermer();
        throw;
    }
}

void CanalConnexion::Fermer() {
    std::shared_ptr<SocketCanal> s;
    {
        std::lock_guard verrou(verrou_);
        ++fermetures_;
        s = std::move(socket_);
        socket_.reset();
    }
    if (s) {
        // Another holder may be blocked in the socket: wake it, and let it close the socket
        // when it lets go. Alone, the close is orderly (TLS close notification first).
        if (s.use_count() > 1 || fermeParPair_)
            s->Interrompre();
        s.reset();
    }
    ouvert_ = false;
}

void CanalConnexion::VerifierDeconnexion(bool leverErreur, bool ignorerTampon) {
    bool deconnecte;
    if (fermeParPair_) {
        if (SocketAlloue())
            Fermer();
        deconnecte = true;
    } else {
        deconnecte = !SocketAlloue();
    }
    if (deconnecte && leverErreur && (ignorerTampon || tamponEntree_.isEmpty()))
        throw ErreurConnexionFermee();
}

bool CanalConnexion::LireSource(bool leverErreur, bool attendre) {
    for (;;) {
        VerifierDeconnexion(leverErreur, false);
        auto s = SocketCourant();
        if (!s) {
            if (!leverErreur)
                return false;
            throw Erreur(QStringLiteral("Non connecté"));
        }
        if (!attendre && !s->Lisible())
            return false;
        if (attendre && !s->TLS().EnAttente())
            AttendrePair(*s, false);
        if (SocketCourant() != s) {
            if (!leverErreur)
                return false;
            throw Erreur(QStringLiteral("Déconnecté."));
        }
        if (!ouvert_) {
            if (!leverErreur)
                return false;
            throw Erreur(QStringLiteral("Non connecté"));
        }
        const qsizetype avant = tamponEntree_.size();
        tamponEntree_.resize(avant + TailleBloc);
        int code = 0;
        qint64 n;
        if (passageDirect_) {
            n = ::recv(s->Descripteur(), tamponEntree_.data() + avant, TailleBloc, 0);
            if (n < 0)
                code = errno;
        } else {
            const SessionTLS::AttenteSocket attente = [&](bool ecriture) {
                AttendrePair(*s, ecriture);
            };
            try {
                n = s->TLS().Lire(tamponEntree_.data() + avant, TailleBloc,
                                  attendre ? &attente : nullptr, code);
            } catch (...) {
                tamponEntree_.resize(qMin(avant, tamponEntree_.size()));
                throw;
            }
        }
        tamponEntree_.resize(avant + qMax<qint64>(n, 0));
        s.reset();
        if (n < 0 && code == EINTR)
            continue;
        // Readable, yet nothing to read (a TLS record still incomplete, a spurious wake).
        if (n < 0 && (code == EAGAIN || code == EWOULDBLOCK)) {
            if (!attendre)
                return false;
            continue;
        }
        if (n < 0) {
            const int numero = TableErreursSocket::NumeroSysteme(code);
            if (!FinConnexion(numero))
                throw TableErreursSocket::Erreur(numero);
            fermeParPair_ = true;
            Fermer();
            if (tamponEntree_.isEmpty() && leverErreur)
                throw TableErreursSocket::Erreur(numero);
            return false;
        }
        if (n == 0)
            fermeParPair_ = true;
        VerifierDeconnexion(leverErreur, false);
        if (n > 0)
            return true;
        if (!SocketAlloue())
            return false;
    }
}

void CanalConnexion::DefinirDelai(std::chrono::milliseconds delai, const QString& etapeLecture,
                                  const QString& etapeEcriture) {
    delai_ = delai;
    echeance_ = std::chrono::steady_clock::now() + delai;
    etapeLecture_ = etapeLecture;
    etapeEcriture_ = etapeEcriture;
}

void CanalConnexion::AttendrePair(SocketCanal& s, bool ecriture) {
    SocketCanal::Echeance echeance;
    if (delai_.count() >= 0)
        echeance = echeance_;
    if (s.Attendre(ecriture ? POLLOUT : POLLIN, echeance))
        return;
    // A silent peer is a lost link: nothing more is said on it (no QUIT, no TLS close
    // notification), and a reply begun before the silence is no use any more.
    tamponEntree_.clear();
    s.Interrompre();
    Fermer();
    const QString delai = ErreurDelaiDepasse::TexteDelai(delai_);
    throw ErreurDelaiDepasse(
        delai_, ecriture ? QStringLiteral("Le serveur n'a pas accepté les données dans le "
                                          "délai (%1) %2.")
                               .arg(delai, etapeEcriture_)
                         : QStringLiteral("Le serveur n'a pas répondu dans le délai (%1) %2.")
                               .arg(delai, etapeLecture_));
}

QString CanalConnexion::LireLigne() {
    qsizetype depart = 0;
    for (;;) {
        const qsizetype fin = tamponEntree_.indexOf('\n', depart);
        if (fin > LongueurLigneMax || (fin < 0 && tamponEntree_.size() > LongueurLigneMax)) {
            // Without a line end, more than the limit can only end in a line too long:
            // failing now keeps a peer from filling the memory. The rest of that line would
            // be read as the next replies, so the connection is dropped with it.
            tamponEntree_.clear();
            Fermer();
            throw Erreur(QStringLiteral("Longueur de ligne maximale dépassée."));
        }
        if (fin >= 0) {
            qsizetype longueur = fin;
            if (longueur > 0 && tamponEntree_[longueur - 1] == '\r')
                --longueur;
            const QString ligne = DecoderAscii(tamponEntree_.constData(), longueur);
            tamponEntree_.remove(0, fin + 1);
            return ligne;
        }
        depart = tamponEntree_.size();
        VerifierDeconnexion(true, true);
        LireSource(true, true);
    }
}

void CanalConnexion::EcrireLigne(const QString& texte) {
    QByteArray octets = texte.toUtf8();
    octets.append("\r\n", 2);
    Ecrire(octets);
}

void CanalConnexion::EcrireBlocLignes(const QList<QByteArray>& lignes) {
    QByteArray bloc;
    qsizetype taille = 0;
    for (const QByteArray& l : lignes)
        taille += l.size() + 2;
    bloc.reserve(taille);
    for (const QByteArray& l : lignes) {
        bloc.append(l);
        bloc.append("\r\n", 2);
    }
    Ecrire(bloc);
}

void CanalConnexion::Ecrire(const QByteArray& octets) {
    if (octets.isEmpty())
        return;
    VerifierDeconnexion(true, true);
    if (!regroupe_) {
        EnvoyerTout(octets);
        return;
    }
    sortie_ += octets;
    if (sortie_.size() >= TailleRegroupement)
        EnvoyerRegroupes();
}

void CanalConnexion::EnvoyerRegroupes() {
    // Sent from the other buffer, which then stands empty for the next gathering. Both keep
    // their room: a campaign does not allocate them again for every message.
    envoi_.swap(sortie_);
    try {
        EnvoyerTout(envoi_);
    } catch (...) {
        envoi_.truncate(0);
        throw;
    }
    envoi_.truncate(0);
}

void CanalConnexion::EnvoyerTout(const QByteArray& octets) {
    qint64 fait = 0;
    while (fait < octets.size()) {
        auto s = SocketCourant();
        // Closed meanwhile, for instance from a progress notification: nothing more leaves.
        if (!s)
            throw ErreurConnexionFermee();
        int code = 0;
        qint64 n;
        if (passageDirect_) {
            n = ::send(s->Descripteur(), octets.constData() + fait, octets.size() - fait,
                       MSG_NOSIGNAL);
            if (n < 0)
                code = errno;
        } else {
            // Block by block, so that the limit of each block applies under TLS too.
            n = s->TLS().Ecrire(
                octets.constData() + fait, qMin<qint64>(octets.size() - fait, TailleBloc),
                [&](bool ecriture) { AttendrePair(*s, ecriture); }, code);
        }
        if (n < 0 && (code == EAGAIN || code == EWOULDBLOCK)) {
            AttendrePair(*s, true);
            continue;
        }
        s.reset();
        if (n < 0 && code == EINTR)
            continue;
        if (n < 0) {
            const int numero = TableErreursSocket::NumeroSysteme(code);
            if (FinConnexion(numero) || numero == TableErreursSocket::Reinitialisee) {
                fermeParPair_ = true;
                Fermer();
            }
            throw TableErreursSocket::Erreur(numero);
        }
        if (n == 0)
            fermeParPair_ = true;
        else if (delai_.count() >= 0)
            echeance_ = std::chrono::steady_clock::now() + delai_;
        VerifierDeconnexion(true, false);
        Travail(SensTravail::Ecriture, n);
        fait += n;
    }
}

void CanalConnexion::RegrouperEnvois(bool actif) {
    if (actif) {
        regroupe_ = true;
        sortie_.truncate(0);
        if (sortie_.capacity() < TailleRegroupement + TailleBloc)
            sortie_.reserve(TailleRegroupement + TailleBloc);
        return;
    }
    regroupe_ = false;
    if (!sortie_.isEmpty()) {
        VerifierDeconnexion(true, true);
        EnvoyerRegroupes();
    }
}

void CanalConnexion::AbandonnerRegroupement() {
    regroupe_ = false;
    sortie_.truncate(0);
}

bool CanalConnexion::EstConnecte() {
    LireSource(false, false);
    return !tamponEntree_.isEmpty() || (SocketAlloue() && ouvert_ && !fermeParPair_);
}

void CanalConnexion::DefinirPassageDirect(bool valeur) {
    if (valeur == passageDirect_)
        return;
    if (valeur) {
        passageDirect_ = true;
        return;
    }
    auto s = SocketCourant();
    if (!s)
        throw ErreurConnexionFermee();
    if (!s->TLS().AContexte())
        throw ErreurBibliothequeAbsente();
    certificat_ = {};
    s->TLS().Negocier(s->Descripteur(), Hote, [&](bool ecriture) { AttendrePair(*s, ecriture); });
    certificat_ = s->TLS().Certificat();
    passageDirect_ = false;
}

void CanalConnexion::DebutTravail(SensTravail sens, qint64 taille) {
    if (proprietaire_)
        proprietaire_->DebutTravail(sens, taille);
}

void CanalConnexion::Travail(SensTravail sens, qint64 n) {
    if (proprietaire_)
        proprietaire_->Travail(sens, n);
}

void CanalConnexion::FinTravail(SensTravail sens) {
    if (proprietaire_)
        proprietaire_->FinTravail(sens);
}
