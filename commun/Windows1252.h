#pragma once
// The 8-bit code page of the files the program writes and of files read without a byte-order
// mark. Qt has no codec of its own for it, so the 32 codes 0x80..0x9F are mapped here.
#include <QByteArray>
#include <QString>

namespace Windows1252 {
// Each byte gives one character; the five unassigned codes keep their C1 value.
QString Decoder(QByteArrayView octets);
// Appends the text's bytes to `octets` and returns true; returns false, `octets` unchanged, when
// a character lacks a place in the code page.
bool Ajouter(QStringView texte, QByteArray& octets);
} // namespace Windows1252
