// A campaign cut short, then "Envoyer" again: the journal lets it resume without a second copy
// to anyone, whether it was stopped in the window or the program was killed.
#include "app/FichierReglages.h"
#include "sending/ui/Campagne.h"
#include "tests/support/HorlogeReglable.h"
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>

namespace {

class RepriseCampagne : public FenetreCampagne {
protected:
    void StopperApresDeuxPuisRenvoyer(bool reprendre);
};

const QStringList kAdresses{"a@exemple.fr", "b@exemple.fr", "c@exemple.fr", "d@exemple.fr"};
const QString kReprendre = QStringLiteral("Reprendre l'envoi interrompu ?");

// How many messages the server kept for each recipient.
QMap<QString, int> Livraisons(const ServeurSMTPReel& serveur) {
    QMap<QString, int> n;
    for (int i = 1; i <= serveur.NombreMessages(); ++i)
        for (const QJsonValue& a : serveur.Enveloppe(i)["rcpt_tos"].toArray())
            ++n[a.toString()];
    return n;
}

QMap<QString, int> ChacuneUneFois(const QStringList& adresses) {
    QMap<QString, int> n;
    for (const QString& a : adresses)
        n[a] = 1;
    return n;
}

QStringList Journaux(const RepertoireTemporaire& rep, const QString& dossier = ".") {
    return QDir(rep.Fichier(dossier)).entryList({"*.journal"}, QDir::Files, QDir::Name);
}

// Stopped once the server holds the second message (its reply held back): the program waits
// for that reply, so exactly a@ and b@ are delivered. Then the subject is changed and
// "Envoyer" pressed again.
void RepriseCampagne::StopperApresDeuxPuisRenvoyer(bool reprendre) {
    ServeurSMTPReel serveur({.retenue = 0.5});
    Preparer(serveur.Port(), kAdresses);
    // The stop's confirmation, then the resume question.
    boites.reponses = {true, reprendre};
    bool stoppe = false;
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (!stoppe && serveur.NombreMessages() == 2) {
            stoppe = true;
            QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
        }
    });
    guet.start(5);
    f->EditSujetMessage->setText("Lettre de décembre");
    Envoyer();
    guet.stop();
    ASSERT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    EXPECT_EQ(f->Envoi->text(), "Procedure d'envois interrompue.");
    EXPECT_EQ(Journaux(rep).size(), 1) << "unfinished, it stays beside the lists";
    ASSERT_EQ(Livraisons(serveur), ChacuneUneFois({"a@exemple.fr", "b@exemple.fr"}));
    // The subject was kept when the campaign started, not only when the window closes.
    EXPECT_EQ(FichierReglages(rep.Fichier("Lettrova.ini")).Lire().ValSujet, "Lettre de décembre");

    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    f->EditSujetMessage->setText("Autre sujet");
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->Envoi->text(), QString::fromUtf8("Procedure d'envois terminée."));
    EXPECT_TRUE(boites.Textes(DialoguesScriptes::Boite::Question).contains(kReprendre));
    const QMap<QString, int> livraisons = Livraisons(serveur);
    if (reprendre) {
        EXPECT_EQ(livraisons, ChacuneUneFois(kAdresses));
        EXPECT_EQ(f->LabNbEnvois->text(), "2 / 2");
        // The journal's subject is offered back, and the rest of the list gets it.
        EXPECT_EQ(f->EditSujetMessage->text(), "Lettre de décembre");
        for (int n = 3; n <= 4; ++n)
            EXPECT_EQ(serveur.Message(n)["subject"].toString(), "Lettre de décembre");
        EXPECT_EQ(Journaux(rep, "journaux").size(), 1);
    } else {
        EXPECT_EQ(livraisons, (QMap<QString, int>{{"a@exemple.fr", 2},
                                                  {"b@exemple.fr", 2},
                                                  {"c@exemple.fr", 1},
                                                  {"d@exemple.fr", 1}}));
        EXPECT_EQ(serveur.Message(6)["subject"].toString(), "Autre sujet");
        EXPECT_EQ(Journaux(rep, "journaux").size(), 2) << "the declined one, and the new one";
    }
    // Ended, each went to the folder of ended journals: none is left beside the lists.
    EXPECT_EQ(Journaux(rep), QStringList());
    // Whatever was answered, the next campaign of this page and list starts afresh.
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    const qsizetype questions = boites.Textes(DialoguesScriptes::Boite::Question).size();
    Envoyer();
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Question).size(), questions);
}

