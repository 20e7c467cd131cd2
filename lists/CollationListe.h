#pragma once
// The order of a loaded list: the system locale's collation, case-sensitive, in which letters
// compare alphabetically first and case only breaks ties, lower case first.
//
// Most addresses are printable ASCII; for two such texts the collation reduces to comparing a
// per-character weight, then the case of the letters, so they are compared here without a call
// into the collator, which would make sorting a million addresses several times slower. The
// weights are read from the collator itself, so both paths give the same order.
#include <QCollator>
#include <QStringView>
#include <array>
#include <cstdint>

class CollationListe {
public:
    CollationListe();

    // Negative, zero or positive, as the collator compares them.
    int Comparer(QStringView a, QStringView b) const;
    // True when every character of the text is printable ASCII (the fast comparison applies).
    static bool Ascii(QStringView texte);
    // The same as Comparer, for two texts that are both Ascii.
    int ComparerAscii(QStringView a, QStringView b) const;

private:
    QCollator collateur_;
    std::array<std::uint8_t, 128> poids_{};
};
