#include "commun/EcritureAtomique.h"

#include "commun/MessageSysteme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ToutEcrire(int fd, const QByteArray& octets) {
    const char* p = octets.constData();
    qsizetype reste = octets.size();
    while (reste > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(reste));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        reste -= n;
    }
    return true;
}

// Between the name of the file being replaced and mkostemp's six characters.
constexpr char kMarqueTemporaire[] = ".lettrova-tmp-";

} // namespace

QString EcrireFichierAtomique(const QString& chemin, const QByteArray& octets) {
    const QByteArray cible = QFile::encodeName(chemin);
    QByteArray modele = QFile::encodeName(QFileInfo(chemin).absolutePath()) + "/." +
                        QFile::encodeName(QFileInfo(chemin).fileName()) + kMarqueTemporaire +
                        "XXXXXX";
    const int fd = ::mkostemp(modele.data(), O_CLOEXEC);
    if (fd < 0)
        return MessageSysteme(errno);

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat ancien {};
    if (::stat(cible.constData(), &ancien) == 0) {
        ::fchmod(fd, ancien.st_mode & 07777);
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        ::fchmod(fd, 0666 & ~masque);
    }

    int erreur = 0;
    if (!ToutEcrire(fd, octets) || ::fsync(fd) != 0)
        erreur = errno;
    if (::close(fd) != 0 && erreur == 0)
        erreur = errno;
    if (erreur == 0 && ::rename(modele.constData(), cible.constData()) != 0)
        erreur = errno;
    if (erreur != 0) {
        ::unlink(modele.constData());
        return MessageSysteme(erreur);
    }
    return {};
}

int SupprimerTemporairesAbandonnes(const QString& repertoire, const QStringList& extensions) {
    // ".<name>.lettrova-tmp-XXXXXX": the pattern above, as mkostemp completes it. The marker
    // keeps a user's own hidden files (".clients.list.backup") out of reach.
    static const QRegularExpression forme(QStringLiteral("^\\.(.+)") +
                                          QRegularExpression::escape(kMarqueTemporaire) +
                                          QStringLiteral("[A-Za-z0-9]{6}$"));
    const QDir dossier(repertoire);
    int supprimes = 0;
    for (const QString& nom : dossier.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = forme.match(nom);
        if (!m.hasMatch())
            continue;
        const QString cible = m.captured(1);
        const bool notre = std::any_of(extensions.begin(), extensions.end(), [&](const QString& e) {
            return cible.endsWith(e, Qt::CaseInsensitive);
        });
        if (notre && QFile::remove(dossier.filePath(nom)))
            ++supprimes;
    }
    return supprimes;
}
