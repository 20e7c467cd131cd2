#include "sending/ui/Campagne.h"

#include "app/ui/ImageAnimee.h"
#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
#include "lists/ListeAdresses.h"
#include "lists/ui/ModeleListe.h"
#include "lists/ui/PageListes.h"
#include "mail/ClientSMTP.h"
#include "mail/MessageCourriel.h"
#include "sending/LectureJournal.h"
#include "sending/ui/MessageCampagne.h"
#include "sending/ui/PageErreurs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTime>
#include <QTimer>

namespace {
const QString texteStoppe = QStringLiteral("Envois Stoppé Par L'Utilisateur.");

void TraiterEvenements() {
    QCoreApplication::processEvents();
}
} // namespace

Campagne::Campagne(TForm1& f) : f_(f), moteur_(*f.IdSMTP1, {}) {
    f.Relier(f.SpeedButEnvoyer, &QPushButton::clicked, [this] { SpeedButEnvoyerClick(); });
    f.Relier(f.SpeedButOui, &QPushButton::clicked, [this] { SpeedButOuiClick(); });
    f.Relier(f.SpeedButNon, &QPushButton::clicked, [this] { SpeedButNonClick(); });
    f.Relier(f.SpeedButFermerVisuEnvoisMail, &QPushButton::clicked,
             [this] { SpeedButFermerVisuEnvoisMailClick(); });
    f.Relier(f.SpeedButStopperEnvois, &QPushButton::clicked,
             [this] { SpeedButStopperEnvoisClick(); });
    moteur_.Abandon = [this] { return f_.FermetureEnCours; };
}

void Campagne::SpeedButEnvoyerClick() {
    // One campaign at a time: the button stays pressable while the question waits.
    if (enCours_)
        return;
    enCours_ = true;
    const auto fin = qScopeGuard([this] { enCours_ = false; });
    if (!Confirmer())
        return;
    std::unique_ptr<MessageCourriel> message;
    if (Preparer(message)) {
        // The items as they are now: the list may be edited while the campaign runs.
        const ListeAdresses& liste = f_.pageListes->Modele().Liste();
        QStringList adresses;
        adresses.reserve(liste.Nombre());
        for (int i = 0; i < liste.Nombre(); ++i)
            adresses << liste.Texte(i).toString();
        ProposerReprise(*message, adresses);
        try {
            // Kept now: a program killed during the campaign still finds it at its next start.
            f_.Fichier().EcrireSujet(message->Objet);
        } catch (const Erreur& e) {
            f_.AfficherErreur(e);
        }
        connecte_ = false;
        moteur_.Executer(*message, adresses, *this);
    }
    f_.SpeedButFermerVisuEnvoisMail->setEnabled(true);
    f_.SpeedButStopperEnvois->setEnabled(false);
    f_.pageErreurs->Reveler();
}

