#pragma once
// One send campaign without a window. Each connection has its own worker and client and runs
// the whole dialogue on it: it connects, takes the next address, sends, takes the next one
// without waiting for the caller's thread, says goodbye. The connections share the addresses.
// Executer returns when the campaign has ended; meanwhile it tells the listener, on the
// caller's thread and in order, what the connections did, and processes the caller's events,
// sleeping while none comes, so that the window stays alive and its handlers may ask for a
// stop. The message and the addresses are copied when the campaign starts: the list the user
// edits meanwhile is never read.
#include "mail/MessageCourriel.h"
#include "sending/Disjoncteur.h"
#include "sending/EcouteurCampagne.h"
#include "sending/Horloge.h"
#include "sending/RegistreCampagne.h"

#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class ClientSMTP;

class MoteurCampagne {
public:
    // What the user reads when the server cannot be reached and no word of it explains why.
    static QString TexteInjoignable();

    struct Limites {
        // From the start of the connection to the end of the greeting, STARTTLS and login.
        std::chrono::milliseconds connexion{25000};
        // After a stop, for the reply to an end-of-data line that has already left.
        std::chrono::milliseconds reponseFinDeDonnees{30000};
        // After a stop, for a message whose end-of-data line has not left to end by itself.
        std::chrono::milliseconds finEnvoiArrete{2000};
        // The back-offs before each new try of an address whose outcome was temporary (4xx,
        // 421, connection lost, time-out); their count is the number of new tries.
        std::vector<std::chrono::milliseconds> reprises{
            std::chrono::minutes(1), std::chrono::minutes(5), std::chrono::minutes(15)};
        // Messages started per minute, spread evenly, and per rolling hour and day (earlier
        // campaigns' included, see Historique); 0: no limit.
        int messagesParMinute = 0;
        int messagesParHeure = 0;
        int messagesParJour = 0;
        // Messages per connection before QUIT and a new connection; 0: no limit.
        int messagesParConnexion = 0;
        // Connections open at once (1 to 8), each with its own worker and client. The others
        // open once the first has succeeded; one the server turns away is left out.
        int connexions = 1;
    };

    // `client` is configured by the caller (server, port, names, TLS, pinned certificate) and
    // used by one campaign at a time; the other connections use copies of its settings.
    MoteurCampagne(ClientSMTP& client, Limites limites);
    ~MoteurCampagne();
    MoteurCampagne(const MoteurCampagne&) = delete;
    MoteurCampagne& operator=(const MoteurCampagne&) = delete;

    // Runs one campaign to its end. `message` is sent once per item of `adresses`, its
    // recipients read from the item. `registre`, if any, keeps the record of it.
    FinCampagne Executer(const MessageCourriel& message, const QStringList& adresses,
                         EcouteurCampagne& ecouteur, RegistreCampagne* registre = nullptr);

    // A stop confirmed by the user, from a handler that runs during Executer: a message whose
    // end-of-data line has not left is not delivered; one whose line has left waits for its
    // reply, so that what is told matches what the server received.
    void DemanderArret() { arret_ = true; }
    // At the start of a campaign, before its stop button can be pressed.
    void OublierArret() { arret_ = false; }
    // Asked between events (the window closing): no new message starts, and no wait lasts.
    std::function<bool()> Abandon = [] { return false; };

    // The clock of the back-offs, the pace, the pauses and the limits; the system's unless a
    // test gives its own. It is read from every connection's worker.
    void DefinirHorloge(const Horloge& horloge) { horloge_ = &horloge; }

    // What earlier campaigns of the same settings, and the one resumed, leave to this one.
    struct Historique {
        // Dates (Horloge::Date) of the messages accepted within the last day.
        std::vector<qint64> envois;
        // The pace learnt from the server, in messages per minute; 0: none.
        double allure = 0;
        // The end of a pause for the server's quota; 0: none.
        qint64 pause = 0;
    };
    void DefinirHistorique(Historique historique) { historique_ = std::move(historique); }

    const Limites& LimitesEnVigueur() const { return limites_; }
    Limites& LimitesEnVigueur() { return limites_; }

private:
    struct Voie;
    struct Deroulement;
    enum class IssueConnexion { Connecte, Interrompue, Session, Echec };
    using Verrou = std::unique_lock<std::mutex>;
    using Evenement = std::function<void(EcouteurCampagne&)>;

    // The caller's side: tells the events, watches the limits, until every connection ends.
    void Suivre(Deroulement& d);
    void Transmettre(Deroulement& d);
    void TransmettreDepuisBoucle(Deroulement& d);
    // A stop or a close seen: messages under way are cut or their reply waited for, a
    // connection under way is dropped.
    void Interrompre(Deroulement& d, bool fermeture);
    // Closes what has passed its limit; the nearest limit left (max: none).
    std::chrono::steady_clock::time_point Surveiller(Deroulement& d);

    // A connection's side, on its worker.
    void Parcourir(Deroulement& d, Voie& v);
    bool Demarrer(Deroulement& d, Voie& v, Verrou& l);
    IssueConnexion Ouvrir(Deroulement& d, Voie& v, Verrou& l, bool reprise, QString& motif);
    // The connection opened again after it was lost; false when this connection stops.
    bool Rejoindre(Deroulement& d, Voie& v, Verrou& l, bool& connectee);
    // Sleeps a little toward the first item due for a new try, or moves the items due to the
    // items to do; false on a stop or a close.
    bool AttendreReprise(Deroulement& d, Verrou& l);
    // Waits for the end of a quota's pause; false on a stop or a close.
    bool Patienter(Deroulement& d, Voie& v, Verrou& l, bool& connectee);
    // What follows the outcome `r` of item `indice`, started at `depart`: whose fault, then
    // told, tried again, slowed down, paused or stopped.
    void Conclure(Deroulement& d, int indice, const ResultatEnvoi& r, qint64 depart,
                  bool essaiConsigne);
    // An outcome that leaves the item to send: on record when its try is.
    void Clore(Deroulement& d, const ResultatEnvoi& r, bool essaiConsigne);
    // Refusals held by a run that broke: final now.
    void Liberer(Deroulement& d, std::vector<Disjoncteur::Membre> membres);
    void Pause(Deroulement& d, qint64 jusqua);
    // One message to item `indice`; a stop or a close during it is handled by the caller's
    // thread.
    void Envoyer(Deroulement& d, Voie& v, Verrou& l, int indice, bool& connectee);
    void Terminer(Deroulement& d, const ResultatEnvoi& r);
    void Differer(Deroulement& d, int indice, const ResultatEnvoi& r);
    void Adieu(Deroulement& d, Voie& v, Verrou& l, bool silencieux);
    void EpinglerCertificat(Deroulement& d, Voie& v);
    // Until `date` on the engine's clock; false on a stop or a close.
    bool AttendreDate(Deroulement& d, Verrou& l, qint64 date);
    void Publier(Deroulement& d, Evenement evenement);
    // Under the lock: one call of the record, which a failure ends.
    template <typename Ecriture> void Consigner(Deroulement& d, Ecriture ecriture);
    void SignalerAttente(Deroulement& d);
    bool Interrompu() const { return arret_ || abandon_; }

    ClientSMTP& client_;
    Limites limites_;
    const Horloge* horloge_ = &Horloge::Systeme();
    Historique historique_;
    std::atomic<bool> arret_{false};
    // Abandon() as last seen by the caller's thread, for the workers.
    std::atomic<bool> abandon_{false};
    std::mutex verrou_;
    std::condition_variable reveil_;
};
