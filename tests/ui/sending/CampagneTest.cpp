#include "sending/ui/Campagne.h"
#include "app/FichierParametres.h"
#include "app/FichierReglages.h"
#include "commun/Windows1252.h"
#include "commun/ui/ImageAnimee.h"
#include "mail/ClientSMTP.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/HorlogeReglable.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <ctime>

namespace {

const QColor kVert(0, 128, 0), kRouge(255, 0, 0);
const QString kInjoignable =
    QStringLiteral("Impossible De Joindre Le Serveur, Vérifier Vos Paramètres De Connection.");

using Campagne = FenetreCampagne;

bool OngletErreurs(TForm1& f) {
    return f.PageControlPrinc->isTabVisible(f.PageControlPrinc->indexOf(f.TabSheetErreur));
}

QString PageAttendue() {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\" /> \n</head>\n") +
           QString::fromUtf8(FenetreCampagne::kPage).replace("\r\n", "\n");
}

TEST_F(Campagne, TroisAdressesDontUneRefuseeAvecTlsEtAuthentification) {
    ServeurSMTPReel serveur({.starttls = true, .refuser = {"refuse@exemple.fr"}});
    Preparer(serveur.Port(), {"a@exemple.fr", "refuse@exemple.fr", "c@exemple.fr"}, true);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(CouleurStatut(), kVert);
    EXPECT_EQ(f->LabNbEnvois->text(), "3 / 3");
    EXPECT_EQ(f->ProgressBarEnvoisMail->value(), 3);
    EXPECT_TRUE(f->SpeedButFermerVisuEnvoisMail->isEnabled());
    EXPECT_FALSE(f->SpeedButStopperEnvois->isEnabled());
    EXPECT_EQ(Erreurs(), QStringList{"refuse@exemple.fr"});
    EXPECT_TRUE(OngletErreurs(*f));
    EXPECT_EQ(f->LabTotalErr->text(), "1");

    ASSERT_EQ(serveur.NombreMessages(), 2);
    for (int n = 1; n <= 2; ++n) {
        const QJsonObject m = serveur.Message(n);
        EXPECT_EQ(m["subject"].toString(), "Nouvelles de l'été");
        EXPECT_EQ(m["from"].toString(), "Lettrova <lettre@exemple.fr>");
        EXPECT_TRUE(m["defauts"].toArray().isEmpty());
        const QJsonArray parties = m["parties"].toArray();
        ASSERT_EQ(parties.size(), 2);
        // The page's text, for readers that show the text part.
        EXPECT_EQ(parties[0].toObject()["texte"].toString(),
                  "Été à Noël : 10 € l’unité\n\n.point en début de ligne\n");
        EXPECT_EQ(parties[1].toObject()["type"].toString(), "text/html");
        EXPECT_EQ(parties[1].toObject()["texte"].toString().replace("\r\n", "\n"), PageAttendue());
        EXPECT_TRUE(serveur.Enveloppe(n)["tls"].toBool());
        EXPECT_TRUE(serveur.Enveloppe(n)["authentifie"].toBool());
    }
    EXPECT_EQ(serveur.Enveloppe(2)["rcpt_tos"].toArray().first().toString(), "c@exemple.fr");

    // The error file, byte for byte.
    QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
    QFile err(f->LabFichierErrEnvois->text());
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    EXPECT_EQ(err.readAll(), "refuse@exemple.fr -> Erreur suivante: Destinataire inconnu: "
                             "refuse@exemple.fr\r\n\r\n");
    EXPECT_TRUE(f->LabFichierErrEnvois->text().startsWith(rep.Fichier("Nouvelles de l'été")));
}

TEST_F(Campagne, DeuxAdressesDansUnElementFontUnMessage) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"un@exemple.fr, deux@exemple.fr"});
    Envoyer();
    ASSERT_EQ(serveur.NombreMessages(), 1);
    EXPECT_EQ(serveur.Enveloppe(1)["rcpt_tos"].toArray().size(), 2);
    EXPECT_EQ(serveur.Message(1)["to"].toString(), "un@exemple.fr, deux@exemple.fr");
    EXPECT_EQ(f->LabNbEnvois->text(), "1 / 1");
}

TEST_F(Campagne, ListeVideEtPageVideeApresChargement) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {});
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->LabNbEnvois->text(), "0");
    EXPECT_EQ(f->ProgressBarEnvoisMail->maximum(), 0);
    EXPECT_EQ(serveur.NombreMessages(), 0);
}

