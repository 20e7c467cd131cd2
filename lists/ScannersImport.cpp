#include "lists/ScannersImport.h"

#include "lists/TexteAscii.h"

namespace ScannersImport {

void Ldif(QStringView ligne, const std::function<void(QString)>& trouve) {
    ligne = ligne.first(std::min(ligne.size(), kLongueurExaminee));
    for (const QStringView attribut : {QStringView(u"mail: "), QStringView(u"mail=")}) {
        const qsizetype i = ligne.indexOf(attribut);
        if (i >= 0) {
            trouve(ligne.sliced(i + attribut.size()).toString());
            return;
        }
    }
}

void Brut(QStringView ligne, const std::function<void(QString)>& trouve) {
    ligne = ligne.first(std::min(ligne.size(), kLongueurExaminee));
    const auto separateur = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u',' || c == u';';
    };
    qsizetype debut = 0;
    const qsizetype n = ligne.size();
    while (debut < n) {
        qsizetype fin = debut;
        while (fin < n && !separateur(ligne[fin]))
            ++fin;
        const QStringView mot = ligne.sliced(debut, fin - debut);
        if (mot.contains(u'@'))
            trouve(TexteAscii::SansBlancsAuxBouts(mot));
        debut = fin + 1;
    }
}

} // namespace ScannersImport
