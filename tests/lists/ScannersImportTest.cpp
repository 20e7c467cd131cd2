#include "lists/ScannersImport.h"
#include "lists/DecoupageLignes.h"
#include "lists/LectureImport.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Scanner = void (*)(QStringView, const std::function<void(QString)>&);

QStringList Scanner_(Scanner s, QStringView texte) {
    QStringList r;
    DecoupageLignes lignes(texte);
    QStringView ligne;
    while (lignes.Suivante(ligne))
        s(ligne, [&](QString t) { r.append(std::move(t)); });
    return r;
}

QStringList Fixture(const char* nom, Scanner s) {
    return Scanner_(s, LireFichierImport(QDir(qEnvironmentVariable("LETTROVA_DONNEES"))
                                             .filePath(QStringLiteral("lists/") + nom)));
}

} // namespace

TEST(ScannersImport, TexteBrut) {
    const struct {
        QString texte;
        QStringList trouves;
    } cas[] = {
        {"a@x.fr\r\nb@x.fr\r\n", {"a@x.fr", "b@x.fr"}},
        {"a@x.fr\nb@x.fr", {"a@x.fr", "b@x.fr"}},
        {"Dupont;Jean;j@x.fr\r\n", {"j@x.fr"}},
        {"Dupont;Jean;j@x.fr;\r\n", {"j@x.fr"}},
        {"a@x.fr;b@y.fr", {"a@x.fr", "b@y.fr"}},
        {"\"Jean\",\"j@x.fr\"", {"\"j@x.fr\""}},
        {"<mailto:j@x.fr> sans", {"<mailto:j@x.fr>"}},
        {"jean@local", {"jean@local"}},
        {"pas d'adresse ici", {}},
        {"\x01j@x.fr\x02 k", {"j@x.fr"}},
        {"mail: j@x.fr", {"j@x.fr"}},
        {"dn: cn=J,mail=j@x.fr", {"mail=j@x.fr"}},
        {"a@b c d@e", {"a@b", "d@e"}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Scanner_(&ScannersImport::Brut, c.texte), c.trouves) << c.texte.toStdString();
}

TEST(ScannersImport, Ldif) {
    const struct {
        QString texte;
        QStringList trouves;
    } cas[] = {
        {"mail: j@x.fr", {"j@x.fr"}},
        {"mail: ", {""}},
        {"mail: j@x.fr \r\ncn: x", {"j@x.fr "}},
        {"dn: cn=Jean,mail=j@x.fr", {"j@x.fr"}},
        {"mozillaSecondEmail: k@x.fr", {"k@x.fr"}},
        {"Mail: j@x.fr", {}},
        {"mail:: ajB4LmZy", {}},
        {"mail=a mail: b", {"b"}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Scanner_(&ScannersImport::Ldif, c.texte), c.trouves) << c.texte.toStdString();
}

TEST(ScannersImport, LignesExamineesJusquAu4096eCaractere) {
    const QString loin = QString(4100, u'x') + " j@x.fr";
    EXPECT_TRUE(Scanner_(&ScannersImport::Brut, loin).isEmpty());
    EXPECT_TRUE(Scanner_(&ScannersImport::Ldif, QString(4096, u'x') + "mail: j@x.fr").isEmpty());
    const QString limite = QString(4089, u'x') + " j@x.fr";
    EXPECT_EQ(Scanner_(&ScannersImport::Brut, limite), QStringList({"j@x.fr"}));
}

TEST(ScannersImport, ExportsCourants) {
    EXPECT_EQ(
        Fixture("thunderbird.ldif", &ScannersImport::Ldif),
        QStringList({"jean.dupont@exemple.fr", "jean.dupont@exemple.fr", "marie.curie@exemple.org",
                     "marie.curie@exemple.org", "m.curie@labo.fr"}));
    EXPECT_EQ(Fixture("tableur.csv", &ScannersImport::Brut),
              QStringList({"jean.dupont@exemple.fr", QString::fromUtf8("élodie@exemple.fr"),
                           "\"marc@exemple.fr\""}));
}

TEST(DecoupageLignes, Compte) {
    EXPECT_EQ(DecoupageLignes::Compter(u"a\r\nb\n\rc"), 4);
    EXPECT_EQ(DecoupageLignes::Compter(u"a\r\n"), 1);
    EXPECT_EQ(DecoupageLignes::Compter(u""), 0);
    EXPECT_EQ(DecoupageLignes::Compter(QStringView(u"a\nb\0c\n", 6)), 2);
}
