#include "sending/LectureJournal.h"

#include "sending/FormatJournal.h"
#include "sending/JournalCampagne.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace LectureJournal {

namespace {
// Reads one "key<TAB>value" header line; false when it is not that key.
bool Entete(const QByteArray& ligne, const char* cle, QString& valeur) {
    const QStringList champs = FormatJournal::Champs(ligne);
    if (champs.size() != 2 || champs[0] != QLatin1String(cle))
        return false;
    valeur = champs[1];
    return true;
}
} // namespace

std::optional<Etat> Lire(const QString& chemin) {
    using namespace FormatJournal;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray octets = f.readAll();
    Etat e;
    e.chemin = chemin;
    e.longueurValide = octets.lastIndexOf('\n') + 1;
    const QList<QByteArray> lignes = octets.left(e.longueurValide).split('\n');
    // split() leaves an empty piece after the last LF.
    if (lignes.size() < 6 || (lignes[0] != kPremiereLigne && lignes[0] != kPremiereLigneV1))
        return std::nullopt;
    const bool dates = lignes[0] == kPremiereLigne;
    QString debut;
    if (!Entete(lignes[1], kSujet, e.sujet) || !Entete(lignes[2], kPage, e.page) ||
        !Entete(lignes[3], kListe, e.liste) || !Entete(lignes[4], kDebut, debut))
        return std::nullopt;
    e.debut = QDateTime::fromString(debut, Qt::ISODate);
    // Tries still without an outcome, per item.
    QHash<QString, int> enCours;
    for (qsizetype i = 5; i + 1 < lignes.size(); ++i) {
        QStringList c = Champs(lignes[i]);
        const qint64 date = dates && !c.isEmpty() ? LireDate(c.takeFirst()) : 0;
        if (c.size() < 2)
            continue;
        const QString& genre = c[0];
        if (genre == QLatin1String(kFin)) {
            e.fini = true;
            continue;
        }
        if (genre == QLatin1String(kEssai)) {
            ++enCours[c[1]];
            continue;
        }
        const bool issue = genre == QLatin1String(kAccepte) || genre == QLatin1String(kRefuse) ||
                           genre == QLatin1String(kTemporaire) || genre == QLatin1String(kInconnue);
        if (issue && enCours.value(c[1]) > 0)
            --enCours[c[1]];
        if (genre == QLatin1String(kAllure)) {
            e.allure = c[1].toDouble();
            continue;
        }
        if (genre == QLatin1String(kPause)) {
            e.pause = LireDate(c[1]);
            continue;
        }
        if (genre == QLatin1String(kAccepte)) {
            ++e.acceptees[c[1]];
            if (c.size() > 2)
                e.identifiants.insert(c[2], c[1]);
            if (date > 0)
                e.envois << date;
        } else if (genre == QLatin1String(kInconnue))
            ++e.incertaines[c[1]];
    }
    for (auto it = enCours.cbegin(); it != enCours.cend(); ++it)
        if (it.value() > 0)
            e.incertaines[it.key()] += it.value();
    return e;
}

QList<Etat> Reprises(const QString& repertoire, const QString& page, const QString& liste) {
    using namespace FormatJournal;
    // The header alone tells most journals apart: the records of a long campaign are read only
    // when its page and list are these.
    const QByteArray lignePage = '\n' + Ligne({kPage, page}) + '\n';
    const QByteArray ligneListe = '\n' + Ligne({kListe, liste}) + '\n';
    QList<Etat> trouves;
    const QDir dir(repertoire);
    for (const QString& nom :
         dir.entryList({QStringLiteral("*.journal")}, QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(nom));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QByteArray debut = "\n";
        for (int i = 0; i < 5 && !f.atEnd(); ++i)
            debut += f.readLine();
        if (!debut.contains(lignePage) || !debut.contains(ligneListe))
            continue;
        std::optional<Etat> e = Lire(f.fileName());
        if (e && !e->fini && e->page == page && e->liste == liste)
            trouves << std::move(*e);
    }
    std::sort(trouves.begin(), trouves.end(),
              [](const Etat& a, const Etat& b) { return a.debut > b.debut; });
    return trouves;
}

QList<qint64> EnvoisDepuis(const QString& repertoire, qint64 depuis) {
    QList<qint64> envois;
    // The unfinished journals, and those ended or given up beside them.
    const QDir dir(repertoire);
    for (const QDir& d :
         {dir, QDir(dir.filePath(QString::fromLatin1(JournalCampagne::kDossierTermines)))})
        for (const QFileInfo& f :
             d.entryInfoList({QStringLiteral("*.journal")}, QDir::Files | QDir::Hidden)) {
            // Untouched since: nothing of it is recent.
            if (f.lastModified().toMSecsSinceEpoch() < depuis)
                continue;
            if (const std::optional<Etat> e = Lire(f.filePath()))
                for (const qint64 date : e->envois)
                    if (date >= depuis)
                        envois << date;
        }
    std::sort(envois.begin(), envois.end());
    return envois;
}

Repartition Repartir(const Etat& etat, const QStringList& adresses) {
    QHash<QString, int> acceptees = etat.acceptees;
    QHash<QString, int> incertaines = etat.incertaines;
    Repartition r;
    for (const QString& a : adresses) {
        if (acceptees.value(a) > 0) {
            --acceptees[a];
            continue;
        }
        r.restantes << a;
        if (incertaines.value(a) > 0) {
            --incertaines[a];
            r.incertaines << a;
        } else {
            r.sures << a;
        }
    }
    return r;
}

} // namespace LectureJournal
