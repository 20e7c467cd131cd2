#include "page/RemarquesPage.h"

#include <QLocale>

namespace {
// "1 image introuvable : a.png" or "2 images introuvables : a.png, b.png".
QString Liste(const QStringList& noms, const char* un, const char* plusieurs) {
    const QString debut =
        noms.size() == 1 ? QString::fromUtf8(un) : QString::fromUtf8(plusieurs).arg(noms.size());
    return debut + QStringLiteral(" : ") + noms.join(QStringLiteral(", "));
}

QString Compte(int nombre, const char* un, const char* plusieurs) {
    return nombre == 1 ? QString::fromUtf8(un) : QString::fromUtf8(plusieurs).arg(nombre);
}
} // namespace

QString TexteTaille(qsizetype octets) {
    const QLocale francais(QLocale::French, QLocale::France);
    if (octets < 1000)
        return QStringLiteral("%1 octets").arg(octets);
    // Rounded to the kilobyte, 999 500 bytes would read "1000 Ko".
    if (octets < 999'500)
        return QStringLiteral("%1 Ko").arg(qRound(octets / 1000.0));
    return francais.toString(octets / 1'000'000.0, 'f', 1) + QStringLiteral(" Mo");
}

RemarquesPage EvaluerPage(const PageComposee& page, qsizetype octetsMessage) {
    RemarquesPage r;
    if (!page.introuvables.isEmpty())
        r.faute = Liste(page.introuvables, "1 image introuvable", "%1 images introuvables");
    QStringList& a = r.avertissements;
    if (!page.localesNonJointes.isEmpty())
        a += Liste(page.localesNonJointes,
                   "1 image locale non jointe, que les destinataires ne verront pas",
                   "%1 images locales non jointes, que les destinataires ne verront pas");
    if (!page.nonImages.isEmpty())
        a += Liste(page.nonImages, "1 fichier local qui n'est pas une image, non joint",
                   "%1 fichiers locaux qui ne sont pas des images, non joints");
    if (!page.feuillesLiees.isEmpty())
        a += Liste(page.feuillesLiees,
                   "1 feuille de style liée, que beaucoup de messageries ignorent",
                   "%1 feuilles de style liées, que beaucoup de messageries ignorent");
    if (page.scripts > 0)
        a += Compte(page.scripts, "1 script, que les messageries n'exécutent pas",
                    "%1 scripts, que les messageries n'exécutent pas");
    if (page.imagesData > 0)
        a += Compte(page.imagesData, "1 image data:, que beaucoup de messageries web bloquent",
                    "%1 images data:, que beaucoup de messageries web bloquent");
    const qsizetype octetsHtml = page.html.toUtf8().size();
    if (octetsHtml > RemarquesPage::HtmlMax)
        a += QStringLiteral("Page HTML de %1 : au-delà de 100 Ko, Gmail n'en montre que le début")
                 .arg(TexteTaille(octetsHtml));
    const QString taille =
        QStringLiteral("Message de %1 par destinataire").arg(TexteTaille(octetsMessage));
    if (octetsMessage > RemarquesPage::MessageMax)
        a += taille + QStringLiteral(" : au-delà de 10 Mo, des messageries le refusent");

    if (!r.faute.isEmpty())
        r.details += r.faute;
    r.details += a;
    QStringList jointes;
    for (const ImageJointe& i : page.images)
        jointes += i.nom;
    if (!jointes.isEmpty())
        r.details += Liste(jointes, "1 image jointe au message", "%1 images jointes au message");
    if (!page.feuillesIntegrees.isEmpty())
        r.details += Liste(page.feuillesIntegrees, "1 feuille de style mise dans la page",
                           "%1 feuilles de style mises dans la page");
    if (octetsMessage <= RemarquesPage::MessageMax)
        r.details += taille;
    return r;
}
