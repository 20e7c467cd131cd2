#include "commun/ui/StatutFenetre.h"

#include "commun/ui/Fabrique.h"

#include <QLabel>
#include <QTimer>

QColor StatutFenetre::Rgb(Couleur couleur) {
    switch (couleur) {
    case Couleur::Rouge:
        return QColor(255, 0, 0);
    case Couleur::Vert:
        return QColor(0, 128, 0);
    case Couleur::Orange:
        return QColor(255, 89, 0);
    case Couleur::Noir:
        break;
    }
    return QColor(0, 0, 0);
}

QString StatutFenetre::LigneRepos() {
    return QStringLiteral("Lettrova : vos lettres d'information, envoyées par vous. © Lettrova");
}

void StatutFenetre::EcritStatut(const QString& texte, Couleur couleur) {
    Fabrique::Couleurs(&ligne_, Rgb(couleur));
    ligne_.setText(texte);
}

void StatutFenetre::AfficheStatut(const QString& texte, Couleur couleur) {
    EcritStatut(texte, couleur);
    repos_.stop();
    repos_.start();
}

void StatutFenetre::AfficheStatutFixe(const QString& texte, Couleur couleur) {
    EcritStatut(texte, couleur);
    repos_.stop();
}

void StatutFenetre::ViderStatut(bool relancerTimer) {
    ligne_.clear();
    if (relancerTimer) {
        repos_.stop();
        repos_.start();
    }
}

void StatutFenetre::Reposer() {
    repos_.stop();
    EcritStatut(LigneRepos(), Couleur::Noir);
}

void StatutFenetre::RelancerRepos() {
    repos_.start();
}

Couleur StatutFenetre::CouleurActuelle() const {
    const QColor actuelle = ligne_.palette().color(QPalette::WindowText);
    for (Couleur c : {Couleur::Rouge, Couleur::Vert, Couleur::Orange})
        if (Rgb(c) == actuelle)
            return c;
    return Couleur::Noir;
}