TEST_F(Campagne, EditeurVideApresUnBonChargement) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    f->MemoHtmlBrut->clear();
    Envoyer();
    ASSERT_EQ(serveur.NombreMessages(), 1);
    const QString tete = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\" /> \n</head>\n";
    EXPECT_EQ(serveur.Message(1)["parties"].toArray()[1].toObject()["texte"].toString().replace(
                  "\r\n", "\n"),
              tete);
}

TEST_F(Campagne, LeLogoPoseACoteDeLaPageVoyageDansLeMessage) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    // The page and its logo in a folder of their own, away from the program's.
    QDir(rep.Chemin()).mkpath("lettre");
    const QByteArray logo = QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(3000, 'L');
    rep.Ecrire("lettre/logo.png", logo);
    rep.Ecrire("lettre/page.html",
               "<html><head></head><body><img src=\"logo.png\" alt=\"Logo\"></body></html>");
    boites.fichiers << rep.Fichier("lettre/page.html");
    QTest::mouseClick(f->SpeedButton2, Qt::LeftButton);
    QTest::mouseClick(f->SpeedButCharger, Qt::LeftButton);
    ASSERT_EQ(f->LabStatusInfos->text(), "Le Fichier HTML Chargé Semble Correct.");
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    ASSERT_EQ(serveur.NombreMessages(), 1);
    const QJsonObject lu = serveur.Message(1);
    EXPECT_EQ(lu["defauts"].toArray(), QJsonArray());
    const QString html = lu["parties"].toArray()[1].toObject()["texte"].toString();
    const QString identifiant =
        QString::fromLatin1(
            QCryptographicHash::hash(logo, QCryptographicHash::Sha256).toHex().left(24)) +
        "@lettrova.invalid";
    EXPECT_TRUE(html.contains("<img src=\"cid:" + identifiant + "\" alt=\"Logo\">"))
        << html.toStdString();
    const QByteArray brut = serveur.Brut(1);
    EXPECT_TRUE(brut.contains("Content-ID: <" + identifiant.toLatin1() + ">\r\n"));
    EXPECT_TRUE(brut.contains(logo.toBase64().left(76) + "\r\n"));
}

TEST_F(Campagne, PortRefuseEchoueSansAttendre) {
    Preparer(PortLibre(), {"a@exemple.fr"});
    QElapsedTimer duree;
    duree.start();
    Envoyer();
    EXPECT_LT(duree.elapsed(), 20000) << "well before the 25 s limit";
    EXPECT_EQ(Statut(), kInjoignable);
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_TRUE(f->SpeedButFermerVisuEnvoisMail->isEnabled());
    EXPECT_FALSE(f->SpeedButStopperEnvois->isEnabled());
    EXPECT_FALSE(OngletErreurs(*f));
    EXPECT_EQ(f->LabNbEnvois->text(), "");
}

// The window gives a silent server 25 s; the test shortens the limit, not the behaviour.
TEST_F(Campagne, ServeurQuiNeSalueJamaisEchoueALaLimite) {
    ServeurMuet muet;
    Preparer(muet.Port(), {"a@exemple.fr"});
    EXPECT_EQ(f->campagne->Limites().connexion, std::chrono::milliseconds(25000));
    f->campagne->Limites().connexion = std::chrono::milliseconds(500);
    Envoyer();
    EXPECT_EQ(Statut(), kInjoignable);
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_FALSE(f->ImageProcessEnvois->isHidden()) << "the still picture stays";
    EXPECT_TRUE(f->SpeedButFermerVisuEnvoisMail->isEnabled());
}

TEST_F(Campagne, StopperPendantLaConnexion) {
    ServeurMuet muet;
    Preparer(muet.Port(), {"a@exemple.fr"});
    boites.reponses << true;
    Envoyer({.pendant = [&] { QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton); },
             .quand = "Connection au serveur SMTP..."});
    EXPECT_EQ(Statut(), "Connection Annulée Par L'Utilisateur.");
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Question),
              QStringList{"Voulez-vous réellement Stopper les envois en cours, le travail n'est "
                          "pas terminé ?"});
}

