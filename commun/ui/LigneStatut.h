#pragma once
// The status line at the foot of the window, as the pages use it: a message that goes back to
// the resting line 10 s later, one that stays, or a plain write.
#include "commun/ui/Couleur.h"

class QString;

class LigneStatut {
public:
    virtual void AfficheStatut(const QString& texte, Couleur couleur) = 0;
    virtual void AfficheStatutFixe(const QString& texte, Couleur couleur) = 0;
    virtual void EcritStatut(const QString& texte, Couleur couleur) = 0;
    virtual void ViderStatut(bool relancerTimer) = 0;
    // Starts again the 10 s after which the resting line returns.
    virtual void RelancerRepos() = 0;
    // The colour the line shows now, for a message that keeps it.
    virtual Couleur CouleurActuelle() const = 0;

protected:
    ~LigneStatut() = default;
};
