#include "sending/ui/Campagne.h"

#include "app/Reglages.h"
#include "commun/Erreur.h"
#include "commun/ui/Dialogues.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ImageAnimee.h"
#include "commun/ui/LigneStatut.h"
#include "commun/ui/ListeEnvoi.h"
#include "commun/ui/SuiviErreurs.h"
#include "lists/ListeAdresses.h"
#include "mail/ClientSMTP.h"
#include "mail/MessageCourriel.h"
#include "returns/Desinscrits.h"
#include "sending/LectureJournal.h"
#include "sending/RepriseCampagne.h"
#include "sending/ui/ControlesEnvois.h"
#include "sending/ui/DispositionQuestion.h"
#include "sending/ui/MessageCampagne.h"

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
// The progress panel's title, while the campaign runs and once it has ended.
const QString titreTerminee = QStringLiteral("Procedure d'envois terminée.");
const QString titreInterrompue = QStringLiteral("Procedure d'envois interrompue.");

} // namespace

QString Campagne::TitreEnCours() {
    return QStringLiteral("Procedure d'envois en cours...");
}

Campagne::Campagne(ControlesEnvois& c, SuiviErreurs& erreurs, const ListeEnvoi& liste,
                   ClientSMTP& client, const ServicesEnvoi& services)
    : c_(c), erreurs_(erreurs), liste_(liste), s_(services), client_(client), moteur_(client, {}) {
    Gestionnaires& g = s_.gestionnaires;
    g.Relier(c.SpeedButEnvoyer, &QPushButton::clicked, [this] { SpeedButEnvoyerClick(); });
    g.Relier(c.SpeedButOui, &QPushButton::clicked, [this] { SpeedButOuiClick(); });
    g.Relier(c.SpeedButNon, &QPushButton::clicked, [this] { SpeedButNonClick(); });
    g.Relier(c.SpeedButFermerVisuEnvoisMail, &QPushButton::clicked,
             [this] { SpeedButFermerVisuEnvoisMailClick(); });
    g.Relier(c.SpeedButStopperEnvois, &QPushButton::clicked,
             [this] { SpeedButStopperEnvoisClick(); });
    moteur_.Abandon = [this] { return s_.fermeture; };
    minuteurPause_.setInterval(1000);
    QObject::connect(&minuteurPause_, &QTimer::timeout, [this] { MontrerPause(); });
    minuteurProgression_.setSingleShot(true);
    minuteurProgression_.setInterval(40);
    QObject::connect(&minuteurProgression_, &QTimer::timeout, [this] {
        if (progression_) {
            MontrerProgression();
            minuteurProgression_.start();
        }
    });
}

void Campagne::SpeedButEnvoyerClick() {
    // One campaign at a time: the button stays pressable while the question waits.
    if (enCours_)
        return;
    enCours_ = true;
    const auto fin = qScopeGuard([this] { enCours_ = false; });
    // The items as they are now: the list may be edited while the campaign runs.
    const auto elements = [this] {
        const ListeAdresses& liste = liste_.Liste();
        QStringList adresses;
        adresses.reserve(liste.Nombre());
        for (int i = 0; i < liste.Nombre(); ++i)
            adresses << liste.Texte(i).toString();
        return adresses;
    };
    // Never written to again, by a new campaign or a resume; told with the question, and on
    // the status line, which keeps it once the panel has gone.
    const Desinscrits desinscrits(s_.repertoire);
    QString ecarteesTexte;
    if (const int ecartees = desinscrits.Compter(elements()); ecartees > 0) {
        ecarteesTexte =
            ecartees == 1 ? QStringLiteral("1 adresse désinscrite ne recevra pas ce message.")
                          : QStringLiteral("%1 adresses désinscrites ne recevront pas ce message.")
                                .arg(ecartees);
        s_.statut.AfficheStatutFixe(ecarteesTexte, Couleur::Noir);
    }
    if (!Confirmer(ecarteesTexte))
        return;
    std::unique_ptr<MessageCourriel> message;
    if (Preparer(message)) {
        QStringList adresses = desinscrits.Filtrer(elements());
        ProposerReprise(*message, adresses);
        try {
            // Kept now: a program killed during the campaign still finds it at its next start.
            s_.Fichier().EcrireSujet(message->Objet);
        } catch (const Erreur& e) {
            s_.gestionnaires.AfficherErreur(e);
        }
        connecte_ = false;
        // The messages of the last day, this campaign's earlier ones included, count in the
        // hourly and daily quotas.
        historique_.envois.clear();
        for (const qint64 date : LectureJournal::EnvoisDepuis(
                 s_.repertoire,
                 horloge_->Date() - std::chrono::milliseconds(std::chrono::hours(24)).count()))
            historique_.envois.push_back(date);
        moteur_.DefinirHistorique(historique_);
        moteur_.Executer(*message, adresses, *this, &registre_);
    }
    c_.SpeedButFermerVisuEnvoisMail->setEnabled(true);
    c_.SpeedButStopperEnvois->setEnabled(false);
    erreurs_.Reveler();
}