TEST_F(Campagne, StopperPendantUnEnvoiArreteApresCetElement) {
    ServeurSMTPReel serveur({.capture = true});
    Preparer(serveur.PortRelais(), {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr"});
    // A large page, so that the stop meets the first transfer under way.
    QString grande = QString::fromUtf8(kPage);
    grande.insert(grande.indexOf("</body>"),
                  QString("<p>%1</p>\n").arg(QString(200, 'x')).repeated(40000));
    f->MemoHtmlBrut->setPlainText(grande);
    boites.reponses << true;
    Envoyer({.pendant = [&] {
        // Once the first message's text is on its way, whatever the machine's load.
        EXPECT_TRUE(QTest::qWaitFor([&] { return serveur.Capture().contains("DATA\r\n"); }, 20000));
        QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
    }});
    EXPECT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    EXPECT_EQ(f->LabNbEnvois->text(), "1 / 3");
    EXPECT_TRUE(f->ImageProcessEnvois->isHidden());
    EXPECT_EQ(serveur.NombreMessages() + f->ListBoxErrAdresse->count(), 1)
        << "the item under way is delivered or recorded, and nothing after it is sent";
}

// "Stopper" once the end-of-data line has left: the server holds its reply, and the program
// waits for it instead of cutting the connection; the message it delivered is not an error.
TEST_F(Campagne, StopperApresLaFinDesDonneesAttendLaReponse) {
    ServeurSMTPReel serveur({.retenue = 3});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr"});
    boites.reponses << true;
    QString statutAussitot;
    Envoyer({.pendant = [&] {
        // The message is kept by the server; its reply is held.
        ASSERT_TRUE(QTest::qWaitFor([&] { return serveur.NombreMessages() == 1; }, 20000));
        QTimer::singleShot(200, [&] { statutAussitot = Statut(); });
        QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
    }});
    EXPECT_EQ(statutAussitot, "Envois Stoppé Par L'Utilisateur.") << "shown at once";
    EXPECT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    EXPECT_EQ(f->LabNbEnvois->text(), "1 / 2");
    EXPECT_EQ(serveur.NombreMessages(), 1);
    EXPECT_EQ(Erreurs(), QStringList()) << "delivered: not reported as an error";
}

TEST_F(Campagne, StopperReponduNonLaisseContinuer) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr"});
    boites.reponses << false;
    Envoyer({.pendant = [&] { QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton); }});
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(serveur.NombreMessages(), 2);
}

// What today's editors write: UTF-8 without a byte-order mark.
TEST_F(Campagne, PageUtf8SansMarqueArriveIntacte) {
    ServeurSMTPReel serveur({});
    EcrireFichiersCampagne(rep, serveur.Port(), {"a@exemple.fr"});
    rep.Ecrire("page.html", QString::fromUtf8("<html><head></head><body><p>Chères adhérentes, "
                                              "10 €</p></body></html>\r\n")
                                .toUtf8());
    Ouvrir(true);
    Envoyer();
    ASSERT_EQ(serveur.NombreMessages(), 1);
    const QJsonArray parties = serveur.Message(1)["parties"].toArray();
    ASSERT_EQ(parties.size(), 2);
    EXPECT_TRUE(parties[1].toObject()["texte"].toString().contains(
        QString::fromUtf8("<p>Chères adhérentes, 10 €</p>")));
}

TEST_F(Campagne, NonAnnuleEtQuitterPendantLaQuestionAussi) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    Envoyer({.question = [&] { Repondre(false); }});
    EXPECT_EQ(Statut(), "Envois Annulé Par L'Utilisateur..");
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_TRUE(f->PanelVisuEnvoisMail->isHidden());

    Envoyer({.question = [&] { QTest::mouseClick(f->SpeedButQuitter, Qt::LeftButton); }});
    EXPECT_EQ(Statut(), "Envois Annulé Par L'Utilisateur..");
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(serveur.NombreMessages(), 0);
}

TEST_F(Campagne, FermetureDuranteLaQuestionEchoueCommeUneConnexionRatee) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    Envoyer({.question = [&] {
        f->EditSujetMessage->setText("Sujet au moment de fermer");
        f->close();
        EXPECT_TRUE(f->isVisible() && f->PanelConfirmeEnvois->isVisible())
            << "the question still waits, in a window the user sees";
        QTest::mouseClick(f->SpeedButOui, Qt::LeftButton);
    }});
    EXPECT_TRUE(f->FermetureEnCours);
    EXPECT_EQ(Statut(), kInjoignable);
    EXPECT_EQ(serveur.NombreMessages(), 0);
    EXPECT_EQ(FichierParametres(rep.Fichier("Lettrova.ini")).Lire("Parametres", "ValSujet", ""),
              "Sujet au moment de fermer");
}

