#include "app/EmpreintesTLS.h"

#include "app/FichierParametres.h"

namespace {
const QString kSection = QStringLiteral("EmpreintesTLS");

// Host names compare without case; a character that would end the key ("=") or open a
// section cannot reach the file.
QString Cle(const QString& hote, quint16 port) {
    QString cle = hote.trimmed().toLower();
    for (QChar& c : cle)
        if (!(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' || c == u':'))
            c = u'_';
    return cle + u':' + QString::number(port);
}
} // namespace

namespace EmpreintesTLS {

QString Lire(const QString& cheminParametres, const QString& hote, quint16 port) {
    return FichierParametres(cheminParametres).Lire(kSection, Cle(hote, port), QString());
}

void Ecrire(const QString& cheminParametres, const QString& hote, quint16 port,
            const QString& empreinte) {
    FichierParametres(cheminParametres).Ecrire(kSection, Cle(hote, port), empreinte);
}

} // namespace EmpreintesTLS
