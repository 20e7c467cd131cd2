#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"
#include "app/ui/TForm1.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/LimiteTailleFichiers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void Saisir(QLineEdit* champ, const QString& texte) {
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Delete);
    QTest::keyClicks(champ, texte);
}

TEST(Parametres, EnregistrerEcritChaqueCleEtLesValeursActives) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    Saisir(f.EditSMTPServeur, "smtp.exemple.fr");
    Saisir(f.EditSMTPPort, "5x87");
    Saisir(f.EditSMTPUser, "jean");
    Saisir(f.EditSMTPPassword, "s3cr\"t =");
    Saisir(f.EditMailEXP, "jean@exemple.fr");
    QTest::mouseClick(f.CheckBoxTLS, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(f.CheckBoxJoindreImages->isChecked()) << "pictures are joined by default";
    QTest::mouseClick(f.CheckBoxJoindreImages, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(f.SpeedButEnrServeur->isEnabled());
    EXPECT_TRUE(f.SpeedButAnnulerServeur->isEnabled());
    EXPECT_EQ(f.ReglagesActifs.ValSMTPServeur, "") << "the active values wait for Enregistrer";

    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.EditSMTPPort->text(), "587") << "digits only";
    EXPECT_EQ(f.ReglagesActifs.ValSMTPServeur, "smtp.exemple.fr");
    EXPECT_EQ(f.ReglagesActifs.ValSMTPPassword, "s3cr\"t =");
    EXPECT_TRUE(f.ReglagesActifs.ValConnectTlS);
    EXPECT_FALSE(f.ReglagesActifs.ValChrgtHtmlAuto);
    EXPECT_FALSE(f.ReglagesActifs.ValJoindreImages);
    EXPECT_FALSE(f.SpeedButEnrServeur->isEnabled());
    EXPECT_EQ(f.LabStatusInfos->text(), "Paramètres Enregistrés Avec Succes.");
    const QByteArray motDePasse = CodageMotDePasse("s3cr\"t =", kCleMotDePasse).toLatin1();
    EXPECT_EQ(
        t.rep.Lire("Lettrova.ini"),
        "[parametres]\r\nVersionAppli=1.0.4.42\r\nSMTPServeur=smtp.exemple.fr\r\n"
        "SMTPPort=587\r\nSMTPUser=jean\r\nSMTPPassword=" +
            motDePasse +
            "\r\nMailEXP=jean@exemple.fr\r\nNomExpediteur=\r\nDesinscription=\r\n"
            "ConnectTlS=Oui\r\nChrgtHtmlAuto=Non\r\nMessagesParMinute=0\r\nMessagesParHeure=0\r\n"
            "MessagesParJour=0\r\n"
            "MessagesParConnexion=0\r\nConnexionsSimultanees=1\r\nPipelining=Non\r\n"
            "JoindreImages=Non\r\n");

    // The next start reads back exactly what was saved.
    FenetreDeTest u;
    u.rep.Ecrire("Lettrova.ini", t.rep.Lire("Lettrova.ini"));
    TForm1& g = u.Ouvrir();
    EXPECT_EQ(g.EditSMTPPassword->text(), "s3cr\"t =");
    EXPECT_TRUE(g.CheckBoxTLS->isChecked());
    EXPECT_FALSE(g.CheckBoxJoindreImages->isChecked());
    EXPECT_FALSE(g.ReglagesActifs.ValJoindreImages);
    EXPECT_FALSE(g.SpeedButEnrServeur->isEnabled());
}

TEST(Parametres, NomDeLExpediteurEtAdresseDeDesinscription) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    Saisir(f.EditNomExpediteur, "Club des Amis");
    Saisir(f.EditDesinscription, "http://club.exemple.org/stop");
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.LabStatusInfos->text(), "Adresse de désinscription incorrecte : une adresse "
                                        "mailto: ou https:// est attendue.");
    EXPECT_EQ(f.EditDesinscription->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(f.ReglagesActifs.ValNomExpediteur, "") << "nothing is taken from a refused page";
    EXPECT_FALSE(t.Parametres().contains("Desinscription"));

    Saisir(f.EditDesinscription, "https://club.exemple.org/stop");
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.LabStatusInfos->text(), "Paramètres Enregistrés Avec Succes.");
    EXPECT_EQ(f.ReglagesActifs.ValNomExpediteur, "Club des Amis");
    EXPECT_EQ(f.ReglagesActifs.ValDesinscription, "https://club.exemple.org/stop");
    EXPECT_TRUE(t.Parametres().contains(
        "NomExpediteur=Club des Amis\r\nDesinscription=https://club.exemple.org/stop\r\n"));

    FenetreDeTest u;
    u.rep.Ecrire("Lettrova.ini", t.rep.Lire("Lettrova.ini"));
    TForm1& g = u.Ouvrir();
    EXPECT_EQ(g.EditNomExpediteur->text(), "Club des Amis");
    EXPECT_EQ(g.ReglagesActifs.ValDesinscription, "https://club.exemple.org/stop");
}

