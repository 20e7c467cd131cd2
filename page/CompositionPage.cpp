#include "page/CompositionPage.h"

#include "commun/DecodageTexte.h"
#include "page/UrlsCss.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <gumbo.h>

namespace {
// The right-hand side of the pictures' identifiers: a name of no real domain.
constexpr char domaineIdentifiants[] = "lettrova.invalid";

enum class Sorte { Aucune, Distante, Data, Locale };

struct Cible {
    Sorte sorte = Sorte::Aucune;
    QString chemin;
};

// Where an address leads, from `base`: nowhere worth a look, far away, inside itself, or to a
// file.
Cible Resoudre(const QString& adresse, const QUrl& base) {
    const QString a = adresse.trimmed();
    if (a.isEmpty() || a.startsWith(u'#') ||
        a.startsWith(QLatin1String("cid:"), Qt::CaseInsensitive))
        return {};
    if (a.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
        return {Sorte::Data, {}};
    const QUrl url(a);
    // A drive letter: a path of the sender's disk, as written.
    if (url.scheme().size() == 1)
        return {Sorte::Locale, a};
    const QUrl cible = base.resolved(url);
    // "//host/..." takes the base's scheme: from a file, still another machine's.
    if (!cible.isLocalFile() || !cible.host().isEmpty())
        return {Sorte::Distante, {}};
    return {Sorte::Locale, QDir::cleanPath(cible.toLocalFile())};
}

QUrl Dossier(const QString& chemin) {
    return QUrl::fromLocalFile(QDir(chemin).absolutePath() + u'/');
}

// The page's <base href>, which browsers resolve its addresses from, or null.
const GumboElement* Base(const GumboNode& n) {
    if (n.type != GUMBO_NODE_ELEMENT && n.type != GUMBO_NODE_DOCUMENT)
        return nullptr;
    if (n.type == GUMBO_NODE_ELEMENT && n.v.element.tag == GUMBO_TAG_BASE &&
        gumbo_get_attribute(&n.v.element.attributes, "href"))
        return &n.v.element;
    const GumboVector& enfants =
        n.type == GUMBO_NODE_DOCUMENT ? n.v.document.children : n.v.element.children;
    for (unsigned i = 0; i < enfants.length; ++i)
        if (const GumboElement* b = Base(*static_cast<const GumboNode*>(enfants.data[i])))
            return b;
    return nullptr;
}

// The file's name in letters, digits, ".", "-" and "_": accents dropped, the rest "_".
QString NomPartie(const QString& nom) {
    QString resultat;
    for (QChar c : nom.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const bool sur = c.unicode() < 128 && (c.isLetterOrNumber() || c == u'.' || c == u'-');
        resultat += sur ? c : QChar(u'_');
    }
    return resultat.right(60);
}

void AjouterUnique(QStringList& liste, const QString& texte) {
    if (!liste.contains(texte))
        liste += texte;
}

QString Attribut(const GumboElement& e, const char* nom) {
    const GumboAttribute* a = gumbo_get_attribute(&e.attributes, nom);
    return a ? QString::fromUtf8(a->value) : QString();
}

// Most style attributes name no address: they are not scanned.
bool NommeUrl(const char* style) {
    return QLatin1StringView(style).contains(QLatin1String("url("), Qt::CaseInsensitive);
}

QByteArray ValeurAttribut(QString valeur) {
    valeur.replace(u'&', QLatin1String("&amp;")).replace(u'"', QLatin1String("&quot;"));
    return '"' + valeur.toUtf8() + '"';
}

class Composition {
public:
    Composition(const QByteArray& source, QUrl base, bool joindre)
        : source_(source), base_(std::move(base)), joindre_(joindre) {}

    PageComposee& Resultat() { return r_; }

    void Noeud(const GumboNode& n) {
        if (n.type == GUMBO_NODE_DOCUMENT)
            Enfants(n.v.document.children);
        else if (n.type == GUMBO_NODE_ELEMENT || n.type == GUMBO_NODE_TEMPLATE)
            Element(n.v.element);
    }

    // The source with every change made.
    QByteArray Texte() {
        std::sort(changements_.begin(), changements_.end(),
                  [](const Changement& a, const Changement& b) { return a.debut < b.debut; });
        QByteArray texte;
        texte.reserve(source_.size());
        qsizetype position = 0;
        for (const Changement& c : changements_) {
            texte += source_.mid(position, c.debut - position);
            texte += c.texte;
            position = c.fin;
        }
        texte += source_.mid(position);
        return texte;
    }

    bool Change() const { return !changements_.isEmpty(); }

private:
    struct Changement {
        qsizetype debut;
        qsizetype fin;
        QByteArray texte;
    };

    void Remplacer(const GumboStringPiece& morceau, QByteArray texte) {
        const qsizetype debut = morceau.data - source_.constData();
        // Only text that stands in the source: the parser adds elements of its own.
        if (!morceau.data || debut < 0 || debut + qsizetype(morceau.length) > source_.size())
            return;
        changements_ += {debut, debut + qsizetype(morceau.length), std::move(texte)};
    }

    void Enfants(const GumboVector& enfants) {
        for (unsigned i = 0; i < enfants.length; ++i)
            Noeud(*static_cast<const GumboNode*>(enfants.data[i]));
    }

    void Element(const GumboElement& e) {
        // A style sheet put in as <style>: its attributes go with the <link>.
        if (e.tag == GUMBO_TAG_LINK && Lien(e))
            return;
        for (unsigned i = 0; i < e.attributes.length; ++i) {
            const auto& a = *static_cast<const GumboAttribute*>(e.attributes.data[i]);
            const QByteArrayView nom(a.name);
            const bool image =
                nom == "background" ||
                (nom == "src" && (e.tag == GUMBO_TAG_IMG ||
                                  (e.tag == GUMBO_TAG_INPUT &&
                                   Attribut(e, "type").trimmed().compare(
                                       QLatin1String("image"), Qt::CaseInsensitive) == 0)));
            if (image) {
                const QString cid = Image(QString::fromUtf8(a.value), base_);
                if (!cid.isEmpty())
                    Remplacer(a.original_value, ValeurAttribut(cid));
            } else if (nom == "style" && NommeUrl(a.value)) {
                bool change = false;
                const QString css = Css(QString::fromUtf8(a.value), base_, change);
                if (change)
                    Remplacer(a.original_value, ValeurAttribut(css));
            }
        }
        switch (e.tag) {
        case GUMBO_TAG_SCRIPT:
            ++r_.scripts;
            return;
        case GUMBO_TAG_STYLE:
            for (unsigned i = 0; i < e.children.length; ++i) {
                const auto& n = *static_cast<const GumboNode*>(e.children.data[i]);
                if (n.type != GUMBO_NODE_TEXT && n.type != GUMBO_NODE_WHITESPACE)
                    continue;
                const GumboStringPiece& brut = n.v.text.original_text;
                bool change = false;
                const QString css = Css(QString::fromUtf8(brut.data, brut.length), base_, change);
                if (change)
                    Remplacer(brut, css.toUtf8());
            }
            return;
        default:
            Enfants(e.children);
        }
    }

    // True when the style sheet was put in as <style>.
    bool Lien(const GumboElement& e) {
        const QStringList rel = Attribut(e, "rel").toLower().split(
            QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QString adresse = Attribut(e, "href").trimmed();
        if (!rel.contains(QLatin1String("stylesheet")) || adresse.isEmpty())
            return false;
        const Cible cible = Resoudre(adresse, base_);
        QFile fichier(cible.chemin);
        if (joindre_ && cible.sorte == Sorte::Locale && QFileInfo(cible.chemin).isFile() &&
            fichier.open(QIODevice::ReadOnly)) {
            bool change = false;
            // Its own addresses start from its own folder.
            const QString css = Css(DecoderTexteFichier(fichier.readAll()),
                                    Dossier(QFileInfo(cible.chemin).absolutePath()), change);
            const QString media = Attribut(e, "media").trimmed();
            QByteArray style = "<style";
            if (!media.isEmpty())
                style += " media=" + ValeurAttribut(media);
            Remplacer(e.original_tag, style + ">\n" + css.toUtf8() + "\n</style>");
            AjouterUnique(r_.feuillesIntegrees, adresse);
            return true;
        }
        if (cible.sorte != Sorte::Aucune)
            AjouterUnique(r_.feuillesLiees, adresse);
        return false;
    }

    // The style text with its local pictures named "cid:"; `change` tells whether any was.
    QString Css(const QString& css, const QUrl& base, bool& change) {
        if (!css.contains(QLatin1String("url("), Qt::CaseInsensitive) &&
            !css.contains(QLatin1String("@import"), Qt::CaseInsensitive))
            return css;
        QString sortie;
        qsizetype position = 0;
        for (const UrlCss& u : UrlsCss(css)) {
            if (u.import) {
                AjouterUnique(r_.feuillesLiees, u.adresse);
                continue;
            }
            const QString cid = Image(u.adresse, base);
            if (cid.isEmpty())
                continue;
            sortie += QStringView(css).mid(position, u.debut - position);
            sortie += QStringLiteral("url(") + cid + u')';
            position = u.fin;
            change = true;
        }
        sortie += QStringView(css).mid(position);
        return sortie;
    }

    // "cid:" and the picture's identifier when it travels inside the message, else empty.
    QString Image(const QString& adresse, const QUrl& base) {
        const Cible cible = Resoudre(adresse, base);
        if (cible.sorte == Sorte::Data)
            ++r_.imagesData;
        if (cible.sorte != Sorte::Locale)
            return {};
        const QString nom = adresse.trimmed();
        const QFileInfo info(cible.chemin);
        QFile fichier(cible.chemin);
        if (!info.isFile() || !fichier.open(QIODevice::ReadOnly)) {
            AjouterUnique(r_.introuvables, nom);
            return {};
        }
        if (!joindre_) {
            AjouterUnique(r_.localesNonJointes, nom);
            return {};
        }
        const QString canonique = info.canonicalFilePath();
        if (const auto connu = parChemin_.constFind(canonique); connu != parChemin_.cend()) {
            if (connu->isEmpty())
                AjouterUnique(r_.nonImages, nom);
            return connu->isEmpty() ? QString() : QStringLiteral("cid:") + *connu;
        }
        const QByteArray octets = fichier.readAll();
        const QString type =
            QMimeDatabase().mimeTypeForFileNameAndData(info.fileName(), octets).name();
        if (!type.startsWith(QLatin1String("image/"))) {
            parChemin_.insert(canonique, QString());
            AjouterUnique(r_.nonImages, nom);
            return {};
        }
        const QByteArray empreinte =
            QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex().left(24);
        QString& identifiant = parEmpreinte_[empreinte];
        if (identifiant.isEmpty()) {
            identifiant =
                QString::fromLatin1(empreinte) + u'@' + QLatin1String(domaineIdentifiants);
            r_.images += ImageJointe{identifiant, NomPartie(info.fileName()), type, octets};
        }
        parChemin_.insert(canonique, identifiant);
        return QStringLiteral("cid:") + identifiant;
    }

    const QByteArray& source_;
    QUrl base_;
    bool joindre_;
    PageComposee r_;
    QList<Changement> changements_;
    // By the file's canonical path: its identifier, or empty for a file that is no picture.
    QHash<QString, QString> parChemin_;
    QHash<QByteArray, QString> parEmpreinte_;
};
} // namespace

PageComposee ComposerPage(const QString& page, const QString& dossier, bool joindre) {
    const QByteArray source = page.toUtf8();
    GumboOutput* sortie =
        gumbo_parse_with_options(&kGumboDefaultOptions, source.constData(), source.size());
    QUrl base = Dossier(dossier);
    if (const GumboElement* b = Base(*sortie->document))
        base = base.resolved(
            QUrl(QString::fromUtf8(gumbo_get_attribute(&b->attributes, "href")->value).trimmed()));
    Composition composition(source, base, joindre);
    composition.Noeud(*sortie->document);
    PageComposee r = std::move(composition.Resultat());
    r.html = composition.Change() ? QString::fromUtf8(composition.Texte()) : page;
    gumbo_destroy_output(&kGumboDefaultOptions, sortie);
    return r;
}
