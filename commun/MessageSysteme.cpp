#include "commun/MessageSysteme.h"

#include <cerrno>

QString MessageSysteme(int numero) {
    switch (numero) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission refusée");
    case EROFS:
        return QStringLiteral("Support en lecture seule");
    case ENOSPC:
        return QStringLiteral("Plus de place sur le disque");
    case EDQUOT:
        return QStringLiteral("Quota de disque dépassé");
    case EFBIG:
        return QStringLiteral("Fichier trop grand");
    case ENOENT:
        return QStringLiteral("Fichier ou dossier introuvable");
    case ENOTDIR:
        return QStringLiteral("Un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("C'est un dossier");
    case EEXIST:
        return QStringLiteral("Le fichier existe déjà");
    case ENAMETOOLONG:
        return QStringLiteral("Nom trop long");
    case ELOOP:
        return QStringLiteral("Trop de liens symboliques");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Trop de fichiers ouverts");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Fichier occupé");
    case EIO:
        return QStringLiteral("Erreur d'entrée-sortie du disque");
    case ENOMEM:
        return QStringLiteral("Mémoire insuffisante");
    case EINVAL:
        return QStringLiteral("Argument invalide");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("Périphérique absent");
    case EXDEV:
        return QStringLiteral("Déplacement impossible entre deux disques");
    default:
        return QStringLiteral("Erreur système n° %1").arg(numero);
    }
}
