#include "commun/ui/ApparencePolices.h"

#include <QFontDatabase>
#include <QStringList>

void ChargerPolices() {
    static const bool chargees = [] {
        // fonts-wine installs its faces outside the fontconfig path.
        for (const char* fichier :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(fichier));
        return true;
    }();
    (void)chargees;
}
