#include "mail/ClientSMTP.h"

#include "mail/AdresseTransport.h"
#include "mail/CodageMessage.h"
#include "mail/ConfianceCertificat.h"
#include "mail/ErreurSession.h"
#include "mail/ErreursTransport.h"
#include "mail/IdentifiantsSASL.h"
#include "mail/NomSalutation.h"

#include <QScopeGuard>
#include <QSysInfo>
#include <algorithm>

namespace {
const QString texteSSLIndisponible = QStringLiteral("SSL n'est pas disponible sur ce serveur.");
const QString etapeNegociation = QStringLiteral("pendant la négociation TLS");
const QString etapeMessage = QStringLiteral("pendant l'envoi du message");

// The command as the user may read it in a time-out: the lines of AUTH LOGIN that follow it
// carry the user name and password, never shown.
QString NomCommande(const QString& ligne) {
    for (const char* nom : {"MAIL FROM", "RCPT TO"})
        if (ligne.startsWith(QLatin1String(nom), Qt::CaseInsensitive))
            return QString::fromLatin1(nom);
    const QString verbe = ligne.section(QLatin1Char(' '), 0, 0).toUpper();
    for (const char* nom : {"EHLO", "HELO", "STARTTLS", "AUTH", "RSET", "DATA", "QUIT"})
        if (verbe == QLatin1String(nom))
            return verbe;
    return QStringLiteral("AUTH");
}

// No CR, LF or NUL may reach a command line: the server would read a second command. Beyond
// ASCII, only the addresses of an SMTPUTF8 transaction may go (`utf8`); anything else is refused
// here rather than sent altered.
void VerifierLigneCommande(const QString& ligne, bool utf8) {
    const QString verbe = ligne.section(QLatin1Char(' '), 0, 0);
    if (ligne.contains(QLatin1Char('\r')) || ligne.contains(QLatin1Char('\n')) ||
        ligne.contains(QChar(0)))
        throw Erreur(QStringLiteral("Envoi impossible : la commande %1 contient un retour "
                                    "chariot, un saut de ligne ou un caractère nul.")
                         .arg(verbe));
    if (!utf8)
        for (QChar c : ligne)
            if (c.unicode() >= 128)
                throw Erreur(QStringLiteral("Envoi impossible : la commande %1 contient un "
                                            "caractère que le serveur ne peut pas recevoir.")
                                 .arg(verbe));
}

// The sender's address as it travels. Its faults are the session's, never a recipient's: every
// message of the campaign would meet them.
QString FormeExpediteur(const QString& adresse, bool utf8) {
    try {
        return AdresseTransport::Forme(adresse, utf8);
    } catch (const ErreurAdresse& e) {
        throw ErreurSession(QStringLiteral("Adresse de l'expéditeur : %1").arg(e.Message()));
    }
}

// The message's text leaves in gathered writes, inside one write-progress bracket that also
// holds the end-of-data line's own write (the last count therefore includes its 3 bytes); on an
// error nothing more leaves.
class EnvoisRegroupes {
public:
    explicit EnvoisRegroupes(CanalConnexion& canal) : canal_(canal) {
        canal_.DebutTravail(SensTravail::Ecriture, 0);
        canal_.RegrouperEnvois(true);
    }
    void Terminer() { canal_.RegrouperEnvois(false); }
    ~EnvoisRegroupes() {
        canal_.AbandonnerRegroupement();
        canal_.FinTravail(SensTravail::Ecriture);
    }
    EnvoisRegroupes(const EnvoisRegroupes&) = delete;
    EnvoisRegroupes& operator=(const EnvoisRegroupes&) = delete;

private:
    CanalConnexion& canal_;
};

// The message's text after DATA: dot-stuffed (RFC 5321 transparency), written in blocks so
// that a stop asked from a progress notification takes effect soon.
void EcrireDonnees(CanalConnexion& canal, QByteArray texte) {
    if (texte.startsWith('.'))
        texte.prepend('.');
    if (texte.contains("\n."))
        texte.replace("\n.", "\n..");
    for (qsizetype fait = 0; fait < texte.size(); fait += CanalConnexion::TailleBloc)
        canal.Ecrire(QByteArray::fromRawData(
            texte.constData() + fait,
            qMin<qsizetype>(CanalConnexion::TailleBloc, texte.size() - fait)));
}
} // namespace

ClientSMTP::ClientSMTP(OptionsTLS options) : canal_(this, std::move(options)) {}

