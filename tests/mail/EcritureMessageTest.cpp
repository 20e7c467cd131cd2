#include "mail/EcritureMessage.h"
#include "commun/Erreur.h"
#include "mail/CodageMessage.h"
#include "mail/LectureAdresses.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

namespace {
// A fixed clock and a counter for the random draws: the whole text is known in advance.
struct SourcesFixes {
    quint32 compteur = 0;
    QDateTime moment{QDate(2012, 12, 8), QTime(21, 15, 3), Qt::OffsetFromUTC, 3600};
    SourcesMessage Sources() {
        return {[this] { return moment; }, [this] { return compteur++; }};
    }
};

const QStringList pageFixe = {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                              QStringLiteral("<head>"),
                              QStringLiteral("<meta charset=\"utf-8\" /> ")};

MessageCourriel Campagne(const QString& objet, const QString& expediteur,
                         const QStringList& editeur) {
    MessageCourriel m;
    m.De = {LireAdresse(expediteur)};
    m.Objet = objet;
    m.Corps = pageFixe + editeur;
    m.Parties << PartieTexte(QStringLiteral("text/plain"), {QStringLiteral("Newsletter")});
    m.Parties << PartieTexte(QStringLiteral("text/html"), m.Corps);
    return m;
}

// The bytes of one transfer, as they go after DATA before dot-stuffing.
QByteArray Transfert(MessageCourriel& m, const SourcesMessage& sources) {
    return ComposerMessage(m, sources);
}
} // namespace

TEST(EcritureMessage, ExempleComplet) {
    SourcesFixes fixes;
    MessageCourriel m =
        Campagne(QStringLiteral("Lettre d'\u00e9t\u00e9"), QStringLiteral("club@exemple.org"),
                 {QStringLiteral("<head><title>Club</title></head>"),
                  QStringLiteral("<body><p>R\u00e9union \u00e0 20 h.</p></body></html>")});
    LireListeAdresses(QStringLiteral("membre@exemple.net"), m.Destinataires);
    const QByteArray b = "0=_3456789ABCDEFGHIJKLMNOPQRSTUVWX";
    const QByteArray attendu =
        "From: \"club@exemple.org\" <club@exemple.org>\r\n"
        "Subject: Lettre =?UTF-8?B?ZCfDqXTDqQ==?=\r\n"
        "To: membre@exemple.net\r\n"
        "Content-Type: multipart/alternative; boundary=\"" +
        b +
        "\"\r\n"
        "MIME-Version: 1.0\r\n"
        "Date: Sat, 8 Dec 2012 21:15:03 +0100\r\n"
        "Message-ID: <00000023000000240000002500000026." +
        QByteArray::number(fixes.moment.toMSecsSinceEpoch(), 36) +
        "@exemple.org>\r\n"
        "\r\n"
        "This is a multi-part message in MIME format.\r\n"
        "\r\n"
        "--" +
        b +
        "\r\n"
        "Content-Type: text/plain; charset=\"utf-8\"\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Disposition: inline\r\n"
        "\r\n"
        "Newsletter\r\n"
        "\r\n"
        "--" +
        b +
        "\r\n"
        "Content-Type: text/html; charset=\"utf-8\"\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Disposition: inline\r\n"
        "\r\n"
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=3D\"utf-8\" />=20\r\n"
        "<head><title>Club</title></head>\r\n"
        "<body><p>R=C3=A9union =C3=A0 20 h.</p></body></html>\r\n"
        "\r\n"
        "--" +
        b +
        "--\r\n"
        "\r\n";
    EXPECT_EQ(Transfert(m, fixes.Sources()), attendu);
    EXPECT_EQ(m.TypeContenu, QStringLiteral("multipart/alternative"));
    EXPECT_EQ(m.De[0].Nom, QStringLiteral("club@exemple.org"));
}

TEST(EcritureMessage, DeuxTransfertsNeDifferentQueParLaFrontiereLaDateLIdentifiantEtLeTo) {
    SourcesFixes fixes;
    MessageCourriel m = Campagne(QStringLiteral("Lettre"), QStringLiteral("club@exemple.org"),
                                 {QStringLiteral("<p>texte</p>")});
    LireListeAdresses(QStringLiteral("un@exemple.net"), m.Destinataires);
    const QByteArray premier = Transfert(m, fixes.Sources());
    fixes.moment = fixes.moment.addSecs(61);
    LireListeAdresses(QStringLiteral("deux@exemple.net"), m.Destinataires);
    const QByteArray second = Transfert(m, fixes.Sources());
    // The message keeps the identifier of its last transfer: what comes back is tied to it.
    EXPECT_TRUE(second.contains("\r\nMessage-ID: " + m.Identifiant.toLatin1() + "\r\n"));
    EXPECT_FALSE(premier.contains(m.Identifiant.toLatin1()));
    const QList<QByteArray> l1 = premier.split('\n'), l2 = second.split('\n');
    ASSERT_EQ(l1.size(), l2.size());
    QList<QByteArray> differences;
    for (qsizetype i = 0; i < l1.size(); ++i)
        if (l1[i] != l2[i])
            differences << l1[i].left(qMax(l1[i].indexOf(':') + 1, 2));
    EXPECT_EQ(differences, (QList<QByteArray>{"To:", "Content-Type:", "Date:", "Message-ID:", "--",
                                              "--", "--"}));
}

