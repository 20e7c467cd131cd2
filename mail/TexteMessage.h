#pragma once
// Helpers shared by the parts of a message's text.
#include <QStringList>

namespace TexteMessage {
// The lines cut again at every CR LF, CR and LF they hold, so that no lone CR or LF can
// reach the wire inside a line.
QStringList LignesSimples(const QStringList& lignes);
} // namespace TexteMessage
