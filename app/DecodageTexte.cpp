#include "app/DecodageTexte.h"

#include "app/Windows1252.h"

#include <QStringDecoder>

QString DecoderTexteFichier(const QByteArray& octets) {
    if (octets.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(octets).sliced(3));
    const bool le = octets.startsWith("\xFF\xFE");
    if (le || octets.startsWith("\xFE\xFF")) {
        QStringDecoder d(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return d.decode(QByteArrayView(octets).sliced(2));
    }
    return Windows1252::Decoder(octets);
}
