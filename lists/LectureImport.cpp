#include "lists/LectureImport.h"

#include "commun/DecodageTexte.h"
#include "commun/Erreur.h"
#include "commun/MessageSysteme.h"

#include <QFile>
#include <cerrno>

QString LireFichierImport(const QString& chemin) {
    QFile fichier(chemin);
    QByteArray octets;
    errno = 0;
    if (fichier.open(QIODevice::ReadOnly))
        octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        throw Erreur(QStringLiteral("Impossible de lire le fichier \"%1\". %2")
                         .arg(chemin, MessageSysteme(errno != 0 ? errno : EIO)));
    return DecoderTexteFichier(octets);
}