TEST_F(Campagne, DeuxCampagnesLaPremiereSansServeur) {
    ServeurSMTPReel serveur({});
    Preparer(PortLibre(), {"a@exemple.fr"});
    Envoyer();
    EXPECT_EQ(Statut(), kInjoignable);
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    EXPECT_TRUE(f->PanelVisuEnvoisMail->isHidden());
    EXPECT_EQ(Statut(), "");

    f->ReglagesActifs.ValSMTPPort = PortSMTP::Depuis(QString::number(serveur.Port()));
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(serveur.NombreMessages(), 1);
}

TEST_F(Campagne, LeSujetEstLuAuDepartEtLesReglagesEnregistresServent) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr"});
    f->EditSMTPPort->setText("1");
    Envoyer({.pendant = [&] { f->EditSujetMessage->setText("Autre sujet"); }});
    ASSERT_EQ(serveur.NombreMessages(), 2);
    EXPECT_EQ(serveur.Message(2)["subject"].toString(), "Nouvelles de l'été");
}

TEST_F(Campagne, PortNonNumeriqueAtteintQuandMemeLaFin) {
    Preparer(25, {"a@exemple.fr"});
    f->ReglagesActifs.ValSMTPPort = PortSMTP::Depuis("vingt-cinq");
    Envoyer();
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Erreur),
              QStringList{"'vingt-cinq' n'est pas une valeur entière correcte"});
    EXPECT_TRUE(f->SpeedButFermerVisuEnvoisMail->isEnabled());
    EXPECT_FALSE(f->SpeedButStopperEnvois->isEnabled());
}

// The TLS option on the implicit-TLS port: TLS from the first byte, from the first campaign of
// the run on, and the port the user saved is kept.
TEST_F(Campagne, TLSImpliciteDesLaPremiereCampagne) {
    ServeurSMTPReel serveur({.implicite = true});
    Preparer(serveur.Port(), {"a@exemple.fr"}, true);
    f->IdSMTP1->PortTLSImplicite = serveur.Port();
    for (int campagne = 1; campagne <= 2; ++campagne) {
        Envoyer();
        EXPECT_EQ(Statut(), "Envois Terminé.");
        EXPECT_EQ(f->IdSMTP1->Port, serveur.Port());
        ASSERT_EQ(serveur.NombreMessages(), campagne);
        EXPECT_TRUE(serveur.Enveloppe(campagne)["tls"].toBool());
        EXPECT_TRUE(serveur.Enveloppe(campagne)["authentifie"].toBool());
        QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    }
}

