#include "returns/PropositionIMAP.h"

QString ProposerServeurIMAP(const QString& serveurSMTP) {
    const QString hote = serveurSMTP.trimmed();
    const qsizetype point = hote.indexOf(u'.');
    QString premier = point < 0 ? hote : hote.left(point);
    if (!premier.contains(QStringLiteral("smtp"), Qt::CaseInsensitive))
        return hote;
    const qsizetype i = premier.indexOf(QStringLiteral("smtp"), 0, Qt::CaseInsensitive);
    premier.replace(i, 4,
                    premier.at(i).isUpper() ? QStringLiteral("IMAP") : QStringLiteral("imap"));
    return point < 0 ? premier : premier + hote.mid(point);
}