TEST_F(RepriseCampagne, StoppeeApresDeuxSurQuatreOuiNEnvoieQueLesDeuxAutres) {
    StopperApresDeuxPuisRenvoyer(true);
}

TEST_F(RepriseCampagne, StoppeeApresDeuxSurQuatreNonRenvoieATous) {
    StopperApresDeuxPuisRenvoyer(false);
}

// The real program killed with SIGKILL while the server holds the reply to a message, then
// started again: it offers the resume, names the message of unknown fate, and, told not to
// send that one again, delivers the rest: every address once, as the server counts.
TEST(RepriseApresArretBrutal, ToutesLesAdressesLivreesUneSeuleFois) {
    RepertoireTemporaire tmp, rep;
    ServeurSMTPReel serveur({.retenue = 0.5});
    const QStringList adresses = kAdresses + QStringList{"e@exemple.fr"};
    EcrireFichiersCampagne(rep, serveur.Port(), adresses);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", tmp.Chemin());

    QProcess premier;
    premier.setProcessEnvironment(env);
    premier.start(QStringLiteral(LETTROVA_CAMPAGNE_SCRIPTEE), {rep.Chemin()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return serveur.NombreMessages() >= 2; }, 30000));
    premier.kill();
    ASSERT_TRUE(premier.waitForFinished(10000));
    ASSERT_EQ(premier.exitStatus(), QProcess::CrashExit);
    const int avant = serveur.NombreMessages();
    ASSERT_LT(avant, 5);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(LETTROVA_CAMPAGNE_SCRIPTEE), {rep.Chemin(), "oui", "non"});
    ASSERT_TRUE(second.waitForFinished(60000));
    const QStringList sortie =
        QString::fromUtf8(second.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(sortie.isEmpty()) << second.readAllStandardError().constData();
    EXPECT_EQ(sortie.first(), kReprendre);
    EXPECT_EQ(sortie.last(), "Envois Terminé.");
    // The kill came while the server held a reply: that message's fate was unknown.
    EXPECT_EQ(sortie.size(), 3);
    if (sortie.size() == 3) {
        EXPECT_EQ(sortie[1], "1 adresse a peut-être reçu le message (connexion perdue après "
                             "l'envoi). La renvoyer ?");
    }
    EXPECT_EQ(Livraisons(serveur), ChacuneUneFois(adresses));
}

// A daily quota reached, then "Stopper" during the pause: nothing is in error, and a new
// "Envoyer" the same day resumes into the same pause; the next day the rest of the list goes,
// nothing twice.
TEST_F(RepriseCampagne, QuotaAtteintStoppeePuisRepriseLeLendemain) {
    ServeurSMTPReel serveur({.quota = 2});
    Preparer(serveur.Port(), kAdresses);
    HorlogeReglable horloge;
    f->campagne->DefinirHorloge(horloge);
    // The stop's confirmation, then the resume question.
    boites.reponses = {true, true};
    QString premiere, seconde;
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (!Statut().startsWith("Quota atteint"))
            return;
        if (premiere.isEmpty()) {
            premiere = Statut();
            QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
        } else if (seconde.isEmpty()) {
            seconde = Statut();
            serveur.RemettreQuota();
            horloge.Avancer(std::chrono::hours(22));
        }
    });
    guet.start(5);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    EXPECT_EQ(Erreurs(), QStringList());
    EXPECT_EQ(Livraisons(serveur), ChacuneUneFois({"a@exemple.fr", "b@exemple.fr"}));

    // Two hours later: the pause kept by the journal still ends at the same time.
    horloge.Avancer(std::chrono::hours(2));
    QTest::mouseClick(f->SpeedButFermerVisuEnvoisMail, Qt::LeftButton);
    Envoyer();
    guet.stop();
    EXPECT_TRUE(boites.Textes(DialoguesScriptes::Boite::Question).contains(kReprendre));
    EXPECT_EQ(seconde, premiere) << "the pause kept by the journal, not a new day from now";
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(Erreurs(), QStringList());
    EXPECT_EQ(Livraisons(serveur), ChacuneUneFois(kAdresses));
}

} // namespace
