// The page made ready to travel, on any text: the style scanner's tokens stay inside their text
// and in order; a page whose pictures are not joined comes back unchanged, and one that names
// no picture that travels comes back unchanged too; every picture that travels is named.
#include "page/CompositionPage.h"
#include "page/UrlsCss.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
// A folder holding a picture and a style sheet, as the page's own.
const QString& Dossier() {
    static QTemporaryDir dossier;
    static const bool pret = [] {
        QFile image(dossier.filePath(QStringLiteral("a.png")));
        image.open(QIODevice::WriteOnly);
        image.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(16, 'x'));
        QFile feuille(dossier.filePath(QStringLiteral("s.css")));
        feuille.open(QIODevice::WriteOnly);
        feuille.write("p{background:url(a.png)}");
        return true;
    }();
    static const QString chemin = pret ? dossier.path() : QString();
    return chemin;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    qsizetype apres = 0;
    for (const UrlCss& u : UrlsCss(texte)) {
        if (u.debut < apres || u.fin <= u.debut || u.fin > texte.size())
            abort();
        apres = u.fin;
    }
    if (ComposerPage(texte, Dossier(), false).html != texte)
        abort();
    const PageComposee jointe = ComposerPage(texte, Dossier(), true);
    if (jointe.images.isEmpty() && jointe.feuillesIntegrees.isEmpty() && jointe.html != texte)
        abort();
    for (const ImageJointe& i : jointe.images)
        if (!jointe.html.contains(QStringLiteral("cid:") + i.identifiant))
            abort();
    return 0;
}
