#include "returns/RetraitListe.h"

#include "commun/DecodageTexte.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"
#include "returns/Desinscrits.h"
#include "returns/FichierTexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace RetraitListe {

QString CheminRetirees(const QString& cheminListe) {
    const QFileInfo info(cheminListe);
    return info.dir().filePath(info.completeBaseName() + QLatin1String(kExtension));
}

QStringList Retirer(const QString& cheminListe, const QStringList& adresses) {
    QFile f(cheminListe);
    if (!f.open(QIODevice::ReadOnly))
        throw Erreur(QStringLiteral("Impossible de lire %1. %2")
                         .arg(QDir::toNativeSeparators(cheminListe), f.errorString()));
    ListeAdresses liste;
    FichierListe::Lire(DecoderTexteFichier(f.readAll()), liste);
    f.close();
    QSet<QString> cles;
    for (const QString& a : adresses)
        cles.insert(Desinscrits::Cle(a));
    QStringList retirees;
    for (int i = 0; i < liste.Nombre();) {
        const QString texte = liste.Texte(i).toString();
        if (cles.contains(Desinscrits::Cle(texte))) {
            retirees << texte;
            liste.Supprimer(i);
        } else {
            ++i;
        }
    }
    if (retirees.isEmpty())
        return retirees;
    // Kept first: a failure after this leaves them in both files, never in neither.
    const QString cheminRetirees = CheminRetirees(cheminListe);
    FichierTexte::Ecrire(cheminRetirees, FichierTexte::Lire(cheminRetirees) + retirees);
    const QString echec = EcrireFichierAtomique(cheminListe, FichierListe::Ecrire(liste));
    if (!echec.isEmpty())
        throw Erreur(QStringLiteral("Impossible d'enregistrer %1. %2")
                         .arg(QDir::toNativeSeparators(cheminListe), echec));
    return retirees;
}

} // namespace RetraitListe
