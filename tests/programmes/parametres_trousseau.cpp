// The SMTP password saved and read back as the "Paramètres" page does, in a process of its own:
// the session bus a process meets first is the one it keeps. Writes the outcome on its output.
//   parametres_trousseau enregistrer <settings file> <password>  ->  "trousseau", "fichier" or
//   "refus" parametres_trousseau lire <settings file>  ->  the password, then "lu" or "non lu"
#include "app/FichierReglages.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    FichierReglages fichier(args[2]);
    QString sortie;
    if (args[1] == QStringLiteral("enregistrer") && args.size() == 4) {
        switch (fichier.EcrireMotDePasse(args[3])) {
        case FichierReglages::LieuMotDePasse::Trousseau:
            sortie = QStringLiteral("trousseau");
            break;
        case FichierReglages::LieuMotDePasse::Fichier:
            sortie = QStringLiteral("fichier");
            break;
        case FichierReglages::LieuMotDePasse::FichierApresRefus:
            sortie = QStringLiteral("refus");
            break;
        }
    } else if (args[1] == QStringLiteral("lire")) {
        bool nonLu = false;
        sortie = fichier.LireMotDePasse(nonLu);
        sortie += nonLu ? QStringLiteral("\nnon lu") : QStringLiteral("\nlu");
    } else {
        return 2;
    }
    std::fputs(sortie.toUtf8().constData(), stdout);
    return 0;
}
