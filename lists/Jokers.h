#pragma once
// Whole-text matching with wildcards: "?" stands for exactly one character, "*" for any run of
// characters, the empty run included; other characters are compared by code, case counting.
#include <QStringView>
#include <vector>

// True when the whole text matches the whole pattern. Time grows with the product of the two
// lengths at worst, whatever the number of stars.
bool CorrespondMasque(QStringView texte, QStringView masque);

// True when the pattern matches the text with the j-th star covering exactly longueurs[j]
// characters (cells from 1; a star past the end of the text takes what is left).
bool CompareJokers(QStringView texte, QStringView masque, const std::vector<int>& longueurs);

// The sum of longueurs[1] to longueurs[n]; 0 when n is 0 or less.
int SommeLongueurs(const std::vector<int>& longueurs, int n);

// The same answer as CorrespondMasque, found by trying every split of the text's spare
// characters over the stars in turn: the reference the quick matcher is held to. Its cost
// explodes with the number of stars.
bool CorrespondMasqueParEnumeration(QStringView texte, QStringView masque);
