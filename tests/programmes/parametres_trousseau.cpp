// The SMTP password saved and read back as the "Paramètres" page does, in a process of its own:
// the session bus a process meets first is the one it keeps. Writes the outcome on its output.
//   parametres_trousseau enregistrer <settings file> <password>
//       ->  "trousseau", "fichier" or "refus"
//   parametres_trousseau lire <settings file>  ->  the password, then "lu" or "non lu"
//   parametres_trousseau entree <name>  ->  what the keyring keeps under that entry, then "lu"
//       or "non lu"
#include "app/FichierReglages.h"
#include "app/OperationTrousseau.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
// The keyring's answer, waited for in the event loop as the window does.
OperationTrousseau::Etat Attendre(OperationTrousseau& op) {
    if (op.EtatActuel() == OperationTrousseau::Etat::EnCours) {
        QObject::connect(&op, &OperationTrousseau::Terminee, &QCoreApplication::quit);
        QCoreApplication::exec();
    }
    return op.EtatActuel();
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    using Secret = FichierReglages::Secret;
    FichierReglages fichier(args[2]);
    QString sortie;
    if (args[1] == QStringLiteral("enregistrer") && args.size() == 4) {
        const QString entree = fichier.EntreeTrousseau(Secret::SMTP);
        const auto op = OperationTrousseau::Ecrire(entree, args[3]);
        switch (fichier.ApresEcritureTrousseau(Secret::SMTP, Attendre(*op), entree, args[3])) {
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
    } else if (args[1] == QStringLiteral("entree")) {
        const auto op = OperationTrousseau::Lire(args[2]);
        const bool lu = Attendre(*op) == OperationTrousseau::Etat::Reussie;
        sortie = op->MotDePasse() + (lu ? QStringLiteral("\nlu") : QStringLiteral("\nnon lu"));
    } else if (args[1] == QStringLiteral("lire")) {
        sortie = fichier.Lire().ValSMTPPassword;
        bool lu = true;
        if (fichier.AuTrousseau(Secret::SMTP)) {
            const auto op = OperationTrousseau::Lire(fichier.EntreeTrousseau(Secret::SMTP));
            lu = Attendre(*op) == OperationTrousseau::Etat::Reussie;
            if (lu)
                sortie = op->MotDePasse();
        }
        sortie += lu ? QStringLiteral("\nlu") : QStringLiteral("\nnon lu");
    } else {
        return 2;
    }
    std::fputs(sortie.toUtf8().constData(), stdout);
    return 0;
}