bool Campagne::Confirmer(const QString& note) {
    reponse_.reset();
    DisposerQuestion(c_, note);
    c_.PanelConfirmeEnvois->show();
    c_.PanelConfirmeEnvois->raise();
    c_.LabQuestion->setText(QStringLiteral("Envoyez Le Mail ?"));
    // The question is a panel of the page, not a box: "Envoyer" waits here for "Oui", "Non" or
    // "Quitter" (which answers no), asleep between events. It stays a loop because the whole
    // campaign runs inside this handler, whose busy mark puts a close off until it returns.
    while (!reponse_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!*reponse_) {
        s_.statut.AfficheStatutFixe(QStringLiteral("Envois Annulé Par L'Utilisateur.."),
                                    Couleur::Rouge);
        return false;
    }
    return true;
}

bool Campagne::Preparer(std::unique_ptr<MessageCourriel>& message) {
    erreurs_.Reinitialiser();
    s_.minuteurPret.stop();
    c_.SpeedButFermerVisuEnvoisMail->setEnabled(false);
    c_.SpeedButStopperEnvois->setEnabled(true);
    c_.ProgressBarEnvoisMail->setMaximum(100);
    c_.ProgressBarEnvoisMail->setValue(0);
    c_.LabNbEnvois->clear();
    c_.Envoi->setText(TitreEnCours());
    c_.ImageProcessEnvois->show();
    c_.PanelVisuEnvoisMail->show();
    c_.PanelVisuEnvoisMail->raise();
    moteur_.OublierArret();
    const Reglages& r = s_.reglages;
    MoteurCampagne::Limites& limites = moteur_.LimitesEnVigueur();
    limites.reprises.assign(r.ValDelaisReprise.begin(), r.ValDelaisReprise.end());
    limites.messagesParMinute = r.ValMessagesParMinute;
    limites.messagesParHeure = r.ValMessagesParHeure;
    limites.messagesParJour = r.ValMessagesParJour;
    limites.messagesParConnexion = r.ValMessagesParConnexion;
    limites.connexions = r.ValConnexionsSimultanees;
    // Painted now, without taking any event: making the message of a large page takes a moment.
    c_.PanelVisuEnvoisMail->repaint();
    try {
        const QStringList page = MessageCampagne::Page(s_);
        MessageCampagne::ConfigurerClient(client_, s_);
        message = MessageCampagne::Construire(s_, c_.EditSujetMessage->text(), page);
        entete_ = {message->Objet, JournalCampagne::Empreinte(page),
                   c_.ComboBoxListe1->currentText(), QDateTime::currentDateTime()};
        repris_.reset();
        historique_ = {};
        return true;
    } catch (const std::exception& e) {
        // A saved port that is no number: the campaign ends before connecting.
        c_.Envoi->setText(titreInterrompue);
        s_.gestionnaires.AfficherErreur(e);
        return false;
    }
}

template <typename Ecriture> void Campagne::Journaliser(Ecriture ecriture) {
    try {
        ecriture();
    } catch (const Erreur& e) {
        ErreurRegistre(e);
    }
}

void Campagne::ProposerReprise(MessageCourriel& message, QStringList& adresses) {
    const RepriseCampagne reprise =
        RepriseCampagne::Lire(s_.repertoire, entete_.page, entete_.liste, adresses, message.Objet);
    if (!reprise.Interrompue())
        return;
    const bool reprendre = s_.dialogues.Question(RepriseCampagne::QuestionReprendre());
    const bool renvoyer =
        reprendre && reprise.Incertaines() > 0 &&
        s_.dialogues.Question(RepriseCampagne::QuestionIncertaines(reprise.Incertaines()));
    const RepriseCampagne::Decision d = reprise.Decider(reprendre, renvoyer);
    for (const LectureJournal::Etat& abandonne : d.abandonnes)
        Journaliser(
            [&] { JournalCampagne::Abandonner(abandonne.chemin, abandonne.longueurValide); });
    adresses = d.adresses;
    if (!d.nonRenvoyees.isEmpty())
        erreurs_.Reporter(d.nonRenvoyees);
    if (!d.repris)
        return;
    repris_.emplace(d.repris->chemin, d.repris->longueurValide);
    historique_.allure = d.repris->allure;
    historique_.pause = d.repris->pause;
    if (d.sujet != message.Objet) {
        message.Objet = d.sujet;
        c_.EditSujetMessage->setText(d.sujet);
        s_.statut.AfficheStatutFixe(RepriseCampagne::SujetRepris(d.sujet), Couleur::Noir);
    }
}

