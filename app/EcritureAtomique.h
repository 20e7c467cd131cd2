#pragma once
// Replaces a file as a whole: the new content goes to a fresh file in the same directory,
// reaches the disk, and is then renamed over the old one. Whatever happens, the path names
// either the old file or the new one, never a torn one.
#include <QByteArray>
#include <QString>

// Returns an empty text on success, else the system's message for the failure (the old file,
// if any, is untouched and no temporary file is left behind).
QString EcrireFichierAtomique(const QString& chemin, const QByteArray& octets);
