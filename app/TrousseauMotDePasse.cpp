#include "app/TrousseauMotDePasse.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <qt6keychain/keychain.h>

namespace {
// The name under which every entry of the program is filed in the keyring.
const QString kService = QStringLiteral("Lettrova");

// The bus names of the keyrings QtKeychain speaks to.
const QStringList kServices = {QStringLiteral("org.freedesktop.secrets"),
                               QStringLiteral("org.kde.kwalletd5"),
                               QStringLiteral("org.kde.kwalletd6")};

// Starts the job and waits for its end; true when it ended without error. A job still running
// after the delay is let go (`job` is then empty): it deletes itself whenever it ends.
template <class Job> bool Executer(std::unique_ptr<Job>& job) {
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    QEventLoop boucle;
    bool fini = false;
    QObject::connect(job.get(), &QKeychain::Job::finished, &boucle, [&] {
        fini = true;
        boucle.quit();
    });
    QTimer::singleShot(TrousseauMotDePasse::kDelaiMs, &boucle, &QEventLoop::quit);
    job->start();
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    if (!fini) {
        job.release()->setAutoDelete(true);
        return false;
    }
    return job->error() == QKeychain::NoError;
}
} // namespace

bool TrousseauMotDePasse::Present() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr)
        return false;
    const QStringList aLaDemande = bus.interface()->activatableServiceNames().value();
    for (const QString& nom : kServices)
        if (bus.interface()->isServiceRegistered(nom).value() || aLaDemande.contains(nom))
            return true;
    return false;
}

bool TrousseauMotDePasse::Lire(const QString& entree, QString& motDePasse) {
    auto job = std::make_unique<QKeychain::ReadPasswordJob>(kService);
    job->setKey(entree);
    if (!Executer(job))
        return false;
    motDePasse = job->textData();
    return true;
}

bool TrousseauMotDePasse::Ecrire(const QString& entree, const QString& motDePasse) {
    auto job = std::make_unique<QKeychain::WritePasswordJob>(kService);
    job->setKey(entree);
    job->setTextData(motDePasse);
    return Executer(job);
}
