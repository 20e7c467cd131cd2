#include "mail/TexteMessage.h"

#include <QRegularExpression>

namespace TexteMessage {
QStringList LignesSimples(const QStringList& lignes) {
    static const QRegularExpression finDeLigne(QStringLiteral("\r\n|\r|\n"));
    QStringList resultat;
    resultat.reserve(lignes.size());
    for (const QString& l : lignes) {
        if (l.contains(QLatin1Char('\r')) || l.contains(QLatin1Char('\n')))
            resultat += l.split(finDeLigne);
        else
            resultat += l;
    }
    return resultat;
}
} // namespace TexteMessage
