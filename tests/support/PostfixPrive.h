#pragma once
// A private Postfix for one test (as root): its own configuration, queue, data and log in a
// temporary folder, Debian's services without the public smtp listener, the test's own
// listeners, no chroot. Nothing of the machine's Postfix is read or changed.
#include "tests/support/RepertoireTemporaire.h"

#include <QList>
#include <QString>
#include <QStringList>

class PostfixPrive {
public:
    static bool Possible();
    // Runs a program to its end; raises std::runtime_error with its words when it fails.
    static void Executer(const QString& programme, const QStringList& arguments);

    // Makes the folder; what the configuration names (certificates, tables) goes into it
    // before Demarrer.
    PostfixPrive();
    // Stops it when started, and waits until its ports take no more connections.
    ~PostfixPrive();
    PostfixPrive(const PostfixPrive&) = delete;
    PostfixPrive& operator=(const PostfixPrive&) = delete;

    const RepertoireTemporaire& Dossier() const { return dossier_; }

    // `services`: master.cf's lines of the test's listeners; `reglages`: main.cf's lines beyond
    // the common ones. Returns once every one of `ports` listens; raises std::runtime_error
    // when it does not start.
    void Demarrer(const QByteArray& services, const QByteArray& reglages,
                  const QList<quint16>& ports);

private:
    RepertoireTemporaire dossier_;
    QList<quint16> ports_;
    bool demarre_ = false;
};
