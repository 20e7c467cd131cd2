#include "sending/JournalCampagne.h"

#include "commun/Erreur.h"
#include "commun/MessageSysteme.h"
#include "sending/FormatJournal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString TexteCode(const ResultatEnvoi& r) {
    return r.codeEtendu.isEmpty() ? QString::number(r.code)
                                  : QStringLiteral("%1 %2").arg(r.code).arg(r.codeEtendu);
}
} // namespace

JournalCampagne::~JournalCampagne() {
    try {
        Fermer();
    } catch (const Erreur&) {
        // Nowhere left to tell it: what reached the system stays.
    }
}

QString JournalCampagne::Empreinte(const QStringList& page) {
    return QString::fromLatin1(
        QCryptographicHash::hash(page.join(u'\n').toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString JournalCampagne::NomLibre(const QString& repertoire, const QString& liste,
                                  const QDateTime& instant) {
    QString base = liste;
    if (base.endsWith(QStringLiteral(".list"), Qt::CaseInsensitive))
        base.chop(5);
    base += instant.toString(QStringLiteral(" dd.MM.yyyy HH.mm.ss"));
    return NomLibreDans(QDir(repertoire), base);
}

QString JournalCampagne::NomLibreDans(const QDir& dir, const QString& base) {
    QString chemin = dir.filePath(base + QStringLiteral(".journal"));
    for (int n = 2; QFile::exists(chemin); ++n)
        chemin = dir.filePath(QStringLiteral("%1 (%2).journal").arg(base).arg(n));
    return chemin;
}

void JournalCampagne::Ranger(const QString& chemin) {
    const QFileInfo info(chemin);
    QDir dir = info.dir();
    // Where it cannot go, it stays: marked ended, it is never offered again.
    if (!dir.mkpath(QString::fromLatin1(kDossierTermines)) ||
        !dir.cd(QString::fromLatin1(kDossierTermines)))
        return;
    QFile::rename(chemin, NomLibreDans(dir, info.completeBaseName()));
}

void JournalCampagne::Ouvrir(const QString& chemin, QIODevice::OpenMode mode) {
    Fermer();
    fichier_.setFileName(chemin);
    // Unbuffered: each line is in the system's hands when Ecrire returns.
    if (!fichier_.open(mode | QIODevice::Unbuffered))
        Echec(errno);
    synchroniseur_ = std::make_unique<SynchroniseurFichier>(fichier_.handle());
    nonSynchronisees_ = 0;
    depuisSynchronisation_.start();
}

void JournalCampagne::Creer(const QString& repertoire, const Entete& e) {
    using namespace FormatJournal;
    Ouvrir(NomLibre(repertoire, e.liste, e.debut), QIODevice::WriteOnly | QIODevice::NewOnly);
    date_ = true;
    QByteArray entete = QByteArray(kPremiereLigne) + '\n';
    entete += Ligne({kSujet, e.sujet}) + '\n';
    entete += Ligne({kPage, e.page}) + '\n';
    entete += Ligne({kListe, e.liste}) + '\n';
    entete += Ligne({kDebut, e.debut.toString(Qt::ISODate)}) + '\n';
    // In one write, and on disk at once: a journal without its whole header is never read.
    if (fichier_.write(entete) != entete.size())
        Echec(errno);
    SynchroniserEtAttendre();
    // The new name in the directory, so that a power cut does not lose the file itself.
    const int dir = ::open(QFile::encodeName(repertoire).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void JournalCampagne::Continuer(const QString& chemin, qint64 longueurValide,
                                const QDateTime& instant) {
    Ouvrir(chemin, QIODevice::ReadWrite);
    date_ = fichier_.readLine().trimmed() != FormatJournal::kPremiereLigneV1;
    if (!fichier_.resize(longueurValide) || !fichier_.seek(longueurValide))
        Echec(errno);
    Ecrire({FormatJournal::kReprise, instant.toString(Qt::ISODate)});
}

void JournalCampagne::Abandonner(const QString& chemin, qint64 longueurValide) {
    JournalCampagne journal;
    journal.Ouvrir(chemin, QIODevice::ReadWrite);
    journal.date_ = journal.fichier_.readLine().trimmed() != FormatJournal::kPremiereLigneV1;
    if (!journal.fichier_.resize(longueurValide) || !journal.fichier_.seek(longueurValide))
        journal.Echec(errno);
    journal.Ecrire({FormatJournal::kFin, FormatJournal::kAbandonnee});
    journal.Fermer();
    Ranger(chemin);
}

void JournalCampagne::Essai(const QString& adresse) {
    Ecrire({FormatJournal::kEssai, adresse});
}

void JournalCampagne::Resultat(const ResultatEnvoi& r) {
    using namespace FormatJournal;
    if (r.accepte)
        Ecrire(r.identifiant.isEmpty() ? QStringList{kAccepte, r.adresse}
                                       : QStringList{kAccepte, r.adresse, r.identifiant});
    else if (r.issueInconnue)
        Ecrire({kInconnue, r.adresse, r.message});
    else
        Ecrire({kRefuse, r.adresse, TexteCode(r), r.message});
}

void JournalCampagne::Temporaire(const ResultatEnvoi& r) {
    Ecrire({FormatJournal::kTemporaire, r.adresse, TexteCode(r), r.message});
}

void JournalCampagne::Allure(double allure) {
    Ecrire({FormatJournal::kAllure, QString::number(allure, 'f', 2)});
}

void JournalCampagne::Pause(qint64 jusqua) {
    Ecrire({FormatJournal::kPause, FormatJournal::TexteDate(jusqua)});
}

void JournalCampagne::Terminer() {
    if (!Ouvert())
        return;
    Ecrire({FormatJournal::kFin, FormatJournal::kTerminee});
    const QString chemin = Chemin();
    Fermer();
    Ranger(chemin);
}

void JournalCampagne::Fermer() {
    if (!Ouvert())
        return;
    // Closed even when the last batch cannot reach the disk: its lines are the system's.
    const auto fermer = qScopeGuard([this] {
        synchroniseur_.reset();
        fichier_.close();
    });
    SynchroniserEtAttendre();
}

void JournalCampagne::Ecrire(const QStringList& champs) {
    if (!Ouvert())
        return;
    VerifierSynchronisation();
    const QByteArray ligne =
        FormatJournal::Ligne(
            date_ ? QStringList{FormatJournal::TexteDate(horloge_->Date())} + champs : champs) +
        '\n';
    if (fichier_.write(ligne) != ligne.size())
        Echec(errno);
    ++nonSynchronisees_;
    // At thousands of lines a second, a flush every `lot` lines would keep the disk busy for
    // nothing: a tenth of a second of lines is as small a loss.
    if ((nonSynchronisees_ >= lot_ && depuisSynchronisation_.hasExpired(100)) ||
        depuisSynchronisation_.hasExpired(1000))
        Synchroniser();
}

void JournalCampagne::Synchroniser() {
    // On the synchroniser's thread: the campaign never waits for the disk.
    synchroniseur_->Demander();
    nonSynchronisees_ = 0;
    depuisSynchronisation_.start();
}

void JournalCampagne::SynchroniserEtAttendre() {
    Synchroniser();
    synchroniseur_->Attendre();
    VerifierSynchronisation();
}

void JournalCampagne::VerifierSynchronisation() {
    if (const int code = synchroniseur_->PrendreErreur())
        Echec(code);
}

void JournalCampagne::Echec(int code) const {
    throw Erreur(QStringLiteral("Impossible d'écrire le journal d'envoi \"%1\". %2")
                     .arg(fichier_.fileName(), MessageSysteme(code != 0 ? code : EIO)));
}
