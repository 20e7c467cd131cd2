#include "commun/Windows1252.h"

#include <array>

namespace {
// Characters of codes 0x80..0x9F; the unassigned ones keep their own code.
constexpr std::array<char16_t, 32> kHaut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int Code(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHaut[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

namespace Windows1252 {

QString Decoder(QByteArrayView octets) {
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* d = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHaut[b - 0x80]) : QChar(b);
    }
    return texte;
}

bool Ajouter(QStringView texte, QByteArray& octets) {
    const qsizetype debut = octets.size();
    octets.resize(debut + texte.size());
    char* d = octets.data() + debut;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t u = texte[i].unicode();
        if (u < 0x80) {
            d[i] = static_cast<char>(u);
            continue;
        }
        const int c = Code(u);
        if (c < 0) {
            octets.truncate(debut);
            return false;
        }
        d[i] = static_cast<char>(c);
    }
    return true;
}

} // namespace Windows1252
