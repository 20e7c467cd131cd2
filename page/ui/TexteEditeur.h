#pragma once
// Reading and rewriting the raw HTML editor.
#include "commun/ui/LectureEditeur.h"

class QPlainTextEdit;

// Replaces the editor's whole text; the search highlights go with the old text.
void ReecrireEditeur(QPlainTextEdit& memo, const QString& texte);
