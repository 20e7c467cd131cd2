#pragma once
// The journal a campaign writes as it goes, beside the lists (once ended or given up, it moves
// to the folder kDossierTermines there, so that only those a campaign may resume stay beside
// the lists): what was sent (subject, the page's checksum, the list, the start) then one line
// per try and per outcome. Each line goes
// to the system at once, so a killed program loses none; the lines reach the disk in small
// batches (every `lot` lines but not more than ten times a second, or a second after the last
// time, and at the end), so a power cut loses at most the last batch, whose torn last line the
// reader ignores. The batches go to the disk on a thread of their own; a failure is raised by
// the next write or the close.
//
// Every function that writes raises Erreur "Impossible d'écrire le journal d'envoi "<chemin>".
// <reason>" when the file cannot be written.
#include "sending/Horloge.h"
#include "sending/ResultatEnvoi.h"
#include "sending/SynchroniseurFichier.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <memory>

class JournalCampagne {
public:
    struct Entete {
        QString sujet;
        // Empreinte() of the page sent.
        QString page;
        // The list's file name, extension included.
        QString liste;
        QDateTime debut;
    };

    // Inside the folder of the lists.
    static constexpr char kDossierTermines[] = "journaux";

    explicit JournalCampagne(int lot = 10) : lot_(lot) {}
    ~JournalCampagne();
    JournalCampagne(const JournalCampagne&) = delete;
    JournalCampagne& operator=(const JournalCampagne&) = delete;

    // The SHA-256 of the page's lines as sent, in hexadecimal.
    static QString Empreinte(const QStringList& page);
    // "<list name without .list> <day.month.year hours.minutes.seconds>.journal" in
    // `repertoire`, with " (2)", " (3)"… when that name is taken.
    static QString NomLibre(const QString& repertoire, const QString& liste,
                            const QDateTime& instant);

    // A new journal, its header on disk before it returns.
    void Creer(const QString& repertoire, const Entete& entete);
    // Goes on with an unfinished journal: what follows its last whole line (a line torn by a
    // power cut) is cut, then a resume line is written.
    void Continuer(const QString& chemin, qint64 longueurValide, const QDateTime& instant);
    // Marks an unfinished journal as given up: it is kept, in kDossierTermines, and never
    // offered again.
    static void Abandonner(const QString& chemin, qint64 longueurValide);

    // A try of `adresse` starts: without an outcome after it, the message may have left.
    void Essai(const QString& adresse);
    // An outcome that is final: accepted, refused, out of tries, or of unknown fate.
    void Resultat(const ResultatEnvoi& resultat);
    // A temporary failure that will be tried again.
    void Temporaire(const ResultatEnvoi& resultat);
    // The pace learnt from the server, in messages per minute.
    void Allure(double allure);
    // A quota's pause until `jusqua` (Horloge::Date).
    void Pause(qint64 jusqua);
    // Every address was tried: the journal is the campaign's record, never offered again; it
    // goes to kDossierTermines.
    void Terminer();
    // The campaign ended before its end (stop, close, lost server): the journal stays open to
    // a resume.
    void Fermer();

    bool Ouvert() const { return fichier_.isOpen(); }
    // The clock of the records' dates; the system's unless a test gives its own.
    void DefinirHorloge(const Horloge& horloge) { horloge_ = &horloge; }
    QString Chemin() const { return fichier_.fileName(); }

private:
    static QString NomLibreDans(const QDir& dir, const QString& base);
    // Moves an ended journal to kDossierTermines.
    static void Ranger(const QString& chemin);
    void Ouvrir(const QString& chemin, QIODevice::OpenMode mode);
    void Ecrire(const QStringList& champs);
    void Synchroniser();
    // Every line written so far on the disk before it returns.
    void SynchroniserEtAttendre();
    // Raises the failure of a batch that did not reach the disk.
    void VerifierSynchronisation();
    // `code` is the errno of the failure.
    [[noreturn]] void Echec(int code) const;

    const int lot_;
    const Horloge* horloge_ = &Horloge::Systeme();
    // The records carry their date (version 2); not in a journal of version 1 resumed.
    bool date_ = true;
    QFile fichier_;
    int nonSynchronisees_ = 0;
    QElapsedTimer depuisSynchronisation_;
    std::unique_ptr<SynchroniseurFichier> synchroniseur_;
};
