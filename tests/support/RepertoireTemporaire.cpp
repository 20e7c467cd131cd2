#include "tests/support/RepertoireTemporaire.h"

#include <QFile>
#include <stdexcept>

RepertoireTemporaire::RepertoireTemporaire() {
    if (!dir_.isValid())
        throw std::runtime_error("temporary directory");
}

void RepertoireTemporaire::Ecrire(const QString& nom, const QByteArray& octets) const {
    QFile f(Fichier(nom));
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray RepertoireTemporaire::Lire(const QString& nom) const {
    QFile f(Fichier(nom));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read test file");
    return f.readAll();
}
