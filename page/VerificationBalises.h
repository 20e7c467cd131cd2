#pragma once
// The page must hold the closing tags of an HTML document. Only their presence counts (case
// included), not their order nor where they lie.
#include <QString>

// The first missing tag of "</html>", "</head>", "</body>", in that order; empty when all
// three are present.
QString BaliseManquante(QStringView texte);
