#pragma once
// What the campaign, its test send and the send indicator are given by the window besides
// their controls: the handler runner, the status line, the dialogs, the active settings and
// their file, the program's directory, the closing flag, the timer of the send indicator and
// the page being edited (read only).
#include "app/FichierReglages.h"

#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class QPlainTextEdit;
class QTimer;
struct Reglages;

struct ServicesEnvoi {
    Gestionnaires& gestionnaires;
    LigneStatut& statut;
    Dialogues& dialogues;
    const Reglages& reglages;
    QString cheminParametres;
    QString repertoire;
    // Set when the window closes: a wait in progress gives up.
    const bool& fermeture;
    // The tick of the send indicator, stopped while a campaign or a test runs.
    QTimer& minuteurPret;
    const QPlainTextEdit& page;
    // The folder of the page last loaded: its relative addresses start there.
    const QString& dossierPage;

    FichierReglages Fichier() const { return FichierReglages(cheminParametres); }
};
