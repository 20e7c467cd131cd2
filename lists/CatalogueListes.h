#pragma once
// The lists are the files of the program's directory whose name ends in ".list", whatever the
// case of its letters; directories are not lists and subdirectories are not searched.
#include <QString>
#include <QStringList>

// The names as they are on disk, sorted by name (the directory listing has no stable order).
QStringList CatalogueListes(const QString& repertoire);
