#include "sending/MoteurCampagne.h"

#include "commun/Erreur.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/LectureAdresses.h"
#include "sending/EnvoiUnitaire.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

using std::chrono::milliseconds;

namespace {
QString TexteErreur(const std::exception& e) {
    const auto* erreur = dynamic_cast<const Erreur*>(&e);
    return erreur ? erreur->Message() : QString::fromLocal8Bit(e.what());
}
} // namespace

MoteurCampagne::MoteurCampagne(ClientSMTP& client, Limites limites)
    : client_(client), limites_(limites) {
    // On the worker, for every block of a message written: a confirmed stop cuts the message
    // before its end-of-data line; once that line has left, the reply decides.
    client_.SurProgression = [this](ClientSMTP& emetteur, SensTravail, qint64) {
        if (arret_ && emetteur.DemanderArret()) {
            emetteur.Canal().VerifierDeconnexion(true, false);
            emetteur.Canal().Fermer();
        }
    };
}

MoteurCampagne::~MoteurCampagne() {
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.Arreter();
    client_.SurProgression = nullptr;
}

bool MoteurCampagne::Attendre(const std::function<bool()>& fini, milliseconds delai) {
    const bool borne = delai != milliseconds::max();
    const QDeadlineTimer echeance =
        borne ? QDeadlineTimer(delai, Qt::PreciseTimer) : QDeadlineTimer(QDeadlineTimer::Forever);
    // Wakes the sleeping event loop at the limit; started again for what is left when it
    // woke it a little early.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    while (!fini()) {
        if (echeance.hasExpired())
            return false;
        if (borne && !reveil.isActive())
            reveil.start(std::max<qint64>(echeance.remainingTime(), 1));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

FinCampagne MoteurCampagne::Executer(const MessageCourriel& message, const QStringList& adresses,
                                     EcouteurCampagne& ecouteur) {
    MessageCourriel copie = message;
    const QStringList liste = adresses;
    FinCampagne fin = FinCampagne::Terminee;
    QString motif;
    if (Connecter(ecouteur, fin, motif)) {
        fin = Envoyer(copie, liste, ecouteur, motif);
        Deconnecter(ecouteur);
    }
    ecouteur.Fin(fin, motif);
    return fin;
}

bool MoteurCampagne::Connecter(EcouteurCampagne& ecouteur, FinCampagne& fin, QString& motif) {
    ecouteur.Connexion();
    travailleur_.Lancer([this] {
        // Cleared here, on the worker: a previous worker the wait gave up on has ended before
        // this piece starts.
        motifSession_.clear();
        erreurConnexion_.clear();
        connecte_ = false;
        try {
            client_.Connecter();
            connecte_ = true;
        } catch (const ErreurSession& e) {
            motifSession_ = e.Message();
        } catch (const std::exception& e) {
            erreurConnexion_ = TexteErreur(e);
        }
    });
    bool abandon = false;
    const bool fini = Attendre(
        [&] {
            abandon = Interrompu();
            return abandon || !travailleur_.EnCours();
        },
        limites_.connexion);
    // The worker's words are read only when it has ended: a worker given up on may still
    // write them.
    const bool termine = fini && !abandon;
    if (termine && connecte_) {
        EpinglerCertificat(ecouteur);
        ecouteur.Connecte();
        return true;
    }
    // Closed without QUIT; a worker still blocked in the connection then fails by itself.
    client_.Canal().VerifierDeconnexion(false, false);
    client_.Canal().Fermer();
    if (arret_)
        fin = FinCampagne::ConnexionAnnulee;
    else if (termine && !motifSession_.isEmpty())
        fin = FinCampagne::SessionRefusee;
    else
        fin = FinCampagne::Injoignable;
    motif = !termine                             ? QString()
            : fin == FinCampagne::SessionRefusee ? motifSession_
                                                 : erreurConnexion_.trimmed();
    return false;
}

FinCampagne MoteurCampagne::Envoyer(MessageCourriel& message, const QStringList& adresses,
                                    EcouteurCampagne& ecouteur, QString& motif) {
    const int n = adresses.size();
    ecouteur.DebutEnvois(n);
    for (int i = 0; i < n; ++i) {
        const QString& adresse = adresses[i];
        try {
            LireListeAdresses(adresse, message.Destinataires);
        } catch (const std::exception& e) {
            ecouteur.ErreurEnvoi(TexteErreur(e), adresse);
            return FinCampagne::Erreur;
        }
        travailleur_.Lancer([this, &message, adresse] {
            try {
                resultat_ = EnvoiUnitaire(client_, message, adresse);
            } catch (const ErreurSession& e) {
                motifSession_ = e.Message();
            }
        });
        Attendre([this] { return Interrompu() || !travailleur_.EnCours(); });
        if (travailleur_.EnCours()) {
            // A stop or a close: the message under way is cut before its end-of-data line, or,
            // once that line has left, its reply is waited for.
            const bool finDeDonneesPartie = !client_.DemanderArret();
            if (arret_)
                ecouteur.ArretEnCours(i + 1, n);
            LaisserFinirEnvoi(finDeDonneesPartie ? limites_.reponseFinDeDonnees
                              : Abandon()        ? milliseconds(0)
                                                 : limites_.finEnvoiArrete);
        }
        EpinglerCertificat(ecouteur);
        // Every later address would fail the same way (and each refused login counts against
        // the user at the server): the campaign ends here.
        if (!motifSession_.isEmpty()) {
            motif = motifSession_;
            return FinCampagne::SessionRefusee;
        }
        ecouteur.Resultat(resultat_);
        ecouteur.Progression(i + 1, n);
        if (arret_)
            return FinCampagne::Stoppee;
        if (Abandon())
            return FinCampagne::Fermeture;
    }
    return FinCampagne::Terminee;
}

void MoteurCampagne::Deconnecter(EcouteurCampagne& ecouteur) {
    std::exception_ptr erreur;
    travailleur_.Lancer([this, &erreur] {
        try {
            client_.Deconnecter(true);
        } catch (...) {
            erreur = std::current_exception();
        }
    });
    // After a stop, a server slow to say goodbye is left without waiting long; a closing
    // window does not wait at all.
    Attendre([this] { return Abandon() || !travailleur_.EnCours(); },
             arret_ ? limites_.finEnvoiArrete : milliseconds::max());
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.AttendreFin();
    if (erreur) {
        try {
            std::rethrow_exception(erreur);
        } catch (const std::exception& e) {
            ecouteur.ErreurDeconnexion(e);
        }
    }
}

void MoteurCampagne::LaisserFinirEnvoi(milliseconds delai) {
    Attendre([this] { return !travailleur_.EnCours(); }, delai);
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.AttendreFin();
}

void MoteurCampagne::EpinglerCertificat(EcouteurCampagne& ecouteur) {
    const QString empreinte = client_.PrendreEmpreinteAEpingler();
    if (empreinte.isEmpty())
        return;
    client_.EmpreinteConnue = empreinte;
    ecouteur.EmpreinteAEpingler(client_.Hote, client_.Port, empreinte);
}