// A refused login is one attempt for the whole list: the campaign stops, in red, with the
// server's words, and no address is recorded as failed.
TEST_F(Campagne, IdentifiantsRefusesArretentLaCampagne) {
    ServeurSMTPReel serveur({.motDePasse = QStringLiteral("autre")});
    Preparer(serveur.Port(),
             {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr", "e@exemple.fr"});
    Envoyer();
    EXPECT_EQ(Statut(), "Le serveur a refusé le nom d'utilisateur ou le mot de passe : "
                        "Authentication credentials invalid");
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_EQ(serveur.JournalAuth(), QStringList{"LOGIN refus"});
    EXPECT_EQ(serveur.NombreMessages(), 0);
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_FALSE(OngletErreurs(*f));
    EXPECT_TRUE(f->SpeedButFermerVisuEnvoisMail->isEnabled());
    EXPECT_FALSE(f->SpeedButStopperEnvois->isEnabled());
}

// A settings file without any pin sends to a self-signed server and pins its certificate; a
// changed certificate then stops the campaign before any credential leaves, naming both
// fingerprints; "Oublier l'empreinte" on "Paramètres" lets the next campaign pin the new one.
TEST_F(Campagne, CertificatEpingleChangepuisOublie) {
    const QString auto1 = CertificatsDeTest::Empreinte("auto1");
    const QString auto2 = CertificatsDeTest::Empreinte("auto2");
    auto premier = std::make_unique<ServeurSMTPReel>(CertificatsDeTest::Serveur("auto1"));
    const quint16 port = premier->Port();
    const QString ini = rep.Fichier("Lettrova.ini");
    Preparer(port, {"a@exemple.fr", "b@exemple.fr"}, true);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(premier->NombreMessages(), 2);
    EXPECT_EQ(FichierReglages(ini).Empreinte("127.0.0.1", port), auto1);
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    premier.reset();

    ServeurSMTPReel::Options options = CertificatsDeTest::Serveur("auto2");
    options.port = port;
    ServeurSMTPReel second(options);
    Envoyer();
    EXPECT_TRUE(Statut().startsWith(
        QStringLiteral("Le certificat du serveur 127.0.0.1 (port %1) a changé").arg(port)));
    EXPECT_TRUE(Statut().contains(auto1) && Statut().contains(auto2)) << Statut().toStdString();
    EXPECT_EQ(CouleurStatut(), kRouge);
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_EQ(second.NombreMessages(), 0);
    EXPECT_TRUE(second.JournalAuth().isEmpty());
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);

    // As the user's click on the tab does.
    f->PageControlPrinc->setCurrentWidget(f->TabSheetParamètres);
    EXPECT_EQ(f->LabEmpreinteTLS->text().remove('\n'), auto1.left(47) + auto1.mid(48));
    ASSERT_TRUE(f->SpeedButOublierEmpreinte->isEnabled());
    QTest::mouseClick(f->SpeedButOublierEmpreinte, Qt::LeftButton);
    EXPECT_EQ(f->LabEmpreinteTLS->text(), "Aucun certificat épinglé pour ce serveur.");
    EXPECT_FALSE(f->SpeedButOublierEmpreinte->isEnabled());
    EXPECT_EQ(FichierReglages(ini).Empreinte("127.0.0.1", port), "");

    f->SelectionnerPage(f->TabSheetPrincipale);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(second.NombreMessages(), 2);
    EXPECT_EQ(FichierReglages(ini).Empreinte("127.0.0.1", port), auto2);
}

} // namespace

namespace {

double CpuFilCourant() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// While the server keeps the campaign waiting, the window's thread sleeps in its event loop.
TEST_F(Campagne, LAttenteDuServeurNeConsommeRien) {
    ServeurMuet muet;
    Preparer(muet.Port(), {"a@exemple.fr"});
    boites.reponses << true;
    double debut = 0, fin = 0;
    QTimer mesure;
    mesure.setSingleShot(true);
    QObject::connect(&mesure, &QTimer::timeout, [&] {
        fin = CpuFilCourant();
        QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
    });
    Envoyer({.pendant =
                 [&] {
                     debut = CpuFilCourant();
                     mesure.start(1500);
                 },
             .quand = "Connection au serveur SMTP..."});
    EXPECT_EQ(Statut(), "Connection Annulée Par L'Utilisateur.");
    EXPECT_LT(fin - debut, 0.15) << "seconds of processor time in 1.5 s of waiting";
}

// The pace saved on "Paramètres" reaches the campaign: one message per connection.
TEST_F(Campagne, UnMessageParConnexionSelonLesParametres) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr"});
    f->ReglagesActifs.ValMessagesParConnexion = 1;
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    ASSERT_EQ(serveur.NombreMessages(), 2);
    EXPECT_NE(serveur.Enveloppe(1)["connexion"].toInt(), serveur.Enveloppe(2)["connexion"].toInt());
}

// The connections saved on "Paramètres" reach the campaign: three at once, each address
// delivered once, the progress and the status as with one.
TEST_F(Campagne, TroisConnexionsSelonLesParametres) {
    // Each reply held a little: every connection has opened before the list runs out.
    ServeurSMTPReel serveur({.retenue = 0.3});
    QStringList adresses;
    for (int i = 0; i < 9; ++i)
        adresses << QString("n%1@exemple.fr").arg(i);
    Preparer(serveur.Port(), adresses);
    f->ReglagesActifs.ValConnexionsSimultanees = 3;
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->LabNbEnvois->text(), "9 / 9");
    ASSERT_EQ(serveur.NombreMessages(), 9);
    QSet<QString> livres;
    QSet<int> connexions;
    for (int n = 1; n <= 9; ++n) {
        livres << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
        connexions << serveur.Enveloppe(n)["connexion"].toInt();
    }
    EXPECT_EQ(livres.size(), 9);
    EXPECT_EQ(connexions.size(), 3);
}

