// The mailbox's block of "Paramètres": a server guessed from the SMTP one, saved with the page,
// restored by "Annuler", read back at the next start.
#include "app/ui/parametres/BlocIMAP.h"
#include "app/ui/TForm1.h"
#include "tests/support/FenetreDeTest.h"
#include "tests/support/ServeurDNSDeTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
void Saisir(QLineEdit* champ, const QString& texte) {
    champ->selectAll();
    QTest::keyClick(champ, Qt::Key_Delete);
    QTest::keyClicks(champ, texte);
}
} // namespace

TEST(BlocIMAP, ProposeEnregistreAnnule) {
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\nSMTPPort=587\r\n"
                                 "SMTPUser=club@exemple.fr\r\n");
    TForm1& f = t.Ouvrir(true);
    f.PageControlPrinc->setCurrentWidget(f.TabSheetParamètres);
    const ControlesIMAP& c = f.blocIMAP->Controles();
    EXPECT_EQ(c.EditIMAPServeur->text(), "imap.exemple.fr");
    EXPECT_EQ(c.EditIMAPPort->text(), "993");
    EXPECT_FALSE(c.EditIMAPServeur->toolTip().isEmpty()) << "a guess, to confirm";
    EXPECT_TRUE(c.EditIMAPUser->text().isEmpty()) << "the SMTP one";
    EXPECT_FALSE(t.Parametres().contains("IMAP"));

    // The guess confirmed, another port and a user of its own.
    Saisir(c.EditIMAPPort, "1x43");
    Saisir(c.EditIMAPUser, "retours@exemple.fr");
    EXPECT_TRUE(f.SpeedButEnrServeur->isEnabled());
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.ReglagesActifs.ValIMAPServeur, "imap.exemple.fr");
    EXPECT_EQ(f.ReglagesActifs.ValIMAPPort.Numero, quint16(143));
    EXPECT_EQ(f.ReglagesActifs.ValIMAPUser, "retours@exemple.fr");
    EXPECT_TRUE(t.Parametres().contains(
        "IMAPServeur=imap.exemple.fr\r\nIMAPPort=143\r\nIMAPUser=retours@exemple.fr\r\n"));

    Saisir(c.EditIMAPServeur, "autre.exemple.fr");
    // Another page looked at meanwhile: what was typed and not saved yet stays.
    f.PageControlPrinc->setCurrentWidget(f.TabSheetPrincipale);
    f.PageControlPrinc->setCurrentWidget(f.TabSheetParamètres);
    EXPECT_EQ(c.EditIMAPServeur->text(), "autre.exemple.fr");
    QTest::mouseClick(f.SpeedButAnnulerServeur, Qt::LeftButton);
    EXPECT_EQ(c.EditIMAPServeur->text(), "imap.exemple.fr");

    FenetreDeTest u;
    u.rep.Ecrire("Lettrova.ini", t.rep.Lire("Lettrova.ini"));
    TForm1& g = u.Ouvrir();
    EXPECT_EQ(g.blocIMAP->Controles().EditIMAPUser->text(), "retours@exemple.fr");
    EXPECT_EQ(g.blocIMAP->Controles().EditIMAPPort->text(), "143");
}

// With no server saved, leaving the sender's address asks its domain's DNS (a real dnsmasq):
// the SRV record's server and port replace the guess, to confirm and save.
TEST(BlocIMAP, TrouveDansLAnnuaireDNS) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    ServeurDNSDeTest dns({"--srv-host=_imaps._tcp.club.test,boite.club.test,993,0,1"});
    FenetreDeTest t;
    t.rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.club.test\r\nSMTPPort=587\r\n"
                                 "ServeurDNS=" +
                                     dns.Adresse().toString().toLatin1() + "\r\n");
    TForm1& f = t.Ouvrir(true);
    f.PageControlPrinc->setCurrentWidget(f.TabSheetParamètres);
    const ControlesIMAP& c = f.blocIMAP->Controles();
    EXPECT_EQ(c.EditIMAPServeur->text(), "imap.club.test");
    f.EditMailEXP->setFocus();
    QTest::keyClicks(f.EditMailEXP, "club@club.test");
    QTest::keyClick(f.EditMailEXP, Qt::Key_Tab);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return c.EditIMAPServeur->text() == "boite.club.test"; }, 10000));
    EXPECT_EQ(c.EditIMAPPort->text(), "993");
    EXPECT_EQ(c.EditIMAPServeur->toolTip(), DecouverteIMAP::TexteOrigine());
    QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    EXPECT_EQ(f.ReglagesActifs.ValIMAPServeur, "boite.club.test");
}
