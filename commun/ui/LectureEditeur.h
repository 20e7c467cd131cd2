#pragma once
// Reading the raw HTML editor. toPlainText() would turn no-break spaces into plain ones and so
// change the page that is sent: read it raw instead.
#include <QString>

class QPlainTextEdit;

// The editor's text as held, lines ended by "\n".
QString TexteEditeur(const QPlainTextEdit& memo);
