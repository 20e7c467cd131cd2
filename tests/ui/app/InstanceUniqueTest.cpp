#include "tests/support/RepertoireTemporaire.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The real program, copied into a directory of its own; every copy shares one private
// temporary directory, where the instance lock lives.
class Programme {
public:
    Programme(const RepertoireTemporaire& rep, const QString& tmp) : rep_(rep) {
        QFile::copy(QStringLiteral(LETTROVA_EXECUTABLE), rep.Fichier("Lettrova"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", tmp);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        processus_.setProcessEnvironment(env);
        processus_.setWorkingDirectory(rep.Chemin());
        processus_.setProgram(rep.Fichier("Lettrova"));
    }
    ~Programme() {
        processus_.kill();
        processus_.waitForFinished();
    }
    void Lancer() { processus_.start(); }
    // The start-up sequence has run once the settings file holds the version.
    bool Demarre() {
        return QTest::qWaitFor([&] { return QFile::exists(rep_.Fichier("Lettrova.ini")); }, 20000);
    }
    QProcess& Processus() { return processus_; }

private:
    const RepertoireTemporaire& rep_;
    QProcess processus_;
};

TEST(InstanceUnique, LaSecondeSArreteSansRienToucherEtUnCrashNeBloquePas) {
    RepertoireTemporaire tmp, a, b;
    Programme premier(a, tmp.Chemin());
    premier.Lancer();
    ASSERT_TRUE(premier.Demarre());

    Programme second(b, tmp.Chemin());
    second.Lancer();
    ASSERT_TRUE(second.Processus().waitForFinished(20000));
    EXPECT_EQ(second.Processus().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.Processus().exitCode(), 0);
    EXPECT_FALSE(QFile::exists(b.Fichier("Lettrova.ini"))) << "no settings access";
    EXPECT_EQ(premier.Processus().state(), QProcess::Running) << "the first one is unaffected";

    premier.Processus().kill(); // SIGKILL: no clean-up at all
    ASSERT_TRUE(premier.Processus().waitForFinished(20000));
    Programme troisieme(b, tmp.Chemin());
    troisieme.Lancer();
    ASSERT_TRUE(troisieme.Demarre());
    EXPECT_EQ(troisieme.Processus().state(), QProcess::Running);
}

// The close box while the send question waits: the user can still answer, the program then
// ends by itself, and the next start opens its window.
TEST(InstanceUnique, FermeePendantLaQuestionLeProgrammeFinitEtRedemarre) {
    RepertoireTemporaire tmp, a, b;
    ServeurSMTPReel serveur({});
    EcrireFichiersCampagne(a, serveur.Port(), {"a@exemple.fr"});
    QProcess utilisateur;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", tmp.Chemin());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    utilisateur.setProcessEnvironment(env);
    utilisateur.start(QStringLiteral(LETTROVA_FERMETURE_SCRIPTEE), {a.Chemin()});
    ASSERT_TRUE(utilisateur.waitForFinished(30000)) << "still running without a window";
    EXPECT_EQ(utilisateur.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(utilisateur.exitCode(), 0);
    EXPECT_EQ(serveur.NombreMessages(), 0) << "answered \"Non\"";

    Programme suivant(b, tmp.Chemin());
    suivant.Lancer();
    ASSERT_TRUE(suivant.Demarre());
    EXPECT_EQ(suivant.Processus().state(), QProcess::Running);
}

} // namespace
