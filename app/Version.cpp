#include "app/Version.h"

QString LireVersionFichier() {
    return QStringLiteral(LETTROVA_VERSION);
}