bool Campagne::Confirmer() {
    f_.ValOuiNon.clear();
    f_.PanelConfirmeEnvois->show();
    f_.PanelConfirmeEnvois->raise();
    f_.LabQuestion->setText(QStringLiteral("Envoyez Le Mail ?"));
    TraiterEvenements();
    while (f_.ValOuiNon.isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (f_.ValOuiNon == QStringLiteral("Non")) {
        f_.AfficheStatutFixe(QStringLiteral("Envois Annulé Par L'Utilisateur.."), Couleur::Rouge);
        return false;
    }
    return true;
}

bool Campagne::Preparer(std::unique_ptr<MessageCourriel>& message) {
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
    moteur_.OublierArret();
    const Reglages& r = f_.ReglagesActifs;
    MoteurCampagne::Limites& limites = moteur_.LimitesEnVigueur();
    limites.reprises.assign(r.ValDelaisReprise.begin(), r.ValDelaisReprise.end());
    limites.messagesParMinute = r.ValMessagesParMinute;
    limites.messagesParConnexion = r.ValMessagesParConnexion;
    limites.connexions = r.ValConnexionsSimultanees;
    TraiterEvenements();
    try {
        const QStringList page = MessageCampagne::Page(f_);
        MessageCampagne::ConfigurerClient(*f_.IdSMTP1, f_);
        message = MessageCampagne::Construire(f_, page);
        entete_ = {message->Objet, JournalCampagne::Empreinte(page),
                   f_.ComboBoxListe1->currentText(), QDateTime::currentDateTime()};
        repris_.reset();
        return true;
    } catch (const std::exception& e) {
        // A saved port that is no number: the campaign ends before connecting.
        f_.AfficherErreur(e);
        return false;
    }
}

template <typename Ecriture> void Campagne::Journaliser(Ecriture ecriture) {
    try {
        ecriture();
    } catch (const Erreur& e) {
        // The sending matters more than its record: it goes on without a journal.
        try {
            journal_.Fermer();
        } catch (const Erreur&) {
        }
        f_.AfficherErreur(e);
    }
}

void Campagne::ProposerReprise(MessageCourriel& message, QStringList& adresses) {
    const QList<LectureJournal::Etat> anciens =
        LectureJournal::Reprises(f_.Repertoire(), entete_.page, entete_.liste);
    if (anciens.isEmpty())
        return;
    const bool reprendre = f_.Boites().Question(QStringLiteral("Reprendre l'envoi interrompu ?"));
    // Only the latest is resumed; the others, and the latest when declined, are given up.
    for (qsizetype i = reprendre ? 1 : 0; i < anciens.size(); ++i)
        Journaliser(
            [&] { JournalCampagne::Abandonner(anciens[i].chemin, anciens[i].longueurValide); });
    if (!reprendre)
        return;
    const LectureJournal::Etat& ancien = anciens.first();
    const LectureJournal::Repartition r = LectureJournal::Repartir(ancien, adresses);
    adresses = r.sures;
    if (!r.incertaines.isEmpty()) {
        const qsizetype n = r.incertaines.size();
        const QString question =
            n == 1 ? QStringLiteral("1 adresse a peut-être reçu le message (connexion perdue "
                                    "après l'envoi). La renvoyer ?")
                   : QStringLiteral("%1 adresses ont peut-être reçu le message (connexion perdue "
                                    "après l'envoi). Les renvoyer ?")
                         .arg(n);
        if (f_.Boites().Question(question)) {
            adresses = r.restantes;
        } else {
            // Kept in the error record, from which the user may still send to them.
            QList<ResultatEnvoi> incertaines;
            for (const QString& a : r.incertaines)
                incertaines.append(
                    {.adresse = a,
                     .message = QStringLiteral("Issue inconnue, message peut-être reçu (connexion "
                                               "perdue après l'envoi): non renvoyé."),
                     .issueInconnue = true});
            f_.pageErreurs->Reporter(incertaines);
        }
    }
    repris_.emplace(ancien.chemin, ancien.longueurValide);
    if (ancien.sujet != message.Objet) {
        // The messages already sent carried the journal's subject: the rest carry it too.
        message.Objet = ancien.sujet;
        f_.EditSujetMessage->setText(ancien.sujet);
        f_.AfficheStatutFixe(
            QStringLiteral("Sujet de l'envoi interrompu repris: \"%1\".").arg(ancien.sujet),
            Couleur::Noir);
        TraiterEvenements();
    }
}

void Campagne::Connexion() {
    f_.AfficheStatutFixe(QStringLiteral("Connection au serveur SMTP..."), Couleur::Noir);
    TraiterEvenements();
    f_.ImageProcessEnvois->DefinirAnimation(true);
}

void Campagne::Connecte() {
    connecte_ = true;
    f_.ImageProcessEnvois->DefinirAnimation(false);
    TraiterEvenements();
}

void Campagne::EmpreinteAEpingler(const QString& hote, quint16 port, const QString& empreinte) {
    try {
        f_.Fichier().EcrireEmpreinte(hote, port, empreinte);
    } catch (const Erreur& e) {
        // Not kept: the next campaign pins again. The sending goes on.
        f_.AfficherErreur(e);
    }
}

void Campagne::DebutEnvois(int nombre) {
    f_.AfficheStatutFixe(QStringLiteral("Envois en cours..."), Couleur::Noir);
    f_.LabNbEnvois->setText(QStringLiteral("0"));
    f_.ProgressBarEnvoisMail->setMaximum(nombre);
    f_.ImageProcessEnvois->DefinirAnimation(true);
    Journaliser([this] {
        if (repris_)
            journal_.Continuer(repris_->first, repris_->second, QDateTime::currentDateTime());
        else
            journal_.Creer(f_.Repertoire(), entete_);
    });
}

void Campagne::ArretEnCours(int numero, int nombre) {
    // Shown at once; only the reply of the message under way is still waited for.
    MontrerArret(texteStoppe);
    f_.LabNbEnvois->setText(QStringLiteral("%1 / %2").arg(numero).arg(nombre));
}

void Campagne::Essai(const QString& adresse) {
    Journaliser([&] { journal_.Essai(adresse); });
}

void Campagne::EchecTemporaire(const ResultatEnvoi& resultat) {
    Journaliser([&] { journal_.Temporaire(resultat); });
}

void Campagne::Resultat(const ResultatEnvoi& resultat) {
    Journaliser([&] { journal_.Resultat(resultat); });
    if (!resultat.accepte)
        f_.pageErreurs->Reporter({resultat});
}

void Campagne::AttenteReprise(int enAttente, std::chrono::milliseconds prochainEssai) {
    const QString heure = QTime::currentTime()
                              .addMSecs(static_cast<int>(prochainEssai.count()))
                              .toString(QStringLiteral("HH:mm"));
    f_.AfficheStatutFixe(
        enAttente == 0 ? QStringLiteral("Envois en cours...")
        : enAttente == 1
            ? QStringLiteral("Envois en cours... 1 adresse en attente d'un nouvel essai "
                             "(prochain essai à %1).")
                  .arg(heure)
            : QStringLiteral("Envois en cours... %1 adresses en attente d'un nouvel essai "
                             "(prochain essai à %2).")
                  .arg(enAttente)
                  .arg(heure),
        Couleur::Noir);
}

void Campagne::Progression(int envoyes, int nombre) {
    f_.LabNbEnvois->setText(QStringLiteral("%1 / %2").arg(envoyes).arg(nombre));
    f_.ProgressBarEnvoisMail->setValue(envoyes);
    TraiterEvenements();
}

void Campagne::ErreurEnvoi(const QString& message, const QString& adresse) {
    f_.Boites().Message(QStringLiteral("Erreur: \n%1\nsur adresse: %2").arg(message, adresse));
}

void Campagne::ErreurDeconnexion(const std::exception& e) {
    // The campaign still reaches its end: the overlay can be closed.
    f_.AfficherErreur(e);
}

void Campagne::Fin(FinCampagne fin, const QString& motif) {
    // Only a campaign that tried every address is over; any other end may be resumed.
    Journaliser([&] {
        if (fin == FinCampagne::Terminee)
            journal_.Terminer();
        else
            journal_.Fermer();
    });
    if (!connecte_) {
        // The connection failed: the picture stays, still.
        f_.ImageProcessEnvois->DefinirAnimation(false);
        f_.AfficheStatutFixe(fin == FinCampagne::ConnexionAnnulee
                                 ? QStringLiteral("Connection Annulée Par L'Utilisateur.")
                             : fin == FinCampagne::SessionRefusee
                                 ? motif
                                 : QStringLiteral("Impossible De Joindre Le Serveur, Vérifier "
                                                  "Vos Paramètres De Connection."),
                             Couleur::Rouge);
        TraiterEvenements();
        return;
    }
    if (fin == FinCampagne::Stoppee)
        MontrerArret(texteStoppe);
    else if (fin == FinCampagne::SessionRefusee)
        MontrerArret(motif);
    else {
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
        moteur_.DemanderArret();
}
