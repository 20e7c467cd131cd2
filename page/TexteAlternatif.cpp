#include "page/TexteAlternatif.h"

#include "page/RedactionTexte.h"

#include <gumbo.h>

namespace {

// Elements whose content no reader of the text wants.
bool Ignore(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_IFRAME:
    case GUMBO_TAG_OBJECT:
    case GUMBO_TAG_SVG:
    case GUMBO_TAG_MATH:
        return true;
    default:
        return false;
    }
}

// Elements set apart by a blank line.
bool Paragraphe(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_P:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_FIGURE:
        return true;
    default:
        return false;
    }
}

// Elements that begin and end a line of their own.
bool Ligne(GumboTag tag) {
    switch (tag) {
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_NAV:
    case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_MAIN:
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_BODY:
        return true;
    default:
        return false;
    }
}

QString Attribut(const GumboElement& e, const char* nom) {
    const GumboAttribute* a = gumbo_get_attribute(&e.attributes, nom);
    return a ? QString::fromUtf8(a->value).trimmed() : QString();
}

// Only addresses a reader can follow are worth writing out.
bool AdresseUtile(const QString& adresse) {
    for (const char* schema : {"http:", "https:", "mailto:", "ftp:", "tel:"})
        if (adresse.startsWith(QLatin1String(schema), Qt::CaseInsensitive))
            return true;
    return false;
}

class Parcours {
public:
    QStringList Resultat() { return redaction_.Terminer(); }

    void Noeud(const GumboNode& n) {
        switch (n.type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE:
            redaction_.Texte(QString::fromUtf8(n.v.text.text));
            return;
        case GUMBO_NODE_DOCUMENT:
            Enfants(n.v.document.children);
            return;
        case GUMBO_NODE_ELEMENT:
            Element(n.v.element);
            return;
        default:
            // Comments, and the content of templates, which a browser does not show either.
            return;
        }
    }

private:
    void Enfants(const GumboVector& enfants) {
        for (unsigned i = 0; i < enfants.length; ++i)
            Noeud(*static_cast<const GumboNode*>(enfants.data[i]));
    }

    void Element(const GumboElement& e) {
        const GumboTag tag = e.tag;
        if (Ignore(tag))
            return;
        switch (tag) {
        case GUMBO_TAG_BR:
            redaction_.Saut();
            return;
        case GUMBO_TAG_IMG:
            redaction_.Texte(Attribut(e, "alt"));
            return;
        case GUMBO_TAG_TD:
        case GUMBO_TAG_TH:
            redaction_.Cellule();
            Enfants(e.children);
            return;
        case GUMBO_TAG_A:
            Lien(e);
            return;
        case GUMBO_TAG_LI:
            redaction_.DebutElementListe();
            Enfants(e.children);
            redaction_.FinElementListe();
            return;
        case GUMBO_TAG_PRE:
            redaction_.Paragraphe();
            redaction_.DebutPreforme();
            Enfants(e.children);
            redaction_.FinPreforme();
            redaction_.Paragraphe();
            return;
        case GUMBO_TAG_UL:
        case GUMBO_TAG_OL:
            if (redaction_.DansListe()) {
                // A list inside an item goes on under it, without blank lines.
                redaction_.Saut();
                Enfants(e.children);
                redaction_.Saut();
                return;
            }
            break;
        default:
            break;
        }
        if (Paragraphe(tag))
            redaction_.Paragraphe();
        else if (Ligne(tag))
            redaction_.Saut();
        Enfants(e.children);
        if (Paragraphe(tag))
            redaction_.Paragraphe();
        else if (Ligne(tag))
            redaction_.Saut();
    }

    void Lien(const GumboElement& e) {
        const QString adresse = Attribut(e, "href");
        const RedactionTexte::Marque debut = redaction_.DebutLien();
        Enfants(e.children);
        if (!AdresseUtile(adresse))
            return;
        const QString texte = redaction_.TexteDepuis(debut);
        QString sansSchema = adresse;
        if (sansSchema.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            sansSchema = sansSchema.mid(7);
        if (texte.isEmpty())
            redaction_.Texte(adresse);
        else if (texte != adresse && texte != sansSchema)
            redaction_.Texte(QStringLiteral(" (") + adresse + QLatin1Char(')'));
    }

    RedactionTexte redaction_;
};
} // namespace

QStringList TexteAlternatif(const QString& page) {
    const QByteArray octets = page.toUtf8();
    GumboOutput* sortie =
        gumbo_parse_with_options(&kGumboDefaultOptions, octets.constData(), octets.size());
    Parcours parcours;
    parcours.Noeud(*sortie->document);
    gumbo_destroy_output(&kGumboDefaultOptions, sortie);
    return parcours.Resultat();
}
