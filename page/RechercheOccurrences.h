#pragma once
// Every place where `mot` occurs in `texte`, case counting, overlapping occurrences included
// ("aa" in "aaaa" gives 0, 1, 2): each search starts one character after the previous match.
#include <QList>
#include <QString>

QList<qsizetype> PositionsOccurrences(QStringView texte, QStringView mot);
