#include "app/VerrouInstance.h"

#include <QDir>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

VerrouInstance::~VerrouInstance() {
    if (fd_ >= 0)
        ::close(fd_);
}

QString VerrouInstance::Chemin() {
    return QDir::temp().filePath(QStringLiteral("Lettrova-%1.lock").arg(::getuid()));
}

bool VerrouInstance::Prendre() {
    fd_ = ::open(QFile::encodeName(Chemin()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file (no temporary directory) the program still runs.
    if (fd_ < 0)
        return true;
    return ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}
