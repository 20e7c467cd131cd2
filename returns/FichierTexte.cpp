#include "returns/FichierTexte.h"

#include "commun/CodageFichier.h"
#include "commun/DecodageTexte.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace FichierTexte {

QStringList Lire(const QString& chemin) {
    QFile f(chemin);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly))
        throw Erreur(QStringLiteral("Impossible de lire %1. %2")
                         .arg(QDir::toNativeSeparators(chemin), f.errorString()));
    static const QRegularExpression fins(QStringLiteral("\r\n|\r|\n"));
    QStringList lignes = DecoderTexteFichier(f.readAll()).split(fins);
    lignes.removeIf([](const QString& l) { return l.trimmed().isEmpty(); });
    return lignes;
}

void Ecrire(const QString& chemin, const QStringList& lignes) {
    CodageFichier codage;
    for (const QString& l : lignes) {
        codage.Ajouter(l);
        codage.Ajouter(u"\r\n");
    }
    const QString echec = EcrireFichierAtomique(chemin, codage.Prendre());
    if (!echec.isEmpty())
        throw Erreur(QStringLiteral("Impossible d'enregistrer %1. %2")
                         .arg(QDir::toNativeSeparators(chemin), echec));
}

} // namespace FichierTexte
