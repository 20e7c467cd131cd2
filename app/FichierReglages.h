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

    // The two passwords the file may keep: each disguised in it, or in the desktop's keyring
    // with only the name of its entry in the file.
    enum class Secret { SMTP, IMAP };

    // Every key with its default. A password in the keyring (AuTrousseau) is to be asked
    // there (OperationTrousseau, under EntreeTrousseau()); the file's own, usually empty, is
    // returned meanwhile.
    Reglages Lire() const;
    bool AuTrousseau(Secret secret) const;

    // "Enregistrer" of the "Paramètres" page: each value of `saisis` becomes active in
    // `actifs` just before its key is written, in the page's order, so that a failed write
    // leaves the earlier ones active and the later ones as they were. The password becomes
    // active in any case; it is written, disguised in the file, only with `motDePasseDansFichier`
    // (otherwise it goes to the keyring, and then NoterMotDePasseAuTrousseau or
    // EcrireMotDePasseDansFichier follows). The same for the mailbox's block, saved with the
    // rest of the page.
    void EcrireServeur(Reglages& actifs, const Reglages& saisis, bool motDePasseDansFichier);
    void EcrireIMAP(Reglages& actifs, const Reglages& saisis, bool motDePasseDansFichier);

    // The keyring entry the file names, or the one a first save there would make (one per
    // settings file and password: two copies of the program keep two passwords).
    QString EntreeTrousseau(Secret secret) const;
    // The password is in the keyring under `entree`: the file keeps only that name.
    void NoterMotDePasseAuTrousseau(Secret secret, const QString& entree);
    // The password disguised in the file, which no longer names a keyring entry.
    void EcrireMotDePasseDansFichier(Secret secret, const QString& motDePasse);

    enum class LieuMotDePasse { Trousseau, Fichier, FichierApresRefus };
    // Once the keyring has answered the write of `motDePasse` under `entree`: the file names
    // the entry, or keeps the password itself when the keyring is absent or refused.
    LieuMotDePasse ApresEcritureTrousseau(Secret secret, OperationTrousseau::Etat etat,
                                          const QString& entree, const QString& motDePasse);

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
