#pragma once
// Replace-all of the raw HTML tools.
#include <QLocale>
#include <QString>

// Every occurrence of `cherche` in `texte`, compared by their upper-case forms under
// `locale`, replaced by `par` as given. Scanning goes left to right, occurrences do not
// overlap and the replacement is never scanned again. An empty `cherche` changes nothing.
QString RemplacerTout(QStringView texte, QStringView cherche, QStringView par,
                      const QLocale& locale);