void Campagne::Connexion() {
    s_.statut.AfficheStatutFixe(QStringLiteral("Connection au serveur SMTP..."), Couleur::Noir);
    c_.ImageProcessEnvois->DefinirAnimation(true);
}

void Campagne::Connecte() {
    connecte_ = true;
    c_.ImageProcessEnvois->DefinirAnimation(false);
}

void Campagne::EmpreinteAEpingler(const QString& hote, quint16 port, const QString& empreinte) {
    try {
        s_.Fichier().EcrireEmpreinte(hote, port, empreinte);
    } catch (const Erreur& e) {
        // Not kept: the next campaign pins again. The sending goes on.
        s_.gestionnaires.AfficherErreur(e);
    }
}

void Campagne::DebutEnvois(int nombre) {
    s_.statut.AfficheStatutFixe(QStringLiteral("Envois en cours..."), Couleur::Noir);
    c_.LabNbEnvois->setText(QStringLiteral("0"));
    c_.ProgressBarEnvoisMail->setMaximum(nombre);
    c_.ImageProcessEnvois->DefinirAnimation(true);
}

void Campagne::Registre::Ouvrir() {
    if (c.repris_)
        c.journal_.Continuer(c.repris_->first, c.repris_->second, QDateTime::currentDateTime());
    else
        c.journal_.Creer(c.s_.repertoire, c.entete_);
}

void Campagne::ArretEnCours(int numero, int nombre) {
    MontrerProgression();
    // Shown at once; only the reply of the message under way is still waited for.
    MontrerArret(texteStoppe);
    c_.LabNbEnvois->setText(QStringLiteral("%1 / %2").arg(numero).arg(nombre));
}

void Campagne::Resultat(const ResultatEnvoi& resultat) {
    if (!resultat.accepte)
        erreurs_.Reporter({resultat});
}

