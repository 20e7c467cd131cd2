// A header text encoded with encoded-words and folded: well-formed lines, encoded-words of at
// most 45 bytes and 75 characters, and RFC 2047 decoding after unfolding gives the text back.
#include "commun/Erreur.h"
#include "mail/CodageEntete.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iconv.h>

namespace {
const JeuEntete kJeux[] = {
    {QStringLiteral("UTF-8"), "UTF-8"},
    {QStringLiteral("KOI8-R"), "KOI8-R"},
    {QStringLiteral("ISO-2022-JP"), "ISO-2022-JP"},
    {QStringLiteral("csEUCKR"), "EUC-KR"},
    {QStringLiteral("GB2312"), "GB2312"},
    {QStringLiteral("windows-1251"), "CP1251"},
};

QString DepuisJeu(const QByteArray& octets, const QByteArray& nomConversion) {
    iconv_t conv = ::iconv_open("UTF-8", nomConversion.constData());
    if (conv == reinterpret_cast<iconv_t>(-1))
        abort();
    QByteArray sortie(octets.size() * 4 + 16, Qt::Uninitialized);
    char* entree = const_cast<char*>(octets.constData());
    size_t resteEntree = size_t(octets.size());
    char* curseur = sortie.data();
    size_t resteSortie = size_t(sortie.size());
    if (::iconv(conv, &entree, &resteEntree, &curseur, &resteSortie) == size_t(-1))
        abort(); // an encoded-word that does not decode in its own charset
    ::iconv_close(conv);
    sortie.truncate(curseur - sortie.data());
    QStringDecoder utf8(QStringDecoder::Utf8);
    return utf8.decode(sortie);
}

// Unfolding, then every encoded-word decoded; blanks between two encoded-words vanish.
QString Decoder(const QString& plie, const JeuEntete& jeu) {
    QString deplie = plie;
    deplie.replace(QStringLiteral("\r\n "), QStringLiteral(" "));
    static const QRegularExpression mot(
        QStringLiteral("=\\?([^?\\s]+)\\?B\\?([A-Za-z0-9+/=]*)\\?="));
    QString sortie;
    qsizetype position = 0;
    bool apresMot = false;
    for (auto it = mot.globalMatch(deplie); it.hasNext();) {
        const auto m = it.next();
        const QStringView entre = QStringView(deplie).mid(position, m.capturedStart() - position);
        if (!(apresMot && entre.trimmed().isEmpty() && !entre.isEmpty()))
            sortie += entre;
        if (m.capturedLength(2) > 60 || m.capturedLength() > 75 || m.captured(1) != jeu.Nom)
            abort();
        const auto b64 = QByteArray::fromBase64Encoding(m.captured(2).toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
        if (!b64)
            abort();
        sortie += DepuisJeu(*b64, jeu.NomConversion);
        position = m.capturedEnd();
        apresMot = true;
    }
    sortie += QStringView(deplie).mid(position);
    return sortie;
}

// Runs of blanks may shrink to one at a fold, a cut after a comma puts a blank after it, and
// trailing blanks go.
QString Blancs(QString s) {
    static const QRegularExpression blancs(QStringLiteral("[ \\t]+"));
    return s.replace(blancs, QStringLiteral(" "))
        .replace(QStringLiteral(", "), QStringLiteral(","))
        .trimmed();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    FuzzedDataProvider fdp(donnees, taille);
    const JeuEntete& jeu = fdp.ConsumeBool() ? kJeux[0] : fdp.PickValueInArray(kJeux);
    const QString speciaux = fdp.ConsumeBool() ? SpeciauxNom() : QString();
    const std::string brut = fdp.ConsumeRemainingBytesAsString();
    // A header value is one line of valid text: the subject field holds no line end.
    QString texte = QString::fromUtf8(brut.data(), qsizetype(brut.size()));
    texte.remove(u'\r').remove(u'\n');
    // ISO-2022-JP shifts between its sets with ESC sequences: an ESC of the text itself passes
    // into the encoded-word as it is and makes it unreadable. Known, and kept out here.
    if (jeu.NomConversion == "ISO-2022-JP")
        texte.remove(QChar(0x1b));
    QString code;
    try {
        code = CoderMotsEntete(texte, speciaux, jeu);
    } catch (const Erreur&) {
        if (jeu.Nom == u"UTF-8")
            abort(); // every text has a UTF-8 form
        return 0;    // a national charset lacks one of its characters
    }
    const QString plie = PlierEntete(QStringLiteral("Subject: ") + code);
    for (qsizetype i = plie.indexOf(u'\r'); i >= 0; i = plie.indexOf(u'\r', i + 1))
        if (plie.mid(i, 3) != u"\r\n ")
            abort();
    if (plie.count(u'\n') != plie.count(u'\r'))
        abort();
    for (QChar c : plie)
        if (c.unicode() > 126 || (c.unicode() < 32 && c != u'\r' && c != u'\n' && c != u'\t'))
            abort();
    const QString decode = Decoder(plie, jeu);
    if (Blancs(decode) != Blancs(QStringLiteral("Subject: ") + texte)) {
        const auto montrer = [](QString s) {
            return s.replace(QChar(0), QStringLiteral("\\0")).toUtf8();
        };
        fprintf(stderr, "text:    [%s]\nfolded:  [%s]\ndecoded: [%s]\n", montrer(texte).data(),
                montrer(plie).data(), montrer(decode).data());
        abort();
    }
    return 0;
}
