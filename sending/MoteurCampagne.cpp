#include "sending/MoteurCampagne.h"

#include "commun/Erreur.h"
#include "commun/MessageSysteme.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/LectureAdresses.h"
#include "sending/Cadenceur.h"
#include "sending/Disjoncteur.h"
#include "sending/EnvoiUnitaire.h"
#include "sending/PlanAdresses.h"
#include "sending/Travailleur.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/eventfd.h>
#include <unistd.h>

using std::chrono::milliseconds;
using Moment = std::chrono::steady_clock::time_point;

namespace {
constexpr Moment kJamais = Moment::max();
// The longest sleep of a worker between two looks at the clock and the stop: a clock that a
// test moves is seen at once.
constexpr milliseconds kTranche{100};
// The caller's thread takes the events at most this often: woken for each of thousands of
// messages a second, it would take the processor from the connections.
constexpr milliseconds kCadenceEvenements{5};
// A pause longer than this closes the connections until it ends.
constexpr qint64 kPauseSansConnexion = 60'000;
// Connections lost in a row before the address waits its back-off as any temporary failure.
constexpr int kPertesAvantReprise = 3;

QString TexteErreur(const std::exception& e) {
    const auto* erreur = dynamic_cast<const Erreur*>(&e);
    return erreur ? erreur->Message() : QString::fromLocal8Bit(e.what());
}

// An error met on a worker, for the listener on the caller's thread.
std::function<void(EcouteurCampagne&)>
ErreurPour(std::exception_ptr erreur, void (EcouteurCampagne::*cible)(const std::exception&)) {
    return [erreur, cible](EcouteurCampagne& e) {
        try {
            std::rethrow_exception(erreur);
        } catch (const std::exception& x) {
            (e.*cible)(x);
        } catch (...) {
        }
    };
}

void Couper(ClientSMTP& client) {
    client.Canal().VerifierDeconnexion(false, false);
    client.Canal().Fermer();
}
} // namespace

// One connection of the campaign: its client, its copy of the message, its worker.
struct MoteurCampagne::Voie {
    enum class Etat { Repos, Connexion, Envoi, Adieu };

    ClientSMTP* client = nullptr;
    std::unique_ptr<ClientSMTP> propre;
    MessageCourriel message;
    // The worker's own.
    int surConnexion = 0;
    // Under the engine's lock.
    Etat etat = Etat::Repos;
    // When the caller's thread closes the channel of the step under way.
    Moment echeance = kJamais;
    bool delaiDepasse = false;
    // The message under way, and whether its stop has been told.
    int numero = 0;
    QString adresse;
    // The try of the message under way is on record (its end of data was about to leave).
    bool essaiConsigne = false;
    bool arretSignale = false;
    // Last: it ends before what it uses goes.
    Travailleur travailleur;
};

// One run of Executer: what the connections share, under the engine's lock.
struct MoteurCampagne::Deroulement {
    QThread* fil = nullptr;
    // Written by a connection when events wait; a notifier of the caller's thread hands them
    // over from its event loop, a nested one included (a question box, a wait in a handler),
    // so that no connection waits for the caller to come back to Executer.
    int signal = -1;
    EcouteurCampagne* ecouteur = nullptr;
    // None once a call has failed.
    RegistreCampagne* registre = nullptr;
    // The listener's error, met in a nested event loop; raised by Executer.
    std::exception_ptr erreurEcouteur;
    QStringList adresses;
    int nombre = 0;
    std::vector<std::unique_ptr<Voie>> voies;
    std::deque<Evenement> evenements;
    std::optional<PlanAdresses> plan;
    int faits = 0;
    // Items taken by a connection and not yet done: they may come back for a new try.
    int enCours = 0;
    // Connections open now.
    int ouvertes = 0;
    // The first connection succeeded: the others may open.
    bool demarree = false;
    FinCampagne fin = FinCampagne::Terminee;
    QString motif;
    Cadenceur cadenceur;
    Disjoncteur disjoncteur;
    // Items whose refusal waits to know whether it is one of a run about the sender.
    std::vector<int> retenus;
    // Connections lost in a row, no message accepted between them.
    int pertes = 0;
    // A quota's pause: no message starts before this date (0: none).
    qint64 pause = 0;
};

