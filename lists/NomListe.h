#pragma once
// A list's file name typed by the user: completed with ".list" and checked before any file is
// made, so that the list lands in the program's directory under a name every system accepts
// (the lists travel between machines).
#include <QString>

namespace NomListe {
// The name without blanks at both ends, with ".list" added unless it ends so already.
QString Completer(const QString& saisie);
// Empty when the completed name is fit for a list file; else the French message that says why.
QString Refus(const QString& nom);
} // namespace NomListe
