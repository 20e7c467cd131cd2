// The SMTP reply reader on what a server sends, cut into reads of random sizes: every reply
// read has a code from 100 to 999 (or none), and a bad stream ends in one of
// the reader's errors, never in a fault or a hang.
#include "commun/Erreur.h"
#include "mail/BibliothequeTLS.h"
#include "mail/CanalConnexion.h"
#include "mail/ReponseSMTP.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sched.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
// One listening socket on the loopback for the whole run.
struct Ecoute {
    int fd = -1;
    quint16 port = 0;
    Ecoute() {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t l = sizeof a;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), l) != 0 || ::listen(fd, 4) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &l) != 0)
            abort();
        port = ntohs(a.sin_port);
    }
};

// The server's bytes as pieces, each sent on its own: a few literal bytes, or one byte many
// times (a long line without its end costs no input).
std::vector<std::string> Morceaux(FuzzedDataProvider& fdp) {
    std::vector<std::string> morceaux;
    while (fdp.remaining_bytes() > 0) {
        if (fdp.ConsumeIntegralInRange<int>(0, 15) == 0) {
            const size_t n = fdp.ConsumeIntegralInRange<size_t>(1, 40000);
            morceaux.emplace_back(n, fdp.ConsumeIntegral<char>());
        } else {
            morceaux.push_back(fdp.ConsumeRandomLengthString(64));
        }
    }
    return morceaux;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    static const Ecoute ecoute;
    // Replies travel in clear text; preparing a TLS context at every connection would cost
    // more than the rest of the run.
    static const bool sansTLS = [] {
        BibliothequeTLS::DefinirNoms({QStringLiteral("libcrypto-absente.so")},
                                     {QStringLiteral("libssl-absente.so")});
        return true;
    }();
    (void)sansTLS;
    FuzzedDataProvider fdp(donnees, taille);
    const std::vector<std::string> morceaux = Morceaux(fdp);

    CanalConnexion canal;
    canal.Hote = QStringLiteral("127.0.0.1");
    canal.Port = ecoute.port;
    canal.Ouvrir();
    const int serveur = ::accept4(ecoute.fd, nullptr, nullptr, SOCK_CLOEXEC);
    if (serveur < 0)
        abort();
    const int un = 1;
    ::setsockopt(serveur, IPPROTO_TCP, TCP_NODELAY, &un, sizeof un);
    std::thread ecrivain([&] {
        for (const std::string& m : morceaux) {
            if (::send(serveur, m.data(), m.size(), MSG_NOSIGNAL) < 0)
                break; // the client gave up and closed
            sched_yield();
        }
        ::shutdown(serveur, SHUT_WR);
    });

    for (;;) {
        try {
            const ReponseSMTP r = ReponseSMTP::Lire(canal);
            // The first four characters, trimmed: "250", or "0250" which is 250 as well.
            if (!r.Code.isEmpty() &&
                (r.Code.size() > 4 || r.CodeNumerique() < 100 || r.CodeNumerique() > 999))
                abort();
            for (QChar c : r.Code)
                if (c < u'0' || c > u'9')
                    abort();
            if (r.Texte.isEmpty())
                abort();
        } catch (const Erreur&) {
            break;
        }
    }
    canal.Fermer();
    ecrivain.join();
    ::close(serveur);
    return 0;
}
