#include "tests/ui/fiabilite/PairDefaillant.h"
#include "tests/support/SocketLocale.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A client that never comes back cannot hold a test for ever.
constexpr int kAttenteMaxMs = 20000;
} // namespace

PairDefaillant::PairDefaillant(Defaut defaut, int etape, bool pipelining)
    : defaut_(defaut), etape_(etape), pipelining_(pipelining) {
    ecoute_ = SocketLocale(port_, SOCK_CLOEXEC);
    // A small receive buffer, so that a server that stops reading blocks the client soon.
    const int petit = 16384;
    ::setsockopt(ecoute_, SOL_SOCKET, SO_RCVBUF, &petit, sizeof petit);
    if (ecoute_ < 0 || ::listen(ecoute_, 1) != 0)
        throw std::runtime_error("faulty peer: cannot listen");
    fil_ = std::thread([this] { Jouer(); });
}

PairDefaillant::~PairDefaillant() {
    Liberer();
    fil_.join();
    ::close(ecoute_);
}

int PairDefaillant::EnAttente() const {
    int n = 0;
    const int c = client_;
    return c >= 0 && ::ioctl(c, FIONREAD, &n) == 0 ? n : 0;
}

void PairDefaillant::Liberer() {
    libere_ = true;
}

bool PairDefaillant::LireLigne(QByteArray& ligne) {
    while (!PrendreLigne(tampon_, ligne))
        if (RecevoirBloc(client_, tampon_, kAttenteMaxMs) == 0)
            return false;
    return true;
}

void PairDefaillant::LireJusquALaFin() {
    char bloc[65536];
    pollfd p{client_, POLLIN, 0};
    while (::poll(&p, 1, kAttenteMaxMs) > 0 && ::recv(client_, bloc, sizeof bloc, 0) > 0) {
    }
}

bool PairDefaillant::Repondre(const QByteArray& reponse) {
    if (fini_)
        return false;
    if (reponses_++ != etape_) {
        ::send(client_, reponse.constData(), size_t(reponse.size()), MSG_NOSIGNAL);
        return true;
    }
    Defaillir(reponse);
    return false;
}

void PairDefaillant::Defaillir(const QByteArray& reponse) {
    switch (defaut_) {
    case Defaut::Reinitialisation: {
        // Closing with a zero linger time sends a reset instead of the orderly end.
        const linger brutal{1, 0};
        ::setsockopt(client_, SOL_SOCKET, SO_LINGER, &brutal, sizeof brutal);
        ::close(client_.exchange(-1));
        fini_ = true;
        return;
    }
    case Defaut::FermetureMuette:
        break;
    case Defaut::LigneSansFin: {
        const QByteArray x(100000, 'x');
        ::send(client_, x.constData(), size_t(x.size()), MSG_NOSIGNAL);
        break;
    }
    case Defaut::SoixanteLignes: {
        QByteArray r;
        for (int i = 1; i <= 60; ++i)
            r += QByteArray("550") + (i < 60 ? '-' : ' ') + "5.7.1 ligne " + QByteArray::number(i) +
                 "\r\n";
        ::send(client_, r.constData(), size_t(r.size()), MSG_NOSIGNAL);
        return;
    }
    case Defaut::OctetsInvalides: {
        const QByteArray r("\xff\xfe\x80 \xc3\xa9\x01\x7f\x90\r\n", 11);
        ::send(client_, r.constData(), size_t(r.size()), MSG_NOSIGNAL);
        break;
    }
    case Defaut::RefusPuisFermeture: {
        const QByteArray r("421 4.3.2 Service indisponible\r\n");
        ::send(client_, r.constData(), size_t(r.size()), MSG_NOSIGNAL);
        break;
    }
    case Defaut::Deluge: {
        const QByteArray x(65536, 'x');
        while (::send(client_, x.constData(), size_t(x.size()), MSG_NOSIGNAL) > 0) {
        }
        fini_ = true;
        return;
    }
    case Defaut::LectureArretee:
        ::send(client_, reponse.constData(), size_t(reponse.size()), MSG_NOSIGNAL);
        while (!libere_)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        fini_ = true;
        return;
    }
    ::shutdown(client_, SHUT_WR);
    LireJusquALaFin();
    fini_ = true;
}

void PairDefaillant::Jouer() {
    pollfd p{ecoute_, POLLIN, 0};
    if (::poll(&p, 1, kAttenteMaxMs) <= 0)
        return;
    client_ = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
    Repondre("220 srv ESMTP\r\n");
    QByteArray ligne;
    while (!fini_ && LireLigne(ligne)) {
        const QByteArray commande = ligne.left(4).toUpper();
        if (commande == "EHLO" && pipelining_) {
            Repondre("250-srv\r\n250 PIPELINING\r\n");
        } else if (commande == "EHLO" || commande == "HELO" || commande == "RSET" ||
                   commande == "MAIL" || commande == "RCPT") {
            Repondre("250 ok\r\n");
        } else if (commande == "DATA") {
            if (!Repondre("354 go\r\n"))
                continue; // the client sends no data after a refusal
            while (LireLigne(ligne) && ligne != ".") {
            }
            Repondre("250 2.0.0 queued\r\n");
        } else if (commande == "QUIT") {
            Repondre("221 bye\r\n");
            break;
        } else {
            Repondre("500 unknown\r\n");
        }
    }
    if (const int c = client_.exchange(-1); c >= 0)
        ::close(c);
}