void Campagne::AttenteReprise(int enAttente, std::chrono::milliseconds prochainEssai) {
    const QString heure = QTime::currentTime()
                              .addMSecs(static_cast<int>(prochainEssai.count()))
                              .toString(QStringLiteral("HH:mm"));
    s_.statut.AfficheStatutFixe(
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

void Campagne::Ralentissement(double allure) {
    const int n = std::max(1, qRound(allure));
    s_.statut.AfficheStatutFixe(
        n == 1
            ? QStringLiteral("Le serveur limite le débit : environ 1 message par minute.")
            : QStringLiteral("Le serveur limite le débit : environ %1 messages par minute.").arg(n),
        Couleur::Noir);
}

void Campagne::Pause(qint64 jusqua) {
    finPause_ = jusqua;
    const QDateTime fin = QDateTime::fromMSecsSinceEpoch(jusqua);
    s_.statut.AfficheStatutFixe(
        QStringLiteral("Quota atteint : reprise le %1 à %2.")
            .arg(fin.toString(QStringLiteral("dd/MM")), fin.toString(QStringLiteral("HH:mm"))),
        Couleur::Noir);
    c_.ImageProcessEnvois->DefinirAnimation(false);
    MontrerPause();
    minuteurPause_.start();
}

void Campagne::MontrerPause() {
    const QDateTime fin = QDateTime::fromMSecsSinceEpoch(finPause_);
    const qint64 reste = std::max<qint64>(0, (finPause_ - horloge_->Date() + 999) / 1000);
    c_.Envoi->setText(
        QStringLiteral("Quota atteint : reprise le %1 à %2. Reprise dans %3:%4:%5.")
            .arg(fin.toString(QStringLiteral("dd/MM")), fin.toString(QStringLiteral("HH:mm")))
            .arg(reste / 3600, 2, 10, QLatin1Char('0'))
            .arg(reste / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(reste % 60, 2, 10, QLatin1Char('0')));
    c_.Envoi->adjustSize();
}

void Campagne::FinPause() {
    minuteurPause_.stop();
    finPause_ = 0;
    c_.Envoi->setText(TitreEnCours());
    c_.Envoi->adjustSize();
    c_.ImageProcessEnvois->DefinirAnimation(true);
    s_.statut.AfficheStatutFixe(QStringLiteral("Envois en cours..."), Couleur::Noir);
}

void Campagne::DefinirHorloge(const Horloge& horloge) {
    horloge_ = &horloge;
    moteur_.DefinirHorloge(horloge);
    journal_.DefinirHorloge(horloge);
}

void Campagne::Progression(int envoyes, int nombre) {
    progression_.emplace(envoyes, nombre);
    if (!minuteurProgression_.isActive()) {
        MontrerProgression();
        minuteurProgression_.start();
    }
}

void Campagne::MontrerProgression() {
    if (!progression_)
        return;
    const auto [envoyes, nombre] = *std::exchange(progression_, std::nullopt);
    c_.LabNbEnvois->setText(QStringLiteral("%1 / %2").arg(envoyes).arg(nombre));
    c_.ProgressBarEnvoisMail->setValue(envoyes);
}

void Campagne::ErreurEnvoi(const QString& message, const QString& adresse) {
    s_.dialogues.Message(QStringLiteral("Erreur: \n%1\nsur adresse: %2").arg(message, adresse));
}

void Campagne::ErreurRegistre(const std::exception& e) {
    // The sending matters more than its record: it goes on without a journal.
    try {
        journal_.Fermer();
    } catch (const Erreur&) {
    }
    s_.gestionnaires.AfficherErreur(e);
}

void Campagne::ErreurDeconnexion(const std::exception& e) {
    // The campaign still reaches its end: the overlay can be closed.
    s_.gestionnaires.AfficherErreur(e);
}

void Campagne::Fin(FinCampagne fin, const QString& motif) {
    // A campaign stopped during a pause: the caption is the sending's again.
    if (finPause_ != 0)
        FinPause();
    minuteurProgression_.stop();
    MontrerProgression();
    c_.Envoi->setText(fin == FinCampagne::Terminee ? titreTerminee : titreInterrompue);
    // Only a campaign that tried every address is over; any other end may be resumed.
    Journaliser([&] {
        if (fin == FinCampagne::Terminee)
            journal_.Terminer();
        else
            journal_.Fermer();
    });
    if (!connecte_) {
        // The connection failed: the picture stays, still.
        c_.ImageProcessEnvois->DefinirAnimation(false);
        s_.statut.AfficheStatutFixe(fin == FinCampagne::ConnexionAnnulee
                                        ? QStringLiteral("Connection Annulée Par L'Utilisateur.")
                                    : fin == FinCampagne::SessionRefusee
                                        ? motif
                                        : MoteurCampagne::TexteInjoignable(),
                                    Couleur::Rouge);
        return;
    }
    if (fin == FinCampagne::Stoppee)
        MontrerArret(texteStoppe);
    else if (fin == FinCampagne::SessionRefusee)
        MontrerArret(motif);
    else {
        s_.statut.AfficheStatutFixe(QStringLiteral("Envois Terminé."), Couleur::Vert);
        c_.ImageProcessEnvois->DefinirAnimation(false);
        c_.ImageProcessEnvois->hide();
    }
}

void Campagne::MontrerArret(const QString& motif) {
    s_.statut.AfficheStatutFixe(motif, Couleur::Rouge);
    c_.ImageProcessEnvois->DefinirAnimation(false);
    c_.ImageProcessEnvois->hide();
}

void Campagne::Repondre(bool oui) {
    reponse_ = oui;
}

void Campagne::SpeedButOuiClick() {
    Repondre(true);
    c_.PanelConfirmeEnvois->hide();
}

void Campagne::SpeedButNonClick() {
    Repondre(false);
    c_.PanelConfirmeEnvois->hide();
}

void Campagne::SpeedButFermerVisuEnvoisMailClick() {
    c_.PanelVisuEnvoisMail->hide();
    s_.minuteurPret.start();
    s_.statut.ViderStatut(true);
}

void Campagne::SpeedButStopperEnvoisClick() {
    if (s_.dialogues.Question(QStringLiteral(
            "Voulez-vous réellement Stopper les envois en cours, le travail n'est pas terminé ?")))
        moteur_.DemanderArret();
}
