// A page with pictures of every kind, as its message travels: read back by Python's email
// package under its strict policy, and sent by a campaign to a real server.
#include "mail/ClientSMTP.h"
#include "mail/CodageMessage.h"
#include "mail/LectureAdresses.h"
#include "mail/MessageCourriel.h"
#include "page/CompositionPage.h"
#include "page/TexteAlternatif.h"
#include "sending/MoteurCampagne.h"
#include "sending/PreparationCampagne.h"
#include "tests/support/ImpressionQt.h"
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurSMTPReel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QByteArray Png(qsizetype taille, quint32 graine) {
    QByteArray octets("\x89PNG\r\n\x1a\n", 8);
    QRandomGenerator hasard(graine);
    while (octets.size() < taille)
        octets += char(hasard.bounded(256));
    return octets;
}

QString Sha256(const QByteArray& octets) {
    return QString::fromLatin1(
        QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex());
}

// The campaign's message for the page of `dossier`, its pictures joined.
MessageCourriel Message(const QString& editeur, const QString& dossier) {
    const QStringList page = PreparationCampagne::TextePage(editeur);
    const QString html = page.join(u'\n');
    const PageComposee composee = ComposerPage(html, dossier, true);
    QList<PartieImage> images;
    for (const ImageJointe& i : composee.images)
        images += PartieImage(i.typeMime, i.identifiant, i.nom, i.octets);
    MessageCourriel m;
    PreparationCampagne::ConstruireMessage(
        m, {QStringLiteral("club@exemple.org"), QString(), QString()}, QStringLiteral("Lettre"),
        composee.html.split(u'\n'), TexteAlternatif(html), std::move(images));
    LireListeAdresses(QStringLiteral("membre@exemple.net"), m.Destinataires);
    return m;
}

// The tree of parts as the strict parser reads it; fails the test on any defect.
QJsonArray LireStrict(const QByteArray& message, const RepertoireTemporaire& dossier) {
    dossier.Ecrire(QStringLiteral("message.eml"), message);
    ProcessusEnfant python(QStringLiteral("/usr/bin/python3"),
                           {ServeurSMTPReel::Script("lire_strict.py"),
                            dossier.Fichier(QStringLiteral("message.eml"))});
    EXPECT_EQ(python.Attendre(30000), 0) << python.Erreurs().constData();
    return QJsonDocument::fromJson(python.Sortie()).object()[QStringLiteral("parties")].toArray();
}

void VerifierLignes(const QByteArray& message) {
    for (const QByteArray& l : message.split('\n'))
        EXPECT_LE(l.size(), 999) << l.left(60).constData();
    EXPECT_FALSE(std::any_of(message.begin(), message.end(), [](char o) { return o & 0x80; }));
}