TEST(Parametres, AnnulerRestaureToutSansRelireLeFichier) {
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=a.fr\r\nSMTPPort=25\r\nSMTPUser=u\r\n"
                                 "SMTPPassword=\xF0\xF4\r\nMailEXP=e@a.fr\r\nConnectTlS=oui\r\n"
                                 "ChrgtHtmlAuto=Oui\r\nVersionAppli=1.0.4.42\r\n");
    TForm1& f = t.Ouvrir(true);
    EXPECT_FALSE(f.CheckBoxTLS->isChecked()) << "only the exact word Oui counts";
    EXPECT_FALSE(f.ReglagesActifs.ValConnectTlS) << "oui is no Oui: a plain connection";
    for (QLineEdit* champ :
         {f.EditSMTPServeur, f.EditSMTPPort, f.EditSMTPUser, f.EditSMTPPassword, f.EditMailEXP})
        Saisir(champ, "9");
    f.CheckBoxTLS->setChecked(true);
    f.CheckBoxChargeHtmlAuto->setChecked(false);
    t.rep.Ecrire("Lettrova.ini", "");
    QTest::mouseClick(f.SpeedButAnnulerServeur, Qt::LeftButton);
    EXPECT_EQ(f.EditSMTPServeur->text(), "a.fr");
    EXPECT_EQ(f.EditSMTPPort->text(), "25");
    EXPECT_EQ(f.EditSMTPUser->text(), "u");
    EXPECT_EQ(f.EditSMTPPassword->text(), "ko");
    EXPECT_EQ(f.EditMailEXP->text(), "e@a.fr");
    EXPECT_FALSE(f.CheckBoxTLS->isChecked());
    EXPECT_TRUE(f.CheckBoxChargeHtmlAuto->isChecked());
    EXPECT_FALSE(f.SpeedButAnnulerServeur->isEnabled());
    EXPECT_FALSE(f.SpeedButEnrServeur->isEnabled());
    EXPECT_EQ(f.LabStatusInfos->text(), "Paramètres Rechargés Avec Succes.");
    EXPECT_EQ(f.LabStatusInfos->palette().color(QPalette::WindowText), QColor(0, 128, 0));
}

TEST(Parametres, EchecDEnregistrementGardeLesValeursDejaPrises) {
    FenetreDeTest t;
    TForm1& f = t.Ouvrir(true);
    const QByteArray avant = t.rep.Lire("Lettrova.ini");
    Saisir(f.EditSMTPServeur, "smtp.exemple.fr");
    {
        LimiteTailleFichiers limite(0);
        QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    }
    EXPECT_EQ(t.boites.Textes(DialoguesScriptes::Boite::Erreur),
              QStringList{QString::fromUtf8("Impossible d'écrire dans ") +
                          t.rep.Fichier("Lettrova.ini") + ". Fichier trop grand"});
    EXPECT_EQ(f.ReglagesActifs.ValSMTPServeur, "smtp.exemple.fr");
    EXPECT_EQ(f.ReglagesActifs.ValSMTPPort.Texte, "25");
    EXPECT_FALSE(f.SpeedButEnrServeur->isEnabled());
    EXPECT_NE(f.LabStatusInfos->text(), "Paramètres Enregistrés Avec Succes.");
    EXPECT_EQ(t.rep.Lire("Lettrova.ini"), avant) << "the file is whole";
}

// The file names a keyring entry, but no keyring answers (a bare session): the start says so,
// a save that does not retype the password leaves it where it is, a typed one goes to the file.
TEST(Parametres, MotDePasseDansUnTrousseauInjoignableNEstPasPerdu) {
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\nSMTPPassword=\r\n"
                                 "SMTPPasswordTrousseau=/ailleurs/Lettrova.ini\r\n");
    TForm1& f = t.Ouvrir();
    EXPECT_EQ(f.EditSMTPPassword->text(), "");
    EXPECT_EQ(f.LabStatusInfos->text(),
              "Mot de passe non lu : le trousseau du bureau est verrouillé ou ne répond pas.");

    Saisir(f.EditSMTPServeur, "smtp2.exemple.fr");
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.LabStatusInfos->text(), "Paramètres Enregistrés Avec Succes.");
    {
        FichierParametres fichier(t.rep.Fichier("Lettrova.ini"));
        EXPECT_EQ(fichier.Lire("Parametres", "SMTPServeur", ""), "smtp2.exemple.fr");
        EXPECT_EQ(fichier.Lire("Parametres", "SMTPPasswordTrousseau", ""),
                  "/ailleurs/Lettrova.ini");
        EXPECT_EQ(fichier.Lire("Parametres", "SMTPPassword", "absent"), "");
    }

    Saisir(f.EditSMTPPassword, "neuf");
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    FichierParametres fichier(t.rep.Fichier("Lettrova.ini"));
    EXPECT_EQ(fichier.Lire("Parametres", "SMTPPasswordTrousseau", "absent"), "");
    EXPECT_EQ(fichier.Lire("Parametres", "SMTPPassword", ""),
              CodageMotDePasse("neuf", kCleMotDePasse));
}

} // namespace