std::unique_ptr<ClientSMTP> ClientSMTP::Jumeau() const {
    auto jumeau = std::make_unique<ClientSMTP>(canal_.Options());
    jumeau->Hote = Hote;
    jumeau->Port = Port;
    jumeau->NomHelo = NomHelo;
    jumeau->Utilisateur = Utilisateur;
    jumeau->MotDePasse = MotDePasse;
    jumeau->PortTLSImplicite = PortTLSImplicite;
    jumeau->EmpreinteConnue = EmpreinteConnue;
    jumeau->Pipelining = Pipelining;
    jumeau->Sources = Sources;
    jumeau->Delais = Delais;
    jumeau->modeTLS_ = modeTLS_;
    jumeau->utiliserEhlo_ = utiliserEhlo_;
    return jumeau;
}

void ClientSMTP::DefinirModeTLS(::ModeTLS mode) {
    if (canal_.EstConnecte())
        throw Erreur(
            QStringLiteral("Cette valeur ne peut pas être définie quand le client est connecté."));
    // The user's port is kept whatever the mode: on the implicit-TLS port, the TLS option
    // means TLS from the first byte (see Connecter), not another port.
    modeTLS_ = mode;
    if (mode == ::ModeTLS::TLSExplicite)
        utiliserEhlo_ = true;
}

void ClientSMTP::Connecter() {
    {
        std::lock_guard verrou(arret_);
        arretDemande_ = false;
        finDeDonneesPartie_ = false;
    }
    if (canal_.EstConnecte())
        throw Erreur(QStringLiteral("Déjà connecté."));
    etat_ = atteint_ = EtatSessionSMTP::Fermee;
    mecanisme_.clear();
    empreinteAEpingler_.clear();
    canal_.DefinirPassageDirect(true);
    if (Hote.isEmpty() || Port == 0)
        throw Erreur(QString());
    canal_.Hote = Hote;
    canal_.Port = Port;
    canal_.Ouvrir();
    try {
        if (TLSImplicite())
            OuvrirTLSImplicite();
        const QString etape = QStringLiteral("après l'ouverture de la connexion");
        canal_.DefinirDelai(Delais.Accueil, etape, etape);
        LireReponse({220});
        Salutation();
        Atteindre(TLSImplicite() ? EtatSessionSMTP::Securisee : EtatSessionSMTP::Accueillie);
        DemarrerTLS();
        Authentifier();
    } catch (...) {
        Deconnecter(false);
        throw;
    }
}

void ClientSMTP::Atteindre(EtatSessionSMTP etat) {
    etat_ = atteint_ = etat;
}

const ReponseSMTP& ClientSMTP::EnvoyerCommande(const QString& ligne, Codes codesAcceptes) {
    VerifierLigneCommande(ligne, transactionUtf8_);
    LimiterCommande(ligne);
    canal_.EcrireLigne(ligne);
    return LireReponse(codesAcceptes);
}

void ClientSMTP::LimiterCommande(const QString& ligne) {
    const QString nom = NomCommande(ligne);
    // RSET and QUIT, sent after a refusal, leave the step at the refused command.
    if (nom == QLatin1String("MAIL FROM"))
        etape_ = EtapeSMTP::Expediteur;
    else if (nom == QLatin1String("RCPT TO"))
        etape_ = EtapeSMTP::Destinataire;
    else if (nom == QLatin1String("DATA"))
        etape_ = EtapeSMTP::Donnees;
    else if (nom != QLatin1String("RSET") && nom != QLatin1String("QUIT"))
        etape_ = EtapeSMTP::Session;
    const DelaisSMTP::ms delai = nom == QLatin1String("MAIL FROM") ? Delais.Mail
                                 : nom == QLatin1String("RCPT TO") ? Delais.Rcpt
                                 : nom == QLatin1String("DATA")    ? Delais.Data
                                                                   : Delais.Autres;
    canal_.DefinirDelai(delai, QStringLiteral("après la commande ") + nom,
                        QStringLiteral("pendant l'envoi de la commande ") + nom);
}

const ReponseSMTP& ClientSMTP::LireReponse(Codes codesAcceptes) {
    derniereReponse_ = ReponseSMTP::Lire(canal_);
    const int code = derniereReponse_.CodeNumerique();
    if (codesAcceptes.size() != 0 &&
        std::find(codesAcceptes.begin(), codesAcceptes.end(), code) == codesAcceptes.end()) {
        QString texte;
        for (const QString& l : std::as_const(derniereReponse_.Texte))
            texte += l + QStringLiteral("\r\n");
        throw ErreurReponseSMTP(code, derniereReponse_.CodeEtendu, texte);
    }
    return derniereReponse_;
}

