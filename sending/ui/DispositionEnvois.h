#pragma once
// Places the page's controls as in the window's 96-dpi design and fills its struct of controls.
class QWidget;
struct ImagesFenetre;
struct ControlesEnvois;

void DisposerEnvois(QWidget* page, const ImagesFenetre& images, ControlesEnvois& f);