QString MoteurCampagne::TexteInjoignable() {
    return QStringLiteral(
        "Impossible De Joindre Le Serveur, Vérifier Vos Paramètres De Connection.");
}

MoteurCampagne::MoteurCampagne(ClientSMTP& client, Limites limites)
    : client_(client), limites_(std::move(limites)) {}

MoteurCampagne::~MoteurCampagne() = default;

FinCampagne MoteurCampagne::Executer(const MessageCourriel& message, const QStringList& adresses,
                                     EcouteurCampagne& ecouteur, RegistreCampagne* registre) {
    abandon_ = false;
    Deroulement d;
    d.fil = QThread::currentThread();
    d.signal = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (d.signal < 0)
        throw Erreur(MessageSysteme(errno));
    const auto fermerSignal = qScopeGuard([&d] { ::close(d.signal); });
    QSocketNotifier notificateur(d.signal, QSocketNotifier::Read);
    // After each hand-over the signal is left unread for a moment: the events of that moment
    // go over together.
    QTimer pause;
    pause.setSingleShot(true);
    pause.setInterval(kCadenceEvenements);
    QObject::connect(&pause, &QTimer::timeout, [&notificateur] { notificateur.setEnabled(true); });
    QObject::connect(&notificateur, &QSocketNotifier::activated, [this, &d, &notificateur, &pause] {
        quint64 compte = 0;
        (void)!::read(d.signal, &compte, sizeof compte);
        TransmettreDepuisBoucle(d);
        notificateur.setEnabled(false);
        pause.start();
    });
    d.ecouteur = &ecouteur;
    d.registre = registre;
    d.adresses = adresses;
    d.nombre = int(adresses.size());
    d.plan.emplace(d.nombre, limites_.reprises);
    d.cadenceur = Cadenceur(
        {limites_.messagesParMinute, limites_.messagesParHeure, limites_.messagesParJour});
    for (const qint64 date : historique_.envois)
        d.cadenceur.AjouterHistorique(date);
    d.cadenceur.ReprendreAllure(historique_.allure);
    d.cadenceur.Suspendre(historique_.pause);
    for (int k = 0; k < std::clamp(limites_.connexions, 1, 8); ++k) {
        auto v = std::make_unique<Voie>();
        if (k > 0)
            v->propre = client_.Jumeau();
        v->client = k > 0 ? v->propre.get() : &client_;
        v->message = message;
        // On the worker, for every block of a message written: a confirmed stop cuts the
        // message before its end-of-data line; once that line has left, the reply decides.
        v->client->SurProgression = [this](ClientSMTP& emetteur, SensTravail, qint64) {
            if (arret_ && emetteur.DemanderArret()) {
                emetteur.Canal().VerifierDeconnexion(true, false);
                emetteur.Canal().Fermer();
            }
        };
        // The try goes on record only now, when the message may reach the server: a login
        // refused or a sender deferred leaves no "perhaps received" behind.
        v->client->AvantFinDeDonnees = [this, &d, &voie = *v](ClientSMTP& emetteur) {
            if (arret_) {
                emetteur.DemanderArret();
                return;
            }
            const Verrou l(verrou_);
            voie.essaiConsigne = true;
            Consigner(d, [&voie](RegistreCampagne& r) { r.Essai(voie.adresse); });
        };
        d.voies.push_back(std::move(v));
    }
    const auto decrocher = [&] {
        for (auto& v : d.voies) {
            v->travailleur.Arreter();
            v->client->SurProgression = nullptr;
            v->client->AvantFinDeDonnees = nullptr;
        }
    };

    ecouteur.Connexion();
    for (auto& v : d.voies)
        v->travailleur.Lancer([this, &d, &voie = *v] { Parcourir(d, voie); });
    try {
        Suivre(d);
    } catch (...) {
        // The listener failed: every connection is dropped and ends before the error leaves.
        abandon_ = true;
        {
            const Verrou l(verrou_);
            for (auto& v : d.voies)
                Couper(*v->client);
        }
        reveil_.notify_all();
        decrocher();
        throw;
    }
    decrocher();

    FinCampagne fin = d.fin;
    if (d.demarree) {
        if (Interrompu() && fin == FinCampagne::Terminee)
            fin = arret_ ? FinCampagne::Stoppee : FinCampagne::Fermeture;
        // Ended with items waiting for a new try: each is told with the reply it last had.
        // Refusals held by a run that never reached its third are final once every address
        // was tried.
        {
            const Verrou l(verrou_);
            for (const auto& a : d.plan->Attentes())
                Consigner(d, [&a](RegistreCampagne& r) { r.Resultat(a.dernier); });
            if (fin == FinCampagne::Terminee)
                Liberer(d, d.disjoncteur.Rompre());
        }
        // A record that failed meanwhile.
        Transmettre(d);
        for (const auto& a : d.plan->Attentes())
            ecouteur.Resultat(a.dernier);
    }
    ecouteur.Fin(fin, d.motif);
    return fin;
}

