#include "mail/AdresseTransport.h"

#include "commun/DomaineAscii.h"

namespace {
bool EstControle(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127 || c.category() == QChar::Other_Control ||
           c.category() == QChar::Other_Format;
}

qsizetype Arobase(const QString& adresse) {
    return adresse.lastIndexOf(u'@');
}

QString Domaine(const QString& adresse) {
    const qsizetype a = Arobase(adresse);
    return a < 0 ? QString() : adresse.mid(a + 1);
}

QString TexteDomaineRefuse(const QString& adresse) {
    return QStringLiteral("Le domaine de l'adresse n'est pas un nom de domaine valide (IDNA) : %1")
        .arg(adresse);
}
} // namespace

namespace AdresseTransport {

bool BoiteAccentuee(const QString& adresse) {
    const qsizetype a = Arobase(adresse);
    return !EstAscii(QStringView(adresse).first(a < 0 ? adresse.size() : a));
}

QString Forme(const QString& adresse, bool utf8) {
    for (QChar c : adresse)
        if (EstControle(c))
            throw ErreurAdresse(
                QStringLiteral("L'adresse contient un caractère de contrôle : %1").arg(adresse));
    const QString domaine = Domaine(adresse);
    const QString ascii = DomaineAscii(domaine);
    if (ascii.isEmpty() && !domaine.isEmpty())
        throw ErreurAdresse(TexteDomaineRefuse(adresse));
    if (BoiteAccentuee(adresse) && !utf8)
        throw ErreurAdresse(
            QStringLiteral("Le serveur n'accepte pas les adresses accentuées (SMTPUTF8) : %1")
                .arg(adresse));
    if (utf8 || domaine == ascii)
        return adresse;
    return adresse.first(Arobase(adresse) + 1) + ascii;
}

} // namespace AdresseTransport
