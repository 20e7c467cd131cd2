// The program copied into a folder its user cannot write, as a system-wide install is, and
// started by an ordinary user (the tests run as root: the child drops to "nobody"): the window
// opens whole, the list beside the executable is offered, and a new list is saved in the
// user's data folder. The folder beside the executable is left as it was.
#include "tests/support/ProcessusEnfant.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr QFile::Permissions kLecture =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions kDossier =
    kLecture | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

TEST(Installation, UtilisateurOrdinaireDansUnDossierEnLectureSeule) {
    const passwd* personne = ::getpwnam("nobody");
    if (::geteuid() != 0 || personne == nullptr)
        GTEST_SKIP() << "needs root, to run the program as nobody";
    RepertoireTemporaire rep;
    QFile::setPermissions(rep.Chemin(), kDossier);
    QDir(rep.Chemin()).mkpath("programme");
    QDir(rep.Chemin()).mkpath("maison");
    const QString executable = rep.Fichier("programme/Lettrova");
    ASSERT_TRUE(QFile::copy(LETTROVA_DEMARRAGE_INSTALLE, executable));
    const QByteArray liste = "b@exemple.fr\r\na@exemple.fr\r\n";
    const QByteArray parametres =
        "[parametres]\r\nVersionAppli=1.0.4.42\r\nListeFav=clients.list\r\n";
    rep.Ecrire("programme/clients.list", liste);
    rep.Ecrire("programme/Lettrova.ini", parametres);
    for (const char* nom : {"programme/clients.list", "programme/Lettrova.ini"})
        QFile::setPermissions(rep.Fichier(nom), kLecture);
    QFile::setPermissions(rep.Fichier("programme"), kDossier);
    ASSERT_EQ(::chown(QFile::encodeName(rep.Fichier("maison")).constData(), personne->pw_uid,
                      personne->pw_gid),
              0);

    ProcessusEnfant programme("setpriv",
                              {"--reuid=" + QString::number(personne->pw_uid),
                               "--regid=" + QString::number(personne->pw_gid), "--clear-groups",
                               "env", "-u", "XDG_DATA_HOME", "-u", "XDG_RUNTIME_DIR",
                               "HOME=" + rep.Fichier("maison"), executable});
    ASSERT_EQ(programme.Attendre(60000), 0) << programme.Erreurs().toStdString();
    const QStringList lignes = QString::fromUtf8(programme.Sortie()).split(u'\n');
    const QString donnees = rep.Fichier("maison/.local/share/Lettrova");
    ASSERT_GE(lignes.size(), 8) << programme.Sortie().toStdString();
    EXPECT_EQ(lignes[0], donnees);
    EXPECT_EQ(lignes[1], "v.1.0.4.42");
    EXPECT_EQ(lignes[2], "6") << "the change log";
    EXPECT_EQ(lignes[3], "clients.list");
    EXPECT_EQ(lignes[4], "2") << "the favourite list, copied with the settings, is loaded";
    EXPECT_GT(lignes[5].toInt(), 100) << "the help";
    EXPECT_EQ(lignes[6], QString::fromUtf8("Dossier du programme en lecture seule : paramètres "
                                           "et listes enregistrés dans \"%1\".")
                             .arg(donnees));
    EXPECT_EQ(lignes[7], QString::fromUtf8("créée"));
    EXPECT_EQ(lignes.mid(8).join(u'\n').trimmed(), "") << "no error box";

    EXPECT_EQ(QDir(donnees).entryList(QDir::Files, QDir::Name),
              QStringList({"Lettrova.ini", "clients.list", "nouvelle.list"}));
    EXPECT_EQ(QDir(rep.Fichier("programme")).entryList(QDir::Files, QDir::Name),
              QStringList({"Lettrova", "Lettrova.ini", "clients.list"}));
    EXPECT_EQ(rep.Lire("programme/clients.list"), liste);
    EXPECT_EQ(rep.Lire("programme/Lettrova.ini"), parametres);
}

} // namespace
