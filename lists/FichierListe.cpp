#include "lists/FichierListe.h"

#include "commun/CodageFichier.h"
#include "commun/Erreur.h"
#include "lists/DecoupageLignes.h"
#include "lists/ListeAdresses.h"

#include <limits>

namespace FichierListe {

namespace {

void AjouterLigne(QStringView ligne, ListeAdresses& liste) {
    qsizetype niveauLigne = 0;
    while (niveauLigne < ligne.size() &&
           (ligne[niveauLigne] == u' ' || ligne[niveauLigne] == u'\t'))
        ++niveauLigne;
    const QStringView texte = ligne.sliced(niveauLigne);
    if (liste.EstVide()) {
        liste.Ajouter(texte, 0, 0);
        return;
    }
    // Same depth, one deeper, or any shallower depth are all placed by their depth alone;
    // the depth is kept in 16 bits, far beyond any real file.
    const int precedent = liste.Niveau(liste.Nombre() - 1);
    if (niveauLigne > precedent + 1 || niveauLigne > std::numeric_limits<std::uint16_t>::max())
        throw Erreur(QStringLiteral("Niveau incorrect (%1) pour l'élément \"%2\"")
                         .arg(niveauLigne)
                         .arg(texte));
    liste.Ajouter(texte, static_cast<int>(niveauLigne), 0);
}

} // namespace

void Lire(QStringView texte, ListeAdresses& liste) {
    liste.Vider();
    liste.Reserver(DecoupageLignes::Compter(texte), texte.size());
    DecoupageLignes lignes(texte);
    QStringView ligne;
    while (lignes.Suivante(ligne))
        AjouterLigne(ligne, liste);
}

QByteArray Ecrire(const ListeAdresses& liste) {
    CodageFichier octets;
    QString morceau;
    for (int i = 0, n = liste.Nombre(); i < n; ++i) {
        if (liste.Niveau(i) > 0)
            morceau.append(QString(liste.Niveau(i), u'\t'));
        morceau.append(liste.Texte(i));
        morceau.append(u"\r\n");
        if (morceau.size() >= 65536) {
            octets.Ajouter(morceau);
            morceau.clear();
        }
    }
    octets.Ajouter(morceau);
    return octets.Prendre();
}

} // namespace FichierListe
