#pragma once
// A fresh directory for one test, removed afterwards; stands for the program's directory.
#include "tests/support/ImpressionQt.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class RepertoireTemporaire {
public:
    RepertoireTemporaire();
    QString Chemin() const { return dir_.path(); }
    QString Fichier(const QString& nom) const { return dir_.filePath(nom); }
    void Ecrire(const QString& nom, const QByteArray& octets) const;
    QByteArray Lire(const QString& nom) const;

private:
    QTemporaryDir dir_;
};
