#pragma once
// "Tester la connexion": the campaign's own client opens its session (connection, TLS,
// greeting, EHLO, login) and says goodbye, with no message; on a thread of its own, so that
// the window goes on, and stoppable.
#include "mail/ResultatEssai.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

class ClientSMTP;

class EssaiConnexion : public QObject {
    Q_OBJECT
public:
    // `client` is configured as the campaign configures its own (server, port, TLS, user,
    // password, pinned certificate).
    explicit EssaiConnexion(std::unique_ptr<ClientSMTP> client, QObject* parent = nullptr);
    // Stops a test under way and waits for its thread.
    ~EssaiConnexion() override;

    // The campaign's limit from the connection to the end of the login: past it the test ends
    // as unanswered.
    std::chrono::milliseconds DelaiConnexion{25000};

    // Ends with Termine, on this object's thread.
    void Demarrer();
    // The test under way ends as stopped, at once: its connection is cut.
    void Annuler();
    bool EnCours() const { return fil_.joinable(); }

    // The blocking walk, on the calling thread.
    static ResultatEssai Essayer(ClientSMTP& client);

signals:
    void Termine(const ResultatEssai& resultat);

private:
    // Ends the blocked call of the test's thread: the two calls the client takes from another.
    void Couper();

    std::unique_ptr<ClientSMTP> client_;
    std::thread fil_;
    std::atomic<bool> annule_ = false;
    std::atomic<bool> delaiDepasse_ = false;
    QTimer minuterie_;
};
