#include "mail/CodageEntete.h"

#include "commun/Erreur.h"

#include <QRegularExpression>
#include <cerrno>
#include <iconv.h>

JeuEntete JeuEntete::PourLangue(const QLocale& langue) {
    switch (langue.language()) {
    case QLocale::Chinese:
        if (langue.script() == QLocale::SimplifiedHanScript ||
            langue.territory() == QLocale::China || langue.territory() == QLocale::Singapore)
            return {QStringLiteral("GB2312"), "GB2312"};
        return {QStringLiteral("Big5"), "BIG5"};
    case QLocale::Japanese:
        return {QStringLiteral("ISO-2022-JP"), "ISO-2022-JP"};
    case QLocale::Korean:
        return {QStringLiteral("csEUCKR"), "EUC-KR"};
    case QLocale::Russian:
        return {QStringLiteral("KOI8-R"), "KOI8-R"};
    case QLocale::Ukrainian:
        return {QStringLiteral("windows-1251"), "CP1251"};
    default:
        return {QStringLiteral("UTF-8"), "UTF-8"};
    }
}

QString SpeciauxNom() {
    return QStringLiteral("()[]<>:;.,@\\\"");
}

namespace {
bool EstEspace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// A national charset through iconv; a stateful one (ISO-2022-JP) ends in its initial state,
// so every encoded-word stands on its own.
QByteArray Convertir(QStringView texte, const JeuEntete& jeu) {
    const QByteArray utf8 = texte.toUtf8();
    if (jeu.NomConversion == "UTF-8")
        return utf8;
    const auto echec = [&jeu] {
        return Erreur(QStringLiteral("Impossible d'encoder les données d'en-tête avec le jeu "
                                     "de caractères \"%1\"")
                          .arg(jeu.Nom));
    };
    iconv_t conv = ::iconv_open(jeu.NomConversion.constData(), "UTF-8");
    if (conv == reinterpret_cast<iconv_t>(-1))
        throw echec();
    QByteArray sortie(utf8.size() * 4 + 16, Qt::Uninitialized);
    char* entree = const_cast<char*>(utf8.constData());
    size_t resteEntree = utf8.size();
    char* curseur = sortie.data();
    size_t resteSortie = sortie.size();
    const bool ok =
        ::iconv(conv, &entree, &resteEntree, &curseur, &resteSortie) != static_cast<size_t>(-1) &&
        ::iconv(conv, nullptr, nullptr, &curseur, &resteSortie) != static_cast<size_t>(-1);
    ::iconv_close(conv);
    if (!ok)
        throw echec();
    sortie.truncate(curseur - sortie.data());
    return sortie;
}

bool MotACoder(QStringView mot, const QString& speciaux) {
    for (QChar c : mot)
        if (c.unicode() < 32 || c.unicode() > 126 || speciaux.contains(c))
            return true;
    return false;
}

// Number of UTF-16 units of the character at `i` (a surrogate pair stays whole).
qsizetype LongueurCaractere(QStringView texte, qsizetype i) {
    return texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate() ? 2
                                                                                               : 1;
}

// Encoded-words of at most 45 bytes each, cut between characters, joined by CR LF blank. A
// long charset name takes fewer bytes a word, so that no word passes the 75 characters a
// reader must accept ("=?", the name, "?B?", the base64, "?=").
QString CoderEtendue(QStringView etendue, const JeuEntete& jeu) {
    const qsizetype maxOctets = qMin<qsizetype>(45, (75 - 7 - jeu.Nom.size()) / 4 * 3);
    QStringList mots;
    qsizetype debut = 0;
    while (debut < etendue.size()) {
        qsizetype fin = debut + LongueurCaractere(etendue, debut);
        QByteArray octets = Convertir(etendue.mid(debut, fin - debut), jeu);
        while (fin < etendue.size()) {
            const qsizetype suivant = fin + LongueurCaractere(etendue, fin);
            QByteArray essai = Convertir(etendue.mid(debut, suivant - debut), jeu);
            if (essai.size() > maxOctets)
                break;
            octets = std::move(essai);
            fin = suivant;
        }
        mots << QStringLiteral("=?%1?B?%2?=").arg(jeu.Nom, QString::fromLatin1(octets.toBase64()));
        debut = fin;
    }
    return mots.join(QStringLiteral("\r\n "));
}
} // namespace

