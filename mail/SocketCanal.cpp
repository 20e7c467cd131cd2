#include "mail/SocketCanal.h"

#include "mail/TableErreursSocket.h"

#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

SocketCanal::SocketCanal() {
    descripteur_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descripteur_ < 0)
        throw TableErreursSocket::ErreurSysteme(errno);
    // The wake-up descriptor ends a connect that Interrompre reaches before the system call
    // has started, which a shutdown alone would not.
    reveil_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (reveil_ < 0) {
        const int code = errno;
        ::close(descripteur_);
        throw TableErreursSocket::ErreurSysteme(code);
    }
    // Every write is a whole command, a gathered block of text or the end-of-data line: none
    // waits for the peer's delayed acknowledgement of the one before, which would hold each
    // end-of-data line 40 ms.
    const int sansDelai = 1;
    ::setsockopt(descripteur_, IPPROTO_TCP, TCP_NODELAY, &sansDelai, sizeof sansDelai);
    sockaddr_in locale{};
    locale.sin_family = AF_INET;
    locale.sin_addr.s_addr = htonl(INADDR_ANY);
    locale.sin_port = 0;
    if (::bind(descripteur_, reinterpret_cast<sockaddr*>(&locale), sizeof locale) != 0) {
        const int code = errno;
        ::close(reveil_);
        ::close(descripteur_);
        throw TableErreursSocket::ErreurSysteme(code);
    }
}

SocketCanal::~SocketCanal() {
    tls_.Liberer(!interrompu_);
    if (!interrompu_)
        ::shutdown(descripteur_, SHUT_WR);
    ::close(descripteur_);
    ::close(reveil_);
}

void SocketCanal::Interrompre() {
    if (interrompu_.exchange(true))
        return;
    ::shutdown(descripteur_, SHUT_RDWR);
    const quint64 un = 1;
    [[maybe_unused]] const auto ecrit = ::write(reveil_, &un, sizeof un);
}

int SocketCanal::Connecter(quint32 adresse, quint16 port) {
    sockaddr_in pair{};
    pair.sin_family = AF_INET;
    pair.sin_addr.s_addr = adresse;
    pair.sin_port = port;
    // Started without blocking so that the wait can also watch the wake-up descriptor; the
    // wait itself has no limit, as a blocking connect.
    const int drapeaux = ::fcntl(descripteur_, F_GETFL);
    ::fcntl(descripteur_, F_SETFL, drapeaux | O_NONBLOCK);
    int code = 0;
    if (::connect(descripteur_, reinterpret_cast<sockaddr*>(&pair), sizeof pair) != 0)
        code = errno;
    if (code == EINPROGRESS || code == EINTR) {
        pollfd attente[2] = {{descripteur_, POLLOUT, 0}, {reveil_, POLLIN, 0}};
        for (;;) {
            if (interrompu_) {
                code = ECONNABORTED;
                break;
            }
            if (::poll(attente, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                code = errno;
                break;
            }
            if (attente[1].revents != 0) {
                code = ECONNABORTED;
                break;
            }
            if (attente[0].revents != 0) {
                socklen_t longueur = sizeof code;
                ::getsockopt(descripteur_, SOL_SOCKET, SO_ERROR, &code, &longueur);
                break;
            }
        }
    }
    if (code != 0)
        ::fcntl(descripteur_, F_SETFL, drapeaux);
    if (code == 0 && interrompu_)
        code = ECONNABORTED;
    return code;
}

bool SocketCanal::Lisible() {
    if (tls_.EnAttente())
        return true;
    pollfd attente[2] = {{descripteur_, POLLIN, 0}, {reveil_, POLLIN, 0}};
    for (;;) {
        const int n = ::poll(attente, 2, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw TableErreursSocket::ErreurSysteme(errno);
        return n > 0;
    }
}

bool SocketCanal::Attendre(short evenements, const Echeance& echeance) {
    using namespace std::chrono;
    // The wake-up descriptor stays readable once written: an interrupted socket never waits.
    pollfd attente[2] = {{descripteur_, evenements, 0}, {reveil_, POLLIN, 0}};
    for (;;) {
        int restant = -1;
        if (echeance) {
            const auto reste = ceil<milliseconds>(*echeance - steady_clock::now()).count();
            if (reste <= 0)
                return false;
            restant = static_cast<int>(qMin<qint64>(reste, 3600000));
        }
        const int n = ::poll(attente, 2, restant);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw TableErreursSocket::ErreurSysteme(errno);
        if (n > 0)
            return true;
    }
}
