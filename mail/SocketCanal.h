#pragma once
// One socket of a channel and its TLS side. The channel shares it with the thread that is
// using it; the descriptor is closed only when the last holder lets go, so a number reused
// by the system can never receive another connection's bytes.
#include "mail/SessionTLS.h"

#include <atomic>
#include <chrono>
#include <optional>

class SocketCanal {
public:
    // Raises ErreurSocket when the socket cannot be made.
    SocketCanal();
    SocketCanal(const SocketCanal&) = delete;
    SocketCanal& operator=(const SocketCanal&) = delete;
    // Closes the TLS side (with its close notification unless interrupted), then the socket.
    ~SocketCanal();

    int Descripteur() const { return descripteur_; }
    SessionTLS& TLS() { return tls_; }

    // Wakes every call blocked on the socket, whatever thread it runs on, and makes every
    // later one fail at once.
    void Interrompre();
    bool Interrompu() const { return interrompu_; }

    using Echeance = std::optional<std::chrono::steady_clock::time_point>;

    // Connects to an IPv4 address and port (network order); waits without limit, until the
    // system gives up or Interrompre. Returns 0 or an errno code. The socket then stays
    // non-blocking: every wait on it goes through Attendre, which has a limit.
    int Connecter(quint32 adresse, quint16 port);

    // True when a read would not wait (something to read, a close included).
    bool Lisible();
    // Waits until the socket is ready for `evenements` (POLLIN, POLLOUT), or Interrompre:
    // true. False when `echeance` passed first; without one, the wait has no limit.
    bool Attendre(short evenements, const Echeance& echeance);

private:
    int descripteur_ = -1;
    int reveil_ = -1;
    std::atomic<bool> interrompu_{false};
    SessionTLS tls_;
};
