#include "tests/support/PairScripte.h"
#include "tests/support/SocketLocale.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A peer never waits longer than this for its client, so a faulty test cannot hang.
constexpr int AttenteMaxMs = 20000;
} // namespace

PairScripte::PairScripte(QStringList script) : script_(std::move(script)) {
    ecoute_ = SocketLocale(port_, SOCK_CLOEXEC);
    if (ecoute_ < 0 || ::listen(ecoute_, 1) != 0)
        throw std::runtime_error("scripted peer: cannot listen");
    fil_ = std::thread([this] { Jouer(); });
}

PairScripte::~PairScripte() {
    Terminer();
    ::close(ecoute_);
}

void PairScripte::Terminer() {
    if (fil_.joinable())
        fil_.join();
}

QByteArray PairScripte::Recu() {
    std::lock_guard v(verrou_);
    return recu_;
}

QStringList PairScripte::Ecarts() {
    std::lock_guard v(verrou_);
    return ecarts_;
}

QList<QByteArray> PairScripte::Donnees() {
    std::lock_guard v(verrou_);
    return donnees_;
}

void PairScripte::Ecart(const QString& texte) {
    std::lock_guard v(verrou_);
    ecarts_ << texte;
}

bool PairScripte::LireLigne(QByteArray& ligne) {
    while (!PrendreLigne(tampon_, ligne))
        if (!LireOctets())
            return false;
    return true;
}

bool PairScripte::LireOctets() {
    const qsizetype n = RecevoirBloc(client_, tampon_, AttenteMaxMs);
    if (n == 0)
        return false;
    std::lock_guard v(verrou_);
    recu_.append(tampon_.right(n));
    return true;
}

void PairScripte::Envoyer(const QByteArray& octets) {
    ::send(client_, octets.constData(), octets.size(), MSG_NOSIGNAL);
}

void PairScripte::Jouer() {
    pollfd p{ecoute_, POLLIN, 0};
    if (::poll(&p, 1, AttenteMaxMs) <= 0) {
        Ecart(QStringLiteral("no client"));
        return;
    }
    client_ = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
    bool coupe = false;
    for (const QString& etape : script_) {
        QByteArray ligne;
        if (etape.startsWith(QLatin1String("C: "))) {
            if (!LireLigne(ligne)) {
                Ecart(QStringLiteral("expected \"%1\", got a close").arg(etape.mid(3)));
                break;
            }
            if (ligne != etape.mid(3).toUtf8()) {
                Ecart(QStringLiteral("expected \"%1\", got \"%2\"")
                          .arg(etape.mid(3), QString::fromUtf8(ligne)));
                break;
            }
        } else if (etape == QLatin1String("C*")) {
            QByteArray donnees;
            while (LireLigne(ligne) && ligne != ".")
                donnees += ligne + "\r\n";
            std::lock_guard v(verrou_);
            donnees_ << donnees;
        } else if (etape == QLatin1String("C~")) {
            if (tampon_.isEmpty() && !LireOctets()) {
                Ecart(QStringLiteral("expected bytes, got a close"));
                break;
            }
            tampon_.clear();
        } else if (etape.startsWith(QLatin1String("S: "))) {
            Envoyer(etape.mid(3).toUtf8() + "\r\n");
        } else if (etape.startsWith(QLatin1String("S~"))) {
            Envoyer(etape.mid(2).toUtf8());
        } else if (etape.startsWith(QLatin1String("PAUSE "))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(etape.mid(6).toInt()));
        } else if (etape == QLatin1String("FIN")) {
            ::shutdown(client_, SHUT_WR);
        } else if (etape == QLatin1String("COUPE")) {
            coupe = true;
            break;
        } else {
            Ecart(QStringLiteral("unknown step ") + etape);
        }
    }
    if (!coupe) {
        // The script lists everything the client may send: more is a difference.
        QByteArray reste;
        while (LireLigne(reste))
            Ecart(QStringLiteral("unexpected \"%1\"").arg(QString::fromUtf8(reste)));
        if (!tampon_.isEmpty())
            Ecart(QStringLiteral("unexpected \"%1\"").arg(QString::fromUtf8(tampon_)));
    }
    ::close(client_);
}
