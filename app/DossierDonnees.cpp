#include "app/DossierDonnees.h"

#include "commun/EcritureAtomique.h"
#include "commun/MessageSysteme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kParametres = QStringLiteral("Lettrova.ini");

// Makes `chemin` and its missing parents; 0, or the errno of the first that failed.
int Creer(const QString& chemin) {
    const QString absolu = QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
    QString partiel;
    for (const QString& partie : absolu.split(u'/', Qt::SkipEmptyParts)) {
        partiel += u'/' + partie;
        if (::mkdir(QFile::encodeName(partiel).constData(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return QFileInfo(absolu).isDir() ? 0 : ENOTDIR;
}

bool AGarder(const QString& nom) {
    return nom == kParametres || nom.endsWith(QStringLiteral(".list"), Qt::CaseInsensitive);
}

} // namespace

bool DossierDonnees::Inscriptible(const QString& dossier) {
    QByteArray modele = QFile::encodeName(QDir(dossier).filePath(".lettrova-essai-XXXXXX"));
    const int fd = ::mkostemp(modele.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(modele.constData());
    return true;
}

DossierDonnees DossierDonnees::Choisir(const QString& programme, const QString& personnel) {
    DossierDonnees d;
    d.chemin_ = programme;
    if (Inscriptible(programme))
        return d;
    const bool premiere = !QFileInfo(personnel).isDir();
    if (const int code = Creer(personnel); code != 0) {
        d.echec_ = true;
        d.annonce_ = QStringLiteral("Impossible de créer le dossier de données \"%1\". %2 : "
                                    "rien ne pourra être enregistré.")
                         .arg(personnel, MessageSysteme(code));
        return d;
    }
    d.chemin_ = personnel;
    d.personnel_ = true;
    if (premiere) {
        d.CopierDepuis(programme);
        d.annonce_ = QStringLiteral("Dossier du programme en lecture seule : paramètres et listes "
                                    "enregistrés dans \"%1\".")
                         .arg(personnel);
    }
    return d;
}

void DossierDonnees::CopierDepuis(const QString& programme) {
    const QDir source(programme);
    for (const QString& nom : source.entryList(QDir::Files | QDir::Readable, QDir::Name)) {
        if (!AGarder(nom))
            continue;
        QFile f(source.filePath(nom));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        // Written anew rather than copied: a copy would keep the original's read-only mode.
        if (EcrireFichierAtomique(QDir(chemin_).filePath(nom), f.readAll()).isEmpty())
            copies_ << nom;
    }
}

DossierDonnees DossierDonnees::DuProgramme() {
    return Choisir(QCoreApplication::applicationDirPath(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QStringLiteral("/Lettrova"));
}
