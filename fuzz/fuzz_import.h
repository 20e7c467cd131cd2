#pragma once
// What both import fuzzers share: a file's bytes decoded as the import reads them, cut into
// lines, each line handed to one scanner. Every address found must come from the examined
// start of its line.
#include "commun/DecodageTexte.h"
#include "lists/DecoupageLignes.h"
#include "lists/ScannersImport.h"

#include <cstdlib>

template <typename Verifier>
void ParcourirImport(const uint8_t* donnees, size_t taille,
                     void (*scanner)(QStringView, const std::function<void(QString)>&),
                     Verifier verifier) {
    const QString texte =
        DecoderTexteFichier(QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    DecoupageLignes lignes(texte);
    QStringView ligne;
    qsizetype nombre = 0;
    while (lignes.Suivante(ligne)) {
        ++nombre;
        if (ligne.contains(QChar(0)) || ligne.contains(u'\r') || ligne.contains(u'\n'))
            abort();
        const QStringView examinee =
            ligne.first(std::min(ligne.size(), ScannersImport::kLongueurExaminee));
        int trouves = 0;
        scanner(ligne, [&](QString adresse) {
            ++trouves;
            if (!examinee.contains(adresse))
                abort();
            verifier(examinee, adresse, trouves);
        });
    }
    if (nombre != DecoupageLignes::Compter(texte))
        abort();
}
