#include "mail/TableErreursSocket.h"

#include <cerrno>
#include <netdb.h>

namespace TableErreursSocket {

namespace {
struct Ligne {
    int numero;
    int codeErrno;
    const char* texte;
};

// errno codes first; a number reached from several codes keeps its first row's text.
constexpr Ligne lignes[] = {
    {10004, EINTR, "Appel système interrompu."},
    {10009, EBADF, "Nombre de fichiers incorrect."},
    {10013, EACCES, "Accès refusé."},
    {10013, EPERM, "Accès refusé."},
    {10014, EFAULT, "Erreur de tampon."},
    {10022, EINVAL, "Argument incorrect."},
    {10024, EMFILE, "Trop de fichiers ouverts."},
    {10024, ENFILE, "Trop de fichiers ouverts."},
    {10035, EWOULDBLOCK, "L'opération risquerait de bloquer."},
    {10036, EINPROGRESS, "Opération en cours."},
    {10037, EALREADY, "Opération déjà en cours."},
    {10038, ENOTSOCK, "Opération socket sur cible non-socket."},
    {10039, EDESTADDRREQ, "Adresse de destination requise."},
    {10040, EMSGSIZE, "Message trop long."},
    {10041, EPROTOTYPE, "Type de protocole inapproprié pour le socket."},
    {10042, ENOPROTOOPT, "Option de protocole incorrecte."},
    {10043, EPROTONOSUPPORT, "Protocole non supporté."},
    {10044, ESOCKTNOSUPPORT, "Type de socket non supporté."},
    {10045, EOPNOTSUPP, "Opération non supportée sur un socket."},
    {10046, EPFNOSUPPORT, "Famille de protocole non supportée."},
    {10047, EAFNOSUPPORT, "Famille d'adresse non supportée par la famille de protocole."},
    {10048, EADDRINUSE, "Adresse déjà utilisée."},
    {10049, EADDRNOTAVAIL, "Impossible d'affecter l'adresse requise."},
    {10050, ENETDOWN, "Le réseau est arrêté."},
    {10051, ENETUNREACH, "Le réseau est inaccessible."},
    {10052, ENETRESET, "Connexion interrompue ou réinitialisée par le réseau."},
    {10053, ECONNABORTED, "Le logiciel a provoqué l'interruption de la connexion."},
    {10054, ECONNRESET, "Connexion réinitialisée par l'homologue (peer)."},
    {10055, ENOBUFS, "Aucun espace tampon disponible."},
    {10056, EISCONN, "Socket déjà connecté."},
    {10057, ENOTCONN, "Le socket n'est pas connecté."},
    {10058, ESHUTDOWN, "Envoi ou réception impossible après la fermeture du socket."},
    // Linux reports a write after shutdown as EPIPE.
    {10058, EPIPE, "Envoi ou réception impossible après la fermeture du socket."},
    {10059, ETOOMANYREFS, "Références trop nombreuses, attribution impossible."},
    {10060, ETIMEDOUT, "Délai de connexion dépassé."},
    {10061, ECONNREFUSED, "Connexion refusée."},
    {10062, ELOOP, "Trop de niveaux de liens symboliques."},
    {10063, ENAMETOOLONG, "Nom de fichier trop long."},
    {10064, EHOSTDOWN, "Hôte arrêté."},
    {10065, EHOSTUNREACH, "Pas de route vers l'hôte."},
    {10066, ENOTEMPTY, "Répertoire non vide"},
    {11001, 0, "Hôte non trouvé."},
};
} // namespace

int NumeroSysteme(int codeErrno) {
    if (codeErrno == EAGAIN)
        return 10035;
    for (const Ligne& l : lignes)
        if (l.codeErrno == codeErrno && codeErrno != 0)
            return l.numero;
    return codeErrno;
}

int NumeroResolveur(int codeResolveur, int codeErrno) {
    switch (codeResolveur) {
    case EAI_MEMORY:
        return 8;
    case EAI_BADFLAGS:
        return 10022;
    case EAI_SOCKTYPE:
        return 10044;
    case EAI_FAMILY:
        return 10047;
    case EAI_SERVICE:
        return 10109;
    case EAI_NONAME:
        return 11001;
    case EAI_AGAIN:
        return 11002;
    case EAI_FAIL:
        return 11003;
    case EAI_NODATA:
    case EAI_ADDRFAMILY:
        return 11004;
    case EAI_SYSTEM:
        return NumeroSysteme(codeErrno);
    default:
        return 11003;
    }
}

QString Texte(int numero) {
    for (const Ligne& l : lignes)
        if (l.numero == numero)
            return QString::fromUtf8(l.texte);
    return {};
}

ErreurSocket Erreur(int numero) {
    return ErreurSocket(numero, Texte(numero));
}

ErreurSocket ErreurSysteme(int codeErrno) {
    return Erreur(NumeroSysteme(codeErrno));
}

} // namespace TableErreursSocket
