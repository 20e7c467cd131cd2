#pragma once
// A program the tests run beside them (the Python SMTP peers, openssl), started with fork and
// exec. Qt starts its children with a clone that shares the parent's memory until the exec;
// the thread checker does not see that clone, and the interceptors the child runs in that
// shared memory leave the parent's main thread unsynchronised for the checker, which then
// reports races that cannot happen. A plain fork is seen and handled.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <sys/types.h>

class ProcessusEnfant {
public:
    // Raises std::runtime_error when the program cannot be found or started.
    ProcessusEnfant(const QString& programme, const QStringList& arguments);
    // Ends the child: SIGTERM, then SIGKILL after 5 s.
    ~ProcessusEnfant();
    ProcessusEnfant(const ProcessusEnfant&) = delete;
    ProcessusEnfant& operator=(const ProcessusEnfant&) = delete;

    // Takes the next line the child writes on its standard output, without its line end;
    // raises std::runtime_error (with what the child wrote on its error output) when none
    // comes within the delay.
    QByteArray LireLigne(int delaiMs);
    // Waits for the child to end, reading its outputs; its exit code, or -1 when it is still
    // running at the delay's end or was ended by a signal.
    int Attendre(int delaiMs);

    const QByteArray& Sortie() const { return sortie_; }
    const QByteArray& Erreurs() const { return erreurs_; }

private:
    // Reads both outputs until `fini` holds, both are closed, or the delay ends.
    void Lire(int delaiMs, const std::function<bool()>& fini);
    void Terminer(int signal, int delaiMs);

    pid_t pid_ = -1;
    int statut_ = -1;
    int sortieFd_ = -1, erreursFd_ = -1;
    QByteArray sortie_, erreurs_;
};
