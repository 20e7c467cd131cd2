#pragma once
// "Relever les retours" without the window: reads what came to the mailbox since the last
// reading, recognises each message, ties it to its campaign, and remembers where it stopped.
// Meant for a thread of its own: it touches nothing the window holds.
#include "returns/BilanRetours.h"
#include "returns/LectureBoite.h"

namespace ReleveRetours {

struct Releve {
    QString empreinteAEpingler;
    int lus = 0;
    bool interrompu = false;
};

// The address of the unsubscribe setting when it is a "mailto:", else empty.
QString AdresseMailto(const QString& desinscription);

// `repertoire`: the folder of the lists, where the journals and the reading state are. What
// is found is added to `bilan`, which is kept in its file (FichierBilan) before the reading
// position. Raises what LectureBoite::Lire raises, and FichierTexte's
// Erreur for the state file.
Releve Relever(const ServeurIMAP& serveur, const QString& repertoire, const QString& desinscription,
               BilanRetours& bilan, const LectureBoite::Progression& progression);

} // namespace ReleveRetours