TEST(ImagesJointes, UnePageDeChaqueSorteLueParLAnalyseurStrict) {
    RepertoireTemporaire rep;
    QDir(rep.Chemin()).mkpath(QStringLiteral("images"));
    const QByteArray logo = Png(5000, 1), fond = Png(3000, 2), bandeau = Png(200, 3);
    rep.Ecrire(QStringLiteral("logo.png"), logo);
    rep.Ecrire(QStringLiteral("images/fond.png"), fond);
    rep.Ecrire(QStringLiteral("bandeau \u00e9t\u00e9.png"), bandeau);
    const QString editeur =
        "<html><head><title>Club</title><style>h1{background:url(images/fond.png)}</style>"
        "</head><body>\n<h1>R\u00e9union</h1><img src=\"logo.png\" alt=\"Logo\">\n"
        "<img src=\"" +
        QUrl::fromLocalFile(rep.Fichier(QStringLiteral("bandeau \u00e9t\u00e9.png"))).toString() +
        "\">\n<img src=\"manque.png\"><img src=\"http://exemple.org/distant.png\">"
        "<img src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\">\n"
        "<p style=\"background:url('logo.png')\">Encore le logo</p></body></html>\n";
    MessageCourriel m = Message(editeur, rep.Chemin());
    const QByteArray texte = ComposerMessage(m);
    VerifierLignes(texte);

    const QJsonArray parties = LireStrict(texte, rep);
    ASSERT_EQ(parties.size(), 7) << QJsonDocument(parties).toJson().constData();
    const auto partie = [&](int i) { return parties[i].toObject(); };
    const auto champ = [&](int i, const char* nom) {
        return partie(i)[QLatin1String(nom)].toString();
    };
    EXPECT_EQ(champ(0, "type"), "multipart/alternative");
    EXPECT_EQ(champ(1, "type"), "text/plain");
    EXPECT_EQ(champ(2, "type"), "multipart/related");
    EXPECT_EQ(champ(2, "parametre_type"), "text/html");
    EXPECT_EQ(partie(2)["profondeur"].toInt(), 1);
    EXPECT_EQ(champ(3, "type"), "text/html");
    QStringList cids, noms, empreintes;
    for (int i = 4; i < 7; ++i) {
        EXPECT_EQ(partie(i)["profondeur"].toInt(), 2);
        EXPECT_EQ(champ(i, "type"), "image/png");
        EXPECT_EQ(champ(i, "disposition"), "inline");
        cids << champ(i, "cid");
        noms << champ(i, "nom");
        empreintes << champ(i, "sha256");
    }
    // Each picture once, in the order the page first names it.
    EXPECT_EQ(noms, QStringList({"fond.png", "logo.png", "bandeau_ete.png"}));
    EXPECT_EQ(empreintes, QStringList({Sha256(fond), Sha256(logo), Sha256(bandeau)}));
    const QString html = champ(3, "texte");
    for (QString cid : cids) {
        ASSERT_TRUE(cid.startsWith(u'<') && cid.endsWith(u'>')) << cid.toStdString();
        cid = cid.mid(1, cid.size() - 2);
        EXPECT_GE(html.count("cid:" + cid), 1) << cid.toStdString();
    }
    EXPECT_EQ(html.count("cid:" + cids[1].mid(1, cids[1].size() - 2)), 2) << "logo used twice";
    EXPECT_EQ(html.count(QLatin1String("cid:")), 4);
    EXPECT_TRUE(html.contains("src=\"manque.png\""));
    EXPECT_TRUE(html.contains("src=\"http://exemple.org/distant.png\""));
    EXPECT_TRUE(html.contains("src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\""));
    // The text alternative is the page's, untouched.
    EXPECT_EQ(champ(1, "texte"),
              TexteAlternatif(PreparationCampagne::TextePage(editeur).join(u'\n')).join(u'\n') +
                  u'\n');

    // Without pictures the message is as it always was: two parts side by side.
    MessageCourriel sans = Message("<html><body>Bonjour</body></html>", rep.Chemin());
    const QJsonArray deux = LireStrict(ComposerMessage(sans), rep);
    ASSERT_EQ(deux.size(), 3);
    EXPECT_EQ(deux[2].toObject()["type"].toString(), "text/html");
}

class Silence : public EcouteurCampagne {
public:
    QStringList acceptes;
    void Resultat(const ResultatEnvoi& r) override {
        if (r.accepte)
            acceptes << r.adresse;
    }
};

TEST(ImagesJointes, CampagneAvecUneImageDe300Ko) {
    RepertoireTemporaire rep;
    const QByteArray photo = Png(300 * 1024, 4);
    rep.Ecrire(QStringLiteral("photo.png"), photo);
    MessageCourriel m =
        Message("<html><head></head><body><img src=\"photo.png\"></body></html>", rep.Chemin());
    // The picture was read when the message was made, and never again: the campaign sends it
    // without the file.
    ASSERT_TRUE(QFile::remove(rep.Fichier(QStringLiteral("photo.png"))));

    ServeurSMTPReel serveur({});
    ClientSMTP client;
    client.Hote = QStringLiteral("127.0.0.1");
    client.Port = serveur.Port();
    client.Utilisateur = QStringLiteral("jean");
    client.MotDePasse = QStringLiteral("secret");
    MoteurCampagne moteur(client, {.connexions = 2});
    Silence ecouteur;
    const QStringList adresses = {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"};
    EXPECT_EQ(moteur.Executer(m, adresses, ecouteur), FinCampagne::Terminee);
    EXPECT_EQ(ecouteur.acceptes.size(), adresses.size());
    ASSERT_EQ(serveur.NombreMessages(), adresses.size());
    for (int n = 1; n <= serveur.NombreMessages(); ++n) {
        SCOPED_TRACE(n);
        const QByteArray brut = serveur.Brut(n);
        VerifierLignes(brut);
        const QJsonArray parties = LireStrict(brut, rep);
        ASSERT_EQ(parties.size(), 5);
        EXPECT_EQ(parties[4].toObject()["sha256"].toString(), Sha256(photo));
        EXPECT_TRUE(parties[3].toObject()["texte"].toString().contains(
            "src=\"" + parties[4].toObject()["cid"].toString().mid(1).chopped(1).prepend("cid:") +
            "\""));
    }
}

} // namespace
