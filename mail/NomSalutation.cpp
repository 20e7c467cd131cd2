#include "mail/NomSalutation.h"

#include <QStringList>

namespace {
bool EstLabel(QStringView label) {
    if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
        return false;
    for (QChar c : label)
        if (c.unicode() >= 128 || !(c.isLetterOrNumber() || c == u'-'))
            return false;
    return true;
}
} // namespace

bool EstNomDomaine(const QString& nom) {
    if (nom.size() > 253)
        return false;
    const QStringList labels = nom.split(u'.');
    if (labels.size() < 2)
        return false;
    for (const QString& l : labels)
        if (!EstLabel(l))
            return false;
    bool chiffres = true;
    for (QChar c : labels.last())
        chiffres = chiffres && c.isDigit();
    return !chiffres;
}

QString NomSalutation(const QString& nomVoulu, const QString& nomHote,
                      const QString& adresseLocale) {
    if (EstNomDomaine(nomVoulu))
        return nomVoulu;
    if (EstNomDomaine(nomHote))
        return nomHote;
    return QLatin1Char('[') + adresseLocale.section(u':', 0, 0) + QLatin1Char(']');
}
