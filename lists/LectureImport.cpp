#include "lists/LectureImport.h"

#include "commun/DecodageTexte.h"
#include "commun/Erreur.h"

#include <QFile>

QString LireFichierImport(const QString& chemin) {
    QFile fichier(chemin);
    QByteArray octets;
    if (fichier.open(QIODevice::ReadOnly))
        octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        throw Erreur(fichier.errorString());
    return DecoderTexteFichier(octets);
}
