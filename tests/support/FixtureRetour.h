#pragma once
// A message of tests/donnees/retours (what comes back to the sender's mailbox), or nothing.
#include <QByteArray>
#include <QFile>

inline QByteArray FixtureRetour(const char* nom) {
    QFile f(qEnvironmentVariable("LETTROVA_DONNEES") + QStringLiteral("/retours/") +
            QString::fromLatin1(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
