// The password through a real Secret Service: gnome-keyring on a private session bus, and the
// program's save and start-up reading run as processes of their own on that bus.
#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QString kSection = QStringLiteral("Parametres");

// A session bus of the test's own, without service files, so that nothing starts on demand;
// on it, when asked, gnome-keyring's Secret Service keeping its keyrings in the test's
// directory.
class BusPrive {
public:
    explicit BusPrive(const RepertoireTemporaire& rep) : rep_(rep) {
        rep.Ecrire("bus.conf", QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
                                   .arg(rep.Chemin())
                                   .toUtf8());
        bus_.start(QStringLiteral("dbus-daemon"),
                   {"--nofork", "--print-address", "--config-file=" + rep.Fichier("bus.conf")});
        if (bus_.waitForStarted() && QTest::qWaitFor([&] { return bus_.canReadLine(); }, 20000))
            adresse_ = QString::fromUtf8(bus_.readLine()).trimmed();
    }
    ~BusPrive() {
        static_cast<void>(ArreterTrousseau());
        invite_.kill();
        invite_.waitForFinished();
        bus_.terminate();
        bus_.waitForFinished();
    }
    const QString& Adresse() const { return adresse_; }

    // The keyring, with its login keyring unlocked by `motDePasse` (created at the first
    // start), or left locked when `motDePasse` is empty. True once it is on the bus.
    // `invite` names the prompter that answers its questions (InviteSurLeBus), if any.
    bool DemarrerTrousseau(const QByteArray& motDePasse, const QString& invite = {}) {
        QDir(rep_.Chemin()).mkpath("execution");
        QFile::setPermissions(rep_.Fichier("execution"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", adresse_);
        env.insert("HOME", rep_.Chemin());
        env.insert("XDG_DATA_HOME", rep_.Fichier("donnees"));
        env.insert("XDG_RUNTIME_DIR", rep_.Fichier("execution"));
        if (!invite.isEmpty())
            env.insert("GNOME_KEYRING_TEST_PROMPTER", invite);
        trousseau_.setProcessEnvironment(env);
        QStringList arguments = {"--foreground", "--components=secrets"};
        if (!motDePasse.isEmpty())
            arguments << "--unlock";
        trousseau_.start(QStringLiteral("gnome-keyring-daemon"), arguments);
        if (!trousseau_.waitForStarted())
            return false;
        trousseau_.write(motDePasse);
        trousseau_.closeWriteChannel();
        return QTest::qWaitFor([&] { return SurLeBus(); }, 20000);
    }
    // GCR's scripted prompter on this bus, answering each question after `delaiMs` with the
    // `reponses` in order ("mdp:<password>" or "refus"); its bus name, empty on failure.
    QString InviteSurLeBus(int delaiMs, const QStringList& reponses) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", adresse_);
        invite_.setProcessEnvironment(env);
        invite_.start(QStringLiteral(LETTROVA_INVITE_TROUSSEAU),
                      QStringList{QString::number(delaiMs)} + reponses);
        if (!invite_.waitForStarted() ||
            !QTest::qWaitFor([&] { return invite_.canReadLine(); }, 20000))
            return {};
        return QString::fromUtf8(invite_.readLine()).trimmed();
    }
    // A keyring, or a whole bus, that hangs: stopped, it answers nothing until continued.
    void Suspendre(bool trousseau, bool oui) {
        const QProcess& p = trousseau ? trousseau_ : bus_;
        ::kill(static_cast<pid_t>(p.processId()), oui ? SIGSTOP : SIGCONT);
    }
    // True once it has left the bus.
    bool ArreterTrousseau() {
        trousseau_.terminate();
        trousseau_.waitForFinished();
        return QTest::qWaitFor([&] { return !SurLeBus(); }, 20000);
    }

private:
    bool SurLeBus() {
        QProcess question;
        question.start(
            QStringLiteral("dbus-send"),
            QStringList{"--bus=" + adresse_, "--print-reply", "--dest=org.freedesktop.DBus", "/",
                        "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.secrets"});
        question.waitForFinished();
        return question.readAllStandardOutput().contains("boolean true");
    }
    const RepertoireTemporaire& rep_;
    QString adresse_;
    QProcess bus_;
    QProcess trousseau_;
    QProcess invite_;
};

// The program's save ("enregistrer", the password) or start-up reading ("lire"), on the given
// session bus, by the settings alone or, with `fenetre`, through the window; its output's
// lines.
QStringList Lancer(const QString& bus, const QStringList& arguments, bool fenetre = false) {
    QProcess programme;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", bus);
    programme.setProcessEnvironment(env);
    programme.start(fenetre ? QStringLiteral(LETTROVA_TROUSSEAU_FENETRE)
                            : QStringLiteral(LETTROVA_PARAMETRES_TROUSSEAU),
                    arguments);
    if (!programme.waitForFinished(60000) || programme.exitCode() != 0)
        return {QStringLiteral("échec")};
    return QString::fromUtf8(programme.readAllStandardOutput()).split(u'\n');
}

// A settings file as the program writes it without a keyring: the password disguised.
QByteArray FichierDAujourdhui(const RepertoireTemporaire& rep, const QString& motDePasse) {
    FichierParametres fichier(rep.Fichier("attendu.ini"));
    fichier.Ecrire(kSection, "SMTPServeur", "mail.exemple.fr");
    fichier.Ecrire(kSection, "SMTPPassword", CodageMotDePasse(motDePasse, kCleMotDePasse));
    return rep.Lire("attendu.ini");
}

TEST(Trousseau, LeMotDePasseYPasseEtSeRelitApresRedemarrage) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
    const QString ini = rep.Fichier("Lettrova.ini");
    const QByteArray avant = FichierDAujourdhui(rep, "ancien");
    rep.Ecrire("Lettrova.ini", avant);

    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", ini}), QStringList({"ancien", "lu"}));
    // The first save moves the disguised password out of the file.
    EXPECT_EQ(Lancer(bus.Adresse(), {"enregistrer", ini, "ancien"}), QStringList{"trousseau"});
    EXPECT_FALSE(
        rep.Lire("Lettrova.ini").contains(CodageMotDePasse("ancien", kCleMotDePasse).toLatin1()));
    const QString motDePasse = QStringLiteral("clé à 5 € \"x\" ");
    EXPECT_EQ(Lancer(bus.Adresse(), {"enregistrer", ini, motDePasse}), QStringList{"trousseau"});
    {
        FichierParametres fichier(ini);
        EXPECT_EQ(fichier.Lire(kSection, "SMTPPassword", "absent"), "");
        EXPECT_EQ(fichier.Lire(kSection, "SMTPPasswordTrousseau", ""), ini);
        EXPECT_EQ(fichier.Lire(kSection, "SMTPServeur", ""), "mail.exemple.fr");
    }
    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", ini}), QStringList({motDePasse, "lu"}));

