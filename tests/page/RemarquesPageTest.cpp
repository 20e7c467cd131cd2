#include "page/RemarquesPage.h"

#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

namespace {

PageComposee Page(std::function<void(PageComposee&)> remplir) {
    PageComposee p;
    p.html = QStringLiteral("<html><body>Bonjour</body></html>");
    remplir(p);
    return p;
}

TEST(RemarquesPage, ChaqueRemarque) {
    const QString court = QStringLiteral("Message de 12 Ko par destinataire");
    const struct {
        const char* nom;
        PageComposee page;
        qsizetype octets;
        QString faute;
        QStringList avertissements;
        QStringList details;
    } cas[] = {
        {"nothing to say", Page([](PageComposee&) {}), 12'345, {}, {}, {court}},
        {"two missing pictures",
         Page([](PageComposee& p) {
             p.introuvables = {"logo.png", "fond.jpg"};
         }),
         12'345,
         "2 images introuvables : logo.png, fond.jpg",
         {},
         {"2 images introuvables : logo.png, fond.jpg", court}},
        {"one missing picture",
         Page([](PageComposee& p) { p.introuvables = {"logo.png"}; }),
         12'345,
         "1 image introuvable : logo.png",
         {},
         {"1 image introuvable : logo.png", court}},
        {"local pictures not joined",
         Page([](PageComposee& p) {
             p.localesNonJointes = {"a.png", "b.png"};
         }),
         12'345,
         {},
         {"2 images locales non jointes, que les destinataires ne verront pas : a.png, b.png"},
         {"2 images locales non jointes, que les destinataires ne verront pas : a.png, b.png",
          court}},
        {"style sheets, scripts, data: pictures, a file that is no picture",
         Page([](PageComposee& p) {
             p.feuillesLiees = {"https://exemple.org/s.css"};
             p.scripts = 2;
             p.imagesData = 1;
             p.nonImages = {"police.woff"};
         }),
         12'345,
         {},
         {"1 fichier local qui n'est pas une image, non joint : police.woff",
          "1 feuille de style liée, que beaucoup de messageries ignorent : "
          "https://exemple.org/s.css",
          "2 scripts, que les messageries n'exécutent pas",
          "1 image data:, que beaucoup de messageries web bloquent"},
         {"1 fichier local qui n'est pas une image, non joint : police.woff",
          "1 feuille de style liée, que beaucoup de messageries ignorent : "
          "https://exemple.org/s.css",
          "2 scripts, que les messageries n'exécutent pas",
          "1 image data:, que beaucoup de messageries web bloquent", court}},
        {"joined pictures and an inlined style sheet are told, not warned of",
         Page([](PageComposee& p) {
             p.images = {{"a@x", "logo.png", "image/png", "1"},
                         {"b@x", "fond.jpg", "image/jpeg", "2"}};
             p.feuillesIntegrees = {"style.css"};
         }),
         1'234'567,
         {},
         {},
         {"2 images jointes au message : logo.png, fond.jpg",
          "1 feuille de style mise dans la page : style.css",
          "Message de 1,2 Mo par destinataire"}},
        {"a page that a large webmail clips",
         Page([](PageComposee& p) { p.html = QString(100'001, u'x'); }),
         140'000,
         {},
         {"Page HTML de 100 Ko : au-delà de 100 Ko, Gmail n'en montre que le début"},
         {"Page HTML de 100 Ko : au-delà de 100 Ko, Gmail n'en montre que le début",
          "Message de 140 Ko par destinataire"}},
        {"a page just below",
         Page([](PageComposee& p) { p.html = QString(100'000, u'x'); }),
         140'000,
         {},
         {},
         {"Message de 140 Ko par destinataire"}},
        {"a message that large services refuse",
         Page([](PageComposee&) {}),
         10'000'001,
         {},
         {"Message de 10,0 Mo par destinataire : au-delà de 10 Mo, des messageries le refusent"},
         {"Message de 10,0 Mo par destinataire : au-delà de 10 Mo, des messageries le "
          "refusent"}},
        {"a message just below",
         Page([](PageComposee&) {}),
         10'000'000,
         {},
         {},
         {"Message de 10,0 Mo par destinataire"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const RemarquesPage r = EvaluerPage(c.page, c.octets);
        EXPECT_EQ(r.faute, c.faute);
        EXPECT_EQ(r.avertissements, c.avertissements);
        EXPECT_EQ(r.details, c.details);
    }
}

TEST(RemarquesPage, Tailles) {
    const struct {
        qsizetype octets;
        const char* texte;
    } cas[] = {{0, "0 octets"},        {999, "999 octets"},   {1000, "1 Ko"},
               {1499, "1 Ko"},         {1500, "2 Ko"},        {999'499, "999 Ko"},
               {999'500, "1,0 Mo"},    {1'000'000, "1,0 Mo"}, {1'250'000, "1,3 Mo"},
               {23'456'789, "23,5 Mo"}};
    for (const auto& c : cas)
        EXPECT_EQ(TexteTaille(c.octets), QString::fromUtf8(c.texte)) << c.octets;
}

} // namespace
