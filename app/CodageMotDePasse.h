#pragma once
#include <QString>

// The disguise under which the SMTP password is stored: each character's low byte is
// combined by exclusive or with the key's high byte. The same call scrambles and unscrambles.
QString CodageMotDePasse(const QString& texte, int cle);

// The program's key. Its high byte 0x9B sends printable ASCII onto 0xA0..0xFF, letters that
// Windows-1252 has and that are neither a blank, a quote nor NUL, so any typed password survives
// the file (0xA0, the no-break space, is no blank for the settings reader).
constexpr int kCleMotDePasse = 0x9B5A;
