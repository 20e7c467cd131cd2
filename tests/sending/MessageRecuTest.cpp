// What recipients receive: the campaign's message for real-looking newsletters, sent to a real
// server, read back by Python's email package and scored by SpamAssassin's local rules.
#include "mail/ClientSMTP.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "page/TexteAlternatif.h"
#include "sending/PreparationCampagne.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurSMTPReel.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString spamassassin = QStringLiteral("/usr/bin/spamassassin");

QString Donnee(const char* nom) {
    QFile f(qEnvironmentVariable("LETTROVA_DONNEES") + QStringLiteral("/page/") +
            QString::fromLatin1(nom));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Minified HTML as newsletter builders write it: the whole body on one line.
QString PageMinifiee() {
    QString corps;
    while (corps.size() < 5000)
        corps += QStringLiteral("<p>R\u00e9union \u00e0 20&nbsp;h : l\u2019entr\u00e9e co\u00fbte "
                                "5&nbsp;\u20ac, <a href=\"https://exemple.org/\u00e9t\u00e9\">"
                                "venez</a> nombreux !</p>");
    return QStringLiteral("<html><head><title>Club</title></head><body>") + corps +
           QStringLiteral("</body></html>\n");
}

// The rules SpamAssassin's local tests fire on a message.
QStringList Regles(const QByteArray& message, const RepertoireTemporaire& dossier) {
    dossier.Ecrire(QStringLiteral("message.eml"), message);
    ProcessusEnfant sa(spamassassin, {QStringLiteral("-L"), QStringLiteral("-t"),
                                      dossier.Fichier(QStringLiteral("message.eml"))});
    if (sa.Attendre(120000) != 0)
        throw std::runtime_error("spamassassin failed: " + sa.Erreurs().toStdString());
    // The "tests=" list of the status header it adds, unfolded.
    const QString sortie = QString::fromUtf8(sa.Sortie());
    const qsizetype debut = sortie.indexOf(QLatin1String("X-Spam-Status:"));
    static const QRegularExpression finEntete(QStringLiteral("\n(?![ \t])"));
    QString statut = sortie.mid(debut, sortie.indexOf(finEntete, debut) - debut);
    statut.remove(QRegularExpression(QStringLiteral("\\s*\n\\s*")));
    static const QRegularExpression tests(QStringLiteral("tests=([A-Z0-9_,]*)"));
    QStringList regles = tests.match(statut).captured(1).split(u',', Qt::SkipEmptyParts);
    if (debut < 0)
        regles.clear();
    return regles;
}

bool Structurelle(const QString& regle) {
    return regle == QLatin1String("MPART_ALT_DIFF") || regle.startsWith(QLatin1String("MIME_")) ||
           regle.startsWith(QLatin1String("HTML_TAG_BALANCE_")) ||
           regle.startsWith(QLatin1String("MISSING_"));
}
} // namespace

TEST(MessageRecu, LettresReellesIntactesEtSansRegleStructurelle) {
    struct Cas {
        const char* nom;
        QString editeur;
        PreparationCampagne::ReglagesMessage reglages;
        const char* de;
    };
    const Cas cas[] = {
        {"lettre du club",
         Donnee("lettre_club.html"),
         {QStringLiteral("club@exemple.org"), QStringLiteral("Club des Amis"),
          QStringLiteral("https://club.exemple.org/desinscription?id=42")},
         "Club des Amis <club@exemple.org>"},
        {"agenda",
         Donnee("agenda.html"),
         {QStringLiteral("club@exemple.org"), QStringLiteral("Club d'\u00e9t\u00e9, section B"),
          QStringLiteral("mailto:desinscription@exemple.org?subject=stop")},
         "\"Club d'\u00e9t\u00e9, section B\" <club@exemple.org>"},
        {"page minifi\u00e9e de 5 000 caract\u00e8res",
         PageMinifiee(),
         {QStringLiteral("club@exemple.org"), QString(), QString()},
         "\"club@exemple.org\" <club@exemple.org>"},
    };
    const bool avecSpamAssassin = QFileInfo(spamassassin).isExecutable();
    RepertoireTemporaire dossier;
    ServeurSMTPReel serveur({});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = serveur.Port();
    client.Connecter();
    int n = 0;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ASSERT_FALSE(c.editeur.isEmpty());
        const QStringList page = PreparationCampagne::TextePage(c.editeur);
        const QStringList texte = TexteAlternatif(page.join(u'\n'));
        MessageCourriel m;
        PreparationCampagne::ConstruireMessage(
            m, c.reglages, QStringLiteral("Lettre d'\u00e9t\u00e9"), page, texte);
        LireListeAdresses(QStringLiteral("membre@exemple.net"), m.Destinataires);
        ASSERT_NO_THROW(client.Envoyer(m));
        ++n;

        const QByteArray brut = serveur.Brut(n);
        for (const QByteArray& l : brut.split('\n'))
            EXPECT_LE(l.size(), 999) << l.left(60).constData();
        EXPECT_FALSE(std::any_of(brut.begin(), brut.end(), [](char o) { return o & 0x80; }));
        // The page travels once: in its part, and nowhere else.
        EXPECT_EQ(brut.count("<!DOCTYPE html>"),
                  page.join(u'\n').count(QLatin1String("<!DOCTYPE html>")));

        const QJsonObject lu = serveur.Message(n);
        EXPECT_EQ(lu[QStringLiteral("defauts")].toArray(), QJsonArray());
        EXPECT_EQ(lu[QStringLiteral("from")].toString(), QString::fromUtf8(c.de));
        const QJsonObject entetes = lu[QStringLiteral("entetes")].toObject();
        const QString desinscription = c.reglages.Desinscription;
        EXPECT_EQ(entetes.value(QStringLiteral("List-Unsubscribe")).toString(),
                  desinscription.isEmpty() ? QString() : u'<' + desinscription + u'>');
        EXPECT_EQ(entetes.value(QStringLiteral("List-Unsubscribe-Post")).toString(),
                  desinscription.startsWith(QLatin1String("https:"))
                      ? QStringLiteral("List-Unsubscribe=One-Click")
                      : QString());
        const QJsonArray parties = lu[QStringLiteral("parties")].toArray();
        ASSERT_EQ(parties.size(), 2);
        EXPECT_EQ(parties[0].toObject()[QStringLiteral("texte")].toString(),
                  texte.join(u'\n') + u'\n');
        EXPECT_EQ(parties[1].toObject()[QStringLiteral("texte")].toString(),
                  page.join(u'\n') + u'\n');

        if (avecSpamAssassin) {
            const QStringList regles = Regles(brut, dossier);
            EXPECT_FALSE(regles.isEmpty()) << "no report read";
            for (const QString& r : regles)
                EXPECT_FALSE(Structurelle(r)) << r.toStdString();
        }
    }
    client.Deconnecter(true);
    if (!avecSpamAssassin)
        GTEST_SKIP() << "spamassassin is not installed (apt-get install spamassassin): the "
                        "spam filter's view was not checked";
}
