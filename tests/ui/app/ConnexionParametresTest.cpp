// "Paramètres" as a new user meets it: the sender's server found from the address (a real DNS
// server, dnsmasq, answering for a test domain) and filled after one "Oui", then "Tester la
// connexion" against a real server (aiosmtpd), each failure with its own sentence.
#include "app/ui/TForm1.h"
#include "tests/support/CertificatsDeTest.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/ServeurDNSDeTest.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/support/SocketLocale.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {
using Boite = DialoguesScriptes::Boite;

void Saisir(QLineEdit* champ, const QString& texte) {
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Delete);
    QTest::keyClicks(champ, texte);
}

// Presses "Tester la connexion" and returns the box it ends with.
QString Tester(FenetreDeTest& t) {
    const qsizetype avant = t.boites.Textes(Boite::Message).size();
    QTest::mouseClick(t.f->SpeedButTesterConnexion, Qt::LeftButton);
    EXPECT_EQ(t.f->SpeedButTesterConnexion->text(), "Arrêter le test");
    const bool fini =
        QTest::qWaitFor([&] { return t.boites.Textes(Boite::Message).size() > avant; }, 20000);
    EXPECT_TRUE(fini);
    EXPECT_EQ(t.f->SpeedButTesterConnexion->text(), "Tester la connexion");
    return fini ? t.boites.Textes(Boite::Message).last() : QString();
}
} // namespace

// The user: an address of a domain whose SRV record names the server; one "Oui" fills
// server, port and TLS; the test works; a wrong password, a wrong port and another certificate
// each say so in their own words.
TEST(ConnexionParametres, TrouverPuisTester) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    auto serveur = std::make_unique<ServeurSMTPReel>(CertificatsDeTest::Serveur("auto1"));
    const quint16 port = serveur->Port();
    ServeurDNSDeTest dns(
        {QStringLiteral("--srv-host=_submission._tcp.club.test,localhost,%1,0,1").arg(port)});
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini",
                 "[Parametres]\r\nServeurDNS=" + dns.Adresse().toString().toLatin1() + "\r\n");
    TForm1& f = t.Ouvrir(true);
    Saisir(f.EditSMTPUser, "jean");
    Saisir(f.EditSMTPPassword, "secret");
    Saisir(f.EditMailEXP, "jean@club.test");
    QTest::keyClick(f.EditMailEXP, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.EditSMTPServeur->text().isEmpty(); }, 20000));
    ASSERT_EQ(t.boites.Textes(Boite::Question).size(), 1);
    EXPECT_EQ(t.boites.Textes(Boite::Question)[0],
              QStringLiteral("Serveur d'envoi trouvé : localhost, port %1, connexion sécurisée TLS "
                             "(STARTTLS).\nTrouvé dans l'annuaire DNS du domaine.\n\nRemplir "
                             "« Serveur: », « Port: » et la case TLS avec ces valeurs ?")
                  .arg(port));
    EXPECT_EQ(f.EditSMTPServeur->text(), "localhost");
    EXPECT_EQ(f.EditSMTPPort->text(), QString::number(port));
    EXPECT_TRUE(f.CheckBoxTLS->isChecked());
    EXPECT_EQ(f.EditSMTPUser->text(), "jean") << "a user name typed stays";
    EXPECT_TRUE(f.SpeedButEnrServeur->isEnabled());

    const QString reussite = Tester(t);
    EXPECT_TRUE(reussite.startsWith(
        QStringLiteral("La connexion fonctionne : localhost, port %1.\n").arg(port)))
        << reussite.toStdString();
    EXPECT_TRUE(reussite.contains("Authentification : LOGIN"));
    EXPECT_TRUE(reussite.endsWith("Certificat épinglé : " + CertificatsDeTest::Empreinte("auto1")));
    EXPECT_EQ(f.LabStatusInfos->text(),
              QStringLiteral("La connexion fonctionne : localhost, port %1.").arg(port));
    EXPECT_EQ(serveur->NombreMessages(), 0);

    Saisir(f.EditSMTPPassword, "Secret");
    EXPECT_EQ(Tester(t), "Le serveur a refusé le nom d'utilisateur ou le mot de passe : "
                         "Authentication credentials invalid");
    Saisir(f.EditSMTPPassword, "secret");

    const quint16 libre = PortLibre();
    Saisir(f.EditSMTPPort, QString::number(libre));
    EXPECT_EQ(Tester(t), QStringLiteral("Connexion refusée : aucun serveur n'écoute sur le port %1 "
                                        "de localhost. Vérifiez le port.")
                             .arg(libre));
    Saisir(f.EditSMTPPort, QString::number(port));

    // The same server and port, now with another certificate than the one pinned.
    serveur.reset();
    ServeurSMTPReel::Options autre = CertificatsDeTest::Serveur("auto2");
    autre.port = port;
    serveur = std::make_unique<ServeurSMTPReel>(autre);
    const QString certificat = Tester(t);
    EXPECT_TRUE(certificat.startsWith("Certificat refusé : ")) << certificat.toStdString();
    EXPECT_TRUE(certificat.contains(CertificatsDeTest::Empreinte("auto2")));
    EXPECT_EQ(serveur->JournalAuth(), QStringList()) << "no password to a changed certificate";
    EXPECT_EQ(t.boites.Textes(Boite::Erreur), QStringList());
}

