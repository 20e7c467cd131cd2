#include "returns/CampagnesEnvoyees.h"

#include "returns/Desinscrits.h"
#include "sending/JournalCampagne.h"
#include "sending/LectureJournal.h"

#include <QDir>
#include <algorithm>

namespace {
QString SansChevrons(QString identifiant) {
    identifiant = identifiant.trimmed();
    if (identifiant.startsWith(u'<') && identifiant.endsWith(u'>'))
        identifiant = identifiant.mid(1, identifiant.size() - 2);
    return identifiant;
}
} // namespace

CampagnesEnvoyees::CampagnesEnvoyees(const QString& repertoire) {
    QList<LectureJournal::Etat> journaux;
    const QDir dir(repertoire);
    for (const QDir& d :
         {dir, QDir(dir.filePath(QString::fromLatin1(JournalCampagne::kDossierTermines)))})
        for (const QString& nom :
             d.entryList({QStringLiteral("*.journal")}, QDir::Files | QDir::Hidden))
            if (std::optional<LectureJournal::Etat> e = LectureJournal::Lire(d.filePath(nom)))
                journaux << std::move(*e);
    // Oldest first: a later campaign to the same address takes its place.
    std::sort(journaux.begin(), journaux.end(),
              [](const auto& a, const auto& b) { return a.debut < b.debut; });
    for (const LectureJournal::Etat& e : journaux) {
        const int i = int(campagnes_.size());
        campagnes_ << Campagne{e.sujet, e.liste, e.debut};
        for (auto it = e.identifiants.cbegin(); it != e.identifiants.cend(); ++it)
            parIdentifiant_.insert(SansChevrons(it.key()), i);
        for (auto it = e.acceptees.cbegin(); it != e.acceptees.cend(); ++it)
            parAdresse_.insert(Desinscrits::Cle(it.key()), i);
    }
}

int CampagnesEnvoyees::Trouver(const QString& identifiant, const QString& adresse) const {
    if (!identifiant.isEmpty())
        if (const auto it = parIdentifiant_.constFind(SansChevrons(identifiant));
            it != parIdentifiant_.cend())
            return it.value();
    return parAdresse_.value(Desinscrits::Cle(adresse), -1);
}
