#include "lists/CatalogueListes.h"

#include "lists/TexteAscii.h"

#include <QDir>

QStringList CatalogueListes(const QString& repertoire) {
    QStringList listes;
    const QStringList noms =
        QDir(repertoire)
            .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    for (const QString& nom : noms)
        if (TexteAscii::EstNomListe(nom))
            listes.append(nom);
    return listes;
}
