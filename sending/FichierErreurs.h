#pragma once
// The ".err" file of a campaign: its name, built when the campaign starts, and its content,
// the report text in Windows-1252 with CR LF line ends.
#include <QDateTime>
#include <QString>

namespace FichierErreurs {

// The program's directory, the subject as typed, the date and time as day.month.year
// hours.minutes.seconds (the time left out at exactly midnight), then ".err".
QString Nom(const QString& repertoire, const QString& sujet, const QDateTime& instant);

// Writes the report to the file as a whole, replacing an existing one. Raises Erreur
// "Impossible de créer le fichier "<chemin>". <reason>" when it cannot, also when the name
// would leave the program's directory `repertoire`; nothing is written then.
void Enregistrer(const QString& chemin, const QString& repertoire, const QString& rapport);

} // namespace FichierErreurs
