#pragma once
// The status line of the window: its label and the timer that brings the resting line back.
#include "commun/ui/LigneStatut.h"

#include <QColor>
#include <QString>

class QLabel;
class QTimer;

class StatutFenetre final : public LigneStatut {
public:
    StatutFenetre(QLabel& ligne, QTimer& repos) : ligne_(ligne), repos_(repos) {}

    void AfficheStatut(const QString& texte, Couleur couleur) override;
    void AfficheStatutFixe(const QString& texte, Couleur couleur) override;
    void EcritStatut(const QString& texte, Couleur couleur) override;
    void ViderStatut(bool relancerTimer) override;
    void RelancerRepos() override;
    Couleur CouleurActuelle() const override;
    // The timer's end: the resting line returns.
    void Reposer();

    static QColor Rgb(Couleur couleur);
    static QString LigneRepos();

private:
    QLabel& ligne_;
    QTimer& repos_;
};
