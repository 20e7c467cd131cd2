#pragma once
// Where the SMTP password is kept: in the desktop's keyring when one answers, the settings file
// then holding only the name of its entry; otherwise disguised in the settings file.
#include <QString>

class FichierParametres;

class MotDePasseSMTP {
public:
    // The password: from the keyring when the file names an entry there, else the disguised one
    // of the file. `nonLu` tells that the keyring named by the file did not give it (locked,
    // refused, gone): the password is then still there, and the file's, usually empty, is
    // returned.
    static QString Lire(const FichierParametres& fichier, bool& nonLu);

    enum class Lieu { Trousseau, Fichier, FichierApresRefus };

    // Stores the password in the keyring when one answers (its entry is named `entree` unless
    // the file already names one) and leaves the file's value empty; else disguised in the
    // file, as well when the keyring refused it (locked, refusing, not answering in time).
    static Lieu Enregistrer(FichierParametres& fichier, const QString& motDePasse,
                            const QString& entree);
};
