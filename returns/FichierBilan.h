#pragma once
// What the readings of the mailbox found and the user has not handled yet, kept beside the lists
// so that a reading's findings outlive the program: the reading position moves on, and the
// mailbox is never read twice for them. One line a record, fields separated by tabs.
#include "returns/BilanRetours.h"

namespace FichierBilan {
inline constexpr char kNomFichier[] = "Retours.bilan";

// An empty record when there is no file. Raises FichierTexte's Erreur.
BilanRetours Lire(const QString& repertoire);
// Written whole and atomically. Raises FichierTexte's Erreur.
void Ecrire(const QString& repertoire, const BilanRetours& bilan);
} // namespace FichierBilan