TEST(EcritureMessage, PointsEtFinsDeLigne) {
    SourcesFixes fixes;
    MessageCourriel m =
        Campagne(QString(), QString(), {QStringLiteral(".point"), QStringLiteral("a\rb\nc\r\nd")});
    const QByteArray texte = Transfert(m, fixes.Sources());
    // No sender, no subject, no recipient: those headers are left out.
    EXPECT_TRUE(texte.startsWith("Content-Type: multipart/alternative;"));
    EXPECT_TRUE(texte.contains("Message-ID: <00000023000000240000002500000026."));
    EXPECT_TRUE(texte.contains("@lettrova.invalid>\r\n"));
    EXPECT_TRUE(texte.contains("\r\n=2Epoint\r\na\r\nb\r\nc\r\nd\r\n\r\n--"));
    EXPECT_EQ(texte.count('\r'), texte.count("\r\n"));
    EXPECT_EQ(texte.count('\n'), texte.count("\r\n"));
}

TEST(EcritureMessage, NomsDExpediteur) {
    SourcesFixes fixes;
    const std::pair<const char*, const char*> cas[] = {
        {"\"Club, section \\\"jeunes\\\"\" <c@exemple.org>",
         "From: \"Club, section \\\"jeunes\\\"\" <c@exemple.org>"},
        {"Club d'\xc3\xa9t\xc3\xa9 <c@exemple.org>",
         "From: Club =?UTF-8?B?ZCfDqXTDqQ==?= <c@exemple.org>"},
    };
    for (const auto& [expediteur, ligne] : cas) {
        MessageCourriel m = Campagne(QStringLiteral("x"), QString::fromUtf8(expediteur), {});
        const QStringList entetes = GenererEntetes(m, QStringLiteral("B"), fixes.Sources());
        EXPECT_EQ(entetes.value(0), QString::fromUtf8(ligne));
    }
}

TEST(EcritureMessage, TexteRefuseAvantToutEnvoi) {
    SourcesFixes fixes;
    const std::function<void(MessageCourriel&)> fautes[] = {
        [](MessageCourriel& m) { m.Objet = QStringLiteral("Lettre\r\nBcc: x@y.z"); },
        [](MessageCourriel& m) {
            m.Destinataires = {{QString(), QStringLiteral("a@b.c\nX: y")}};
        },
        [](MessageCourriel& m) {
            m.De = {{QStringLiteral("Nom\r"), QStringLiteral("a@b.c")}};
        },
        [](MessageCourriel& m) { m.Objet = QStringLiteral("nul") + QChar(0); },
        // No blank to fold at: the line would pass the 998 octets a server takes.
        [](MessageCourriel& m) { m.Objet = QString(1200, QLatin1Char('x')); },
    };
    for (const auto& faute : fautes) {
        MessageCourriel m = Campagne(QStringLiteral("Lettre"), QStringLiteral("c@exemple.org"), {});
        faute(m);
        try {
            ComposerMessage(m, fixes.Sources());
            ADD_FAILURE() << "composed";
        } catch (const Erreur& e) {
            EXPECT_TRUE(e.Message().startsWith(QLatin1String("Envoi impossible : ")));
        }
    }
}

TEST(EcritureMessage, CorpsCodesRefaitsQuandLeTexteChange) {
    PartieTexte p(QStringLiteral("text/html"), {QStringLiteral("un=")});
    EXPECT_EQ(p.CorpsCode(), QByteArray("un=3D\r\n"));
    p.Corps[0] = QStringLiteral("deux");
    EXPECT_EQ(p.CorpsCode(), QByteArray("deux\r\n"));
    p.Corps = {QStringLiteral("trois")};
    EXPECT_EQ(p.CorpsCode(), QByteArray("trois\r\n"));
}

TEST(EcritureMessage, EntetesFixesRefaitesQuandObjetOuExpediteurChangent) {
    SourcesFixes fixes;
    MessageCourriel m = Campagne(QStringLiteral("Un"), QStringLiteral("a@exemple.org"), {});
    EXPECT_EQ(GenererEntetes(m, QStringLiteral("B"), fixes.Sources()).mid(0, 2),
              (QStringList{QStringLiteral("From: \"a@exemple.org\" <a@exemple.org>"),
                           QStringLiteral("Subject: Un")}));
    m.Objet = QStringLiteral("\u00c9t\u00e9");
    m.De = {LireAdresse(QStringLiteral("Club <b@exemple.org>"))};
    EXPECT_EQ(GenererEntetes(m, QStringLiteral("B"), fixes.Sources()).mid(0, 2),
              (QStringList{QStringLiteral("From: \"Club\" <b@exemple.org>"),
                           QStringLiteral("Subject: =?UTF-8?B?w4l0w6k=?=")}));
}
