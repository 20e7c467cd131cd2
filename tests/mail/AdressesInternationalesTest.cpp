// Addresses of the whole world against a real server (aiosmtpd) that announces SMTPUTF8 or not:
// what reaches the envelope and the headers, read on the wire and by Python's parser.
#include "mail/AdresseTransport.h"
#include "mail/ClientSMTP.h"
#include "mail/ErreurSession.h"
#include "mail/LectureAdresses.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ServeurSMTPReel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* adresse;
    // What the envelope and the To: header hold, without and with SMTPUTF8; empty: refused
    // before anything was sent, with the reason `refus` starts with.
    const char* sansUtf8;
    const char* avecUtf8;
    const char* refus = "";
};

const QString smtputf8 = QStringLiteral("Le serveur n'accepte pas les adresses accentuées "
                                        "(SMTPUTF8) : ");

const Cas cas[] = {
    {"jean@café.fr", "jean@xn--caf-dma.fr", "jean@xn--caf-dma.fr"},
    {"marie@exemple.côte.fr", "marie@exemple.xn--cte-kna.fr", "marie@exemple.xn--cte-kna.fr"},
    {"élodie@exemple.fr", "", "élodie@exemple.fr", "Le serveur n'accepte pas"},
    {"zoé@café.fr", "", "zoé@café.fr", "Le serveur n'accepte pas"},
    {"ivan@пример.рф", "ivan@xn--e1afmkfd.xn--p1ai", "ivan@xn--e1afmkfd.xn--p1ai"},
    {"jean@xn--caf-dma.fr", "jean@xn--caf-dma.fr", "jean@xn--caf-dma.fr"},
    {"王@例子.中国", "", "王@例子.中国", "Le serveur n'accepte pas"},
    {"jean@café⒈.fr", "", "", "Le domaine de l'adresse n'est pas un nom de domaine valide"},
};

void Connecter(ClientSMTP& client, const ServeurSMTPReel& serveur) {
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = serveur.PortRelais();
    client.NomHelo = QStringLiteral("jean");
    client.Connecter();
}

bool HuitBits(const QByteArray& octets) {
    return std::any_of(octets.begin(), octets.end(), [](char o) { return (o & 0x80) != 0; });
}

MessageCourriel Message(const QString& de) {
    MessageCourriel m;
    m.De = {LireAdresse(de)};
    m.Objet = QStringLiteral("Lettre d'\u00e9t\u00e9");
    m.Parties << PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Bonjour")})
              << PartieTexte(QStringLiteral("text/html"), {QStringLiteral("<p>Bonjour</p>")});
    return m;
}

// The command lines and the address headers the client sent: none may hold a "?".
QList<QByteArray> LignesAdresses(const QByteArray& capture) {
    QList<QByteArray> lignes;
    for (const QByteArray& l : capture.split('\n'))
        if (l.startsWith("MAIL FROM") || l.startsWith("RCPT TO") || l.startsWith("To:") ||
            l.startsWith("From:"))
            lignes << l;
    return lignes;
}
} // namespace

