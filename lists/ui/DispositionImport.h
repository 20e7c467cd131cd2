#pragma once
// Places the page's controls as in the window's 96-dpi design and fills its struct of controls.
class QWidget;
struct ControlesListes;

void DisposerImport(QWidget* page, ControlesListes& f);
