#pragma once
// Places the page's controls as in the window's 96-dpi design and fills its struct of controls.
class QString;
class QWidget;
struct ImagesFenetre;
struct ControlesEnvois;

void DisposerEnvois(QWidget* page, const ImagesFenetre& images, ControlesEnvois& f);

// The confirmation's panel as the question needs it: with `note`, a line under the question,
// the panel grown upwards to hold it; without, the panel of the design.
void DisposerQuestion(ControlesEnvois& f, const QString& note);