    // The keyring gone (a bare session): nothing to read, and the next save goes to the file.
    ASSERT_TRUE(bus.ArreterTrousseau());
    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", ini}), QStringList({"", "non lu"}));
    EXPECT_EQ(Lancer(bus.Adresse(), {"enregistrer", ini, "nouveau"}), QStringList{"fichier"});
    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", ini}), QStringList({"nouveau", "lu"}));
    EXPECT_EQ(FichierParametres(ini).Lire(kSection, "SMTPPasswordTrousseau", "absent"), "");
}

// Without a keyring, or with one that refuses, the file is today's, byte for byte.
struct SansTrousseau {
    const char* nom;
    bool bus;
    bool trousseauVerrouille;
    const char* lieu;
};

class TrousseauAbsent : public testing::TestWithParam<SansTrousseau> {};

TEST_P(TrousseauAbsent, LeFichierResteCeluiDAujourdhui) {
    const SansTrousseau& cas = GetParam();
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    if (cas.trousseauVerrouille) {
        // The login keyring created, then locked by a restart; no prompt can unlock it here.
        ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
        ASSERT_TRUE(bus.ArreterTrousseau());
        ASSERT_TRUE(bus.DemarrerTrousseau({}));
    }
    const QString adresse = cas.bus ? bus.Adresse() : "unix:path=" + rep.Fichier("aucun-bus");
    const QString ini = rep.Fichier("Lettrova.ini");
    FichierParametres(ini).Ecrire(kSection, "SMTPServeur", "mail.exemple.fr");

    EXPECT_EQ(Lancer(adresse, {"enregistrer", ini, "secret"}), QStringList{cas.lieu});
    EXPECT_EQ(rep.Lire("Lettrova.ini"), FichierDAujourdhui(rep, "secret"));
    EXPECT_EQ(Lancer(adresse, {"lire", ini}), QStringList({"secret", "lu"}));
}

INSTANTIATE_TEST_SUITE_P(Cas, TrousseauAbsent,
                         testing::Values(SansTrousseau{"SansBus", false, false, "fichier"},
                                         SansTrousseau{"BusSansTrousseau", true, false, "fichier"},
                                         SansTrousseau{"TrousseauVerrouille", true, true, "refus"}),
                         [](const auto& info) { return std::string(info.param.nom); });

const QString kAttente = QString::fromUtf8("En attente du trousseau du bureau…");

