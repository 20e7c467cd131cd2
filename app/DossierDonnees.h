#pragma once
// Where the settings, the lists, the ".err" files and the journals live. Beside the executable
// when its folder can be written (a copy on a USB key keeps its data with it); otherwise, as
// for a program installed for the whole system, in the user's own data folder, made at the
// first start, where the settings and lists found beside the executable are copied (never
// moved: they may be read by other users).
#include <QString>
#include <QStringList>

class DossierDonnees {
public:
    // `programme` is the executable's folder, `personnel` the user's data folder for the
    // program (QStandardPaths::AppDataLocation).
    static DossierDonnees Choisir(const QString& programme, const QString& personnel);
    // The same for the running program: its own folder and ~/.local/share/Lettrova.
    static DossierDonnees DuProgramme();

    // True when a file can be made in `dossier` by this process (tried, not guessed).
    static bool Inscriptible(const QString& dossier);

    // The folder in use.
    const QString& Chemin() const { return chemin_; }
    bool Personnel() const { return personnel_; }
    // The names of the files copied from beside the executable at this start.
    const QStringList& Copies() const { return copies_; }
    // What the user is told once, or nothing: the data folder just made, or a folder that
    // could not be made (the program then runs from its own folder, where nothing saves).
    const QString& Annonce() const { return annonce_; }
    bool Echec() const { return echec_; }

private:
    void CopierDepuis(const QString& programme);

    QString chemin_;
    bool personnel_ = false;
    QStringList copies_;
    QString annonce_;
    bool echec_ = false;
};
