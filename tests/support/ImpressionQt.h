#pragma once
// Readable failure messages for Qt strings in GoogleTest assertions.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* sortie) {
    *sortie << '"' << texte.toStdString() << '"';
}

inline void PrintTo(const QByteArray& octets, std::ostream* sortie) {
    *sortie << '"' << octets.toStdString() << '"';
}

inline void PrintTo(const QStringList& liste, std::ostream* sortie) {
    *sortie << '{';
    for (const QString& t : liste)
        *sortie << " \"" << t.toStdString() << '"';
    *sortie << " }";
}
