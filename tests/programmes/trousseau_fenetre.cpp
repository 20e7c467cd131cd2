// The "Paramètres" page of the real window with the desktop's keyring, in a process of its own
// (the session bus a process meets first is the one it keeps), its window's thread watched by
// a 10 ms timer all along.
//   trousseau_fenetre <folder> enregistrer <password> [<mailbox password>]: fills the five SMTP
//       fields (and types the mailbox's password) and presses "Enregistrer";
//   trousseau_fenetre <folder> lire: only starts;
//   trousseau_fenetre <folder> vider-imap: once started, clears the mailbox's password and
//       presses "Enregistrer".
// Once the keyring has answered, prints one per line: the status lines seen in order (each
// once), "pendant: Enregistrer actif" or "pendant: Enregistrer inactif" (pressable while the
// keyring was waited for), "retard: <ms>" (the timer's greatest lateness while the keyring was
// waited for), then the password field, the page shown at the start and the mailbox's
// password field.
#include "app/ui/TForm1.h"
#include "app/ui/parametres/BlocIMAP.h"
#include "app/ui/parametres/PageParametres.h"
#include "tests/support/DialoguesScriptes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {
void Ecrire(const QString& ligne) {
    std::printf("%s\n", ligne.toUtf8().constData());
}
} // namespace

int main(int argc, char** argv) {
    // Ahead of the machine's other work (when allowed, as root): the lateness measured is the
    // window thread's own, not that of a busy machine.
    static_cast<void>(::setpriority(PRIO_PROCESS, 0, -10));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const bool enregistrer =
        args[2] == QStringLiteral("enregistrer") && (args.size() == 4 || args.size() == 5);
    const bool viderIMAP = args[2] == QStringLiteral("vider-imap");
    DialoguesScriptes dialogues;

    QStringList statuts;
    bool actifPendant = false;
    qint64 retard = 0;
    QElapsedTimer horloge;
    QTimer guet;
    guet.setTimerType(Qt::PreciseTimer);
    guet.setInterval(10);
    TForm1* fenetre = nullptr;
    // Only once the window is up and the event loop runs: the start's own work is not the wait.
    bool mesurer = false;
    qint64 dernier = 0;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        const qint64 maintenant = horloge.elapsed();
        const qint64 ecart = maintenant - dernier - 10;
        dernier = maintenant;
        if (fenetre == nullptr)
            return;
        if (mesurer && fenetre->pageParametres->AttendTrousseau())
            retard = std::max(retard, ecart);
        mesurer = true;
        const QString statut = fenetre->LabStatusInfos->text();
        if (!statut.isEmpty() && (statuts.isEmpty() || statuts.last() != statut))
            statuts << statut;
        if (fenetre->pageParametres->AttendTrousseau() && fenetre->SpeedButEnrServeur->isEnabled())
            actifPendant = true;
    });
    horloge.start();
    guet.start();

    TForm1 f(dialogues, args[1]);
    const QString pageDepart = f.PageControlPrinc->currentWidget()->objectName();
    f.show();
    fenetre = &f;
    QLineEdit* motDePasseIMAP = f.blocIMAP->Controles().EditIMAPPassword;
    const auto attendre = [&] {
        return QTest::qWaitFor([&] { return !f.pageParametres->AttendTrousseau(); }, 120000);
    };
    bool clique = !enregistrer;
    if (viderIMAP) {
        // The start's reading first: what is cleared is the password read.
        if (!attendre())
            return 3;
        f.PageControlPrinc->setCurrentWidget(f.TabSheetParamètres);
        motDePasseIMAP->selectAll();
        QTest::keyClick(motDePasseIMAP, Qt::Key_Delete);
        QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
    }
    if (enregistrer) {
        f.PageControlPrinc->setCurrentWidget(f.TabSheetParamètres);
        f.EditSMTPServeur->setText(QStringLiteral("smtp.exemple.fr"));
        f.EditSMTPUser->setText(QStringLiteral("jean"));
        f.EditMailEXP->setText(QStringLiteral("jean@exemple.fr"));
        f.EditSMTPPassword->setText(args[3]);
        if (args.size() == 5)
            QTest::keyClicks(motDePasseIMAP, args[4]);
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(f.SpeedButEnrServeur, Qt::LeftButton);
            clique = true;
            // Typed meanwhile: the page changes, "Enregistrer" still cannot be pressed.
            QTimer::singleShot(20, [&] { f.EditNomExpediteur->setText(QStringLiteral("Jean")); });
        });
    }
    // The window goes on; the watch ends with the keyring's answer.
    if (!QTest::qWaitFor([&] { return clique; }, 120000) || !attendre())
        return 3;
    QTest::qWait(50);
    guet.stop();
    for (const QString& s : statuts)
        Ecrire(s);
    Ecrire(actifPendant ? QStringLiteral("pendant: Enregistrer actif")
                        : QStringLiteral("pendant: Enregistrer inactif"));
    Ecrire(QStringLiteral("retard: %1").arg(retard));
    Ecrire(f.EditSMTPPassword->text());
    Ecrire(pageDepart);
    Ecrire(motDePasseIMAP->text());
    std::fflush(stdout);
    return 0;
}