// The addresses of the whole world through the window: each reaches its mailbox in the form its
// server reads, or stands in the error tab, in the user's own writing, with the reason.
TEST_F(Campagne, AdressesDuMondeEntierSelonLeServeur) {
    const QStringList liste = {"jean@café.fr",   "marie@exemple.côte.fr", "élodie@exemple.fr",
                               "zoé@exemple.fr", "ivan@пример.рф",        "jean@xn--caf-dma.fr"};
    for (const bool annonce : {false, true}) {
        SCOPED_TRACE(annonce ? "SMTPUTF8" : "sans SMTPUTF8");
        ServeurSMTPReel serveur({.smtputf8 = annonce});
        Preparer(serveur.Port(), liste);
        Envoyer();
        EXPECT_EQ(f->LabNbEnvois->text(), "6 / 6");
        QStringList recus;
        for (int n = 1; n <= serveur.NombreMessages(); ++n)
            recus << serveur.Enveloppe(n)["rcpt_tos"].toArray().first().toString();
        QStringList attendus = {"jean@xn--caf-dma.fr", "marie@exemple.xn--cte-kna.fr",
                                "ivan@xn--e1afmkfd.xn--p1ai", "jean@xn--caf-dma.fr"};
        if (annonce)
            attendus << "élodie@exemple.fr"
                     << "zoé@exemple.fr";
        recus.sort();
        attendus.sort();
        EXPECT_EQ(recus, attendus);
        if (annonce) {
            EXPECT_EQ(Statut(), "Envois Terminé.");
            EXPECT_TRUE(Erreurs().isEmpty());
            continue;
        }
        EXPECT_EQ(Erreurs(), (QStringList{"élodie@exemple.fr", "zoé@exemple.fr"}));
        QTest::mouseClick(f->SpeedButton1, Qt::LeftButton);
        QFile err(f->LabFichierErrEnvois->text());
        ASSERT_TRUE(err.open(QIODevice::ReadOnly));
        const QByteArray raison = "Le serveur n'accepte pas les adresses accentu\xE9"
                                  "es (SMTPUTF8) : ";
        EXPECT_EQ(err.readAll(), "\xE9lodie@exemple.fr -> Erreur suivante: " + raison +
                                     "\xE9lodie@exemple.fr\r\n" +
                                     "zo\xE9@exemple.fr -> Erreur suivante: " + raison +
                                     "zo\xE9@exemple.fr\r\n");
        f.reset();
    }
}

} // namespace

namespace {

// A daily quota reached: the status line and the overlay tell when the sending resumes, the
// overlay counts down, and the campaign goes on by itself at that time; no address in error.
TEST_F(Campagne, QuotaAtteintPauseCompteARebourEtReprendSeul) {
    ServeurSMTPReel serveur({.quota = 2});
    Preparer(serveur.Port(), {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr"});
    HorlogeReglable horloge;
    f->campagne->DefinirHorloge(horloge);
    QString statutPause, reprise, avant, apres;
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (!statutPause.isEmpty() || !Statut().startsWith("Quota atteint"))
            return;
        guet.stop();
        statutPause = Statut();
        reprise =
            QDateTime::fromMSecsSinceEpoch(horloge.Date() + 24 * 3600 * 1000).toString("dd/MM");
        avant = f->Envoi->text();
        // An hour later, the countdown says an hour less.
        horloge.Avancer(std::chrono::hours(1));
        EXPECT_TRUE(QTest::qWaitFor([&] { return f->Envoi->text() != avant; }, 5000));
        apres = f->Envoi->text();
        serveur.RemettreQuota();
        horloge.Avancer(std::chrono::hours(23));
    });
    guet.start(5);
    Envoyer();
    EXPECT_TRUE(QRegularExpression(R"(^Quota atteint : reprise le \d\d/\d\d à \d\d:\d\d\.$)")
                    .match(statutPause)
                    .hasMatch())
        << statutPause.toStdString();
    EXPECT_TRUE(statutPause.contains(" le " + reprise + " à ")) << "a day after the refusal";
    EXPECT_TRUE(avant.startsWith(statutPause + " Reprise dans 2")) << avant.toStdString();
    EXPECT_TRUE(apres.startsWith(statutPause + " Reprise dans 2")) << apres.toStdString();
    EXPECT_NE(avant.right(9).left(2), apres.right(9).left(2)) << "the hours count down";
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_FALSE(f->Envoi->text().startsWith("Quota")) << "the pause's caption is gone";
    EXPECT_EQ(Erreurs(), QStringList());
    EXPECT_EQ(serveur.NombreMessages(), 3);
}

} // namespace
