// The ".list" reader: any file reads without fault, the depths it builds are those the writer
// can express, and what the writer makes of them reads back as the same items, every character
// kept.
#include "commun/DecodageTexte.h"
#include "commun/Erreur.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QString texte =
        DecoderTexteFichier(QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    ListeAdresses liste;
    try {
        FichierListe::Lire(texte, liste);
    } catch (const Erreur&) {
        // A bad depth stops the reading; what was read before it is kept.
    }
    for (int i = 0; i < liste.Nombre(); ++i) {
        const int borne = i == 0 ? 0 : liste.Niveau(i - 1) + 1;
        if (liste.Niveau(i) < 0 || liste.Niveau(i) > borne)
            abort();
        if (liste.Texte(i).contains(QChar(0)) || liste.Texte(i).contains(u'\r') ||
            liste.Texte(i).contains(u'\n'))
            abort();
    }

    const QByteArray ecrit = FichierListe::Ecrire(liste);
    ListeAdresses relue;
    try {
        FichierListe::Lire(DecoderTexteFichier(ecrit), relue);
    } catch (const Erreur&) {
        abort(); // the writer made a file its reader refuses
    }
    if (relue.Nombre() != liste.Nombre())
        abort();
    for (int i = 0; i < liste.Nombre(); ++i)
        if (relue.Niveau(i) != liste.Niveau(i) || relue.Texte(i) != liste.Texte(i))
            abort();
    return 0;
}
