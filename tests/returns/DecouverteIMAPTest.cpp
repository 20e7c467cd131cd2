#include "returns/DecouverteIMAP.h"

#include "tests/support/ServeurDNSDeTest.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// The mailbox's server from the domain's SRV records, asked of a real dnsmasq: TLS from the first
// byte first, STARTTLS on 143 next; a record the reading cannot use, a service refused (target
// ".") or no record at all leave the guess from the SMTP server to the window.
TEST(DecouverteIMAP, EnregistrementsSRV) {
    if (!ServeurDNSDeTest::Possible())
        GTEST_SKIP() << "dnsmasq must listen on port 53: run as root";
    ServeurDNSDeTest dns({
        "--srv-host=_imaps._tcp.deux.test,boite.deux.test,993,0,1",
        "--srv-host=_imap._tcp.deux.test,autre.deux.test,143,0,1",
        "--srv-host=_imap._tcp.clair.test,imap.clair.test,143,0,1",
        "--srv-host=_imaps._tcp.priorite.test,second.priorite.test,993,20,1",
        "--srv-host=_imaps._tcp.priorite.test,premier.priorite.test,994,10,1",
        // STARTTLS on another port than 143: the reading would speak TLS at once there.
        "--srv-host=_imap._tcp.decale.test,imap.decale.test,1143,0,1",
        "--srv-host=_imaps._tcp.refuse.test",
    });
    struct Cas {
        const char* adresse;
        const char* hote;
        quint16 port;
    };
    const Cas cas[] = {
        {"club@deux.test", "boite.deux.test", 993},
        {"club@clair.test", "imap.clair.test", 143},
        {"club@priorite.test", "premier.priorite.test", 994},
        {"club@decale.test", "", 0},
        {"club@refuse.test", "", 0},
        {"club@inconnu.test", "", 0},
        {"sans-domaine", "", 0},
    };
    DecouverteIMAP d;
    d.ServeurDNS = dns.Adresse();
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.adresse);
        QSignalSpy trouve(&d, &DecouverteIMAP::Trouve);
        QSignalSpy introuvable(&d, &DecouverteIMAP::Introuvable);
        d.Chercher(QString::fromUtf8(c.adresse));
        EXPECT_TRUE(QTest::qWaitFor([&] { return trouve.size() + introuvable.size() > 0; }, 10000));
        // One answer, not two.
        QTest::qWait(50);
        ASSERT_EQ(trouve.size() + introuvable.size(), 1);
        if (*c.hote) {
            ASSERT_EQ(trouve.size(), 1);
            EXPECT_EQ(trouve.first().at(0).toString(), QString::fromUtf8(c.hote));
            EXPECT_EQ(trouve.first().at(1).value<quint16>(), c.port);
        } else {
            EXPECT_EQ(introuvable.size(), 1);
        }
    }
}
