// A process killed (SIGKILL) at any moment of a save leaves the old file or the new one, whole.
// The saving process is a child of the test that saves the two versions in turn until it is
// killed after a random delay (fixed seed), spread over the time of two saves.
#include "app/FichierParametres.h"
#include "commun/EcritureAtomique.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"
#include "tests/support/RepertoireTemporaire.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kArrets = 60;

struct Bilan {
    int anciens = 0;  // kills that left the version saved before
    int nouveaux = 0; // kills that left the version being saved
    int restes = 0;   // temporary files left by a kill in the middle of a write
};

// `sauver(v)` writes version v (0 or 1) of the file at `chemin`; `versions` are the bytes of
// each on disk.
Bilan TuerPendantLesSauvegardes(const RepertoireTemporaire& rep, const QString& chemin,
                                const std::function<void(int)>& sauver,
                                const QByteArray (&versions)[2]) {
    QElapsedTimer chrono;
    chrono.start();
    sauver(1);
    sauver(0);
    const auto deuxSauvegardes = std::chrono::nanoseconds(chrono.nsecsElapsed());

    std::mt19937 hasard(20121208);
    std::uniform_int_distribution<long> delai(0, long(deuxSauvegardes.count()));
    Bilan bilan;
    for (int k = 0; k < kArrets; ++k) {
        int tube[2];
        if (::pipe(tube) != 0)
            ADD_FAILURE() << "pipe";
        const pid_t enfant = ::fork();
        if (enfant == 0) {
            ::close(tube[0]);
            try {
                for (int i = 1;; ++i) {
                    sauver(i % 2);
                    if (i == 1 && ::write(tube[1], "p", 1) != 1)
                        ::_exit(2);
                }
            } catch (...) {
                ::_exit(1);
            }
        }
        ::close(tube[1]);
        // The file holds the new version now: the kill falls in one of the next two saves.
        char pret = 0;
        const bool demarre = ::read(tube[0], &pret, 1) == 1;
        ::close(tube[0]);
        if (demarre)
            std::this_thread::sleep_for(std::chrono::nanoseconds(delai(hasard)));
        ::kill(enfant, SIGKILL);
        int etat = 0;
        ::waitpid(enfant, &etat, 0);
        EXPECT_TRUE(demarre && WIFSIGNALED(etat) && WTERMSIG(etat) == SIGKILL)
            << "the saving process failed on its own";

        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray lu = f.readAll();
        if (lu == versions[0])
            ++bilan.anciens;
        else if (lu == versions[1])
            ++bilan.nouveaux;
        else
            ADD_FAILURE() << "kill " << k << ": a torn file of " << lu.size() << " bytes";
        // What a kill leaves beside the file goes at the next start, and nothing else.
        bilan.restes += SupprimerTemporairesAbandonnes(
            rep.Chemin(), {QStringLiteral(".list"), QStringLiteral(".ini")});
        EXPECT_EQ(QDir(rep.Chemin()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QFileInfo(chemin).fileName()});
    }
    return bilan;
}

TEST(ArretBrutal, SauvegardeDUneListeDeCentMilleAdresses) {
    RepertoireTemporaire rep;
    const QString chemin = rep.Fichier("membres.list");
    ListeAdresses listes[2];
    for (int i = 0; i < 100000; ++i) {
        listes[0].Ajouter(QStringLiteral("membre%1@ancien-club.fr").arg(i), 0, 0);
        listes[1].Ajouter(QStringLiteral("adh%1@nouveau.exemple.org").arg(i), 0, 1);
    }
    const QByteArray versions[2] = {FichierListe::Ecrire(listes[0]),
                                    FichierListe::Ecrire(listes[1])};
    // The program's own save: the writer's bytes replacing the file as a whole.
    const auto sauver = [&](int v) {
        if (!EcrireFichierAtomique(chemin, versions[v]).isEmpty())
            throw std::runtime_error("save failed");
    };
    const Bilan b = TuerPendantLesSauvegardes(rep, chemin, sauver, versions);
    EXPECT_EQ(b.anciens + b.nouveaux, kArrets);
    EXPECT_GT(b.restes, 0) << "no kill fell in the middle of a write";
    std::printf("list: %d old, %d new, %d killed mid-write\n", b.anciens, b.nouveaux, b.restes);

    // The survivor reads back as a whole list.
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ListeAdresses relue;
    FichierListe::Lire(QString::fromLatin1(f.readAll()), relue);
    EXPECT_EQ(relue.Nombre(), 100000);
}

TEST(ArretBrutal, EcritureDUneCleDeParametres) {
    RepertoireTemporaire rep;
    const QString chemin = rep.Fichier("Lettrova.ini");
    rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\nSMTPPort=25\r\n"
                               "ValSujet=Lettre\r\nListeFav=membres.list\r\n");
    const QString sujets[2] = {QStringLiteral("Lettre de juin"),
                               QStringLiteral("Lettre de juillet, édition spéciale")};
    const auto sauver = [&](int v) {
        FichierParametres(chemin).Ecrire(QStringLiteral("Parametres"), QStringLiteral("ValSujet"),
                                         sujets[v]);
    };
    QByteArray versions[2];
    for (int v : {0, 1}) {
        sauver(v);
        versions[v] = rep.Lire("Lettrova.ini");
    }
    ASSERT_NE(versions[0], versions[1]);
    const Bilan b = TuerPendantLesSauvegardes(rep, chemin, sauver, versions);
    EXPECT_EQ(b.anciens + b.nouveaux, kArrets);
    std::printf("settings: %d old, %d new, %d killed mid-write\n", b.anciens, b.nouveaux, b.restes);
    EXPECT_EQ(FichierParametres(chemin).Lire("Parametres", "SMTPServeur", ""), "smtp.exemple.fr");
}

} // namespace
