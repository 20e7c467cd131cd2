#include "sending/MoteurCampagne.h"

#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/LectureAdresses.h"
#include "sending/EnvoiUnitaire.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <deque>

using std::chrono::milliseconds;

namespace {
const QString kInjoignable =
    QStringLiteral("Impossible De Joindre Le Serveur, Vérifier Vos Paramètres De Connection.");

QString TexteErreur(const std::exception& e) {
    const auto* erreur = dynamic_cast<const Erreur*>(&e);
    return erreur ? erreur->Message() : QString::fromLocal8Bit(e.what());
}
} // namespace

MoteurCampagne::MoteurCampagne(ClientSMTP& client, Limites limites)
    : client_(client), limites_(limites) {
    // On the worker, for every block of a message written: a confirmed stop cuts the message
    // before its end-of-data line; once that line has left, the reply decides.
    client_.SurProgression = [this](ClientSMTP& emetteur, SensTravail, qint64) {
        if (arret_ && emetteur.DemanderArret()) {
            emetteur.Canal().VerifierDeconnexion(true, false);
            emetteur.Canal().Fermer();
        }
    };
}

MoteurCampagne::~MoteurCampagne() {
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.Arreter();
    client_.SurProgression = nullptr;
}

bool MoteurCampagne::Attendre(const std::function<bool()>& fini, milliseconds delai) {
    const bool borne = delai != milliseconds::max();
    const QDeadlineTimer echeance =
        borne ? QDeadlineTimer(delai, Qt::PreciseTimer) : QDeadlineTimer(QDeadlineTimer::Forever);
    // Wakes the sleeping event loop at the limit; started again for what is left when it
    // woke it a little early.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    while (!fini()) {
        if (echeance.hasExpired())
            return false;
        if (borne && !reveil.isActive())
            reveil.start(std::max<qint64>(echeance.remainingTime(), 1));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

FinCampagne MoteurCampagne::Executer(const MessageCourriel& message, const QStringList& adresses,
                                     EcouteurCampagne& ecouteur) {
    MessageCourriel copie = message;
    const QStringList liste = adresses;
    FinCampagne fin = FinCampagne::Terminee;
    QString motif;
    if (Connecter(ecouteur, fin, motif)) {
        fin = Envoyer(copie, liste, ecouteur, motif);
        Deconnecter(ecouteur);
    }
    ecouteur.Fin(fin, motif);
    return fin;
}

MoteurCampagne::IssueConnexion MoteurCampagne::OuvrirConnexion(bool reprise, QString& motif) {
    travailleur_.Lancer([this, reprise] {
        // Cleared here, on the worker: a previous worker the wait gave up on has ended before
        // this piece starts.
        motifSession_.clear();
        erreurConnexion_.clear();
        connecte_ = false;
        try {
            // A connection the server dropped or ended with 421: closed without QUIT.
            if (reprise)
                client_.Deconnecter(false);
            client_.Connecter();
            connecte_ = true;
        } catch (const ErreurSession& e) {
            motifSession_ = e.Message();
        } catch (const std::exception& e) {
            erreurConnexion_ = TexteErreur(e);
        }
    });
    bool abandon = false;
    const bool fini = Attendre(
        [&] {
            abandon = Interrompu();
            return abandon || !travailleur_.EnCours();
        },
        limites_.connexion);
    // The worker's words are read only when it has ended: a worker given up on may still
    // write them.
    const bool termine = fini && !abandon;
    if (termine && connecte_)
        return IssueConnexion::Connecte;
    // Closed without QUIT; a worker still blocked in the connection then fails by itself.
    client_.Canal().VerifierDeconnexion(false, false);
    client_.Canal().Fermer();
    if (arret_)
        return IssueConnexion::Interrompue;
    if (termine && !motifSession_.isEmpty()) {
        motif = motifSession_;
        return IssueConnexion::Session;
    }
    motif = termine ? erreurConnexion_.trimmed() : QString();
    return IssueConnexion::Echec;
}

bool MoteurCampagne::Connecter(EcouteurCampagne& ecouteur, FinCampagne& fin, QString& motif) {
    ecouteur.Connexion();
    switch (OuvrirConnexion(false, motif)) {
    case IssueConnexion::Connecte:
        EpinglerCertificat(ecouteur);
        ecouteur.Connecte();
        return true;
    case IssueConnexion::Interrompue:
        fin = FinCampagne::ConnexionAnnulee;
        break;
    case IssueConnexion::Session:
        fin = FinCampagne::SessionRefusee;
        break;
    case IssueConnexion::Echec:
        fin = FinCampagne::Injoignable;
        break;
    }
    return false;
}

ResultatEnvoi MoteurCampagne::EnvoyerA(MessageCourriel& message, const QString& adresse, int numero,
                                       int nombre, EcouteurCampagne& ecouteur) {
    travailleur_.Lancer([this, &message, adresse] {
        try {
            resultat_ = EnvoiUnitaire(client_, message, adresse);
        } catch (const ErreurSession& e) {
            motifSession_ = e.Message();
        }
    });
    Attendre([this] { return Interrompu() || !travailleur_.EnCours(); });
    if (travailleur_.EnCours()) {
        // A stop or a close: the message under way is cut before its end-of-data line, or,
        // once that line has left, its reply is waited for.
        const bool finDeDonneesPartie = !client_.DemanderArret();
        if (arret_)
            ecouteur.ArretEnCours(numero, nombre);
        LaisserFinirEnvoi(finDeDonneesPartie ? limites_.reponseFinDeDonnees
                          : Abandon()        ? milliseconds(0)
                                             : limites_.finEnvoiArrete);
    }
    EpinglerCertificat(ecouteur);
    return resultat_;
}

FinCampagne MoteurCampagne::Envoyer(MessageCourriel& message, const QStringList& adresses,
                                    EcouteurCampagne& ecouteur, QString& motif) {
    const int n = adresses.size();
    ecouteur.DebutEnvois(n);
    // The items still to try now, in the list's order, and those waiting for a new try.
    std::deque<int> aFaire;
    for (int i = 0; i < n; ++i)
        aFaire.push_back(i);
    std::vector<EnAttente> enAttente;
    std::vector<int> essais(n, 0);
    int faits = 0;
    bool connecte = true;
    int messagesSurConnexion = 0;
    Horloge::Instant prochainDepart = horloge_->Maintenant();
    auto terminer = [&](const ResultatEnvoi& r) {
        ecouteur.Resultat(r);
        ecouteur.Progression(++faits, n);
    };
    // A temporary outcome waits for its next try while tries are left; else it is final.
    auto differer = [&](int i, const ResultatEnvoi& r) {
        if (essais[i] >= int(limites_.reprises.size())) {
            terminer(r);
            return;
        }
        ecouteur.EchecTemporaire(r);
        enAttente.push_back({i, horloge_->Maintenant() + limites_.reprises[essais[i]], r});
        ++essais[i];
        SignalerAttente(enAttente, ecouteur);
    };
    FinCampagne fin = FinCampagne::Terminee;
    while (fin == FinCampagne::Terminee && (!aFaire.empty() || !enAttente.empty())) {
        if (aFaire.empty()) {
            if (!AttendreReprise(enAttente, aFaire))
                break;
            SignalerAttente(enAttente, ecouteur);
            continue;
        }
        if (!connecte) {
            QString raison;
            switch (OuvrirConnexion(true, raison)) {
            case IssueConnexion::Connecte:
                connecte = true;
                messagesSurConnexion = 0;
                EpinglerCertificat(ecouteur);
                break;
            case IssueConnexion::Session:
                motif = raison;
                return FinCampagne::SessionRefusee;
            case IssueConnexion::Interrompue:
                break;
            case IssueConnexion::Echec:
                // Nothing goes out on this pass: every item waiting now waits for the back-off.
                while (!aFaire.empty()) {
                    const int i = aFaire.front();
                    aFaire.pop_front();
                    differer(i, {adresses[i], raison.isEmpty() ? kInjoignable : raison, true});
                }
                continue;
            }
            if (!connecte)
                break;
        }
        const int i = aFaire.front();
        aFaire.pop_front();
        try {
            LireListeAdresses(adresses[i], message.Destinataires);
        } catch (const std::exception& e) {
            ecouteur.ErreurEnvoi(TexteErreur(e), adresses[i]);
            fin = FinCampagne::Erreur;
            break;
        }
        // The pace the user set: messages spread evenly over each minute.
        if (limites_.messagesParMinute > 0) {
            if (!AttendreJusqua(prochainDepart)) {
                aFaire.push_front(i);
                break;
            }
            prochainDepart =
                horloge_->Maintenant() +
                std::chrono::duration_cast<Horloge::Instant::duration>(std::chrono::minutes(1)) /
                    limites_.messagesParMinute;
        }
        ecouteur.Essai(adresses[i]);
        const ResultatEnvoi r = EnvoyerA(message, adresses[i], faits + 1, n, ecouteur);
        ++messagesSurConnexion;
        // Every later address would fail the same way (and each refused login counts against
        // the user at the server): the campaign ends here.
        if (!motifSession_.isEmpty()) {
            motif = motifSession_;
            return FinCampagne::SessionRefusee;
        }
        // A dropped connection, or a server that said 421, is opened again for the next item.
        if (r.code == 421 || (r.temporaire && r.code == 0))
            connecte = false;
        // Enough messages on this connection for the user's setting: QUIT, and a new one for
        // the next item.
        else if (limites_.messagesParConnexion > 0 &&
                 messagesSurConnexion >= limites_.messagesParConnexion && !Interrompu()) {
            // A goodbye that fails mid-campaign changes nothing: the next item connects anew.
            EcouteurCampagne silencieux;
            Deconnecter(silencieux);
            connecte = false;
        }
        // A message that may have been delivered is not sent again.
        if (r.temporaire && !r.issueInconnue && !Interrompu())
            differer(i, r);
        else
            terminer(r);
        if (arret_)
            fin = FinCampagne::Stoppee;
        else if (Abandon())
            fin = FinCampagne::Fermeture;
    }
    if (Interrompu() && fin == FinCampagne::Terminee)
        fin = arret_ ? FinCampagne::Stoppee : FinCampagne::Fermeture;
    // Stopped with items waiting for a new try: each is told with the reply it last had.
    for (const EnAttente& a : enAttente)
        ecouteur.Resultat(a.dernier);
    return fin;
}

void MoteurCampagne::Deconnecter(EcouteurCampagne& ecouteur) {
    std::exception_ptr erreur;
    travailleur_.Lancer([this, &erreur] {
        try {
            client_.Deconnecter(true);
        } catch (...) {
            erreur = std::current_exception();
        }
    });
    // After a stop, a server slow to say goodbye is left without waiting long; a closing
    // window does not wait at all.
    Attendre([this] { return Abandon() || !travailleur_.EnCours(); },
             arret_ ? limites_.finEnvoiArrete : milliseconds::max());
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.AttendreFin();
    if (erreur) {
        try {
            std::rethrow_exception(erreur);
        } catch (const std::exception& e) {
            ecouteur.ErreurDeconnexion(e);
        }
    }
}

bool MoteurCampagne::AttendreJusqua(Horloge::Instant instant) {
    while (horloge_->Maintenant() < instant) {
        if (Interrompu())
            return false;
        // Woken at least every 100 ms: a clock that a test moves is seen at once.
        const auto reste =
            std::chrono::duration_cast<milliseconds>(instant - horloge_->Maintenant());
        Attendre([this] { return Interrompu(); },
                 std::clamp(reste, milliseconds(1), milliseconds(100)));
    }
    return !Interrompu();
}

Horloge::Instant MoteurCampagne::ProchaineEcheance(const std::vector<EnAttente>& enAttente) {
    return std::min_element(enAttente.begin(), enAttente.end(),
                            [](const auto& a, const auto& b) { return a.echeance < b.echeance; })
        ->echeance;
}

bool MoteurCampagne::AttendreReprise(std::vector<EnAttente>& enAttente, std::deque<int>& aFaire) {
    if (!AttendreJusqua(ProchaineEcheance(enAttente)))
        return false;
    // Every item due now, in the list's order.
    const Horloge::Instant maintenant = horloge_->Maintenant();
    std::vector<int> dus;
    std::erase_if(enAttente, [&](const EnAttente& a) {
        if (a.echeance > maintenant)
            return false;
        dus.push_back(a.indice);
        return true;
    });
    std::sort(dus.begin(), dus.end());
    aFaire.insert(aFaire.end(), dus.begin(), dus.end());
    return true;
}

void MoteurCampagne::SignalerAttente(const std::vector<EnAttente>& enAttente,
                                     EcouteurCampagne& ecouteur) const {
    if (enAttente.empty()) {
        ecouteur.AttenteReprise(0, milliseconds(0));
        return;
    }
    ecouteur.AttenteReprise(
        int(enAttente.size()),
        std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(
                                      ProchaineEcheance(enAttente) - horloge_->Maintenant())));
}

void MoteurCampagne::LaisserFinirEnvoi(milliseconds delai) {
    Attendre([this] { return !travailleur_.EnCours(); }, delai);
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.AttendreFin();
}

void MoteurCampagne::EpinglerCertificat(EcouteurCampagne& ecouteur) {
    const QString empreinte = client_.PrendreEmpreinteAEpingler();
    if (empreinte.isEmpty())
        return;
    client_.EmpreinteConnue = empreinte;
    ecouteur.EmpreinteAEpingler(client_.Hote, client_.Port, empreinte);
}
