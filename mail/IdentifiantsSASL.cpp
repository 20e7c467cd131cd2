#include "mail/IdentifiantsSASL.h"

#include <QByteArray>

namespace IdentifiantsSASL {

QString Login(const QString& texte) {
    return QString::fromLatin1(texte.toUtf8().toBase64());
}

QString Plain(const QString& utilisateur, const QString& motDePasse) {
    QByteArray octets;
    octets.append('\0').append(utilisateur.toUtf8()).append('\0').append(motDePasse.toUtf8());
    return QString::fromLatin1(octets.toBase64());
}

} // namespace IdentifiantsSASL
