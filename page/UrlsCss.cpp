#include "page/UrlsCss.h"

namespace {
bool Blanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

int Hexa(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool DansNom(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() >= 0x80;
}

class Lecteur {
public:
    explicit Lecteur(QStringView css) : css_(css) {}

    QList<UrlCss> Tout() {
        QList<UrlCss> urls;
        bool apresImport = false;
        while (i_ < css_.size()) {
            const QChar c = css_[i_];
            if (c == u'/' && Suivant(1) == u'*') {
                const qsizetype fin = css_.indexOf(u"*/", i_ + 2);
                i_ = fin < 0 ? css_.size() : fin + 2;
            } else if (c == u'"' || c == u'\'') {
                const qsizetype debut = i_;
                QString texte;
                const bool fermee = Chaine(texte);
                if (apresImport && fermee)
                    urls += UrlCss{debut, i_, texte.trimmed(), true};
                apresImport = false;
            } else if (c == u'\\') {
                i_ += 2;
                apresImport = false;
            } else if (c == u'@' && Mot(i_ + 1, u"import")) {
                i_ += 7;
                apresImport = true;
            } else if ((c == u'u' || c == u'U') && Mot(i_, u"url(") &&
                       (i_ == 0 || (!DansNom(css_[i_ - 1]) && css_[i_ - 1] != u'\\'))) {
                const qsizetype debut = i_;
                i_ += 4;
                QString adresse;
                if (Url(adresse))
                    urls += UrlCss{debut, i_, adresse.trimmed(), apresImport};
                apresImport = false;
            } else {
                if (!Blanc(c))
                    apresImport = false;
                ++i_;
            }
        }
        return urls;
    }

private:
    QChar Suivant(qsizetype n) const { return i_ + n < css_.size() ? css_[i_ + n] : QChar(); }

    bool Mot(qsizetype depuis, QStringView mot) const {
        return css_.mid(depuis, mot.size()).compare(mot, Qt::CaseInsensitive) == 0;
    }

    void SauterBlancs() {
        while (i_ < css_.size() && Blanc(css_[i_]))
            ++i_;
    }

    // After a backslash: up to six hexadecimal digits and one blank, or the next character.
    void Echappement(QString& sortie) {
        ++i_;
        if (i_ >= css_.size())
            return;
        qsizetype n = 0;
        uint code = 0;
        while (n < 6 && i_ < css_.size() && Hexa(css_[i_]) >= 0) {
            code = code * 16 + uint(Hexa(css_[i_]));
            ++i_;
            ++n;
        }
        if (n == 0) {
            sortie += css_[i_++];
            return;
        }
        if (i_ < css_.size() && Blanc(css_[i_]))
            ++i_;
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            code = 0xFFFD;
        const char32_t point = code;
        sortie += QString::fromUcs4(&point, 1);
    }

    // A string from its opening quote; true when it closed before a line end.
    bool Chaine(QString& texte) {
        const QChar guillemet = css_[i_++];
        while (i_ < css_.size()) {
            const QChar c = css_[i_];
            if (c == guillemet) {
                ++i_;
                return true;
            }
            if (c == u'\n' || c == u'\r' || c == u'\f')
                return false;
            if (c == u'\\') {
                if (Suivant(1) == u'\n') {
                    i_ += 2;
                    continue;
                }
                Echappement(texte);
                continue;
            }
            texte += c;
            ++i_;
        }
        return false;
    }

    // After "url(": its address and closing parenthesis. False for a bad url(), skipped up to
    // its parenthesis.
    bool Url(QString& adresse) {
        SauterBlancs();
        if (i_ < css_.size() && (css_[i_] == u'"' || css_[i_] == u'\'')) {
            if (!Chaine(adresse))
                return Abandonner();
            SauterBlancs();
            if (i_ >= css_.size() || css_[i_] != u')')
                return Abandonner();
            ++i_;
            return true;
        }
        while (i_ < css_.size()) {
            const QChar c = css_[i_];
            if (c == u')') {
                ++i_;
                return true;
            }
            if (Blanc(c)) {
                SauterBlancs();
                if (i_ < css_.size() && css_[i_] == u')') {
                    ++i_;
                    return true;
                }
                return Abandonner();
            }
            if (c == u'"' || c == u'\'' || c == u'(' || c.unicode() < 0x20 || c.unicode() == 0x7F)
                return Abandonner();
            if (c == u'\\')
                Echappement(adresse);
            else {
                adresse += c;
                ++i_;
            }
        }
        return false;
    }

    bool Abandonner() {
        while (i_ < css_.size() && css_[i_] != u')') {
            if (css_[i_] == u'\\')
                ++i_;
            ++i_;
        }
        i_ = qMin(i_ + 1, css_.size());
        return false;
    }

    QStringView css_;
    qsizetype i_ = 0;
};
} // namespace

QList<UrlCss> UrlsCss(QStringView css) {
    return Lecteur(css).Tout();
}
