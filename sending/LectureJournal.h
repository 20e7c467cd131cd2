#pragma once
// Reads the campaign journals that JournalCampagne writes, finds the one a new campaign may
// resume, and splits the list between what is left to send and what may have been received.
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>
#include <optional>

namespace LectureJournal {

struct Etat {
    QString chemin;
    QString sujet;
    QString page;
    QString liste;
    QDateTime debut;
    // Marked finished or given up: never offered for a resume.
    bool fini = false;
    // The bytes up to the end of the last whole line: a line torn by a power cut is not read.
    qint64 longueurValide = 0;
    // For each list item's text, how many of its messages the server accepted, and how many may
    // have reached it without a reply read (told so, or a try without an outcome after it).
    QHash<QString, int> acceptees;
    QHash<QString, int> incertaines;
    // The dates (milliseconds since 1970) of the messages accepted; none in a journal of
    // version 1, which has no dates.
    QList<qint64> envois;
    // The list item each accepted message's Message-ID (as the header wrote it) went to.
    QHash<QString, QString> identifiants;
    // The last pace learnt from the server (messages per minute; 0: none) and the end of the
    // last quota's pause (0: none).
    double allure = 0;
    qint64 pause = 0;
};

// Nothing when the file cannot be read or holds no whole header.
std::optional<Etat> Lire(const QString& chemin);

// The unfinished journals of `repertoire` ("*.journal") for this page checksum and this list,
// the latest start first.
QList<Etat> Reprises(const QString& repertoire, const QString& page, const QString& liste);

// The dates of the messages accepted since `depuis` by every journal of `repertoire`: the
// campaigns of one settings file share its hourly and daily quotas.
QList<qint64> EnvoisDepuis(const QString& repertoire, qint64 depuis);

struct Repartition {
    // In the list's order: the items not yet accepted, and among them those of unknown fate.
    QStringList restantes;
    QStringList incertaines;
    // The items not yet accepted, those of unknown fate left out.
    QStringList sures;
};
// Each item of `adresses` already accepted as often as it appears in the journal is left out;
// an item appearing twice and accepted once is sent once more.
Repartition Repartir(const Etat& etat, const QStringList& adresses);

} // namespace LectureJournal
