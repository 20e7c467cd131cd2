#include "sending/ui/EnvoiTest.h"

#include "app/ui/TForm1.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/ui/Campagne.h"
#include "sending/ui/MessageCampagne.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
const QString texteInjoignable =
    QStringLiteral("Impossible De Joindre Le Serveur, Vérifier Vos Paramètres De Connection.");

// The server's reply on one line of the status.
QString SurUneLigne(QString texte) {
    texte = texte.trimmed().replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
    return texte.isEmpty() ? texteInjoignable : texte;
}
} // namespace

// As long a connection wait as the campaign's; the user waits for the answer: no new try later.
EnvoiTest::EnvoiTest(TForm1& f) : f_(f), moteur_(client_, {.reprises = {}}) {
    f.Relier(f.SpeedButEnvoyerTest, &QPushButton::clicked, [this] { SpeedButEnvoyerTestClick(); });
    moteur_.Abandon = [this] { return f_.FermetureEnCours; };
}

void EnvoiTest::Resultat(const ResultatEnvoi& resultat) {
    if (!resultat.accepte)
        erreur_ = SurUneLigne(resultat.message);
}

void EnvoiTest::Fin(FinCampagne fin, const QString& motif) {
    if (fin == FinCampagne::Injoignable || fin == FinCampagne::SessionRefusee ||
        fin == FinCampagne::ConnexionAnnulee)
        erreur_ = SurUneLigne(motif);
}

void EnvoiTest::SpeedButEnvoyerTestClick() {
    // Never beside a campaign or another test: the button stays pressable while they wait.
    if (enCours_ || (f_.campagne && f_.campagne->EnCours()))
        return;
    enCours_ = true;
    f_.TimerAcitveEnvoyer->stop();
    f_.SpeedButEnvoyer->setEnabled(false);
    f_.SpeedButEnvoyerTest->setEnabled(false);
    const auto fin = qScopeGuard([this] {
        enCours_ = false;
        if (!f_.FermetureEnCours)
            f_.TimerAcitveEnvoyer->start();
    });

    std::unique_ptr<MessageCourriel> message;
    try {
        const QStringList page = MessageCampagne::Page(f_);
        MessageCampagne::ConfigurerClient(client_, f_);
        message = MessageCampagne::Construire(f_, page);
    } catch (const std::exception& e) {
        f_.AfficherErreur(e);
        return;
    }
    const QString adresse = LireAdresse(f_.ReglagesActifs.ValEditMailEXP).Adresse;
    f_.AfficheStatutFixe(QStringLiteral("Envoi du test à %1...").arg(adresse), Couleur::Noir);
    QCoreApplication::processEvents();

    erreur_.clear();
    moteur_.Executer(*message, {adresse}, *this);
    if (erreur_.isEmpty())
        f_.AfficheStatutFixe(
            QStringLiteral("Test envoyé à %1 : le serveur l'a accepté.").arg(adresse),
            Couleur::Vert);
    else
        f_.AfficheStatutFixe(QStringLiteral("Test non envoyé à %1 : %2").arg(adresse, erreur_),
                             Couleur::Rouge);
}
