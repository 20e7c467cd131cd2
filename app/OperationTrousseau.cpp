#include "app/OperationTrousseau.h"

#include "app/BusSession.h"

#include <QFileInfo>
#include <QTimer>
#include <mutex>
#include <qt6keychain/keychain.h>
#include <thread>

namespace {
// The name under which every entry of the program is filed in the keyring.
const QString kService = QStringLiteral("Lettrova");
} // namespace

// What a thread of the bus's questions reaches the operation through: cut when the operation
// goes first.
struct OperationTrousseau::Retour {
    std::mutex verrou;
    OperationTrousseau* operation = nullptr;
};

bool OperationTrousseau::SansBus() {
    const QString adresse = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (adresse.isEmpty())
        return true;
    const QString prefixe = QStringLiteral("unix:path=");
    if (!adresse.startsWith(prefixe))
        return false;
    QString chemin = adresse.mid(prefixe.size());
    chemin = chemin.left(chemin.indexOf(u','));
    return !QFileInfo::exists(chemin);
}

std::unique_ptr<OperationTrousseau> OperationTrousseau::Lire(const QString& entree) {
    std::unique_ptr<OperationTrousseau> op(new OperationTrousseau(Sorte::Lecture, entree, {}));
    op->Demarrer();
    return op;
}

std::unique_ptr<OperationTrousseau> OperationTrousseau::Ecrire(const QString& entree,
                                                               const QString& motDePasse) {
    std::unique_ptr<OperationTrousseau> op(
        new OperationTrousseau(Sorte::Ecriture, entree, motDePasse));
    op->Demarrer();
    return op;
}

std::unique_ptr<OperationTrousseau> OperationTrousseau::Effacer(const QString& entree) {
    std::unique_ptr<OperationTrousseau> op(new OperationTrousseau(Sorte::Effacement, entree, {}));
    op->Demarrer();
    return op;
}

OperationTrousseau::OperationTrousseau(Sorte sorte, QString entree, QString motDePasse)
    : sorte_(sorte), entree_(std::move(entree)), motDePasse_(std::move(motDePasse)),
      retour_(std::make_shared<Retour>()) {
    retour_->operation = this;
}

OperationTrousseau::~OperationTrousseau() {
    {
        const std::lock_guard<std::mutex> garde(retour_->verrou);
        retour_->operation = nullptr;
    }
    // A job still waiting for the keyring is let go: it deletes itself whenever it ends.
    if (job_ != nullptr) {
        job_->disconnect(this);
        job_->setAutoDelete(true);
    }
}

void OperationTrousseau::Demarrer() {
    if (SansBus()) {
        QTimer::singleShot(0, this, [this] { Finir(Etat::Absent); });
        return;
    }
    AuLoin([] { return BusSession::ServiceTrousseau(kDelaiMs); }, &OperationTrousseau::Presence);
    // A bus that does not answer the check is a keyring that answers nothing.
    QTimer::singleShot(kDelaiMs, this, [this] {
        if (service_.isEmpty())
            Finir(Etat::Refusee);
    });
}

void OperationTrousseau::Presence(const QString& service) {
    if (etat_ != Etat::EnCours)
        return;
    if (service.isEmpty()) {
        Finir(Etat::Absent);
        return;
    }
    service_ = service;
    QKeychain::Job* job = nullptr;
    switch (sorte_) {
    case Sorte::Lecture:
        job = new QKeychain::ReadPasswordJob(kService);
        break;
    case Sorte::Ecriture: {
        auto* ecriture = new QKeychain::WritePasswordJob(kService);
        ecriture->setTextData(motDePasse_);
        job = ecriture;
        break;
    }
    case Sorte::Effacement:
        job = new QKeychain::DeletePasswordJob(kService);
        break;
    }
    job->setKey(entree_);
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job_ = job;
    connect(job, &QKeychain::Job::finished, this, [this, job] {
        job_ = nullptr;
        const bool reussie =
            job->error() == QKeychain::NoError ||
            (sorte_ == Sorte::Effacement && job->error() == QKeychain::EntryNotFound);
        if (reussie && sorte_ == Sorte::Lecture)
            motDePasse_ = static_cast<QKeychain::ReadPasswordJob*>(job)->textData();
        job->deleteLater();
        Finir(reussie ? Etat::Reussie : Etat::Refusee);
    });
    job->start();
    QTimer::singleShot(kDelaiMs, this, &OperationTrousseau::Surveiller);
}

void OperationTrousseau::AuLoin(std::function<QString()> travail,
                                void (OperationTrousseau::*suite)(const QString&)) {
    // Left to itself: a hung bus holds that thread, never the window nor the program's end.
    std::thread([retour = retour_, travail = std::move(travail), suite] {
        const QString resultat = travail();
        const std::lock_guard<std::mutex> garde(retour->verrou);
        // Posted while the operation cannot go; one that goes afterwards drops the event.
        if (OperationTrousseau* op = retour->operation)
            QMetaObject::invokeMethod(
                op, [op, suite, resultat] { (op->*suite)(resultat); }, Qt::QueuedConnection);
    }).detach();
}

void OperationTrousseau::Surveiller() {
    if (etat_ != Etat::EnCours)
        return;
    // A keyring that answers a ping is alive, its question most likely on the screen: waited
    // for. One that does not is let go.
    AuLoin([service =
                service_] { return BusSession::Repond(service, kDelaiMs) ? service : QString(); },
           &OperationTrousseau::Vivant);
}

void OperationTrousseau::Vivant(const QString& service) {
    if (etat_ != Etat::EnCours)
        return;
    if (service.isEmpty())
        Finir(Etat::Refusee);
    else
        QTimer::singleShot(kDelaiMs, this, &OperationTrousseau::Surveiller);
}

void OperationTrousseau::Finir(Etat etat) {
    if (etat_ != Etat::EnCours)
        return;
    etat_ = etat;
    if (etat != Etat::Reussie && sorte_ == Sorte::Lecture)
        motDePasse_.clear();
    emit Terminee(etat);
}