QString CoderMotsEntete(const QString& texte, const QString& speciaux, const JeuEntete& jeu) {
    // Convert once to learn early that the charset lacks a character.
    Convertir(texte, jeu);
    QString specials = speciaux;
    // A text that already looks encoded would be decoded by the reader: protect its "=".
    static const QRegularExpression dejaCode(
        QStringLiteral("=\\?[^?\\s]+\\?[BbQq]\\?[^?\\s]*\\?="));
    if (dejaCode.match(texte).hasMatch())
        specials += QLatin1Char('=');

    struct Morceau {
        qsizetype debutEspace, debutMot, fin;
        bool aCoder;
    };
    QList<Morceau> morceaux;
    for (qsizetype i = 0; i < texte.size();) {
        Morceau m{i, i, i, false};
        while (i < texte.size() && EstEspace(texte[i]))
            ++i;
        m.debutMot = i;
        while (i < texte.size() && !EstEspace(texte[i]))
            ++i;
        m.fin = i;
        m.aCoder = MotACoder(QStringView(texte).mid(m.debutMot, m.fin - m.debutMot), specials);
        morceaux << m;
    }

    QString resultat;
    for (qsizetype k = 0; k < morceaux.size();) {
        const Morceau& m = morceaux[k];
        resultat += QStringView(texte).mid(m.debutEspace, m.debutMot - m.debutEspace);
        if (!m.aCoder) {
            resultat += QStringView(texte).mid(m.debutMot, m.fin - m.debutMot);
            ++k;
            continue;
        }
        qsizetype dernier = k;
        while (dernier + 1 < morceaux.size() && morceaux[dernier + 1].aCoder)
            ++dernier;
        resultat += CoderEtendue(
            QStringView(texte).mid(m.debutMot, morceaux[dernier].fin - m.debutMot), jeu);
        k = dernier + 1;
    }
    return resultat;
}

QString PlierEntete(const QString& ligne) {
    constexpr qsizetype limite = 78;
    if (ligne.size() <= limite && !ligne.contains(QLatin1Char('\r')))
        return ligne;
    QStringList sorties;
    QString courante;
    qsizetype coupure = -1; // position in `courante` of the last break point
    bool guillemets = false;
    bool sauter = false; // skipping what follows a break
    const auto terminer = [&sorties](QString texte) {
        while (!texte.isEmpty() &&
               (texte.back() == QLatin1Char(' ') || texte.back() == QLatin1Char('\t')))
            texte.chop(1);
        sorties << texte;
    };
    for (qsizetype i = 0; i < ligne.size(); ++i) {
        const QChar c = ligne[i];
        if (!guillemets && c == QLatin1Char('\r') && ligne.mid(i, 3) == QLatin1String("\r\n ")) {
            terminer(courante);
            courante = QStringLiteral(" ");
            coupure = -1;
            sauter = false;
            i += 2;
            continue;
        }
        // Only white space gives way to the one blank that starts the next line: a comma
        // there is text of the header and stays.
        const bool sautable = c == QLatin1Char(' ') || c == QLatin1Char('\t') ||
                              c == QLatin1Char('\r') || c == QLatin1Char('\n');
        if (sauter) {
            if (sautable)
                continue;
            sauter = false;
            courante = QStringLiteral(" ");
        }
        courante += c;
        bool fermant = false;
        if (c == QLatin1Char('"')) {
            fermant = guillemets;
            guillemets = !guillemets;
        } else if (!guillemets &&
                   (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char(','))) {
            coupure = courante.size() - 1;
        }
        if (courante.size() > limite && !guillemets && !fermant && coupure > 0) {
            terminer(courante.left(coupure + 1));
            QString reste = courante.mid(coupure + 1);
            coupure = -1;
            qsizetype j = 0;
            while (j < reste.size() &&
                   (reste[j] == QLatin1Char(' ') || reste[j] == QLatin1Char('\t')))
                ++j;
            reste = reste.mid(j);
            if (reste.isEmpty()) {
                courante.clear();
                sauter = true;
            } else {
                courante = QLatin1Char(' ') + reste;
            }
        }
    }
    if (!courante.isEmpty() || sorties.isEmpty())
        terminer(courante);
    return sorties.join(QStringLiteral("\r\n"));
}
