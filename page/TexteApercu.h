#pragma once
// The bytes handed to the browser for the preview: the lines of the text (split at CR LF, CR
// or LF), each ended by CR LF, in UTF-8 without a byte-order mark. The browser is told
// "charset=UTF-8" with them, which overrides whatever the page's own meta tag declares, so
// the preview shows exactly the editor's characters.
#include <QByteArray>
#include <QString>

QByteArray OctetsApercu(QStringView texte);
