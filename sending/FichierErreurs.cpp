#include "sending/FichierErreurs.h"

#include "commun/CodageFichier.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"

#include <QDir>
#include <QFileInfo>

namespace FichierErreurs {

QString Nom(const QString& repertoire, const QString& sujet, const QDateTime& instant) {
    QString dateHeure = instant.date().toString(QStringLiteral("dd.MM.yyyy"));
    if (instant.time() != QTime(0, 0))
        dateHeure += instant.time().toString(QStringLiteral(" HH.mm.ss"));
    return QDir(repertoire).filePath(sujet + dateHeure + QStringLiteral(".err"));
}

void Enregistrer(const QString& chemin, const QString& repertoire, const QString& rapport) {
    auto echec = [&](const QString& raison) {
        return Erreur(
            QStringLiteral("Impossible de créer le fichier \"%1\". %2").arg(chemin, raison));
    };
    // A "/" of the subject would put the file in another folder than the program's.
    if (QFileInfo(chemin).absolutePath() != QFileInfo(repertoire).absoluteFilePath())
        throw echec(QStringLiteral("Le sujet ne peut pas contenir le caractère « / » dans un nom "
                                   "de fichier."));
    const QString raison = EcrireFichierAtomique(chemin, CodageFichier::Coder(rapport));
    if (!raison.isEmpty())
        throw echec(raison);
}

} // namespace FichierErreurs
