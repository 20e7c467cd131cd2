#pragma once
// What the campaign, its test send and the send indicator are given by the window besides
// their controls: a page's services, the timer of the send indicator and the page being edited
// (read only).
#include "commun/ui/ServicesPage.h"

class QPlainTextEdit;
class QTimer;

struct ServicesEnvoi : ServicesPage {
    // The tick of the send indicator, stopped while a campaign or a test runs.
    QTimer& minuteurPret;
    const QPlainTextEdit& page;
    // The folder of the page last loaded: its relative addresses start there.
    const QString& dossierPage;
};
