#include "lists/NomListe.h"

#include "lists/TexteAscii.h"

namespace {
// Forbidden on one system or another; "/" and "\" would also name another directory.
const QString interdits = QStringLiteral("/\\:*?\"<>|");
// The longest file name most file systems take is 255 bytes; a save writes first to a hidden
// temporary file whose name is 21 bytes longer.
constexpr qsizetype longueurMax = 255 - 21;

// "/ \ : * ? ..." for the message.
QString ListeInterdits() {
    QString liste;
    for (const QChar c : interdits)
        liste += (liste.isEmpty() ? QString() : QStringLiteral(" ")) + c;
    return liste;
}
} // namespace

namespace NomListe {

QString Completer(const QString& saisie) {
    const QString nom = TexteAscii::SansBlancsAuxBouts(saisie);
    if (nom.isEmpty() || TexteAscii::EstNomListe(nom))
        return nom;
    return nom + QStringLiteral(".list");
}

QString Refus(const QString& nom) {
    if (TexteAscii::SansBlancsAuxBouts(nom.chopped(qMin<qsizetype>(5, nom.size()))).isEmpty())
        return QStringLiteral("Le nom de la liste est vide : indiquez un nom avant \".list\".");
    // Hidden on most systems, as the temporary files of the saves are.
    if (nom.startsWith(QLatin1Char('.')))
        return QStringLiteral("Le nom de liste \"%1\" ne peut pas commencer par un point.")
            .arg(nom);
    for (const QChar c : nom)
        if (interdits.contains(c) || c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("Le nom de liste \"%1\" contient un caractère interdit dans "
                                  "un nom de fichier (%2 ou un caractère de contrôle).")
                .arg(nom, ListeInterdits());
    if (nom.toUtf8().size() > longueurMax)
        return QStringLiteral("Le nom de liste est trop long (%1 octets au plus).")
            .arg(longueurMax);
    return QString();
}

} // namespace NomListe
