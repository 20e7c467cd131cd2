#include "app/MotDePasseSMTP.h"

#include "app/CodageMotDePasse.h"
#include "app/FichierParametres.h"
#include "app/TrousseauMotDePasse.h"

namespace {
const QString kSection = QStringLiteral("Parametres");
const QString kCleFichier = QStringLiteral("SMTPPassword");
// Present and not empty when the password is in the keyring: the name of its entry there.
const QString kCleEntree = QStringLiteral("SMTPPasswordTrousseau");
} // namespace

QString MotDePasseSMTP::Lire(const FichierParametres& fichier, bool& nonLu) {
    const QString dansLeFichier =
        CodageMotDePasse(fichier.Lire(kSection, kCleFichier, {}), kCleMotDePasse);
    const QString entree = fichier.Lire(kSection, kCleEntree, {});
    nonLu = false;
    if (entree.isEmpty())
        return dansLeFichier;
    QString motDePasse;
    if (TrousseauMotDePasse::Present() && TrousseauMotDePasse::Lire(entree, motDePasse))
        return motDePasse;
    nonLu = true;
    return dansLeFichier;
}

MotDePasseSMTP::Lieu MotDePasseSMTP::Enregistrer(FichierParametres& fichier,
                                                 const QString& motDePasse, const QString& entree) {
    const QString entreeActuelle = fichier.Lire(kSection, kCleEntree, {});
    Lieu lieu = Lieu::Fichier;
    if (TrousseauMotDePasse::Present()) {
        const QString nom = entreeActuelle.isEmpty() ? entree : entreeActuelle;
        if (TrousseauMotDePasse::Ecrire(nom, motDePasse)) {
            // The marker first: at no moment does the file lose the way to the password.
            fichier.Ecrire(kSection, kCleEntree, nom);
            fichier.Ecrire(kSection, kCleFichier, {});
            return Lieu::Trousseau;
        }
        lieu = Lieu::FichierApresRefus;
    }
    fichier.Ecrire(kSection, kCleFichier, CodageMotDePasse(motDePasse, kCleMotDePasse));
    if (!entreeActuelle.isEmpty())
        fichier.Ecrire(kSection, kCleEntree, {});
    return lieu;
}
