#include "lists/Corbeille.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

bool EnvoiCorbeille(const QString& chemin) {
    // Without the user's data directory, Qt cannot make the trash there and moves the file
    // into "files" under the current directory instead: make sure it exists.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return QFile::moveToTrash(chemin);
}
