#pragma once
// A deleted list goes to the desktop's trash, where the user can restore it.
#include <QString>

// True when the file reached the trash.
bool EnvoiCorbeille(const QString& chemin);
