#pragma once
// One read, write or removal of a password in the desktop's keyring (the Secret Service of GNOME,
// or KDE's wallet, through QtKeychain), waited for without holding the window's thread: the
// check that a keyring is on the session bus runs on a thread of its own (a hung bus holds a
// call for 25 s), and the keyring's answer comes through the event loop, however long its own
// question (a new keyring's password, an unlock) stays on the screen. A keyring that answers
// nothing at all, not even a ping, counts as refused after kDelaiMs.
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace QKeychain {
class Job;
}

class OperationTrousseau : public QObject {
    Q_OBJECT
public:
    enum class Etat { EnCours, Reussie, Absent, Refusee };
    // How long the keyring may stay silent before it counts as refused.
    static constexpr int kDelaiMs = 5000;

    // True when there is plainly no session bus (no address, or a socket that does not exist):
    // known at once, without a call.
    static bool SansBus();

    // Both start at once; Terminee() is emitted once, never from within the call.
    static std::unique_ptr<OperationTrousseau> Lire(const QString& entree);
    static std::unique_ptr<OperationTrousseau> Ecrire(const QString& entree,
                                                      const QString& motDePasse);
    // An entry already gone counts as removed.
    static std::unique_ptr<OperationTrousseau> Effacer(const QString& entree);
    ~OperationTrousseau() override;

    Etat EtatActuel() const { return etat_; }
    // What was read, when the read succeeded.
    const QString& MotDePasse() const { return motDePasse_; }

signals:
    void Terminee(OperationTrousseau::Etat etat);

private:
    struct Retour;
    enum class Sorte { Lecture, Ecriture, Effacement };
    OperationTrousseau(Sorte sorte, QString entree, QString motDePasse);
    void Demarrer();
    // On the window's thread, once the presence check is done; `service` is the keyring's bus
    // name, empty when none is there.
    void Presence(const QString& service);
    // Runs `travail` on a thread of its own, then `suite` with its result on this one.
    void AuLoin(std::function<QString()> travail,
                void (OperationTrousseau::*suite)(const QString&));
    void Surveiller();
    void Vivant(const QString& service);
    void Finir(Etat etat);

    const Sorte sorte_;
    const QString entree_;
    QString motDePasse_;
    QString service_;
    Etat etat_ = Etat::EnCours;
    QKeychain::Job* job_ = nullptr;
    std::shared_ptr<Retour> retour_;
};
