#pragma once
// The two ways of finding addresses in another program's file, one line at a time. Lines are
// examined only up to their 4096th character.
#include <QString>
#include <QStringView>
#include <functional>

namespace ScannersImport {

constexpr qsizetype kLongueurExaminee = 4096;

// Address-book exports (LDIF): the text after the first "mail: " of the line, or else after
// its first "mail=", as it is (possibly empty); nothing from any other line.
void Ldif(QStringView ligne, const std::function<void(QString)>& trouve);

// Any text or CSV file: every run of characters between blanks, TABs, "," and ";" that holds
// an "@", without the characters of code 32 or less at its ends.
void Brut(QStringView ligne, const std::function<void(QString)>& trouve);

} // namespace ScannersImport
