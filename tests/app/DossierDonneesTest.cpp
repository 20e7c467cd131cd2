// Where the data live: beside the executable when its folder can be written, else in the
// user's data folder, made and filled once with the settings and lists found beside the
// executable. Read-only folders are played by their mode, root's override given up.
#include "app/DossierDonnees.h"
#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/SansPassePartout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

constexpr QFile::Permissions kLectureSeule =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
constexpr QFile::Permissions kInscriptible = kLectureSeule | QFile::WriteOwner;

struct Cas {
    const char* nom;
    bool programmeInscriptible;
    // Files beside the executable.
    QStringList fichiers;
    // The user's folder: "absent", "present" (holding its own a.list) or "impossible" (its
    // parent read-only).
    const char* personnel;
    // Expected.
    bool dansPersonnel;
    QStringList copies;
    const char* debutAnnonce;
    friend void PrintTo(const Cas& c, std::ostream* os) { *os << c.nom; }
};

class ChoixDossierDonnees : public testing::TestWithParam<Cas> {};

TEST_P(ChoixDossierDonnees, SelonLeDossierDuProgramme) {
    const Cas& c = GetParam();
    RepertoireTemporaire rep;
    QDir(rep.Chemin()).mkpath("programme");
    QDir(rep.Chemin()).mkpath("maison");
    for (const QString& nom : c.fichiers)
        rep.Ecrire("programme/" + nom, nom.toUtf8() + " d'origine");
    const QString programme = rep.Fichier("programme");
    const QString personnel = rep.Fichier("maison/Lettrova");
    if (qstrcmp(c.personnel, "present") == 0) {
        QDir().mkpath(personnel);
        rep.Ecrire("maison/Lettrova/a.list", "la mienne");
    }
    if (!c.programmeInscriptible)
        QFile::setPermissions(programme, kLectureSeule);
    if (qstrcmp(c.personnel, "impossible") == 0)
        QFile::setPermissions(rep.Fichier("maison"), kLectureSeule);

    DossierDonnees d;
    {
        SansPassePartout utilisateur;
        d = DossierDonnees::Choisir(programme, personnel);
    }
    QFile::setPermissions(programme, kInscriptible);
    QFile::setPermissions(rep.Fichier("maison"), kInscriptible);

    EXPECT_EQ(d.Chemin(), c.dansPersonnel ? personnel : programme);
    EXPECT_EQ(d.Personnel(), c.dansPersonnel);
    EXPECT_EQ(d.Copies(), c.copies);
    const QString debut = QString::fromUtf8(c.debutAnnonce);
    EXPECT_EQ(d.Annonce().left(debut.size()), debut);
    if (*c.debutAnnonce) {
        EXPECT_TRUE(d.Annonce().contains(personnel)) << "the folder is named";
    }
    EXPECT_EQ(d.Echec(), qstrcmp(c.personnel, "impossible") == 0);
    if (!c.dansPersonnel && qstrcmp(c.personnel, "present") != 0) {
        EXPECT_FALSE(QFileInfo::exists(personnel)) << "made only when needed";
    }
    // Copied, never moved, and writable where they now are.
    for (const QString& nom : c.fichiers)
        EXPECT_EQ(rep.Lire("programme/" + nom), nom.toUtf8() + " d'origine");
    for (const QString& nom : c.copies) {
        EXPECT_EQ(rep.Lire("maison/Lettrova/" + nom), nom.toUtf8() + " d'origine");
        EXPECT_TRUE(QFileInfo(personnel + "/" + nom).permissions() & QFile::WriteOwner)
            << nom.toStdString();
    }
    if (qstrcmp(c.personnel, "present") == 0) {
        EXPECT_EQ(rep.Lire("maison/Lettrova/a.list"), "la mienne")
            << "a later start copies nothing";
    }
    EXPECT_TRUE(QDir(programme).entryList(QDir::Files | QDir::Hidden).size() == c.fichiers.size())
        << "the probe leaves nothing behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ChoixDossierDonnees,
    testing::Values(
        Cas{"ProgrammeInscriptible", true, {"Lettrova.ini", "a.list"}, "absent", false, {}, ""},
        Cas{"LectureSeuleVide", false, {}, "absent", true, {}, "Dossier du programme en lecture"},
        Cas{"LectureSeuleAvecFichiers",
            false,
            {"Lettrova.ini", "a.list", "B.LIST", "notes.txt", "x.list.bak"},
            "absent",
            true,
            {"B.LIST", "Lettrova.ini", "a.list"},
            "Dossier du programme en lecture"},
        Cas{"DossierPersonnelDejaLa", false, {"a.list"}, "present", true, {}, ""},
        Cas{"DossierPersonnelImpossible",
            false,
            {"a.list"},
            "impossible",
            false,
            {},
            "Impossible de créer le dossier de données"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(ChoixDossierDonnees, LaRaisonEstEnFrancais) {
    RepertoireTemporaire rep;
    QFile::setPermissions(rep.Chemin(), kLectureSeule);
    DossierDonnees d;
    {
        SansPassePartout utilisateur;
        d = DossierDonnees::Choisir(rep.Chemin(), rep.Fichier("sous/Lettrova"));
    }
    QFile::setPermissions(rep.Chemin(), kInscriptible);
    EXPECT_EQ(d.Annonce(),
              QString::fromUtf8("Impossible de créer le dossier de données \"%1\". Permission "
                                "refusée : rien ne pourra être enregistré.")
                  .arg(rep.Fichier("sous/Lettrova")));
}

} // namespace
