#pragma once
// Reads a file to import as text: decoded by its byte-order mark, else as Windows-1252.
#include <QString>

// Raises Erreur with the system's message when the file cannot be read.
QString LireFichierImport(const QString& chemin);