// "Trouver" on a provider of the built-in table: the login sentence and the limits asked about;
// "Non" leaves every field as it was.
TEST(ConnexionParametres, FournisseurConnuEtLimites) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    QTest::mouseClick(f.SpeedButTrouverServeur, Qt::LeftButton);
    EXPECT_EQ(f.LabStatusInfos->text(), "Saisissez d'abord l'adresse de l'expéditeur (« Adresse "
                                        "EXP. ») : son domaine dit où chercher.");
    Saisir(f.EditMailEXP, "jean.dupont@gmail.com");
    t.boites.reponses = {false};
    QTest::mouseClick(f.SpeedButTrouverServeur, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.boites.Textes(Boite::Question).isEmpty(); }, 5000));
    EXPECT_TRUE(t.boites.Textes(Boite::Question)[0].contains(
        "Gmail refuse votre mot de passe habituel aux programmes de courrier"));
    EXPECT_EQ(f.EditSMTPServeur->text(), "");
    EXPECT_EQ(f.LabStatusInfos->text(), "Serveur trouvé non retenu.");

    t.boites.reponses = {true, true};
    QTest::mouseClick(f.SpeedButTrouverServeur, Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return t.boites.Textes(Boite::Question).size() == 3; }, 5000));
    EXPECT_EQ(t.boites.Textes(Boite::Question)[1].section(u'\n', 0, 1),
              "Serveur d'envoi trouvé : smtp.gmail.com, port 465, connexion sécurisée TLS dès le "
              "premier octet.\nTrouvé dans la table des fournisseurs connus de Lettrova (Gmail).");
    EXPECT_EQ(t.boites.Textes(Boite::Question)[2],
              "Limites d'envoi publiées par Gmail : 500 messages par jour.\n\nLes reprendre dans "
              "« Par heure: » et « Par jour: » ?");
    EXPECT_EQ(f.EditSMTPServeur->text(), "smtp.gmail.com");
    EXPECT_EQ(f.EditSMTPPort->text(), "465");
    EXPECT_TRUE(f.CheckBoxTLS->isChecked());
    EXPECT_EQ(f.EditSMTPUser->text(), "jean.dupont@gmail.com");
    EXPECT_EQ(f.SpinEditMessagesJour->value(), 500);
    EXPECT_EQ(f.SpinEditMessagesHeure->value(), 0);
    EXPECT_EQ(f.ReglagesActifs.ValSMTPServeur, "") << "saved only by Enregistrer";

    // Leaving the address with a server filled in asks nothing.
    Saisir(f.EditMailEXP, "jean@orange.fr");
    QTest::keyClick(f.EditMailEXP, Qt::Key_Return);
    QTest::qWait(100);
    EXPECT_EQ(t.boites.Textes(Boite::Question).size(), 3);
}
