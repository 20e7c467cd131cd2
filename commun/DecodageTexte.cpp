#include "commun/DecodageTexte.h"

#include "commun/Windows1252.h"

#include <QStringDecoder>

bool EstUtf8MultiOctets(QByteArrayView octets) {
    const auto* p = reinterpret_cast<const unsigned char*>(octets.data());
    const auto* const fin = p + octets.size();
    bool multiOctets = false;
    while (p < fin) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int suite;
        unsigned char min2 = 0x80, max2 = 0xBF; // bounds of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            suite = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            suite = 2;
            if (c == 0xE0)
                min2 = 0xA0; // overlong
            else if (c == 0xED)
                max2 = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            suite = 3;
            if (c == 0xF0)
                min2 = 0x90; // overlong
            else if (c == 0xF4)
                max2 = 0x8F; // past U+10FFFF
        } else {
            return false;
        }
        if (fin - p <= suite || p[1] < min2 || p[1] > max2)
            return false;
        for (int i = 2; i <= suite; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += suite + 1;
        multiOctets = true;
    }
    return multiOctets;
}

namespace {
// A surrogate without its pair is half a character, which no file can be written back with: it
// becomes U+FFFD, as a malformed UTF-8 sequence does.
QString SansDemiCaracteres(QString texte) {
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
            ++i;
        else if (texte[i].isSurrogate())
            texte[i] = QChar::ReplacementCharacter;
    }
    return texte;
}
} // namespace

QString DecoderTexteFichier(const QByteArray& octets) {
    // Past the file's own mark, a second one is the text's first character (U+FEFF): kept.
    if (octets.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
            .decode(QByteArrayView(octets).sliced(3));
    const bool le = octets.startsWith("\xFF\xFE");
    if (le || octets.startsWith("\xFE\xFF")) {
        QStringDecoder d(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                         QStringDecoder::Flag::ConvertInitialBom);
        return SansDemiCaracteres(d.decode(QByteArrayView(octets).sliced(2)));
    }
    if (EstUtf8MultiOctets(octets))
        return QString::fromUtf8(octets);
    return Windows1252::Decoder(octets);
}
