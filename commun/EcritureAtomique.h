#pragma once
// Replaces a file as a whole: the new content goes to a fresh file in the same directory,
// reaches the disk, and is then renamed over the old one. Whatever happens, the path names
// either the old file or the new one, never a torn one.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Returns an empty text on success, else the system's message for the failure (the old file,
// if any, is untouched and no temporary file is left behind).
QString EcrireFichierAtomique(const QString& chemin, const QByteArray& octets);

// Removes what saves cut short by the end of the process (a kill, a power cut) left in
// `repertoire`: the hidden temporary files of EcrireFichierAtomique made for files whose names
// end with one of `extensions` (in any case). Safe only while no other process saves there.
// Returns how many were removed.
int SupprimerTemporairesAbandonnes(const QString& repertoire, const QStringList& extensions);
