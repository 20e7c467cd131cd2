// Prints what the campaign journal costs per address (one try line and one outcome line) for
// several batch sizes (each batch reaches the disk, at most ten times a second): 10 is the
// program's choice.
//   bench_journal [directory on the disk to measure, default: the current one] [addresses]
#include "sending/JournalCampagne.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const int nombre = argc > 2 ? std::atoi(argv[2]) : 2000;
    QTemporaryDir dir(parent + QStringLiteral("/banc_journal-XXXXXX"));
    if (!dir.isValid())
        return 1;
    for (const int lot : {1, 10, 100}) {
        JournalCampagne journal(lot);
        journal.Creer(dir.path(),
                      {QStringLiteral("Sujet"), JournalCampagne::Empreinte({}),
                       QStringLiteral("banc%1.list").arg(lot), QDateTime::currentDateTime()});
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < nombre; ++i) {
            const QString adresse = QStringLiteral("abonne%1@exemple.fr").arg(i);
            journal.Essai(adresse);
            journal.Resultat({.adresse = adresse, .accepte = true, .code = 250});
        }
        journal.Terminer();
        std::printf("lot %3d: %8.1f µs par adresse (%d adresses)\n", lot,
                    double(t.nsecsElapsed()) / 1000.0 / nombre, nombre);
    }
    return 0;
}
