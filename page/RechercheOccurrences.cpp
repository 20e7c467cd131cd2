#include "page/RechercheOccurrences.h"

QList<qsizetype> PositionsOccurrences(QStringView texte, QStringView mot) {
    QList<qsizetype> positions;
    if (mot.isEmpty())
        return positions;
    for (qsizetype p = texte.indexOf(mot); p >= 0; p = texte.indexOf(mot, p + 1))
        positions.append(p);
    return positions;
}
