#pragma once
// The one reader and writer of the settings file ("Lettrova.ini"): it alone knows its section
// and key names. The file is opened anew for each group of reads or writes, and each write
// goes to disk at once (FichierParametres); the format is the one earlier versions wrote.
//
// Every write raises Erreur "Impossible d'écrire dans <chemin>. <reason>" when the file cannot
// be written; keys written before the failing one stay written.
#include "app/OperationTrousseau.h"
#include "app/Reglages.h"

#include <QString>

class FichierReglages {
public:
    explicit FichierReglages(QString chemin);
    const QString& Chemin() const { return chemin_; }

    // Every key with its default. When the file names an entry of the desktop's keyring,
    // `motDePasseAuTrousseau` is set: the password is to be asked there (OperationTrousseau,
    // under EntreeTrousseau()), and the file's own, usually empty, is returned meanwhile.
    Reglages Lire(bool& motDePasseAuTrousseau) const;

    // "Enregistrer" of the "Paramètres" page: each value of `saisis` becomes active in
    // `actifs` just before its key is written, in the page's order, so that a failed write
    // leaves the earlier ones active and the later ones as they were. The password becomes
    // active in any case; it is written, disguised in the file, only with `motDePasseDansFichier`
    // (otherwise it goes to the keyring, and then NoterMotDePasseAuTrousseau or
    // EcrireMotDePasseDansFichier follows).
    void EcrireServeur(Reglages& actifs, const Reglages& saisis, bool motDePasseDansFichier);

    // The keyring entry the file names, or the one a first save there would make (one per
    // settings file: two copies of the program keep two passwords).
    QString EntreeTrousseau() const;
    // The password is in the keyring under `entree`: the file keeps only that name.
    void NoterMotDePasseAuTrousseau(const QString& entree);
    // The password disguised in the file, which no longer names a keyring entry.
    void EcrireMotDePasseDansFichier(const QString& motDePasse);

    enum class LieuMotDePasse { Trousseau, Fichier, FichierApresRefus };
    // Once the keyring has answered the write of `motDePasse` under `entree`: the file names
    // the entry, or keeps the password itself when the keyring is absent or refused.
    LieuMotDePasse ApresEcritureTrousseau(OperationTrousseau::Etat etat, const QString& entree,
                                          const QString& motDePasse);

    // The mailbox's block of "Paramètres", saved with the rest of the page.
    void EcrireIMAP(Reglages& actifs, const Reglages& saisis);

    // The single keys other pages write.
    void EcrireVersion(const QString& version);
    void EcrireSujet(const QString& sujet);
    void EcrireDernierFichier(const QString& chemin);
    void EcrireListeFav(const QString& nom);

    // The certificate fingerprint pinned on first use for a server and port, or empty. An
    // empty fingerprint forgets the pin.
    QString Empreinte(const QString& hote, quint16 port) const;
    void EcrireEmpreinte(const QString& hote, quint16 port, const QString& empreinte);

private:
    QString chemin_;
};
