// Messages per second of a campaign run by the engine to Postfix's smtp-sink: through a proxy
// that holds every reply of the server `retenue` ms (an internet link), with one connection and
// with `connexions`; then straight to the sink with one connection. Usage:
// bench_connexions [messages through the proxy] [connections] [hold in ms] [messages straight]
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/MoteurCampagne.h"
#include "tests/support/SocketLocale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

int Ecoute(quint16 port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const int oui = 1;
    ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &oui, sizeof oui);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(s, 16) != 0)
        qFatal("cannot listen on %d", port);
    return s;
}

int Joindre(quint16 port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
        qFatal("cannot reach the sink");
    const int oui = 1;
    ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &oui, sizeof oui);
    return s;
}

// Copies `de` to `vers`, each read held `retenue` first; ends both ways at the end of either.
void Relayer(int de, int vers, std::chrono::milliseconds retenue) {
    char tampon[65536];
    for (;;) {
        const ssize_t n = ::read(de, tampon, sizeof tampon);
        if (n <= 0)
            break;
        if (retenue.count() > 0)
            std::this_thread::sleep_for(retenue);
        for (ssize_t fait = 0; fait < n;) {
            const ssize_t m = ::write(vers, tampon + fait, n - fait);
            if (m <= 0)
                return;
            fait += m;
        }
    }
    ::shutdown(vers, SHUT_WR);
}

// Accepts connections on `port` and joins each to the sink, the server's side held.
class Mandataire {
public:
    Mandataire(quint16 port, quint16 puits, std::chrono::milliseconds retenue)
        : ecoute_(Ecoute(port)) {
        fil_ = std::thread([this, puits, retenue] {
            for (;;) {
                const int client = ::accept(ecoute_, nullptr, nullptr);
                if (client < 0 || fin_)
                    return;
                const int serveur = Joindre(puits);
                std::thread([client, serveur] { Relayer(client, serveur, {}); }).detach();
                std::thread([client, serveur, retenue] {
                    Relayer(serveur, client, retenue);
                }).detach();
            }
        });
    }
    ~Mandataire() {
        fin_ = true;
        ::shutdown(ecoute_, SHUT_RDWR);
        ::close(ecoute_);
        fil_.join();
    }

private:
    const int ecoute_;
    std::atomic<bool> fin_{false};
    std::thread fil_;
};

MessageCourriel Lettre() {
    MessageCourriel m;
    m.De = {LireAdresse(QStringLiteral("club@exemple.org"))};
    m.Objet = QStringLiteral("Nouvelles");
    QStringList page;
    for (int i = 0; i < 20; ++i)
        page << QStringLiteral("<p>Des nouvelles de l'\u00e9t\u00e9 : 10 \u20ac la place.</p>");
    m.Parties << PartieTexte(QStringLiteral("text/html"), page);
    return m;
}

double MessagesParSeconde(quint16 port, int connexions, int nombre) {
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.NomHelo = QStringLiteral("banc.exemple.fr");
    MoteurCampagne moteur(client, {.reprises = {}, .connexions = connexions});
    QStringList adresses;
    for (int i = 0; i < nombre; ++i)
        adresses << QStringLiteral("dest%1@exemple.net").arg(i);
    EcouteurCampagne ecouteur;
    QElapsedTimer t;
    t.start();
    if (moteur.Executer(Lettre(), adresses, ecouteur) != FinCampagne::Terminee)
        qFatal("the campaign did not end well");
    return nombre / (t.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int nombre = argc > 1 ? std::atoi(argv[1]) : 80;
    const int connexions = argc > 2 ? std::atoi(argv[2]) : 4;
    const std::chrono::milliseconds retenue(argc > 3 ? std::atoi(argv[3]) : 20);
    const int direct = argc > 4 ? std::atoi(argv[4]) : 3000;

    const quint16 puits = PortLibre();
    QProcess sink;
    QStringList arguments;
    if (::geteuid() == 0)
        arguments << QStringLiteral("-u") << QStringLiteral("nobody");
    arguments << QStringLiteral("127.0.0.1:%1").arg(puits) << QStringLiteral("64");
    sink.start(QStringLiteral("/usr/sbin/smtp-sink"), arguments);
    if (!sink.waitForStarted())
        qFatal("cannot start smtp-sink");
    QThread::msleep(300);
    const quint16 port = PortLibre();
    Mandataire mandataire(port, puits, retenue);

    const double une = MessagesParSeconde(port, 1, nombre);
    const double plusieurs = MessagesParSeconde(port, connexions, nombre);
    const double sansMandataire = MessagesParSeconde(puits, 1, direct);
    std::printf("%d messages, each reply held %lld ms\n", nombre,
                static_cast<long long>(retenue.count()));
    std::printf("  1 connection            %8.1f msg/s\n", une);
    std::printf("  %d connections           %8.1f msg/s   ratio %.2f\n", connexions, plusieurs,
                plusieurs / une);
    std::printf("%d messages straight to the sink, 1 connection: %.1f msg/s\n", direct,
                sansMandataire);
    sink.terminate();
    sink.waitForFinished();
    return 0;
}
