#pragma once
// The small text files of the returns (the addresses never to write to again, the removed
// addresses, the mailboxes' reading state): one line each, read whatever their encoding
// (DecoderTexteFichier), written whole and atomically as CodageFichier says.
#include <QStringList>

namespace FichierTexte {
// The lines without their ends, blank lines left out; none when the file does not exist.
// Raises Erreur "Impossible de lire <chemin>. <reason>" when it exists but cannot be read.
QStringList Lire(const QString& chemin);
// Each line ended by CR LF. Raises Erreur "Impossible d'enregistrer <chemin>. <reason>".
void Ecrire(const QString& chemin, const QStringList& lignes);
} // namespace FichierTexte
