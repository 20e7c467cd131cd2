#include "sending/AdresseDesinscription.h"

namespace AdresseDesinscription {

namespace {
const QLatin1String mailto("mailto:");
const QLatin1String https("https://");

bool Web(const QString& adresse) {
    return adresse.startsWith(https, Qt::CaseInsensitive);
}
} // namespace

bool Valide(const QString& adresse) {
    if (adresse.isEmpty())
        return true;
    for (QChar c : adresse)
        if (c.unicode() <= 32 || c.unicode() >= 127 || c == u'<' || c == u'>' || c == u',')
            return false;
    if (adresse.startsWith(mailto, Qt::CaseInsensitive)) {
        const QString reste = adresse.mid(mailto.size()).section(u'?', 0, 0);
        const qsizetype arobase = reste.indexOf(u'@');
        return arobase > 0 && arobase + 1 < reste.size();
    }
    if (Web(adresse)) {
        const QString hote = adresse.mid(https.size()).section(u'/', 0, 0);
        return !hote.isEmpty() && !hote.startsWith(u'?') && !hote.startsWith(u'#');
    }
    return false;
}

QList<QPair<QString, QString>> Entetes(const QString& adresse) {
    QList<QPair<QString, QString>> entetes;
    if (adresse.isEmpty())
        return entetes;
    entetes.append({QStringLiteral("List-Unsubscribe"), u'<' + adresse + u'>'});
    if (Web(adresse))
        entetes.append({QStringLiteral("List-Unsubscribe-Post"),
                        QStringLiteral("List-Unsubscribe=One-Click")});
    return entetes;
}

} // namespace AdresseDesinscription
