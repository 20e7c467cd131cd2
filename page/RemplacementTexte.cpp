#include "page/RemplacementTexte.h"

#include <vector>

namespace {

// Upper-cases character by character, keeping one unit for one, so that a position in the
// upper-case text is the same position in the original. A character whose upper case under
// the locale is longer (ß gives SS) keeps its plain Unicode mapping. The locale is asked once
// per distinct character, which keeps multi-megabyte pages fast.
class MajusculesUnPourUn {
public:
    explicit MajusculesUnPourUn(const QLocale& locale) : locale_(locale), bmp_(0x10000, 0) {}

    QString operator()(QStringView s) {
        QString r(s.size(), Qt::Uninitialized);
        QChar* sortie = r.data();
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s[i];
            if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                const QString paire = s.mid(i, 2).toString();
                QString u = locale_.toUpper(paire);
                if (u.size() != 2)
                    u = paire;
                sortie[i] = u[0];
                sortie[i + 1] = u[1];
                ++i;
                continue;
            }
            char16_t& m = bmp_[c.unicode()];
            if (m == 0) {
                const QString u = locale_.toUpper(QString(c));
                m = u.size() == 1 && !u[0].isSurrogate() ? u[0].unicode()
                                                         : QChar::toUpper(c.unicode());
            }
            sortie[i] = QChar(m);
        }
        return r;
    }

private:
    QLocale locale_;
    std::vector<char16_t> bmp_;
};

} // namespace

QString RemplacerTout(QStringView texte, QStringView cherche, QStringView par,
                      const QLocale& locale) {
    if (cherche.isEmpty())
        return texte.toString();
    MajusculesUnPourUn majuscules(locale);
    const QString texteMaj = majuscules(texte);
    const QString chercheMaj = majuscules(cherche);
    QString resultat;
    resultat.reserve(texte.size());
    qsizetype debut = 0;
    for (qsizetype p = texteMaj.indexOf(chercheMaj); p >= 0;
         p = texteMaj.indexOf(chercheMaj, debut)) {
        resultat.append(texte.mid(debut, p - debut)).append(par);
        debut = p + cherche.size();
    }
    resultat.append(texte.mid(debut));
    return resultat;
}
