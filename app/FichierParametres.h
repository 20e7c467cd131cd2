#pragma once
// The settings file: sections of "key=value" lines in Windows-1252. Sections and keys match
// without regard to case; every write goes to disk at once, replacing the file as a whole
// (new file beside it, then renamed over it) so that a failure never leaves a torn file.
#include <QString>
#include <QStringList>

class FichierParametres {
public:
    // Reads the file once; a missing or unreadable file reads as empty, and an unreadable one
    // is never written (Ecrire raises instead).
    explicit FichierParametres(QString chemin);

    // The value without surrounding blanks and without one pair of enclosing quotes,
    // at most 2047 characters; `defaut` when the section or the key is missing.
    QString Lire(const QString& section, const QString& cle, const QString& defaut) const;

    // Replaces the key's value in place, or adds the key at the end of its section (the
    // section is created with this spelling when missing). Raises Erreur
    // "Impossible d'écrire dans <chemin>. <reason>" when the file cannot be written or could not
    // be read.
    void Ecrire(const QString& section, const QString& cle, const QString& valeur);

    const QString& Chemin() const { return chemin_; }

private:
    [[noreturn]] void Echec(const QString& raison) const;

    QString chemin_;
    QStringList lignes_;
    // Why a file that exists could not be read; empty when it was read or is missing.
    QString raisonIllisible_;
};
