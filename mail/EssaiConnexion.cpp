#include "mail/EssaiConnexion.h"

#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"
#include "mail/TableErreursSocket.h"

#include <QMetaObject>

namespace {
QString UneLigne(QString texte) {
    return texte.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified();
}

// "SIZE 10240000" as the user reads it; empty when the server announces none.
QString TailleMax(const QStringList& capacites) {
    for (const QString& c : capacites) {
        if (!c.startsWith(QLatin1String("SIZE"), Qt::CaseInsensitive))
            continue;
        const qint64 octets = c.mid(4).trimmed().toLongLong();
        if (octets <= 0)
            return QStringLiteral("sans limite annoncée");
        return QStringLiteral("%1 Mo").arg(
            QString::number(double(octets) / (1024 * 1024), 'f', 1).replace(u'.', u','));
    }
    return QStringLiteral("non annoncée");
}

bool Offre(const QStringList& capacites, const char* nom) {
    for (const QString& c : capacites)
        if (c.section(QLatin1Char(' '), 0, 0).compare(QLatin1String(nom), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

ResultatEssai Echec(ResultatEssai::Echec etape, const QString& texte) {
    return {etape, texte, {}};
}

QString Reussite(ClientSMTP& client) {
    const QString& protocole = client.Canal().CertificatPair().Protocole;
    const bool implicite =
        client.ModeTLS() != ModeTLS::SansTLS && client.Port == client.PortTLSImplicite;
    const QString securite = client.ModeTLS() == ModeTLS::SansTLS
                                 ? QStringLiteral("aucune, tout passe en clair")
                                 : QStringLiteral("%1 (%2)").arg(
                                       protocole, implicite ? QStringLiteral("dès la connexion")
                                                            : QStringLiteral("STARTTLS"));
    const QString& mecanisme = client.MecanismeAuth();
    return QStringLiteral("La connexion fonctionne : %1, port %2.\n"
                          "Serveur : %3\n"
                          "Sécurité : %4\n"
                          "Authentification : %5\n"
                          "Taille maximale d'un message : %6\n"
                          "Pipelining : %7")
        .arg(client.Hote)
        .arg(client.Port)
        .arg(client.NomServeur(), securite,
             mecanisme.isEmpty() ? QStringLiteral("aucune demandée") : mecanisme,
             TailleMax(client.Capacites()),
             Offre(client.Capacites(), "PIPELINING") ? QStringLiteral("oui")
                                                     : QStringLiteral("non"));
}
} // namespace

EssaiConnexion::EssaiConnexion(std::unique_ptr<ClientSMTP> client, QObject* parent)
    : QObject(parent), client_(std::move(client)) {
    minuterie_.setSingleShot(true);
    connect(&minuterie_, &QTimer::timeout, this, [this] {
        delaiDepasse_ = true;
        Couper();
    });
}

EssaiConnexion::~EssaiConnexion() {
    Annuler();
    if (fil_.joinable())
        fil_.join();
}

void EssaiConnexion::Demarrer() {
    if (fil_.joinable())
        return;
    annule_ = false;
    delaiDepasse_ = false;
    fil_ = std::thread([this] {
        ResultatEssai r = Essayer(*client_);
        if (delaiDepasse_)
            r = Echec(
                ResultatEssai::Echec::Delai,
                QStringLiteral("Le serveur ne répond pas (%1, port %2) : la connexion, TLS et "
                               "l'authentification n'ont pas abouti en %3.")
                    .arg(client_->Hote)
                    .arg(client_->Port)
                    .arg(ErreurDelaiDepasse::TexteDelai(DelaiConnexion)));
        else if (annule_)
            r = Echec(ResultatEssai::Echec::Annule, QStringLiteral("Test de la connexion arrêté."));
        // Queued to this object: dropped if it is gone meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, r] {
                minuterie_.stop();
                fil_.join();
                emit Termine(r);
            },
            Qt::QueuedConnection);
    });
    minuterie_.start(DelaiConnexion);
}

void EssaiConnexion::Annuler() {
    if (!fil_.joinable())
        return;
    annule_ = true;
    Couper();
}

void EssaiConnexion::Couper() {
    client_->Canal().VerifierDeconnexion(false, false);
    client_->Canal().Fermer();
}

ResultatEssai EssaiConnexion::Essayer(ClientSMTP& client) {
    using E = ResultatEssai::Echec;
    const bool tls = client.ModeTLS() != ModeTLS::SansTLS;
    // Before TLS is up, a refused certificate or a failed handshake is TLS's fault.
    const auto avantTLS = [&] { return tls && client.EtatAtteint() < EtatSessionSMTP::Securisee; };
    const QString serveur = QStringLiteral("%1, port %2").arg(client.Hote).arg(client.Port);
    try {
        client.Connecter();
    } catch (const ErreurDelaiDepasse& e) {
        return Echec(E::Delai, QStringLiteral("Le serveur ne répond pas (%1) : %2")
                                   .arg(serveur, UneLigne(e.Message())));
    } catch (const ErreurSocket& e) {
        if (e.Numero() >= 11001 && e.Numero() <= 11004)
            return Echec(E::Nom, QStringLiteral("Serveur introuvable : le nom « %1 » n'existe pas "
                                                "dans l'annuaire DNS.")
                                     .arg(client.Hote));
        if (e.Numero() == 10061)
            return Echec(E::Connexion, QStringLiteral("Connexion refusée : aucun serveur n'écoute "
                                                      "sur le port %1 de %2. Vérifiez le port.")
                                           .arg(client.Port)
                                           .arg(client.Hote));
        if (avantTLS() && client.EtatAtteint() > EtatSessionSMTP::Fermee)
            return Echec(E::TLS, QStringLiteral("La connexion sécurisée (TLS) a échoué (%1) : %2")
                                     .arg(serveur, UneLigne(e.Message())));
        return Echec(
            E::Connexion,
            QStringLiteral("Connexion impossible (%1) : %2").arg(serveur, UneLigne(e.Message())));
    } catch (const ErreurSession& e) {
        if (avantTLS())
            return Echec(E::Certificat,
                         QStringLiteral("Certificat refusé : %1").arg(UneLigne(e.Message())));
        return Echec(E::Authentification, UneLigne(e.Message()));
    } catch (const ErreurReponseSMTP& e) {
        if (client.EtatAtteint() == EtatSessionSMTP::Fermee)
            return Echec(E::Accueil, QStringLiteral("Le serveur a refusé la connexion (%1) : %2")
                                         .arg(serveur, UneLigne(e.Message())));
        return Echec(avantTLS() ? E::TLS : E::Authentification,
                     QStringLiteral("Le serveur a répondu « %1 ».").arg(UneLigne(e.Message())));
    } catch (const Erreur& e) {
        if (avantTLS())
            return Echec(E::TLS, QStringLiteral("La connexion sécurisée (TLS) a échoué (%1) : %2")
                                     .arg(serveur, UneLigne(e.Message())));
        return Echec(
            E::Connexion,
            QStringLiteral("Connexion impossible (%1) : %2").arg(serveur, UneLigne(e.Message())));
    }
    ResultatEssai r;
    bool authOfferte = false;
    for (const QString& c : client.Capacites())
        authOfferte |= c.startsWith(QLatin1String("AUTH "), Qt::CaseInsensitive) ||
                       c.startsWith(QLatin1String("AUTH="), Qt::CaseInsensitive);
    if (!client.Utilisateur.isEmpty() && client.MecanismeAuth().isEmpty()) {
        // The campaign would go on unauthenticated, and its first message be refused.
        if (!tls && !authOfferte && Offre(client.Capacites(), "STARTTLS"))
            r = Echec(E::TexteClair,
                      QStringLiteral("Le serveur refuse l'authentification en clair : cochez "
                                     "« Connection Sécurisé TLS (Type Gmail) »."));
        else
            r = Echec(E::SansAuthentification,
                      QStringLiteral("Le serveur ne propose aucune authentification (AUTH) : "
                                     "vérifiez le serveur et le port que donne votre "
                                     "fournisseur."));
    } else {
        r.Texte = Reussite(client);
    }
    r.EmpreinteAEpingler = client.PrendreEmpreinteAEpingler();
    try {
        client.Deconnecter(true);
    } catch (const Erreur&) {
        // The session was opened: a goodbye that fails changes nothing.
    }
    return r;
}
