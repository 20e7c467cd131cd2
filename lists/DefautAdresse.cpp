#include "lists/DefautAdresse.h"

#include "commun/DomaineAscii.h"

QString DefautAdresse(const QString& adresse) {
    for (QChar c : adresse) {
        if (c.unicode() < 32 || c.unicode() == 127 || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            return QStringLiteral("l'adresse contient un caractère de contrôle");
        if (c.isSpace())
            return QStringLiteral("l'adresse contient un espace");
    }
    const qsizetype arobase = adresse.lastIndexOf(u'@');
    if (arobase >= 0 && arobase + 1 < adresse.size() &&
        DomaineAscii(adresse.mid(arobase + 1)).isEmpty())
        return QStringLiteral("le domaine n'est pas un nom de domaine valide (IDNA)");
    return {};
}
