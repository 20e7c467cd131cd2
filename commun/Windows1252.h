#pragma once
// The 8-bit code page of the files the program writes and of files read without a byte-order
// mark. Qt has no codec of its own for it, so the 32 codes 0x80..0x9F are mapped here.
#include <QByteArray>
#include <QString>

namespace Windows1252 {
// Each byte gives one character; the five unassigned codes keep their C1 value.
QString Decoder(QByteArrayView octets);
// A character the code page lacks becomes "?".
QByteArray Encoder(QStringView texte);
// True when the character exists in the code page.
bool Representable(QChar c);
} // namespace Windows1252