// The window's lines: status lines in order, then what happened while the keyring was waited for.
struct SortieFenetre {
    QStringList statuts;
    QString pendant;
    int retard = -1;
    QString motDePasse;
    QString pageDepart;
    QString motDePasseIMAP;
};

SortieFenetre LancerFenetre(const QString& bus, const QStringList& arguments) {
    const QStringList lignes = Lancer(bus, arguments, true);
    SortieFenetre s;
    const qsizetype i = lignes.indexOf(QRegularExpression("^pendant: .*"));
    if (i < 0 || i + 4 >= lignes.size())
        return s;
    s.statuts = lignes.mid(0, i);
    s.pendant = lignes[i];
    s.retard = lignes[i + 1].mid(QStringLiteral("retard: ").size()).toInt();
    s.motDePasse = lignes[i + 2];
    s.pageDepart = lignes[i + 3];
    s.motDePasseIMAP = lignes[i + 4];
    return s;
}

// True when `apres` is shown after `avant`.
bool Puis(const QStringList& statuts, const QString& avant, const QString& apres) {
    const qsizetype i = statuts.indexOf(avant);
    return i >= 0 && statuts.indexOf(apres, i + 1) > i;
}

const QString kRefus = QString::fromUtf8("Paramètres Enregistrés, mais le trousseau du bureau "
                                         "est verrouillé ou refuse : mot de passe gardé dans le "
                                         "fichier de paramètres.");

// The window waited for the keyring, "Enregistrer" kept disabled and its thread never held,
// then showed `fin`.
void AttenduSansBloquer(const SortieFenetre& s, const QString& fin) {
    EXPECT_TRUE(Puis(s.statuts, kAttente, fin)) << s.statuts.join(" | ").toStdString();
    EXPECT_EQ(s.pendant, "pendant: Enregistrer inactif");
    EXPECT_GE(s.retard, 0);
    EXPECT_LT(s.retard, 100);
}

// Where the settings file of `rep` keeps the password: the name of its keyring entry only, or
// the password itself, disguised.
void AuTrousseau(const RepertoireTemporaire& rep) {
    FichierParametres fichier(rep.Fichier("Lettrova.ini"));
    EXPECT_EQ(fichier.Lire(kSection, "SMTPPassword", "absent"), "");
    EXPECT_EQ(fichier.Lire(kSection, "SMTPPasswordTrousseau", ""), rep.Fichier("Lettrova.ini"));
}
void DansLeFichier(const RepertoireTemporaire& rep, const QString& motDePasse) {
    FichierParametres fichier(rep.Fichier("Lettrova.ini"));
    EXPECT_EQ(fichier.Lire(kSection, "SMTPPassword", ""),
              CodageMotDePasse(motDePasse, kCleMotDePasse));
    EXPECT_EQ(fichier.Lire(kSection, "SMTPPasswordTrousseau", "absent"), "absent");
}

// Through the window, with a keyring that answers: the save and, at the next start, the read
// are waited for while the window goes on.
TEST(TrousseauFenetre, EnregistreEtRelitSansBloquerLaFenetre) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
    const QString motDePasse = QStringLiteral("clé du facteur");
    AttenduSansBloquer(LancerFenetre(bus.Adresse(), {rep.Chemin(), "enregistrer", motDePasse}),
                       "Paramètres Enregistrés Avec Succes.");
    AuTrousseau(rep);
    EXPECT_EQ(FichierParametres(rep.Fichier("Lettrova.ini")).Lire(kSection, "SMTPServeur", ""),
              "smtp.exemple.fr");
    const SortieFenetre l = LancerFenetre(bus.Adresse(), {rep.Chemin(), "lire"});
    AttenduSansBloquer(l, "Mot de passe lu dans le trousseau du bureau.");
    EXPECT_EQ(l.motDePasse, motDePasse);
    EXPECT_EQ(l.pageDepart, "TabSheetPrincipale") << "the settings are complete";
}

