#include "lists/Corbeille.h"

#include <QFile>

bool EnvoiCorbeille(const QString& chemin) {
    return QFile::moveToTrash(chemin);
}
