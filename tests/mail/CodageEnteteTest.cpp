#include "mail/CodageEntete.h"
#include "commun/Erreur.h"

#include "tests/support/ImpressionQt.h"
#include <QByteArray>

#include <gtest/gtest.h>

namespace {
const JeuEntete utf8{QStringLiteral("UTF-8"), "UTF-8"};

QString Sujet(const QString& objet) {
    return PlierEntete(QStringLiteral("Subject: ") + CoderMotsEntete(objet, QString(), utf8));
}
} // namespace

TEST(CodageEntete, JeuSelonLaLangue) {
    const std::pair<const char*, const char*> cas[] = {
        {"fr_FR", "UTF-8"},  {"en_US", "UTF-8"},        {"zh_CN", "GB2312"},
        {"zh_TW", "Big5"},   {"ja_JP", "ISO-2022-JP"},  {"ko_KR", "csEUCKR"},
        {"ru_RU", "KOI8-R"}, {"uk_UA", "windows-1251"},
    };
    for (const auto& [langue, jeu] : cas)
        EXPECT_EQ(JeuEntete::PourLangue(QLocale(QString::fromLatin1(langue))).Nom,
                  QString::fromLatin1(jeu))
            << langue;
}

TEST(CodageEntete, MotsSimplesEtMotsCodes) {
    EXPECT_EQ(CoderMotsEntete(QStringLiteral("Lettre de printemps"), QString(), utf8),
              QStringLiteral("Lettre de printemps"));
    EXPECT_EQ(CoderMotsEntete(QStringLiteral("Lettre d'\u00e9t\u00e9"), QString(), utf8),
              QStringLiteral("Lettre =?UTF-8?B?ZCfDqXTDqQ==?="));
    EXPECT_EQ(CoderMotsEntete(QString(), QString(), utf8), QString());
    // Text that a reader would decode is protected.
    EXPECT_EQ(CoderMotsEntete(QStringLiteral("voir =?UTF-8?B?QQ==?= ici"), QString(), utf8),
              QStringLiteral("voir =?UTF-8?B?PT9VVEYtOD9CP1FRPT0/PQ==?= ici"));
    // A display name with specials is encoded as a whole stretch.
    EXPECT_EQ(CoderMotsEntete(QStringLiteral("Club \u00e9t\u00e9, Paris"), SpeciauxNom(), utf8),
              QStringLiteral("Club =?UTF-8?B?w6l0w6ks?= Paris"));
}

TEST(CodageEntete, EtendueCoupeeEntreLesCaracteres) {
    const QString objet = QString(26, QChar(0xe9)) + QStringLiteral(" fin");
    const QString code = CoderMotsEntete(objet, QString(), utf8);
    const QStringList mots = code.split(QStringLiteral("\r\n "));
    ASSERT_EQ(mots.size(), 2);
    QString decode;
    for (const QString& m : mots) {
        ASSERT_TRUE(m.startsWith(QLatin1String("=?UTF-8?B?")));
        const QString b64 = m.mid(10).section(QLatin1Char('?'), 0, 0);
        const QByteArray octets = QByteArray::fromBase64(b64.toLatin1());
        EXPECT_LE(octets.size(), 45);
        EXPECT_EQ(QString::fromUtf8(octets).toUtf8(), octets) << "cut inside a character";
        decode += QString::fromUtf8(octets);
    }
    EXPECT_EQ(mots[0].size(), 10 + 60 + 2);
    EXPECT_EQ(decode, QString(26, QChar(0xe9)));
    EXPECT_TRUE(code.endsWith(QLatin1String("?= fin")));
}

TEST(CodageEntete, JeuxNationaux) {
    const JeuEntete koi8{QStringLiteral("KOI8-R"), "KOI8-R"};
    EXPECT_EQ(CoderMotsEntete(QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 news"),
                              QString(), koi8),
              QStringLiteral("=?KOI8-R?B?8NLJ18XU?= news"));
    const JeuEntete jis{QStringLiteral("ISO-2022-JP"), "ISO-2022-JP"};
    const QString code = CoderMotsEntete(QString(30, QChar(0x65e5)), QString(), jis);
    // Every encoded-word ends back in the initial state, so each stands on its own.
    const QStringList mots = code.split(QStringLiteral("\r\n "));
    // 42 bytes (the two shifts and 18 characters): 74 characters, within the 75 of a word.
    EXPECT_EQ(mots[0].size(), 74);
    for (const QString& m : mots) {
        EXPECT_LE(m.size(), 75);
        const QByteArray octets =
            QByteArray::fromBase64(m.mid(16).section(QLatin1Char('?'), 0, 0).toLatin1());
        EXPECT_TRUE(octets.startsWith("\x1b$B"));
        EXPECT_TRUE(octets.endsWith("\x1b(B"));
    }
    try {
        CoderMotsEntete(QStringLiteral("prix 5 \u20ac"), QString(), koi8);
        FAIL() << "encoded";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Impossible d'encoder les données d'en-tête avec "
                                              "le jeu de caractères \"KOI8-R\""));
    }
}

TEST(CodageEntete, PliageDesSujets) {
    EXPECT_EQ(Sujet(QStringLiteral("\u00c9t\u00e9 \u00e0 la f\u00eate : r\u00e9servations, "
                                   "d\u00e9jeuners, activit\u00e9s pour les \u00e9l\u00e8ves et "
                                   "leurs fr\u00e8res")),
              QStringLiteral(
                  "Subject: =?UTF-8?B?w4l0w6kgw6A=?= la =?UTF-8?B?ZsOqdGU=?= :\r\n"
                  " =?UTF-8?B?csOpc2VydmF0aW9ucywgZMOpamV1bmVycywgYWN0aXZpdMOpcw==?= pour les\r\n"
                  " =?UTF-8?B?w6lsw6h2ZXM=?= et leurs =?UTF-8?B?ZnLDqHJlcw==?="));
    EXPECT_EQ(Sujet(QStringLiteral("Nouvelles du club : programme complet de la saison "
                                   "d'\u00e9t\u00e9 et inscriptions ouvertes")),
              QStringLiteral("Subject: Nouvelles du club : programme complet de la saison\r\n"
                             " =?UTF-8?B?ZCfDqXTDqQ==?= et inscriptions ouvertes"));
}

TEST(CodageEntete, PliageSansCoupureUtilisable) {
    const QString longue = QStringLiteral("X:") + QString(90, QLatin1Char('x'));
    EXPECT_EQ(PlierEntete(longue), longue);
    EXPECT_EQ(PlierEntete(QStringLiteral("Subject: ") + QString(90, QLatin1Char('x'))),
              QStringLiteral("Subject:\r\n ") + QString(90, QLatin1Char('x')));
    const QString guillemets =
        QStringLiteral("From: \"") + QString(80, QLatin1Char('n')) + QStringLiteral(" a\" <a@b.c>");
    EXPECT_EQ(PlierEntete(guillemets), QStringLiteral("From: \"") + QString(80, QLatin1Char('n')) +
                                           QStringLiteral(" a\"\r\n <a@b.c>"));
    // Commas after the cut are text: only the blanks give way to the continuation's blank.
    const QString a69(69, QLatin1Char('a'));
    EXPECT_EQ(PlierEntete(QStringLiteral("Subject: ") + a69 + QStringLiteral(",,,  suite")),
              QStringLiteral("Subject: ") + a69 + QStringLiteral(",\r\n ,,  suite"));
    const QString court = QStringLiteral("To: a@b.c");
    EXPECT_EQ(PlierEntete(court), court);
}
