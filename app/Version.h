#pragma once
#include <QString>

// The running program's version, four numbers joined by dots (for instance 1.0.4.42).
// The value is built into the program from the one version of the build files.
QString LireVersionFichier();
