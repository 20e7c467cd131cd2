#include "returns/EtatReleve.h"

#include "returns/FichierTexte.h"

#include <QDir>

namespace EtatReleve {

namespace {
constexpr QChar tab = u'\t';

QString Chemin(const QString& repertoire) {
    return QDir(repertoire).filePath(QString::fromLatin1(kNomFichier));
}

// One mailbox: the server, its port, the user and the mailbox's name.
QString Cle(const ServeurIMAP& s) {
    return QStringList{s.hote.toCaseFolded(), QString::number(s.port), s.utilisateur, s.boite}.join(
        tab);
}
} // namespace

LectureBoite::Etat Lire(const QString& repertoire, const ServeurIMAP& serveur) {
    const QString cle = Cle(serveur) + tab;
    for (const QString& ligne : FichierTexte::Lire(Chemin(repertoire)))
        if (ligne.startsWith(cle)) {
            const QStringList valeurs = ligne.mid(cle.size()).split(tab);
            if (valeurs.size() == 2)
                return {valeurs[0].toLongLong(), valeurs[1].toLongLong()};
        }
    return {};
}

void Ecrire(const QString& repertoire, const ServeurIMAP& serveur, const LectureBoite::Etat& etat) {
    const QString cle = Cle(serveur) + tab;
    QStringList lignes = FichierTexte::Lire(Chemin(repertoire));
    lignes.removeIf([&](const QString& l) { return l.startsWith(cle); });
    lignes << cle + QString::number(etat.uidValidite) + tab + QString::number(etat.dernierUid);
    FichierTexte::Ecrire(Chemin(repertoire), lignes);
}

} // namespace EtatReleve
