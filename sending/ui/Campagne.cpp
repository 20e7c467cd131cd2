#include "sending/ui/Campagne.h"

#include "app/ui/ImageAnimee.h"
#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/EnvoiUnitaire.h"
#include "sending/ui/MessageCampagne.h"
#include "sending/ui/PageErreurs.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
const QString texteStoppe = QStringLiteral("Envois Stoppé Par L'Utilisateur.");

void TraiterEvenements() {
    QCoreApplication::processEvents();
}
} // namespace

Campagne::Campagne(TForm1& f) : f_(f), client_(*f.IdSMTP1) {
    f.Relier(f.SpeedButEnvoyer, &QPushButton::clicked, [this] { SpeedButEnvoyerClick(); });
    f.Relier(f.SpeedButOui, &QPushButton::clicked, [this] { SpeedButOuiClick(); });
    f.Relier(f.SpeedButNon, &QPushButton::clicked, [this] { SpeedButNonClick(); });
    f.Relier(f.SpeedButFermerVisuEnvoisMail, &QPushButton::clicked,
             [this] { SpeedButFermerVisuEnvoisMailClick(); });
    f.Relier(f.SpeedButStopperEnvois, &QPushButton::clicked,
             [this] { SpeedButStopperEnvoisClick(); });
    f.Relier(f.TimerTpsConnectMax, &QTimer::timeout, [this] { TimerTpsConnectMaxTimer(); });
    client_.SurProgression = [this](ClientSMTP& emetteur, SensTravail sens, qint64 total) {
        IdSMTP1Work(emetteur, sens, total);
    };
}

Campagne::~Campagne() {
    // A worker still blocked on the network is woken, and ends before the message, the
    // record and the client it uses go.
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.Arreter();
}

