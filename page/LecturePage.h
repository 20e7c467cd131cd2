#pragma once
// Reads the newsletter page file as text, decoded by its byte-order mark (UTF-8, UTF-16 LE or
// BE) or as Windows-1252 without one.
#include <QString>

// An empty text when no file exists at `chemin` (a directory is no file). Raises Erreur when
// a file exists but cannot be opened or read.
QString LireFichierPage(const QString& chemin);
