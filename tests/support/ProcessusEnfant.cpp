#include "tests/support/ProcessusEnfant.h"

#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {
using Horloge = std::chrono::steady_clock;

int RestantMs(Horloge::time_point fin) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(fin - Horloge::now());
    return reste.count() > 0 ? static_cast<int>(reste.count()) : 0;
}
} // namespace

ProcessusEnfant::ProcessusEnfant(const QString& programme, const QStringList& arguments) {
    const QString chemin = programme.startsWith(QLatin1Char('/'))
                               ? programme
                               : QStandardPaths::findExecutable(programme);
    if (chemin.isEmpty())
        throw std::runtime_error("program not found: " + programme.toStdString());
    // Everything the child needs is made before the fork: after it, only exec-safe calls.
    std::vector<QByteArray> textes{chemin.toLocal8Bit()};
    for (const QString& a : arguments)
        textes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& t : textes)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    int sortie[2], erreurs[2];
    if (::pipe2(sortie, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    if (::pipe2(erreurs, O_CLOEXEC) != 0) {
        ::close(sortie[0]);
        ::close(sortie[1]);
        throw std::runtime_error("pipe failed");
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(sortie[1], STDOUT_FILENO);
        ::dup2(erreurs[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(sortie[1]);
    ::close(erreurs[1]);
    sortieFd_ = sortie[0];
    erreursFd_ = erreurs[0];
    if (pid_ < 0) {
        ::close(sortieFd_);
        ::close(erreursFd_);
        throw std::runtime_error("fork failed");
    }
}

ProcessusEnfant::~ProcessusEnfant() {
    Terminer(SIGTERM, 5000);
    Terminer(SIGKILL, 5000);
    ::close(sortieFd_);
    ::close(erreursFd_);
}

void ProcessusEnfant::Terminer(int signal, int delaiMs) {
    if (statut_ != -1 || pid_ <= 0)
        return;
    ::kill(pid_, signal);
    Attendre(delaiMs);
}

void ProcessusEnfant::Lire(int delaiMs, const std::function<bool()>& fini) {
    const auto fin = Horloge::now() + std::chrono::milliseconds(delaiMs);
    while (!fini() && (sortieFd_ >= 0 || erreursFd_ >= 0)) {
        pollfd attente[2] = {{sortieFd_, POLLIN, 0}, {erreursFd_, POLLIN, 0}};
        const int n = ::poll(attente, 2, RestantMs(fin));
        if (n == 0)
            return;
        if (n < 0)
            continue;
        for (auto [p, tampon, fd] : {std::tuple{&attente[0], &sortie_, &sortieFd_},
                                     std::tuple{&attente[1], &erreurs_, &erreursFd_}}) {
            if (p->revents == 0)
                continue;
            char bloc[65536];
            const ssize_t lu = ::read(*fd, bloc, sizeof bloc);
            if (lu > 0) {
                tampon->append(bloc, lu);
            } else if (lu == 0 || errno != EINTR) {
                ::close(*fd);
                *fd = -1;
            }
        }
    }
}

QByteArray ProcessusEnfant::LireLigne(int delaiMs) {
    Lire(delaiMs, [this] { return sortie_.contains('\n'); });
    const qsizetype fin = sortie_.indexOf('\n');
    if (fin < 0)
        throw std::runtime_error("no line from the child program: " + erreurs_.toStdString());
    QByteArray ligne = sortie_.left(fin);
    sortie_.remove(0, fin + 1);
    if (ligne.endsWith('\r'))
        ligne.chop(1);
    return ligne;
}

int ProcessusEnfant::Attendre(int delaiMs) {
    const auto fin = Horloge::now() + std::chrono::milliseconds(delaiMs);
    Lire(delaiMs, [] { return false; });
    while (statut_ == -1) {
        int statut = 0;
        const pid_t r = ::waitpid(pid_, &statut, WNOHANG);
        if (r == pid_) {
            statut_ = statut;
            break;
        }
        if (r < 0 || RestantMs(fin) == 0)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(statut_) ? WEXITSTATUS(statut_) : -1;
}