template <class Condition> void Campagne::Attendre(Condition fini) {
    while (!fini())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void Campagne::SpeedButEnvoyerClick() {
    // One campaign at a time: the button stays pressable while the question waits.
    if (enCours_)
        return;
    enCours_ = true;
    const auto fin = qScopeGuard([this] { enCours_ = false; });
    if (!Confirmer())
        return;
    if (Preparer() && Connecter())
        Envoyer();
    Terminer();
}

bool Campagne::Confirmer() {
    f_.ValOuiNon.clear();
    f_.PanelConfirmeEnvois->show();
    f_.PanelConfirmeEnvois->raise();
    f_.LabQuestion->setText(QStringLiteral("Envoyez Le Mail ?"));
    TraiterEvenements();
    Attendre([this] { return !f_.ValOuiNon.isEmpty(); });
    if (f_.ValOuiNon == QStringLiteral("Non")) {
        f_.AfficheStatutFixe(QStringLiteral("Envois Annulé Par L'Utilisateur.."), Couleur::Rouge);
        return false;
    }
    return true;
}

bool Campagne::Preparer() {
    f_.pageErreurs->Reinitialiser();
    f_.TimerAcitveEnvoyer->stop();
    f_.SpeedButFermerVisuEnvoisMail->setEnabled(false);
    f_.SpeedButStopperEnvois->setEnabled(true);
    f_.ProgressBarEnvoisMail->setMaximum(100);
    f_.ProgressBarEnvoisMail->setValue(0);
    f_.LabNbEnvois->clear();
    f_.ImageProcessEnvois->show();
    f_.PanelVisuEnvoisMail->show();
    f_.PanelVisuEnvoisMail->raise();
    f_.ArretEnvois = 0;
    TraiterEvenements();
    try {
        page_ = MessageCampagne::Page(f_);
        MessageCampagne::ConfigurerClient(client_, f_);
        MessageEnvoi = MessageCampagne::Construire(f_, page_);
        return true;
    } catch (const std::exception& e) {
        // A saved port that is no number: the campaign ends before connecting.
        f_.AfficherErreur(e);
        return false;
    }
}

bool Campagne::Connecter() {
    f_.AfficheStatutFixe(QStringLiteral("Connection au serveur SMTP..."), Couleur::Noir);
    TraiterEvenements();
    ResultatConnexion = Resultat::Good;
    travailleur_.Lancer([this] {
        // Cleared here, on the worker: a previous worker the window gave up on has ended
        // before this piece starts.
        MotifArret.clear();
        try {
            client_.Connecter();
        } catch (const ErreurSession& e) {
            MotifArret = e.Message();
            ResultatConnexion = Resultat::Bad;
        } catch (...) {
            ResultatConnexion = Resultat::Bad;
        }
    });
    f_.ImageProcessEnvois->DefinirAnimation(true);
    f_.DelaiConnexionDepasse = false;
    f_.TimerTpsConnectMax->start();
    // The window's own reasons are kept apart from the worker's result, which it may still
    // write after the wait has given up on it.
    bool abandon = false;
    Attendre([&] {
        abandon = f_.FermetureEnCours || f_.ArretEnvois == 1 || f_.DelaiConnexionDepasse;
        return abandon || !travailleur_.EnCours();
    });
    f_.TimerTpsConnectMax->stop();
    f_.ImageProcessEnvois->DefinirAnimation(false);
    if (!abandon && ResultatConnexion == Resultat::Good) {
        EpinglerCertificat();
        TraiterEvenements();
        return true;
    }
    // Closed without QUIT; a worker still blocked in the connection then fails by itself.
    client_.Canal().VerifierDeconnexion(false, false);
    client_.Canal().Fermer();
    // The worker has ended unless the wait gave up on it: only then is its reason read.
    const bool motif = !abandon && !MotifArret.isEmpty();
    f_.AfficheStatutFixe(f_.ArretEnvois == 1
                             ? QStringLiteral("Connection Annulée Par L'Utilisateur.")
                         : motif ? MotifArret
                                 : QStringLiteral("Impossible De Joindre Le Serveur, Vérifier Vos "
                                                  "Paramètres De Connection."),
                         Couleur::Rouge);
    f_.SpeedButFermerVisuEnvoisMail->setEnabled(true);
    f_.SpeedButStopperEnvois->setEnabled(false);
    TraiterEvenements();
    return false;
}

void Campagne::Envoyer() {
    const ListeAdresses& liste = f_.pageListes->Modele().Liste();
    AdresseEnCours.clear();
    try {
        f_.AfficheStatutFixe(QStringLiteral("Envois en cours..."), Couleur::Noir);
        f_.LabNbEnvois->setText(QStringLiteral("0"));
        const int n = liste.Nombre();
        f_.ProgressBarEnvoisMail->setMaximum(n);
        f_.ImageProcessEnvois->DefinirAnimation(true);
        // Items removed meanwhile end the walk instead of being read past the list's end.
        for (int i = 0; i < n && i < liste.Nombre(); ++i) {
            AdresseEnCours = liste.Texte(i).toString();
            LireListeAdresses(AdresseEnCours, MessageEnvoi->Destinataires);
            travailleur_.Lancer([this, adresse = AdresseEnCours] {
                try {
                    EnvoiUnitaire(client_, *MessageEnvoi, adresse, registre_);
                } catch (const ErreurSession& e) {
                    MotifArret = e.Message();
                }
            });
            Attendre([this] {
                return f_.FermetureEnCours || f_.ArretEnvois == 1 || !travailleur_.EnCours();
            });
            if (travailleur_.EnCours()) {
                // A stop or a close: the message under way is cut before its end-of-data line,
                // or, once that line has left, its reply is waited for, so that what the user
                // is told matches what the server received.
                const bool finDeDonneesPartie = !client_.DemanderArret();
                if (f_.ArretEnvois == 1) {
                    MontrerArret(texteStoppe);
                    f_.LabNbEnvois->setText(
                        QStringLiteral("%1 / %2").arg(i + 1).arg(liste.Nombre()));
                }
                LaisserFinirEnvoi(finDeDonneesPartie ? kAttenteReponseFinMs
                                                     : (f_.FermetureEnCours ? 0 : 2000));
            }
            f_.pageErreurs->Reporter(registre_.Prendre());
            EpinglerCertificat();
            // Every later address would fail the same way (and each refused login counts
            // against the user at the server): the campaign ends here, in red.
            if (!MotifArret.isEmpty()) {
                MontrerArret(MotifArret);
                break;
            }
            f_.LabNbEnvois->setText(QStringLiteral("%1 / %2").arg(i + 1).arg(liste.Nombre()));
            f_.ProgressBarEnvoisMail->setValue(i + 1);
            TraiterEvenements();
            if (f_.ArretEnvois == 1) {
                MontrerArret(texteStoppe);
                break;
            }
            // The window is closing: no new message starts.
            if (f_.FermetureEnCours)
                break;
        }
    } catch (const std::exception& e) {
        const auto* erreur = dynamic_cast<const Erreur*>(&e);
        f_.Boites().Message(QStringLiteral("Erreur: \n%1\nsur adresse: %2")
                                .arg(erreur ? erreur->Message() : QString::fromLocal8Bit(e.what()),
                                     AdresseEnCours));
    }
    try {
        client_.Deconnecter(true);
    } catch (const std::exception& e) {
        // The campaign still reaches its end: the overlay can be closed.
        f_.AfficherErreur(e);
    }
    if (f_.ArretEnvois != 1 && MotifArret.isEmpty()) {
        f_.AfficheStatutFixe(QStringLiteral("Envois Terminé."), Couleur::Vert);
        f_.ImageProcessEnvois->DefinirAnimation(false);
        f_.ImageProcessEnvois->hide();
    }
    f_.TimerResetStatusInfos->stop();
}

void Campagne::MontrerArret(const QString& motif) {
    f_.AfficheStatutFixe(motif, Couleur::Rouge);
    f_.ImageProcessEnvois->DefinirAnimation(false);
    f_.ImageProcessEnvois->hide();
}

void Campagne::LaisserFinirEnvoi(int delaiMs) {
    bool delaiEcoule = delaiMs == 0;
    QTimer delai;
    delai.setSingleShot(true);
    QObject::connect(&delai, &QTimer::timeout, [&] { delaiEcoule = true; });
    delai.start(delaiMs);
    Attendre([&] { return delaiEcoule || !travailleur_.EnCours(); });
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.AttendreFin();
}

void Campagne::EpinglerCertificat() {
    const QString empreinte = client_.PrendreEmpreinteAEpingler();
    if (empreinte.isEmpty())
        return;
    client_.EmpreinteConnue = empreinte;
    try {
        f_.Fichier().EcrireEmpreinte(client_.Hote, client_.Port, empreinte);
    } catch (const Erreur& e) {
        // Not kept: the next campaign pins again. The sending goes on.
        f_.AfficherErreur(e);
    }
}

void Campagne::Terminer() {
    MessageEnvoi.reset();
    page_.clear();
    f_.SpeedButFermerVisuEnvoisMail->setEnabled(true);
    f_.SpeedButStopperEnvois->setEnabled(false);
    f_.pageErreurs->Reveler();
}

void Campagne::SpeedButOuiClick() {
    f_.ValOuiNon = QStringLiteral("Oui");
    f_.PanelConfirmeEnvois->hide();
}

void Campagne::SpeedButNonClick() {
    f_.ValOuiNon = QStringLiteral("Non");
    f_.PanelConfirmeEnvois->hide();
}

void Campagne::SpeedButFermerVisuEnvoisMailClick() {
    f_.PanelVisuEnvoisMail->hide();
    f_.TimerAcitveEnvoyer->start();
    f_.ViderStatut(true);
}

void Campagne::SpeedButStopperEnvoisClick() {
    if (f_.Boites().Question(QStringLiteral(
            "Voulez-vous réellement Stopper les envois en cours, le travail n'est pas terminé ?")))
        f_.ArretEnvois = 1;
}

void Campagne::TimerTpsConnectMaxTimer() {
    f_.TimerTpsConnectMax->stop();
    ResultatConnexion = Resultat::Bad;
    f_.DelaiConnexionDepasse = true;
}

void Campagne::IdSMTP1Work(ClientSMTP& emetteur, SensTravail, qint64) {
    // Once the end-of-data line has left, the reply decides: the channel stays open for it.
    if (f_.ArretEnvois == 1 && emetteur.DemanderArret()) {
        emetteur.Canal().VerifierDeconnexion(true, false);
        emetteur.Canal().Fermer();
    }
}
