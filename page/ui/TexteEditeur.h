#pragma once
// Reading and rewriting the raw HTML editor. toPlainText() would turn no-break spaces into
// plain ones and so change the page that is sent or rewritten: read it raw instead.
#include <QString>

class QPlainTextEdit;

// The editor's text as held, lines ended by "\n".
QString TexteEditeur(const QPlainTextEdit& memo);
// Replaces the editor's whole text; the search highlights go with the old text.
void ReecrireEditeur(QPlainTextEdit& memo, const QString& texte);
