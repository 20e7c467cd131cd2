#include "commun/DomaineAscii.h"

#include <idn2.h>

bool EstAscii(QStringView texte) {
    for (QChar c : texte)
        if (c.unicode() >= 128)
            return false;
    return true;
}

QString DomaineAscii(const QString& domaine) {
    if (domaine.isEmpty() || domaine.startsWith(u'['))
        return domaine;
    const bool ascii = EstAscii(domaine);
    if (ascii && !domaine.contains(QLatin1String("xn--"), Qt::CaseInsensitive))
        return domaine;
    char* ace = nullptr;
    const int code = idn2_to_ascii_8z(domaine.toUtf8().constData(), &ace, IDN2_NONTRANSITIONAL);
    const QString resultat = code == IDN2_OK ? QString::fromLatin1(ace) : QString();
    idn2_free(ace);
    if (resultat.isEmpty())
        return {};
    // An ASCII domain is only checked: it travels as the user wrote it.
    return ascii ? domaine : resultat;
}
