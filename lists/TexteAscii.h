#pragma once
// Text helpers of the list commands: only the ASCII letters change case, so that accented
// letters stay exactly as typed.
#include <QString>
#include <QStringView>

namespace TexteAscii {
QString Minuscules(QStringView texte);
// Removes the characters of code 32 or less at both ends.
QString SansBlancsAuxBouts(QStringView texte);
// True when the name, ASCII letters lowered, ends in ".list".
bool EstNomListe(QStringView nom);
// The one check made on an address: at least one "@" and one "." anywhere.
bool AdresseSembleCorrecte(QStringView adresse);
} // namespace TexteAscii
