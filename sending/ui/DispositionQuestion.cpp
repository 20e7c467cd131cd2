#include "sending/ui/DispositionQuestion.h"

#include "sending/ui/ControlesEnvois.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

void DisposerQuestion(ControlesEnvois& f, const QString& note) {
    const int ligne = note.isEmpty() ? 0 : 20;
    f.PanelConfirmeEnvois->setGeometry(200, 301 - ligne, 320, 79 + ligne);
    f.LabDesinscrits->setText(note);
    f.LabDesinscrits->setVisible(!note.isEmpty());
    f.SpeedButOui->move(60, 48 + ligne);
    f.SpeedButNon->move(170, 48 + ligne);
}