// ---- The caller's thread ----

void MoteurCampagne::Suivre(Deroulement& d) {
    // Wakes the sleeping event loop at the nearest limit.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    bool arretVu = false;
    bool fermetureVue = false;
    for (;;) {
        Transmettre(d);
        if (d.erreurEcouteur)
            std::rethrow_exception(d.erreurEcouteur);
        if (!fermetureVue && Abandon()) {
            fermetureVue = true;
            abandon_ = true;
            Interrompre(d, true);
        }
        if (!arretVu && arret_) {
            arretVu = true;
            Interrompre(d, false);
        }
        const Moment echeance = Surveiller(d);
        if (std::none_of(d.voies.begin(), d.voies.end(),
                         [](const auto& v) { return v->travailleur.EnCours(); })) {
            Transmettre(d);
            return;
        }
        // At most a slice ahead: a clock that a test moves is seen soon.
        if (echeance != kJamais)
            reveil.start(
                int(std::clamp(std::chrono::ceil<milliseconds>(echeance - horloge_->Maintenant()),
                               milliseconds(1), kTranche)
                        .count()));
        // The campaign runs inside its caller's handler, as "Envoyer" always has: the window
        // stays alive through this loop, asleep until a worker's event, the clock's next step,
        // a click on "Stopper" or a close (Abandon), each of which it reads again here.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void MoteurCampagne::Transmettre(Deroulement& d) {
    // One at a time: a listener that runs a nested event loop is followed by the next events
    // in their order.
    for (;;) {
        Evenement e;
        {
            const Verrou l(verrou_);
            if (d.evenements.empty() || d.erreurEcouteur)
                return;
            e = std::move(d.evenements.front());
            d.evenements.pop_front();
        }
        e(*d.ecouteur);
    }
}

void MoteurCampagne::TransmettreDepuisBoucle(Deroulement& d) {
    try {
        Transmettre(d);
    } catch (...) {
        // Not through the event loop: Executer raises it.
        d.erreurEcouteur = std::current_exception();
    }
}

void MoteurCampagne::Interrompre(Deroulement& d, bool fermeture) {
    {
        const Verrou l(verrou_);
        const Moment maintenant = horloge_->Maintenant();
        for (auto& pv : d.voies) {
            Voie& v = *pv;
            switch (v.etat) {
            case Voie::Etat::Repos:
                break;
            case Voie::Etat::Connexion:
                // Closed without QUIT; the worker blocked in the connection fails by itself.
                Couper(*v.client);
                break;
            case Voie::Etat::Envoi:
                if (!v.arretSignale) {
                    v.arretSignale = true;
                    // Before its end-of-data line, the message is cut; once that line has
                    // left, its reply is waited for.
                    const bool finDeDonneesPartie = !v.client->DemanderArret();
                    if (arret_) {
                        const int numero = v.numero, nombre = d.nombre;
                        Publier(d, [numero, nombre](EcouteurCampagne& e) {
                            e.ArretEnCours(numero, nombre);
                        });
                    }
                    v.echeance = maintenant + (finDeDonneesPartie ? limites_.reponseFinDeDonnees
                                               : fermeture        ? milliseconds(0)
                                                                  : limites_.finEnvoiArrete);
                } else if (fermeture && !v.client->FinDeDonneesPartie())
                    v.echeance = maintenant;
                break;
            case Voie::Etat::Adieu:
                // A server slow to say goodbye is left without waiting long after a stop, and
                // not at all when the window closes.
                v.echeance =
                    std::min(v.echeance,
                             maintenant + (fermeture ? milliseconds(0) : limites_.finEnvoiArrete));
                break;
            }
        }
    }
    reveil_.notify_all();
}

Moment MoteurCampagne::Surveiller(Deroulement& d) {
    const Verrou l(verrou_);
    const Moment maintenant = horloge_->Maintenant();
    Moment prochaine = kJamais;
    for (auto& pv : d.voies) {
        Voie& v = *pv;
        if (v.echeance == kJamais)
            continue;
        if (v.echeance > maintenant) {
            prochaine = std::min(prochaine, v.echeance);
            continue;
        }
        v.echeance = kJamais;
        if (v.etat == Voie::Etat::Connexion) {
            v.delaiDepasse = true;
            Couper(*v.client);
        } else
            v.client->Canal().Fermer();
    }
    return prochaine;
}

void MoteurCampagne::Publier(Deroulement& d, Evenement evenement) {
    const bool reveiller = d.evenements.empty();
    d.evenements.push_back(std::move(evenement));
    if (reveiller) {
        const quint64 un = 1;
        (void)!::write(d.signal, &un, sizeof un);
    }
}

template <typename Ecriture> void MoteurCampagne::Consigner(Deroulement& d, Ecriture ecriture) {
    if (!d.registre)
        return;
    try {
        ecriture(*d.registre);
    } catch (...) {
        // The sending matters more than its record: it goes on without it.
        d.registre = nullptr;
        Publier(d, ErreurPour(std::current_exception(), &EcouteurCampagne::ErreurRegistre));
    }
}

// ---- A connection's worker ----

void MoteurCampagne::Parcourir(Deroulement& d, Voie& v) {
    Verrou l(verrou_);
    if (!Demarrer(d, v, l))
        return;
    bool connectee = true;
    while (d.fin == FinCampagne::Terminee && !Interrompu()) {
        if (d.plan->RienAEssayer()) {
            if (d.plan->Attentes().empty()) {
                if (d.enCours == 0)
                    break;
                // Another connection's message may come back for a new try.
                reveil_.wait_for(l, kTranche);
            } else if (!AttendreReprise(d, l))
                break;
            continue;
        }
        if (d.pause > horloge_->Date()) {
            if (!Patienter(d, v, l, connectee))
                break;
            continue;
        }
        if (!connectee) {
            if (!Rejoindre(d, v, l, connectee))
                break;
            continue;
        }
        Envoyer(d, v, l, d.plan->Prendre(), connectee);
    }
    if (connectee)
        --d.ouvertes;
    Adieu(d, v, l, false);
    reveil_.notify_all();
}

bool MoteurCampagne::Patienter(Deroulement& d, Voie& v, Verrou& l, bool& connectee) {
    // A long pause is no reason to keep the server's connection: it is said goodbye.
    if (connectee && d.pause - horloge_->Date() > kPauseSansConnexion) {
        Adieu(d, v, l, true);
        connectee = false;
        --d.ouvertes;
    }
    while (horloge_->Date() < d.pause) {
        if (Interrompu() || d.fin != FinCampagne::Terminee)
            return false;
        reveil_.wait_for(
            l, std::clamp(milliseconds(d.pause - horloge_->Date()), milliseconds(1), kTranche));
    }
    if (d.pause != 0) {
        d.pause = 0;
        Publier(d, [](EcouteurCampagne& e) { e.FinPause(); });
    }
    return !Interrompu();
}

bool MoteurCampagne::Demarrer(Deroulement& d, Voie& v, Verrou& l) {
    QString motif;
    if (&v != d.voies.front().get()) {
        // The others open once the first has succeeded, with the certificate it pinned.
        reveil_.wait(l,
                     [&] { return d.demarree || d.fin != FinCampagne::Terminee || Interrompu(); });
        if (!d.demarree || d.fin != FinCampagne::Terminee || Interrompu())
            return false;
        v.client->EmpreinteConnue = d.voies.front()->client->EmpreinteConnue;
        // One the server turns away is left out: the others go on.
        if (Ouvrir(d, v, l, false, motif) != IssueConnexion::Connecte)
            return false;
        ++d.ouvertes;
        return true;
    }
    switch (Ouvrir(d, v, l, false, motif)) {
    case IssueConnexion::Connecte:
        Consigner(d, [](RegistreCampagne& r) { r.Ouvrir(); });
        Publier(d, [](EcouteurCampagne& e) { e.Connecte(); });
        Publier(d, [n = d.nombre](EcouteurCampagne& e) { e.DebutEnvois(n); });
        d.demarree = true;
        ++d.ouvertes;
        reveil_.notify_all();
        return true;
    case IssueConnexion::Interrompue:
        d.fin = FinCampagne::ConnexionAnnulee;
        break;
    case IssueConnexion::Session:
        d.fin = FinCampagne::SessionRefusee;
        break;
    case IssueConnexion::Echec:
        d.fin = FinCampagne::Injoignable;
        break;
    }
    d.motif = motif;
    reveil_.notify_all();
    return false;
}

MoteurCampagne::IssueConnexion MoteurCampagne::Ouvrir(Deroulement& d, Voie& v, Verrou& l,
                                                      bool reprise, QString& motif) {
    if (Interrompu())
        return arret_ ? IssueConnexion::Interrompue : IssueConnexion::Echec;
    v.etat = Voie::Etat::Connexion;
    v.delaiDepasse = false;
    v.echeance = horloge_->Maintenant() + limites_.connexion;
    if (auto* distributeur = QAbstractEventDispatcher::instance(d.fil))
        distributeur->wakeUp();
    l.unlock();
    QString refus;
    QString erreur;
    bool connecte = false;
    try {
        // A connection the server dropped or ended with 421: closed without QUIT.
        if (reprise)
            v.client->Deconnecter(false);
        v.client->Connecter();
        connecte = true;
    } catch (const ErreurSession& e) {
        refus = e.Message();
    } catch (const std::exception& e) {
        erreur = TexteErreur(e);
    }
    l.lock();
    v.etat = Voie::Etat::Repos;
    v.echeance = kJamais;
    // A connection past its limit, or cut by a stop or a close, has no words of the server.
    const bool coupee = v.delaiDepasse || Interrompu();
    if (connecte && !coupee) {
        EpinglerCertificat(d, v);
        return IssueConnexion::Connecte;
    }
    Couper(*v.client);
    if (arret_)
        return IssueConnexion::Interrompue;
    if (!coupee && !refus.isEmpty()) {
        motif = refus;
        return IssueConnexion::Session;
    }
    motif = coupee ? QString() : erreur.trimmed();
    return IssueConnexion::Echec;
}

bool MoteurCampagne::Rejoindre(Deroulement& d, Voie& v, Verrou& l, bool& connectee) {
    QString raison;
    switch (Ouvrir(d, v, l, true, raison)) {
    case IssueConnexion::Connecte:
        connectee = true;
        v.surConnexion = 0;
        ++d.ouvertes;
        return true;
    case IssueConnexion::Session:
        // Every later address would fail the same way (and each refused login counts against
        // the user at the server): the campaign ends here.
        if (d.fin == FinCampagne::Terminee) {
            d.fin = FinCampagne::SessionRefusee;
            d.motif = raison;
        }
        return false;
    case IssueConnexion::Interrompue:
        return false;
    case IssueConnexion::Echec:
        // The other connections go on without this one.
        if (d.ouvertes > 0)
            return false;
        // Nothing goes out on this pass: every item waiting now waits for the back-off.
        while (!d.plan->RienAEssayer()) {
            const int i = d.plan->Prendre();
            Differer(d, i,
                     {.adresse = d.adresses[i],
                      .message = raison.isEmpty() ? TexteInjoignable() : raison,
                      .verdict = Verdict::SessionPerdue});
        }
        return true;
    }
    return false;
}

void MoteurCampagne::Envoyer(Deroulement& d, Voie& v, Verrou& l, int i, bool& connectee) {
    ++d.enCours;
    const QString adresse = d.adresses[i];
    const auto rendre = [&] {
        d.plan->Remettre(i);
        --d.enCours;
        reveil_.notify_all();
    };
    // The pace and the quotas, whichever connection sends.
    const Cadenceur::Depart depart = d.cadenceur.Reserver(horloge_->Date());
    if (depart.quota) {
        d.cadenceur.Rendre(depart.date);
        Pause(d, depart.date);
        rendre();
        return;
    }
    l.unlock();
    QString erreurAdresse;
    try {
        LireListeAdresses(adresse, v.message.Destinataires);
    } catch (const std::exception& e) {
        erreurAdresse = TexteErreur(e);
    }
    l.lock();
    if (!erreurAdresse.isEmpty()) {
        --d.enCours;
        d.cadenceur.Rendre(depart.date);
        Publier(d, [erreurAdresse, adresse](EcouteurCampagne& e) {
            e.ErreurEnvoi(erreurAdresse, adresse);
        });
        if (d.fin == FinCampagne::Terminee)
            d.fin = FinCampagne::Erreur;
        reveil_.notify_all();
        return;
    }
    if (!AttendreDate(d, l, depart.date) || Interrompu() || d.fin != FinCampagne::Terminee) {
        d.cadenceur.Rendre(depart.date);
        rendre();
        return;
    }
    v.etat = Voie::Etat::Envoi;
    v.numero = d.faits + d.enCours;
    v.adresse = adresse;
    v.essaiConsigne = false;
    v.arretSignale = false;
    l.unlock();
    const ResultatEnvoi r = EnvoiUnitaire(*v.client, v.message, adresse);
    ++v.surConnexion;
    l.lock();
    v.etat = Voie::Etat::Repos;
    v.echeance = kJamais;
    EpinglerCertificat(d, v);
    if (r.verdict != Verdict::Accepte)
        d.cadenceur.Rendre(depart.date);
    // A connection that is gone, or ended by the server, is opened again for the next item.
    bool perdue = r.code == 421;
    try {
        perdue = perdue || !v.client->Canal().EstConnecte();
    } catch (const std::exception&) {
        perdue = true;
    }
    if (perdue) {
        connectee = false;
        --d.ouvertes;
    }
    // Enough messages on this connection for the user's setting: QUIT, and a new one for the
    // next item. A goodbye that fails mid-campaign changes nothing.
    else if (limites_.messagesParConnexion > 0 && v.surConnexion >= limites_.messagesParConnexion &&
             !Interrompu()) {
        Adieu(d, v, l, true);
        connectee = false;
        --d.ouvertes;
    }
    Conclure(d, i, r, depart.date, v.essaiConsigne);
    --d.enCours;
    reveil_.notify_all();
}

void MoteurCampagne::Conclure(Deroulement& d, int i, const ResultatEnvoi& r, qint64 depart,
                              bool essaiConsigne) {
    const bool coupe = Interrompu();
    Verdict verdict = r.verdict;
    if (r.enSerie && !coupe) {
        std::vector<Disjoncteur::Membre> sortis;
        if (d.disjoncteur.Refus(i, r, sortis)) {
            // The same refusal for several addresses in a row: the sender or the message is
            // refused, not they. Those held go back to the queue, in the list's order.
            for (auto it = sortis.rbegin(); it != sortis.rend(); ++it)
                if (std::erase(d.retenus, it->indice) > 0)
                    d.plan->Remettre(it->indice);
            verdict = r.code / 100 == 4 ? Verdict::Ralentir : Verdict::Arreter;
        } else {
            Liberer(d, std::move(sortis));
            if (verdict == Verdict::RefuseAdresse) {
                // Held until the run breaks or trips, pending meanwhile.
                d.retenus.push_back(i);
                Clore(d, r, essaiConsigne);
                return;
            }
        }
    }
    const auto remettre = [&] {
        Clore(d, r, essaiConsigne);
        d.plan->Remettre(i);
    };
    const qint64 maintenant = horloge_->Date();
    // A message cut by a stop or a close is told as not sent, never tried again.
    const bool perdu = verdict == Verdict::SessionPerdue || verdict == Verdict::ReessayerAdresse;
    switch (coupe && perdu ? Verdict::RefuseAdresse : verdict) {
    case Verdict::Accepte:
        d.pertes = 0;
        d.cadenceur.Accepte(maintenant);
        Liberer(d, d.disjoncteur.Rompre());
        Terminer(d, r);
        break;
    case Verdict::RefuseAdresse:
    case Verdict::IssueInconnue:
        Terminer(d, r);
        break;
    case Verdict::ReessayerAdresse:
        Differer(d, i, r);
        break;
    case Verdict::Ralentir:
        remettre();
        if (d.cadenceur.Ralentir(maintenant, depart)) {
            const double allure = d.cadenceur.Allure();
            Consigner(d, [allure](RegistreCampagne& x) { x.Allure(allure); });
            Publier(d, [allure](EcouteurCampagne& e) { e.Ralentissement(allure); });
        }
        break;
    case Verdict::Quota:
        remettre();
        // The server gave no date: a day after this first refusal.
        if (d.cadenceur.SuspenduJusqua() <= maintenant) {
            d.cadenceur.Suspendre(maintenant + Cadenceur::kJour);
            Pause(d, maintenant + Cadenceur::kJour);
        }
        break;
    case Verdict::SessionPerdue:
        // A server that keeps dropping the connection: after a few, the address waits its
        // back-off as any temporary failure.
        if (++d.pertes > kPertesAvantReprise)
            Differer(d, i, r);
        else
            remettre();
        break;
    case Verdict::Arreter:
        remettre();
        if (d.fin == FinCampagne::Terminee) {
            d.fin = FinCampagne::SessionRefusee;
            d.motif =
                QString(r.message).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
        }
        break;
    }
}

void MoteurCampagne::Clore(Deroulement& d, const ResultatEnvoi& r, bool essaiConsigne) {
    // A try on record without an outcome would read as a message perhaps received.
    if (essaiConsigne)
        Consigner(d, [&r](RegistreCampagne& x) { x.Temporaire(r); });
}

void MoteurCampagne::Liberer(Deroulement& d, std::vector<Disjoncteur::Membre> membres) {
    for (const auto& m : membres)
        if (std::erase(d.retenus, m.indice) > 0)
            Terminer(d, m.resultat);
}

void MoteurCampagne::Pause(Deroulement& d, qint64 jusqua) {
    if (jusqua <= d.pause)
        return;
    d.pause = jusqua;
    Consigner(d, [jusqua](RegistreCampagne& x) { x.Pause(jusqua); });
    Publier(d, [jusqua](EcouteurCampagne& e) { e.Pause(jusqua); });
}

void MoteurCampagne::Terminer(Deroulement& d, const ResultatEnvoi& r) {
    Consigner(d, [&r](RegistreCampagne& x) { x.Resultat(r); });
    Publier(d, [r](EcouteurCampagne& e) { e.Resultat(r); });
    Publier(d, [faits = ++d.faits, n = d.nombre](EcouteurCampagne& e) { e.Progression(faits, n); });
}

void MoteurCampagne::Differer(Deroulement& d, int i, const ResultatEnvoi& r) {
    // A temporary outcome waits for its next try while tries are left; else it is final.
    if (!d.plan->Differer(i, r, horloge_->Maintenant())) {
        Terminer(d, r);
        return;
    }
    Consigner(d, [&r](RegistreCampagne& x) { x.Temporaire(r); });
    SignalerAttente(d);
}

void MoteurCampagne::Adieu(Deroulement& d, Voie& v, Verrou& l, bool silencieux) {
    v.etat = Voie::Etat::Adieu;
    v.echeance = abandon_ ? horloge_->Maintenant()
                 : arret_ ? horloge_->Maintenant() + limites_.finEnvoiArrete
                          : kJamais;
    if (v.echeance != kJamais)
        if (auto* distributeur = QAbstractEventDispatcher::instance(d.fil))
            distributeur->wakeUp();
    l.unlock();
    std::exception_ptr erreur;
    try {
        v.client->Deconnecter(true);
    } catch (...) {
        erreur = std::current_exception();
    }
    l.lock();
    v.etat = Voie::Etat::Repos;
    v.echeance = kJamais;
    if (erreur && !silencieux)
        Publier(d, ErreurPour(erreur, &EcouteurCampagne::ErreurDeconnexion));
}

void MoteurCampagne::EpinglerCertificat(Deroulement& d, Voie& v) {
    const QString empreinte = v.client->PrendreEmpreinteAEpingler();
    if (empreinte.isEmpty())
        return;
    v.client->EmpreinteConnue = empreinte;
    Publier(d, [hote = v.client->Hote, port = v.client->Port, empreinte](EcouteurCampagne& e) {
        e.EmpreinteAEpingler(hote, port, empreinte);
    });
}

bool MoteurCampagne::AttendreDate(Deroulement& d, Verrou& l, qint64 date) {
    while (horloge_->Date() < date) {
        if (Interrompu() || d.fin != FinCampagne::Terminee)
            return false;
        reveil_.wait_for(
            l, std::clamp(milliseconds(date - horloge_->Date()), milliseconds(1), kTranche));
    }
    return !Interrompu();
}

bool MoteurCampagne::AttendreReprise(Deroulement& d, Verrou& l) {
    const Horloge::Instant prochaine = d.plan->ProchaineEcheance();
    const Horloge::Instant maintenant = horloge_->Maintenant();
    if (maintenant < prochaine) {
        // A short sleep, then the caller looks again: another connection may have given back
        // an item meanwhile.
        reveil_.wait_for(
            l, std::clamp(std::chrono::duration_cast<milliseconds>(prochaine - maintenant),
                          milliseconds(1), kTranche));
        return !Interrompu();
    }
    d.plan->Echus(maintenant);
    SignalerAttente(d);
    reveil_.notify_all();
    return true;
}

void MoteurCampagne::SignalerAttente(Deroulement& d) {
    const int n = int(d.plan->Attentes().size());
    const milliseconds dans =
        n == 0
            ? milliseconds(0)
            : std::max(milliseconds(0), std::chrono::duration_cast<milliseconds>(
                                            d.plan->ProchaineEcheance() - horloge_->Maintenant()));
    Publier(d, [n, dans](EcouteurCampagne& e) { e.AttenteReprise(n, dans); });
}
