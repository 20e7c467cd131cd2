#pragma once
// The one reader and writer of the settings file ("Lettrova.ini"): it alone knows its section
// and key names. The file is opened anew for each group of reads or writes, and each write
// goes to disk at once (FichierParametres); the format is the one earlier versions wrote.
//
// Every write raises Erreur "Impossible d'écrire dans <chemin>. <reason>" when the file cannot
// be written; keys written before the failing one stay written.
#include "app/Reglages.h"

#include <QString>

class FichierReglages {
public:
    explicit FichierReglages(QString chemin);
    const QString& Chemin() const { return chemin_; }

    // Every key with its default. The password comes from the desktop's keyring when the file
    // names an entry there; `motDePasseNonLu` tells that the keyring did not give it (locked,
    // refused, gone): the file's own, usually empty, is returned instead.
    Reglages Lire(bool& motDePasseNonLu) const;

    enum class LieuMotDePasse { Trousseau, Fichier, FichierApresRefus };

    // "Enregistrer" of the "Paramètres" page: each value of `saisis` becomes active in
    // `actifs` just before its key is written, in the page's order, so that a failed write
    // leaves the earlier ones active and the later ones as they were. The password is written
    // only with `avecMotDePasse`: into the keyring when one answers, else disguised in the file.
    LieuMotDePasse EcrireServeur(Reglages& actifs, const Reglages& saisis, bool avecMotDePasse);

    QString LireMotDePasse(bool& nonLu) const;
    LieuMotDePasse EcrireMotDePasse(const QString& motDePasse);

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
