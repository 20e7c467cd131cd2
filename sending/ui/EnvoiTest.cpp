#include "sending/ui/EnvoiTest.h"

#include "app/ui/TForm1.h"
#include "commun/Erreur.h"
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
} // namespace

EnvoiTest::EnvoiTest(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButEnvoyerTest, &QPushButton::clicked, [this] { SpeedButEnvoyerTestClick(); });
}

EnvoiTest::~EnvoiTest() {
    if (travailleur_.EnCours())
        client_.Canal().Fermer();
    travailleur_.Arreter();
}

QString EnvoiTest::Envoyer(MessageCourriel& message) {
    QString erreur;
    try {
        client_.Connecter();
        connecte_ = true;
        client_.Envoyer(message);
    } catch (const Erreur& e) {
        erreur = e.Message().trimmed();
        if (erreur.isEmpty())
            erreur = texteInjoignable;
    } catch (const std::exception& e) {
        erreur = QString::fromLocal8Bit(e.what());
    }
    try {
        client_.Deconnecter(true);
    } catch (const std::exception&) {
        // The message's fate is known; a failed QUIT changes nothing of it.
    }
    return erreur.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
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
    message->Destinataires = {{QString(), adresse}};
    f_.AfficheStatutFixe(QStringLiteral("Envoi du test à %1...").arg(adresse), Couleur::Noir);
    QCoreApplication::processEvents();

    QString erreur;
    connecte_ = false;
    travailleur_.Lancer([this, &erreur, &message] { erreur = Envoyer(*message); });
    bool delaiDepasse = false;
    QTimer delai;
    delai.setSingleShot(true);
    QObject::connect(&delai, &QTimer::timeout, [&] { delaiDepasse = !connecte_; });
    // As long as a campaign waits for its connection.
    delai.start(f_.TimerTpsConnectMax->interval());
    while (travailleur_.EnCours() && !f_.FermetureEnCours && !delaiDepasse)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (travailleur_.EnCours()) {
        // A server that never answers, or a window that closes: the blocked call fails now.
        client_.Canal().VerifierDeconnexion(false, false);
        client_.Canal().Fermer();
        travailleur_.AttendreFin();
    }
    if (delaiDepasse)
        erreur = texteInjoignable;
    if (erreur.isEmpty())
        f_.AfficheStatutFixe(
            QStringLiteral("Test envoyé à %1 : le serveur l'a accepté.").arg(adresse),
            Couleur::Vert);
    else
        f_.AfficheStatutFixe(QStringLiteral("Test non envoyé à %1 : %2").arg(adresse, erreur),
                             Couleur::Rouge);
}