void ClientSMTP::Salutation() {
    capacites_.clear();
    const QString nom = NomSalutation(NomHelo, QSysInfo::machineHostName(), canal_.AdresseLocale());
    if (utiliserEhlo_) {
        const ReponseSMTP& r = EnvoyerCommande(QStringLiteral("EHLO ") + nom, {});
        if (r.CodeNumerique() == 250) {
            capacites_ = r.Texte.mid(1);
            nomServeur_ = r.Texte.value(0).section(QLatin1Char(' '), 0, 0);
            return;
        }
    }
    nomServeur_ = EnvoyerCommande(QStringLiteral("HELO ") + nom, {250})
                      .Texte.value(0)
                      .section(QLatin1Char(' '), 0, 0);
}

bool ClientSMTP::Capacite(const QString& ligne) const {
    for (const QString& c : capacites_)
        if (c.compare(ligne, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList ClientSMTP::MecanismesAuth() const {
    QStringList mecanismes;
    for (const QString& c : capacites_) {
        if (c.size() < 5 || !c.startsWith(QLatin1String("AUTH"), Qt::CaseInsensitive) ||
            (c[4] != QLatin1Char(' ') && c[4] != QLatin1Char('=')))
            continue;
        const QStringList mots = c.mid(4)
                                     .toUpper()
                                     .replace(QLatin1Char('='), QLatin1Char(' '))
                                     .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& m : mots)
            if (!mecanismes.contains(m))
                mecanismes << m;
    }
    return mecanismes;
}

void ClientSMTP::DemarrerTLS() {
    if (modeTLS_ == ::ModeTLS::SansTLS || !canal_.PassageDirect())
        return;
    bool avecQuit = true;
    try {
        NegocierTLS(avecQuit);
    } catch (...) {
        // An error of this QUIT surfaces in place of the first one.
        Deconnecter(avecQuit && canal_.EstConnecte());
        throw;
    }
    Atteindre(EtatSessionSMTP::Securisee);
}

bool ClientSMTP::TLSImplicite() const {
    return modeTLS_ != ::ModeTLS::SansTLS && Port == PortTLSImplicite;
}

void ClientSMTP::OuvrirTLSImplicite() {
    // The server waits for the handshake before its greeting: nothing was said yet, so a
    // failure just closes (Connecter's caller does that).
    canal_.DefinirDelai(Delais.Autres, etapeNegociation, etapeNegociation);
    try {
        canal_.DefinirPassageDirect(false);
    } catch (const ErreurConnexionFermee&) {
        throw;
    } catch (const ErreurDelaiDepasse&) {
        throw;
    } catch (const Erreur&) {
        throw Erreur(texteSSLIndisponible);
    }
    ControlerCertificat();
}

void ClientSMTP::ControlerCertificat() {
    const QString aEpingler =
        ConfianceCertificat::Controler(canal_.CertificatPair(), EmpreinteConnue, Hote, Port);
    if (!aEpingler.isEmpty())
        empreinteAEpingler_ = aEpingler;
}

void ClientSMTP::NegocierTLS(bool& avecQuit) {
    // Once closed, every later message fails as closed, whatever the server offered.
    canal_.VerifierDeconnexion(true, true);
    // TLS was asked for: never go on in clear text, where the password would travel.
    if (!Capacite(QStringLiteral("STARTTLS")))
        throw Erreur(texteSSLIndisponible);
    if (EnvoyerCommande(QStringLiteral("STARTTLS"), {}).CodeNumerique() != 220)
        throw Erreur(QStringLiteral("La commande de démarrage de la négociation SSL a échoué."));
    // Bytes that came with the 220 were sent in clear text before the handshake, by the
    // server or by someone on the path: none of them may ever be read as a reply.
    if (!canal_.TamponEntree().isEmpty()) {
        avecQuit = false;
        throw Erreur(texteSSLIndisponible);
    }
    canal_.DefinirDelai(Delais.Autres, etapeNegociation, etapeNegociation);
    try {
        canal_.DefinirPassageDirect(false);
    } catch (const ErreurDelaiDepasse&) {
        // The channel is closed already.
        avecQuit = false;
        throw;
    } catch (const ErreurBibliothequeAbsente&) {
        // No handshake byte left: the dialogue is still plain SMTP, QUIT ends it.
        throw Erreur(texteSSLIndisponible);
    } catch (const Erreur&) {
        // After a failed handshake the stream is neither clear SMTP nor TLS: a QUIT could
        // wait forever, or read leftover bytes as its reply. Close at once.
        avecQuit = false;
        throw Erreur(texteSSLIndisponible);
    }
    // Checked before EHLO, which names the user, and before AUTH: nothing more is said to a
    // server whose certificate changed.
    avecQuit = false;
    ControlerCertificat();
    avecQuit = true;
    Salutation();
}

void ClientSMTP::Authentifier() {
    const QStringList mecanismes = Utilisateur.isEmpty() ? QStringList() : MecanismesAuth();
    const bool login = mecanismes.contains(QLatin1String("LOGIN"));
    // A server offering neither mechanism gets the transaction unauthenticated.
    if (!login && !mecanismes.contains(QLatin1String("PLAIN"))) {
        Atteindre(EtatSessionSMTP::Authentifiee);
        return;
    }
    try {
        if (login) {
            EnvoyerCommande(QStringLiteral("AUTH LOGIN"), {334});
            if (EnvoyerCommande(IdentifiantsSASL::Login(Utilisateur), {235, 334}).CodeNumerique() ==
                334)
                EnvoyerCommande(IdentifiantsSASL::Login(MotDePasse), {235});
        } else {
            EnvoyerCommande(QStringLiteral("AUTH PLAIN ") +
                                IdentifiantsSASL::Plain(Utilisateur, MotDePasse),
                            {235});
        }
    } catch (const ErreurReponseSMTP& e) {
        // The server still listens: say goodbye rather than drop the line.
        try {
            Deconnecter(true);
        } catch (const Erreur&) {
        }
        throw ErreurSession(
            QStringLiteral("Le serveur a refusé le nom d'utilisateur ou le mot de passe : %1")
                .arg(QString(e.Message())
                         .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                         .trimmed()));
    }
    mecanisme_ = login ? QStringLiteral("LOGIN") : QStringLiteral("PLAIN");
    Atteindre(EtatSessionSMTP::Authentifiee);
}

void ClientSMTP::Envoyer(MessageCourriel& message) {
    // A failure before this message's end of data must not be read as the previous message's
    // "perhaps delivered".
    {
        std::lock_guard verrou(arret_);
        finDeDonneesPartie_ = false;
    }
    const AdressesCourriel adresses =
        message.Destinataires + message.Copies + message.CopiesCachees;
    QString expediteur = message.Expediteur.Adresse.trimmed();
    if (expediteur.isEmpty() && !message.De.isEmpty())
        expediteur = message.De.first().Adresse.trimmed();
    message.EntetesSupplementaires.removeIf([](const auto& e) {
        return e.first.compare(QLatin1String("X-Mailer"), Qt::CaseInsensitive) == 0;
    });
    etape_ = EtapeSMTP::Session;
    // A session that Connecter did not open, or that was closed since, fails as closed.
    if (etat_ != EtatSessionSMTP::Authentifiee)
        canal_.VerifierDeconnexion(true, true);
    // Known once the login is done: the server may offer more over TLS.
    const bool utf8 = TransactionUtf8(message, expediteur);
    // Whatever can fail in the addresses and the text fails here, before any command of the
    // message: once the server has said 354, every byte is message text, and a command would
    // land inside the body.
    QString mailFrom =
        QStringLiteral("MAIL FROM: <") + FormeExpediteur(expediteur, utf8) + QLatin1Char('>');
    if (utf8)
        mailFrom += Capacite(QStringLiteral("8BITMIME")) ? QStringLiteral(" SMTPUTF8 BODY=8BITMIME")
                                                         : QStringLiteral(" SMTPUTF8");
    QStringList ouverture = {QStringLiteral("RSET"), mailFrom};
    for (const AdresseCourriel& a : adresses)
        ouverture << QStringLiteral("RCPT TO:<") + AdresseTransport::Forme(a.Adresse, utf8) +
                         QLatin1Char('>');
    ComposerMessage(message, Sources, texte_, utf8);
    transactionUtf8_ = utf8;
    const auto finTransaction = qScopeGuard([this] { transactionUtf8_ = false; });
    // With the option on, a server that offers PIPELINING takes RSET, MAIL FROM and RCPT TO in one
    // write; their replies are then read in order and checked as if each command had waited for its
    // own, which saves a round trip for each of them. Before an error leaves, the replies still on
    // the way are read, so that none is taken for the reply of a later command.
    const bool groupe = Pipelining && Capacite(QStringLiteral("PIPELINING"));
    if (groupe) {
        for (const QString& ligne : std::as_const(ouverture))
            VerifierLigneCommande(ligne, utf8);
        LimiterCommande(ouverture.first());
        canal_.EcrireLigne(ouverture.join(QStringLiteral("\r\n")));
    }
    qsizetype enAttente = groupe ? ouverture.size() : 0;
    const auto etape = [&](qsizetype i, Codes codes) {
        if (!groupe) {
            EnvoyerCommande(ouverture[i], codes);
            return;
        }
        --enAttente;
        LimiterCommande(ouverture[i]);
        LireReponse(codes);
    };
    const auto lireLeReste = [&] {
        try {
            for (; enAttente > 0; --enAttente)
                LireReponse({});
        } catch (const Erreur&) {
        }
    };
    etape(0, {});
    try {
        etape(1, {250});
    } catch (const ErreurReponseSMTP&) {
        lireLeReste();
        throw;
    }
    try {
        for (qsizetype i = 2; i < ouverture.size(); ++i)
            etape(i, {250, 251});
        EnvoyerCommande(QStringLiteral("DATA"), {354});
        try {
            EnvoisRegroupes regroupes(canal_);
            canal_.DefinirDelai(Delais.BlocDonnees, etapeMessage, etapeMessage);
            EcrireDonnees(canal_, texte_);
            // The text leaves gathered; the end-of-data line in a write of its own, once no
            // stop was asked: a stop and a delivery can then never cross.
            regroupes.Terminer();
            PasserFinDeDonnees();
            etape_ = EtapeSMTP::FinDonnees;
            canal_.DefinirDelai(Delais.FinDonnees, QStringLiteral("après la fin du message"),
                                QStringLiteral("pendant l'envoi de la fin du message"));
            canal_.EcrireLigne(QStringLiteral("."));
        } catch (...) {
            // Cut inside the message, the dialogue cannot be brought back in step: the server
            // would read the next commands as text. Drop the connection, as a lost one.
            Deconnecter(false);
            throw;
        }
        LireReponse({250});
    } catch (const ErreurReponseSMTP&) {
        lireLeReste();
        // The refusal is what the user must read, even if the RSET fails too.
        try {
            EnvoyerCommande(QStringLiteral("RSET"), {});
        } catch (const Erreur&) {
        }
        throw;
    }
}

bool ClientSMTP::TransactionUtf8(const MessageCourriel& message, const QString& expediteur) const {
    const bool offert = Capacite(QStringLiteral("SMTPUTF8"));
    bool accentuee = false;
    QStringList adresses = {expediteur};
    for (const AdresseCourriel& a : message.De)
        adresses << a.Adresse;
    for (const QString& a : std::as_const(adresses))
        if (AdresseTransport::BoiteAccentuee(a)) {
            if (!offert)
                FormeExpediteur(a, false);
            accentuee = true;
        }
    for (const AdressesCourriel* liste :
         {&message.Destinataires, &message.Copies, &message.CopiesCachees})
        for (const AdresseCourriel& a : *liste)
            accentuee = accentuee || AdresseTransport::BoiteAccentuee(a.Adresse);
    // Without the extension, the recipient's own check names the address the server cannot take.
    return accentuee && offert;
}

bool ClientSMTP::DemanderArret() {
    std::lock_guard verrou(arret_);
    arretDemande_ = true;
    return !finDeDonneesPartie_;
}

bool ClientSMTP::FinDeDonneesPartie() {
    std::lock_guard verrou(arret_);
    return finDeDonneesPartie_;
}

void ClientSMTP::PasserFinDeDonnees() {
    if (AvantFinDeDonnees)
        AvantFinDeDonnees(*this);
    {
        std::lock_guard verrou(arret_);
        if (!arretDemande_) {
            finDeDonneesPartie_ = true;
            return;
        }
    }
    canal_.Fermer();
    throw ErreurConnexionFermee();
}

void ClientSMTP::Deconnecter(bool avecQuit) {
    std::exception_ptr erreur;
    try {
        if (avecQuit && canal_.EstConnecte())
            EnvoyerCommande(QStringLiteral("QUIT"), {221});
    } catch (...) {
        erreur = std::current_exception();
    }
    canal_.Fermer();
    etat_ = EtatSessionSMTP::Fermee;
    if (erreur)
        std::rethrow_exception(erreur);
}

void ClientSMTP::DebutTravail(SensTravail sens, qint64 taille) {
    Compteurs& c = compteurs_[static_cast<int>(sens)];
    if (++c.niveau == 1) {
        c.taille = taille;
        c.compte = 0;
    }
}

void ClientSMTP::Travail(SensTravail sens, qint64 n) {
    Compteurs& c = compteurs_[static_cast<int>(sens)];
    if (c.niveau < 1)
        return;
    c.compte += n;
    if (SurProgression)
        SurProgression(*this, sens, c.compte);
}

void ClientSMTP::FinTravail(SensTravail sens) {
    --compteurs_[static_cast<int>(sens)].niveau;
}
