// The program as main() starts it, with a scripted user who presses "Envoyer" and answers
// "Oui" to "Envoyez Le Mail ?". The message boxes' questions take the answers given after the
// directory ("oui" or "non", in order; "Oui" when none is left). Once the campaign has ended,
// it prints each question asked, one per line, then the status line, and ends.
// Arguments: the program's directory, ready to send, then the answers.
#include "app/VerrouInstance.h"
#include "app/ui/TForm1.h"
#include "tests/support/DialoguesScriptes.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    DialoguesScriptes dialogues;
    for (int i = 2; i < argc; ++i)
        dialogues.reponses << (qstrcmp(argv[i], "oui") == 0);
    VerrouInstance verrou;
    if (!verrou.Prendre() || argc < 2)
        return 2;
    QApplication app(argc, argv);
    TForm1 fenetre(dialogues, QString::fromLocal8Bit(argv[1]));
    fenetre.show();

    bool envoye = false;
    QTimer utilisateur;
    QObject::connect(&utilisateur, &QTimer::timeout, [&] {
        if (!envoye && fenetre.SpeedButEnvoyer->isEnabled()) {
            envoye = true;
            // From a timer of its own: this one must keep ticking during the send handler.
            QTimer::singleShot(0, [&] {
                QTest::mouseClick(fenetre.SpeedButEnvoyer, Qt::LeftButton);
                for (const QString& q : dialogues.Textes(DialoguesScriptes::Boite::Question))
                    std::printf("%s\n", q.toUtf8().constData());
                std::printf("%s\n", fenetre.LabStatusInfos->text().toUtf8().constData());
                std::fflush(stdout);
                app.quit();
            });
        } else if (envoye && fenetre.PanelConfirmeEnvois->isVisible()) {
            QTest::mouseClick(fenetre.SpeedButOui, Qt::LeftButton);
        }
    });
    utilisateur.start(20);
    return app.exec();
}