TEST(AdressesInternationales, ChaqueAdresseArriveOuEstRefuseeAvantEnvoi) {
    for (const bool annonce : {false, true}) {
        SCOPED_TRACE(annonce ? "SMTPUTF8" : "sans SMTPUTF8");
        ServeurSMTPReel serveur({.capture = true, .smtputf8 = annonce});
        ClientSMTP client;
        Connecter(client, serveur);
        MessageCourriel m = Message(QStringLiteral("Club <club@exemple.org>"));
        int recus = 0;
        for (const Cas& c : cas) {
            SCOPED_TRACE(c.adresse);
            const QString adresse = QString::fromUtf8(c.adresse);
            const QString attendu = QString::fromUtf8(annonce ? c.avecUtf8 : c.sansUtf8);
            LireListeAdresses(adresse, m.Destinataires);
            if (attendu.isEmpty()) {
                try {
                    client.Envoyer(m);
                    ADD_FAILURE() << "sent";
                } catch (const ErreurAdresse& e) {
                    EXPECT_TRUE(e.Message().startsWith(QString::fromUtf8(c.refus)))
                        << e.Message().toStdString();
                    EXPECT_TRUE(e.Message().endsWith(adresse)) << e.Message().toStdString();
                }
                // Nothing of this message left: it cannot have been received.
                EXPECT_FALSE(client.FinDeDonneesPartie());
                EXPECT_EQ(serveur.NombreMessages(), recus);
                continue;
            }
            client.Envoyer(m);
            ASSERT_EQ(serveur.NombreMessages(), ++recus);
            const QJsonObject e = serveur.Enveloppe(recus);
            EXPECT_EQ(e[QStringLiteral("rcpt_tos")].toArray().first().toString(), attendu);
            const bool utf8 = AdresseTransport::BoiteAccentuee(adresse);
            EXPECT_EQ(
                e[QStringLiteral("mail_options")].toArray().contains(QStringLiteral("SMTPUTF8")),
                utf8);
            const QJsonObject lu = serveur.Message(recus, utf8);
            EXPECT_TRUE(lu[QStringLiteral("defauts")].toArray().isEmpty())
                << QJsonDocument(lu[QStringLiteral("defauts")].toArray()).toJson().toStdString();
            EXPECT_EQ(lu[QStringLiteral("to_adresses")].toArray().first().toString(), attendu);
            EXPECT_EQ(lu[QStringLiteral("subject")].toString(), m.Objet);
            // Only the message that needs it carries UTF-8 in its headers.
            const QByteArray brut = serveur.Brut(recus);
            EXPECT_EQ(HuitBits(brut.left(brut.indexOf("\r\n\r\n"))), utf8);
        }
        client.Deconnecter(true);
        for (const QByteArray& l : LignesAdresses(serveur.Capture()))
            EXPECT_FALSE(l.contains('?')) << l.toStdString();
    }
}

TEST(AdressesInternationales, ExpediteurAccentueSelonLeServeur) {
    for (const bool annonce : {false, true}) {
        SCOPED_TRACE(annonce ? "SMTPUTF8" : "sans SMTPUTF8");
        ServeurSMTPReel serveur({.capture = true, .smtputf8 = annonce});
        ClientSMTP client;
        Connecter(client, serveur);
        MessageCourriel m = Message(QStringLiteral("Zoé <zoé@café.fr>"));
        LireListeAdresses(QStringLiteral("jean@exemple.fr"), m.Destinataires);
        if (!annonce) {
            try {
                client.Envoyer(m);
                ADD_FAILURE() << "sent";
            } catch (const ErreurSession& e) {
                EXPECT_TRUE(e.Message().contains(smtputf8 + QStringLiteral("zoé@café.fr")))
                    << e.Message().toStdString();
            }
            EXPECT_EQ(serveur.NombreMessages(), 0);
            continue;
        }
        client.Envoyer(m);
        client.Deconnecter(true);
        ASSERT_EQ(serveur.NombreMessages(), 1);
        EXPECT_EQ(serveur.Enveloppe(1)[QStringLiteral("mail_from")].toString(),
                  QStringLiteral("zoé@café.fr"));
        const QJsonObject lu = serveur.Message(1, true);
        EXPECT_TRUE(lu[QStringLiteral("defauts")].toArray().isEmpty());
        EXPECT_EQ(lu[QStringLiteral("from")].toString(), QStringLiteral("Zoé <zoé@café.fr>"));
        EXPECT_EQ(lu[QStringLiteral("to")].toString(), QStringLiteral("jean@exemple.fr"));
        // The identifier names the sender's domain in its ASCII form.
        EXPECT_TRUE(lu[QStringLiteral("message_id")].toString().endsWith(
            QStringLiteral("@xn--caf-dma.fr>")));
    }
}
