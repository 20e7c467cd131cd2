#include "page/LecturePage.h"

#include "commun/DecodageTexte.h"
#include "commun/Erreur.h"

#include <QFile>
#include <QFileInfo>

QString LireFichierPage(const QString& chemin) {
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        return {};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        throw Erreur(QStringLiteral("Impossible d'ouvrir le fichier \"%1\".").arg(chemin));
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Erreur(QStringLiteral("Impossible de lire le fichier \"%1\".").arg(chemin));
    return DecoderTexteFichier(octets);
}
