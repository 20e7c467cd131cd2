#pragma once
// Sockets of the tests and benchmarks, on 127.0.0.1 and a port the system chooses.
#include <QByteArray>
#include <QtGlobal>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

inline sockaddr_in AdresseLocale(quint16 port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

// A TCP socket bound to a free port of 127.0.0.1; `drapeaux` adds to its type (SOCK_NONBLOCK,
// SOCK_CLOEXEC). Returns the descriptor and sets `port`.
inline int SocketLocale(quint16& port, int drapeaux = 0) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | drapeaux, 0);
    sockaddr_in a = AdresseLocale(0);
    socklen_t longueur = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &longueur);
    port = ntohs(a.sin_port);
    return fd;
}

// True when a server takes connections on `port` of 127.0.0.1.
inline bool Ecoute(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = AdresseLocale(port);
    const bool ouvert = ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ouvert;
}

// A port on which nothing listens: bound for an instant, then let go.
inline quint16 PortLibre() {
    quint16 port = 0;
    ::close(SocketLocale(port));
    return port;
}

// Waits up to `attenteMs` for bytes on `fd` and appends what one read gives to `tampon`.
// Returns how many came: 0 when none came in time or the peer closed.
inline qsizetype RecevoirBloc(int fd, QByteArray& tampon, int attenteMs) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, attenteMs) <= 0)
        return 0;
    char bloc[65536];
    const auto n = ::recv(fd, bloc, sizeof bloc, 0);
    if (n <= 0)
        return 0;
    tampon.append(bloc, n);
    return n;
}

// Takes the first line ended by CR LF out of `tampon`, without its end; false while no line is
// whole.
inline bool PrendreLigne(QByteArray& tampon, QByteArray& ligne) {
    const qsizetype fin = tampon.indexOf("\r\n");
    if (fin < 0)
        return false;
    ligne = tampon.left(fin);
    tampon.remove(0, fin + 2);
    return true;
}
