#pragma once
// Places the page's controls as in the window's 96-dpi design and fills its struct of controls.
class QWidget;
struct ImagesFenetre;
struct ControlesListes;

// The list page, its import panel included.
void DisposerAdresses(QWidget* page, const ImagesFenetre& images, ControlesListes& f);
