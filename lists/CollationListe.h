#pragma once
// The order of a loaded list: the system locale's collation, case-sensitive, in which letters
// compare alphabetically first and case only breaks ties, lower case first. Under the C or
// POSIX locale (minimal systems, containers, LANG unset) the language-neutral root collation
// is used: the C locale's code-point order would put "Zed" before "alice", against the fast
// path below, and the two together would make no order at all.
//
// Most addresses are printable ASCII; for two such texts the collation reduces to comparing a
// per-character weight, then the case of the letters, so they are compared here without a call
// into the collator, which would make sorting a million addresses several times slower. The
// weights are read from the collator itself, so both paths give the same order.
#include <QCollator>
#include <QLocale>
#include <QStringView>
#include <array>
#include <cstdint>

class CollationListe {
public:
    explicit CollationListe(const QLocale& locale = QLocale::system());

    // Negative, zero or positive, as the collator compares them.
    int Comparer(QStringView a, QStringView b) const;
    // True when every character of the text is printable ASCII (the fast comparison applies).
    static bool Ascii(QStringView texte);
    // The same as Comparer, for two texts that are both Ascii.
    int ComparerAscii(QStringView a, QStringView b) const;
    // For an Ascii text: the weights of its 9 characters from `debut`; two texts whose keys
    // from 0, then from 9, differ compare as those keys do (equal keys leave the order to
    // ComparerAscii).
    std::uint64_t Cle(QStringView texte, qsizetype debut) const;

private:
    QCollator collateur_;
    std::array<std::uint8_t, 128> poids_{};
};
