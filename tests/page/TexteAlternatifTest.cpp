#include "page/TexteAlternatif.h"

#include "tests/support/ImpressionQt.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QString Donnee(const char* nom) {
    QFile f(qEnvironmentVariable("LETTROVA_DONNEES") + QStringLiteral("/page/") +
            QString::fromLatin1(nom));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(TexteAlternatif, Lettres) {
    struct Cas {
        const char* nom;
        QString page;
        const char* attendu;
    };
    const Cas cas[] = {
        {"lettre du club, deux colonnes", Donnee("lettre_club.html"),
         "Club des Amis\n\n"
         "Lettre d'été – n° 12\n\n"
         "Chères adhérentes, chers adhérents,\n"
         "voici les nouvelles du club pour l'été : réunions, sorties & inscriptions.\n\n"
         "Sorties\n\n"
         "Randonnée au lac le samedi 12 juillet.\n\n"
         "Réunions\n\n"
         "Assemblée générale le 20 juin à 20 h.\n\n"
         "- Inscriptions : en ligne (https://club.exemple.org/inscription)\n"
         "- Contact : club@exemple.org\n\n"
         "Se désinscrire (https://club.exemple.org/desinscription)"},
        {"agenda en tableau", Donnee("agenda.html"),
         "Agenda du mois\n\n"
         "Date | Activité | Lieu\n"
         "5 mai | Atelier photo | Salle B\n"
         "19 mai | Concert « Jazz » | Kiosque\n\n"
         "Une longue phrase qui doit être coupée près de soixante-seize colonnes parce\n"
         "qu'elle est bien trop longue pour une seule ligne de texte brut.\n\n"
         "https://exemple.org/programme.pdf"},
        {"listes imbriquées, texte préformaté, commentaire",
         QStringLiteral("<body><!-- <p>caché</p> --><ol><li>un<ul><li>sous-point assez long "
                        "pour être replié sous sa puce, avec un retrait qui suit le "
                        "niveau</li></ul></li><li>deux &lt;b&gt;</li></ol>"
                        "<pre>  a  b\n    c</pre><p>fin<br><br>après</p>"),
         "- un\n"
         "  - sous-point assez long pour être replié sous sa puce, avec un retrait qui\n"
         "    suit le niveau\n"
         "- deux <b>\n\n"
         "  a  b\n"
         "    c\n\n"
         "fin\n"
         "après"},
    };
    for (const Cas& c : cas) {
        ASSERT_FALSE(c.page.isEmpty()) << c.nom;
        EXPECT_EQ(TexteAlternatif(c.page).join(u'\n'), QString::fromUtf8(c.attendu)) << c.nom;
    }
}
