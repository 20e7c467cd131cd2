#pragma once
// Where the last reading of each mailbox stopped (its UIDVALIDITY and the last UID read), kept
// in one small file beside the lists, written whole and atomically after each reading.
#include "returns/LectureBoite.h"

namespace EtatReleve {
inline constexpr char kNomFichier[] = "Retours.etat";

// Nothing read yet from that mailbox: zeros. Raises FichierTexte's Erreur.
LectureBoite::Etat Lire(const QString& repertoire, const ServeurIMAP& serveur);
void Ecrire(const QString& repertoire, const ServeurIMAP& serveur, const LectureBoite::Etat& etat);
} // namespace EtatReleve
