#include "mail/QuotedPrintable.h"

namespace {
constexpr char hexa[] = "0123456789ABCDEF";

void Echapper(QByteArray& sortie, unsigned char c) {
    sortie += '=';
    sortie += hexa[c >> 4];
    sortie += hexa[c & 15];
}
} // namespace

QByteArray CoderQuotedPrintable(const QByteArray& octets) {
    QByteArray sortie;
    sortie.reserve(octets.size() + octets.size() / 8);
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        const qsizetype suivant = fin < 0 ? octets.size() : fin + 1;
        if (fin < 0)
            fin = octets.size();
        if (fin > debut && octets[fin - 1] == '\r')
            --fin;
        qsizetype debutLigne = sortie.size();
        for (qsizetype i = debut; i < fin; ++i) {
            const auto c = static_cast<unsigned char>(octets[i]);
            const bool derniere = i + 1 == fin;
            if (c == '.' && sortie.size() == debutLigne)
                Echapper(sortie, c);
            else if (c >= 33 && c <= 126 && c != '=')
                sortie += static_cast<char>(c);
            else if ((c == ' ' || c == '\t') && !derniere)
                sortie += static_cast<char>(c);
            else
                Echapper(sortie, c);
            if (sortie.size() - debutLigne >= 70) {
                sortie += "=\r\n";
                debutLigne = sortie.size();
            }
        }
        sortie += "\r\n";
        debut = suivant;
    }
    return sortie;
}