// The mailbox's own password beside the SMTP one, each under its entry, both read at the next
// start; cleared (the SMTP one serves again), the mailbox's entry leaves the keyring.
TEST(TrousseauFenetre, MotDePasseDeLaBoiteSousSonEntree) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
    const QString ini = rep.Fichier("Lettrova.ini");
    const QString entree = ini + " (IMAP)";
    AttenduSansBloquer(
        LancerFenetre(bus.Adresse(), {rep.Chemin(), "enregistrer", "cle smtp", "cle imap 7"}),
        "Paramètres Enregistrés Avec Succes.");
    AuTrousseau(rep);
    {
        FichierParametres fichier(ini);
        EXPECT_EQ(fichier.Lire(kSection, "IMAPPassword", "absent"), "");
        EXPECT_EQ(fichier.Lire(kSection, "IMAPPasswordTrousseau", ""), entree);
    }
    EXPECT_EQ(Lancer(bus.Adresse(), {"entree", entree}), QStringList({"cle imap 7", "lu"}));

    const SortieFenetre l = LancerFenetre(bus.Adresse(), {rep.Chemin(), "lire"});
    AttenduSansBloquer(l, "Mot de passe lu dans le trousseau du bureau.");
    EXPECT_EQ(l.motDePasse, "cle smtp");
    EXPECT_EQ(l.motDePasseIMAP, "cle imap 7");

    const SortieFenetre v = LancerFenetre(bus.Adresse(), {rep.Chemin(), "vider-imap"});
    AttenduSansBloquer(v, "Paramètres Enregistrés Avec Succes.");
    EXPECT_EQ(v.motDePasseIMAP, "");
    EXPECT_EQ(FichierParametres(ini).Lire(kSection, "IMAPPasswordTrousseau", ""), "");
    EXPECT_EQ(Lancer(bus.Adresse(), {"entree", entree}), QStringList({"", "non lu"}));
    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", ini}), QStringList({"cle smtp", "lu"}));
}

// A keyring, or a whole session bus, that answers nothing: the window waits a short while
// without stopping, then keeps the password in the file as before.
struct Muet {
    const char* nom;
    bool trousseau;
    friend void PrintTo(const Muet& m, std::ostream* os) { *os << m.nom; }
};

class TrousseauMuet : public testing::TestWithParam<Muet> {};

TEST_P(TrousseauMuet, LaFenetreContinueEtLeFichierGardeLeMotDePasse) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
    bus.Suspendre(GetParam().trousseau, true);
    const SortieFenetre e = LancerFenetre(bus.Adresse(), {rep.Chemin(), "enregistrer", "secret"});
    bus.Suspendre(GetParam().trousseau, false);
    AttenduSansBloquer(e, kRefus);
    DansLeFichier(rep, "secret");
}

// The keyring asks the user (a keyring to create, one to unlock), who answers long after the
// short limit, or refuses: the window waits for the answer, as long as it takes, and goes on.
TEST(TrousseauQuestion, TrousseauACreerReponduTard) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    const QString invite = bus.InviteSurLeBus(8000, {"mdp:nouveau trousseau"});
    ASSERT_FALSE(invite.isEmpty());
    // No keyring yet: the first save makes gnome-keyring ask for a new one's password.
    ASSERT_TRUE(bus.DemarrerTrousseau({}, invite));
    AttenduSansBloquer(LancerFenetre(bus.Adresse(), {rep.Chemin(), "enregistrer", "secret"}),
                       "Paramètres Enregistrés Avec Succes.");
    AuTrousseau(rep);
    // What a campaign started afterwards reads.
    EXPECT_EQ(Lancer(bus.Adresse(), {"lire", rep.Fichier("Lettrova.ini")}),
              QStringList({"secret", "lu"}));
}

TEST(TrousseauQuestion, QuestionRefusee) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    const QString invite = bus.InviteSurLeBus(1000, {"refus"});
    ASSERT_FALSE(invite.isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau({}, invite));
    AttenduSansBloquer(LancerFenetre(bus.Adresse(), {rep.Chemin(), "enregistrer", "secret"}),
                       kRefus);
    DansLeFichier(rep, "secret");
}

TEST(TrousseauQuestion, TrousseauVerrouilleOuvertALaDemande) {
    RepertoireTemporaire rep;
    BusPrive bus(rep);
    ASSERT_FALSE(bus.Adresse().isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau("ouvre-toi"));
    ASSERT_EQ(Lancer(bus.Adresse(), {"enregistrer", rep.Fichier("Lettrova.ini"), "secret"}),
              QStringList{"trousseau"});
    // Restarted locked; unlocking it asks its password, typed after the short limit.
    ASSERT_TRUE(bus.ArreterTrousseau());
    const QString invite = bus.InviteSurLeBus(7000, {"mdp:ouvre-toi"});
    ASSERT_FALSE(invite.isEmpty());
    ASSERT_TRUE(bus.DemarrerTrousseau({}, invite));
    const SortieFenetre l = LancerFenetre(bus.Adresse(), {rep.Chemin(), "lire"});
    AttenduSansBloquer(l, "Mot de passe lu dans le trousseau du bureau.");
    EXPECT_EQ(l.motDePasse, "secret");
}

INSTANTIATE_TEST_SUITE_P(Cas, TrousseauMuet,
                         testing::Values(Muet{"TrousseauSuspendu", true},
                                         Muet{"BusSuspendu", false}),
                         [](const auto& info) { return std::string(info.param.nom); });

} // namespace
