// The quoted-printable writer: lines of printable ASCII of at most 73 characters, none ending
// in a blank nor starting with a dot, and decoding gives back every line with CR LF.
#include "mail/QuotedPrintable.h"

#include <cstdlib>

namespace {
int Hexa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    abort(); // lower case or not a digit: the writer uses upper case only
}

// RFC 2045 decoding of lines that each end in CR LF.
QByteArray Decoder(const QByteArray& code) {
    QByteArray sortie;
    qsizetype debut = 0;
    while (debut < code.size()) {
        const qsizetype fin = code.indexOf("\r\n", debut);
        if (fin < 0)
            abort(); // a last line without its CR LF
        const QByteArray ligne = code.mid(debut, fin - debut);
        if (ligne.size() > 73 || ligne.startsWith('.') || ligne.endsWith(' ') ||
            ligne.endsWith('\t'))
            abort();
        bool douce = false;
        for (qsizetype i = 0; i < ligne.size(); ++i) {
            const char c = ligne[i];
            if ((c < 32 && c != '\t') || c > 126)
                abort();
            if (c != '=') {
                sortie += c;
            } else if (i + 1 == ligne.size()) {
                douce = true;
            } else {
                if (i + 2 >= ligne.size())
                    abort();
                sortie += char(Hexa(ligne[i + 1]) * 16 + Hexa(ligne[i + 2]));
                i += 2;
            }
        }
        if (!douce)
            sortie += "\r\n";
        debut = fin + 2;
    }
    return sortie;
}

// The input as lines ending at LF, a CR right before the LF dropped, each line given CR LF.
QByteArray Lignes(const QByteArray& octets) {
    QByteArray sortie;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        const qsizetype suivant = fin < 0 ? octets.size() : fin + 1;
        if (fin < 0)
            fin = octets.size();
        QByteArray ligne = octets.mid(debut, fin - debut);
        // A CR that ends the bytes is taken as a line end too (it never happens in a message,
        // whose body always ends in CR LF).
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        sortie += ligne + "\r\n";
        debut = suivant;
    }
    return sortie;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    if (Decoder(CoderQuotedPrintable(octets)) != Lignes(octets))
        abort();
    return 0;
}
