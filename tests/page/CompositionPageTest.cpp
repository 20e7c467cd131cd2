#include "page/CompositionPage.h"

#include "tests/support/ImpressionQt.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QCryptographicHash>
#include <QDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The signature of a PNG file, then bytes of its own: what tells the type is the name and the
// signature.
QByteArray Png(char remplissage) {
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(40, remplissage);
}

QString Identifiant(const QByteArray& octets) {
    return QString::fromLatin1(
               QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex().left(24)) +
           QStringLiteral("@lettrova.invalid");
}

class CompositionPageTest : public testing::Test {
protected:
    void SetUp() override {
        QDir(rep.Chemin()).mkpath(QStringLiteral("images"));
        rep.Ecrire(QStringLiteral("logo.png"), logo);
        rep.Ecrire(QStringLiteral("images/fond.png"), fond);
        // The logo's bytes under another name: they travel once.
        rep.Ecrire(QStringLiteral("images/copie du logo.png"), logo);
        rep.Ecrire(QStringLiteral("police.woff"), "wOFF pas une image");
    }
    RepertoireTemporaire rep;
    const QByteArray logo = Png(1);
    const QByteArray fond = Png(2);
};

TEST_F(CompositionPageTest, ChaqueSorteDAdresse) {
    const QString cidLogo = QStringLiteral("cid:") + Identifiant(logo);
    const QString cidFond = QStringLiteral("cid:") + Identifiant(fond);
    const QString fichierLogo =
        QUrl::fromLocalFile(rep.Fichier(QStringLiteral("logo.png"))).toString();
    const struct {
        const char* nom;
        QString html;
        QString attendu;
    } cas[] = {
        {"relative", "<img src=\"logo.png\" alt=\"Logo\">",
         "<img src=\"" + cidLogo + "\" alt=\"Logo\">"},
        {"relative, unquoted, in a folder, with an escape", "<img src=images/%66ond.png?v=2>",
         "<img src=\"" + cidFond + "\">"},
        {"file:", "<img src='" + fichierLogo + "'>", "<img src=\"" + cidLogo + "\">"},
        {"absolute path", "<IMG SRC=\"" + rep.Fichier("logo.png") + "\">",
         "<IMG SRC=\"" + cidLogo + "\">"},
        {"same bytes, other name", "<img src=\"images/copie du logo.png\">",
         "<img src=\"" + cidLogo + "\">"},
        {"http:", "<img src=\"http://exemple.org/logo.png\">",
         "<img src=\"http://exemple.org/logo.png\">"},
        {"protocol-relative", "<img src=\"//exemple.org/logo.png\">",
         "<img src=\"//exemple.org/logo.png\">"},
        {"data:", "<img src=\"data:image/png;base64,iVBO\">",
         "<img src=\"data:image/png;base64,iVBO\">"},
        {"background attribute",
         "<table><tr><td background=\"images/fond.png\">x</td></tr></table>",
         "<table><tr><td background=\"" + cidFond + "\">x</td></tr></table>"},
        {"input image", "<input type=\"IMAGE\" src=\"logo.png\">",
         "<input type=\"IMAGE\" src=\"" + cidLogo + "\">"},
        {"other input", "<input type=\"text\" src=\"logo.png\">",
         "<input type=\"text\" src=\"logo.png\">"},
        {"style element",
         "<style>body{background:url('images/fond.png')} /* url(logo.png) */</style>",
         "<style>body{background:url(" + cidFond + ")} /* url(logo.png) */</style>"},
        {"style attribute with entities",
         "<div style=\"background:url(&quot;logo.png&quot;);color:red\">",
         "<div style=\"background:url(" + cidLogo + ");color:red\">"},
        {"link text is not a picture", "<a href=\"logo.png\">logo</a>",
         "<a href=\"logo.png\">logo</a>"},
        {"a comment is not a picture", "<!-- <img src=\"logo.png\"> -->",
         "<!-- <img src=\"logo.png\"> -->"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const QString page = "<html><head></head><body>\n" + c.html + "\n</body></html>";
        const PageComposee r = ComposerPage(page, rep.Chemin(), true);
        EXPECT_EQ(r.html, "<html><head></head><body>\n" + c.attendu + "\n</body></html>");
        EXPECT_TRUE(r.introuvables.isEmpty());
        for (const ImageJointe& i : r.images) {
            EXPECT_EQ(i.typeMime, "image/png");
            EXPECT_EQ(i.identifiant, Identifiant(i.octets));
        }
    }
}

TEST_F(CompositionPageTest, UnePageDeToutesLesSortes) {
    const QString page =
        "<html><head><link rel=\"stylesheet\" href=\"style.css\">"
        "<link rel=\"Stylesheet alternate\" href=\"https://exemple.org/s.css\">"
        "<link rel=\"icon\" href=\"logo.png\"><script src=\"a.js\"></script></head>"
        "<body style=\"background:url(images/fond.png)\"><img src=\"logo.png\">"
        "<img src=\"logo.png\"><img src=\"manque.png\"><img src=\"autre/manque.jpg\">"
        "<img src=\"manque.png\"><img src=\"data:image/gif;base64,R0lG\">"
        "<img src=\"police.woff\"><script>var a;</script></body></html>";
    rep.Ecrire(QStringLiteral("style.css"), "@import 'base.css';\nh1{background:url(logo.png)}");

    const PageComposee avec = ComposerPage(page, rep.Chemin(), true);
    ASSERT_EQ(avec.images.size(), 2);
    EXPECT_EQ(avec.images[0].octets, logo) << "the style sheet of the head comes first";
    EXPECT_EQ(avec.images[0].nom, "logo.png");
    EXPECT_EQ(avec.images[1].octets, fond);
    EXPECT_EQ(avec.images[1].nom, "fond.png");
    EXPECT_EQ(avec.introuvables, QStringList({"manque.png", "autre/manque.jpg"}));
    EXPECT_EQ(avec.nonImages, QStringList({"police.woff"}));
    EXPECT_EQ(avec.feuillesIntegrees, QStringList({"style.css"}));
    EXPECT_EQ(avec.feuillesLiees, QStringList({"base.css", "https://exemple.org/s.css"}));
    EXPECT_TRUE(avec.localesNonJointes.isEmpty());
    EXPECT_EQ(avec.imagesData, 1);
    EXPECT_EQ(avec.scripts, 2);
    EXPECT_TRUE(avec.html.startsWith(
        "<html><head><style>\n@import 'base.css';\nh1{background:url(cid:" + Identifiant(logo) +
        ")}\n</style><link"))
        << avec.html.toStdString();
    EXPECT_EQ(avec.html.count("cid:" + Identifiant(logo)), 3);
    EXPECT_EQ(avec.html.count("cid:"), 4);
    EXPECT_TRUE(avec.html.contains("<link rel=\"icon\" href=\"logo.png\">"));

    const PageComposee sans = ComposerPage(page, rep.Chemin(), false);
    EXPECT_EQ(sans.html, page);
    EXPECT_TRUE(sans.images.isEmpty());
    EXPECT_EQ(sans.introuvables, avec.introuvables);
    EXPECT_EQ(sans.localesNonJointes, QStringList({"images/fond.png", "logo.png", "police.woff"}));
    EXPECT_EQ(sans.feuillesLiees, QStringList({"style.css", "https://exemple.org/s.css"}));
    EXPECT_TRUE(sans.feuillesIntegrees.isEmpty());
}

TEST_F(CompositionPageTest, NomsDesPartiesEnAsciiEtTexteGardeOctetPourOctet) {
    rep.Ecrire(QStringLiteral("\u00e9t\u00e9 \"2024\".png"), fond);
    const QString page =
        QStringLiteral("<p>R\u00e9union \u00e0 20&nbsp;h \u2014 \U0001F600</p><img "
                       "src=\"\u00e9t\u00e9 &quot;2024&quot;.png\">");
    const PageComposee r = ComposerPage(page, rep.Chemin(), true);
    ASSERT_EQ(r.images.size(), 1);
    EXPECT_EQ(r.images[0].nom, "ete__2024_.png");
    EXPECT_EQ(r.html, QStringLiteral(
                          "<p>R\u00e9union \u00e0 20&nbsp;h \u2014 \U0001F600</p><img src=\"cid:") +
                          Identifiant(fond) + "\">");
}

TEST_F(CompositionPageTest, LaBaseDeLaPageDitDOuPartentSesAdresses) {
    const QString cidFond = QStringLiteral("cid:") + Identifiant(fond);
    const struct {
        const char* base;
        QString attendu;
    } cas[] = {
        {"<base href=\"https://exemple.org/lettre/\">", "fond.png"},
        {"<base href=\"images/\">", cidFond},
        {"<base target=\"_blank\">", "fond.png"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.base);
        const QString page = QStringLiteral("<html><head>") + c.base +
                             "</head><body><img src=\"fond.png\"></body></html>";
        const PageComposee r = ComposerPage(page, rep.Chemin(), true);
        EXPECT_TRUE(r.html.contains("<img src=\"" + c.attendu + "\">")) << r.html.toStdString();
        // Without a base that names a folder, the page's folder holds no fond.png.
        EXPECT_EQ(r.introuvables.size(), QString(c.base).contains("target") ? 1 : 0);
    }
}

TEST_F(CompositionPageTest, UnLienRemplaceEmporteSesAttributs) {
    rep.Ecrire(QStringLiteral("style.css"), "p{color:red}");
    const QString page = "<html><head><link rel=\"stylesheet\" href=\"style.css\" "
                         "style=\"background:url(logo.png)\"></head><body>x</body></html>";
    const PageComposee r = ComposerPage(page, rep.Chemin(), true);
    EXPECT_EQ(r.html, "<html><head><style>\np{color:red}\n</style></head><body>x</body></html>");
    EXPECT_TRUE(r.images.isEmpty()) << "nothing travels that the page does not name";
}

} // namespace
