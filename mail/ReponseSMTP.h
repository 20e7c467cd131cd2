#pragma once
// One server reply: its code, its text lines (without code, separator and enhanced status
// code) and the enhanced status code of the last line that carried one.
#include "mail/CodeEtendu.h"

#include <QStringList>

class CanalConnexion;

struct ReponseSMTP {
    QString Code;
    QStringList Texte;
    ::CodeEtendu CodeEtendu;

    int CodeNumerique() const { return Code.toInt(); }

    // Reads one reply, all its lines. Raises Erreur "Le code de réponse n'est pas valide : %s"
    // and the channel's errors.
    static ReponseSMTP Lire(CanalConnexion& canal);
    // The same from lines already read (the lines of one reply, in order).
    static ReponseSMTP Analyser(const QStringList& lignes);
};
