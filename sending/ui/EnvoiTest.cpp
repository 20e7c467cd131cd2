#include "sending/ui/EnvoiTest.h"

#include "app/Reglages.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/LigneStatut.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "sending/ui/Campagne.h"
#include "sending/ui/ControlesEnvois.h"
#include "sending/ui/MessageCampagne.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
// The server's reply on one line of the status.
QString SurUneLigne(QString texte) {
    texte = texte.trimmed().replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
    return texte.isEmpty() ? MoteurCampagne::TexteInjoignable() : texte;
}
} // namespace

// As long a connection wait as the campaign's; the user waits for the answer: no new try later.
EnvoiTest::EnvoiTest(ControlesEnvois& c, const Campagne& campagne, const ServicesEnvoi& services)
    : c_(c), campagne_(campagne), s_(services), moteur_(client_, {.reprises = {}}) {
    s_.gestionnaires.Relier(c.SpeedButEnvoyerTest, &QPushButton::clicked,
                            [this] { SpeedButEnvoyerTestClick(); });
    moteur_.Abandon = [this] { return s_.fermeture; };
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
    if (enCours_ || campagne_.EnCours())
        return;
    enCours_ = true;
    s_.minuteurPret.stop();
    c_.SpeedButEnvoyer->setEnabled(false);
    c_.SpeedButEnvoyerTest->setEnabled(false);
    const auto fin = qScopeGuard([this] {
        enCours_ = false;
        if (!s_.fermeture)
            s_.minuteurPret.start();
    });

    std::unique_ptr<MessageCourriel> message;
    try {
        const QStringList page = MessageCampagne::Page(s_);
        MessageCampagne::ConfigurerClient(client_, s_);
        message = MessageCampagne::Construire(s_, c_.EditSujetMessage->text(), page);
    } catch (const std::exception& e) {
        s_.gestionnaires.AfficherErreur(e);
        return;
    }
    const QString adresse = LireAdresse(s_.reglages.ValEditMailEXP).Adresse;
    s_.statut.AfficheStatutFixe(QStringLiteral("Envoi du test à %1...").arg(adresse),
                                Couleur::Noir);

    erreur_.clear();
    moteur_.Executer(*message, {adresse}, *this);
    if (erreur_.isEmpty())
        s_.statut.AfficheStatutFixe(
            QStringLiteral("Test envoyé à %1 : le serveur l'a accepté.").arg(adresse),
            Couleur::Vert);
    else
        s_.statut.AfficheStatutFixe(
            QStringLiteral("Test non envoyé à %1 : %2").arg(adresse, erreur_), Couleur::Rouge);
}
