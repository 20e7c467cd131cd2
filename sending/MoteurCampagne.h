#pragma once
// One send campaign without a window: it connects on its worker, sends the message to each
// address in turn on the same connection, says goodbye, and tells its listener what happens.
// Executer returns when the campaign has ended; meanwhile it processes the caller's events,
// sleeping while none comes, so that the window stays alive and its handlers may ask for a
// stop. The message and the addresses are copied when the campaign starts: the list the user
// edits meanwhile is never read.
#include "mail/MessageCourriel.h"
#include "sending/EcouteurCampagne.h"
#include "sending/Horloge.h"
#include "sending/Travailleur.h"

#include <QStringList>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <vector>

class ClientSMTP;

class MoteurCampagne {
public:
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
        // Messages started per minute, spread evenly; 0: no limit.
        int messagesParMinute = 0;
        // Messages per connection before QUIT and a new connection; 0: no limit.
        int messagesParConnexion = 0;
    };

    // `client` is configured by the caller (server, port, names, TLS, pinned certificate) and
    // used by one campaign at a time.
    MoteurCampagne(ClientSMTP& client, Limites limites);
    // A worker still blocked on the network is woken, and ends before the client goes.
    ~MoteurCampagne();
    MoteurCampagne(const MoteurCampagne&) = delete;
    MoteurCampagne& operator=(const MoteurCampagne&) = delete;

    // Runs one campaign to its end. `message` is sent once per item of `adresses`, its
    // recipients read from the item.
    FinCampagne Executer(const MessageCourriel& message, const QStringList& adresses,
                         EcouteurCampagne& ecouteur);

    // A stop confirmed by the user, from a handler that runs during Executer: a message whose
    // end-of-data line has not left is not delivered; one whose line has left waits for its
    // reply, so that what is told matches what the server received.
    void DemanderArret() { arret_ = true; }
    // At the start of a campaign, before its stop button can be pressed.
    void OublierArret() { arret_ = false; }
    // Asked between events (the window closing): no new message starts, and no wait lasts.
    std::function<bool()> Abandon = [] { return false; };

    // The clock of the back-offs; the system's unless a test gives its own.
    void DefinirHorloge(const Horloge& horloge) { horloge_ = &horloge; }

    const Limites& LimitesEnVigueur() const { return limites_; }
    Limites& LimitesEnVigueur() { return limites_; }

private:
    enum class IssueConnexion { Connecte, Interrompue, Session, Echec };
    struct EnAttente {
        int indice;
        Horloge::Instant echeance;
        // The outcome of its last try, told as final if the campaign ends first.
        ResultatEnvoi dernier;
    };

    // Processes the caller's events, sleeping while none comes, until `fini` holds or `delai`
    // has passed (none: no limit). True when `fini` holds.
    bool Attendre(const std::function<bool()>& fini,
                  std::chrono::milliseconds delai = std::chrono::milliseconds::max());
    // Connects on the worker within the connection limit; `reprise` drops the connection in
    // place first, without QUIT. `motif`: the session's refusal, or the connection's error.
    IssueConnexion OuvrirConnexion(bool reprise, QString& motif);
    bool Connecter(EcouteurCampagne& ecouteur, FinCampagne& fin, QString& motif);
    // One message to one item, on the worker; a stop or a close during it is handled here.
    ResultatEnvoi EnvoyerA(MessageCourriel& message, const QString& adresse, int numero, int nombre,
                           EcouteurCampagne& ecouteur);
    // Until the first item waiting for a new try is due; false on a stop or a close. The items
    // due move to `aFaire`, in the list's order.
    // The first due time of the items waiting for a new try (there is at least one).
    static Horloge::Instant ProchaineEcheance(const std::vector<EnAttente>& enAttente);
    // Until `instant` on the engine's clock; false on a stop or a close.
    bool AttendreJusqua(Horloge::Instant instant);
    bool AttendreReprise(std::vector<EnAttente>& enAttente, std::deque<int>& aFaire);
    void SignalerAttente(const std::vector<EnAttente>& enAttente, EcouteurCampagne& ecouteur) const;
    FinCampagne Envoyer(MessageCourriel& message, const QStringList& adresses,
                        EcouteurCampagne& ecouteur, QString& motif);
    void Deconnecter(EcouteurCampagne& ecouteur);
    // After a stop or a close: the message under way may end by itself for a moment, then its
    // connection is closed.
    void LaisserFinirEnvoi(std::chrono::milliseconds delai);
    void EpinglerCertificat(EcouteurCampagne& ecouteur);
    bool Interrompu() const { return arret_ || Abandon(); }

    ClientSMTP& client_;
    Limites limites_;
    const Horloge* horloge_ = &Horloge::Systeme();
    Travailleur travailleur_;
    std::atomic<bool> arret_{false};
    // Written by the worker, read once it has ended.
    QString motifSession_;
    QString erreurConnexion_;
    bool connecte_ = false;
    ResultatEnvoi resultat_;
};
