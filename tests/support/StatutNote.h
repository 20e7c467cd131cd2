#pragma once
// A status line that records what a page writes on it, for a page built without the window.
#include "commun/ui/LigneStatut.h"

#include <QString>
#include <QStringList>

class StatutNote final : public LigneStatut {
public:
    void AfficheStatut(const QString& texte, Couleur) override { messages << texte; }
    void AfficheStatutFixe(const QString& texte, Couleur) override { messages << texte; }
    void EcritStatut(const QString& texte, Couleur) override { messages << texte; }
    void ViderStatut(bool) override { messages << QString(); }
    void RelancerRepos() override { ++relances; }
    Couleur CouleurActuelle() const override { return Couleur::Noir; }
    QStringList messages;
    int relances = 0;
};
