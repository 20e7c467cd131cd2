#pragma once
// Takes addresses out of a list file for good: the list is saved without them (atomically),
// after they were added to the ".retirees" file beside it, so that nothing is lost.
#include <QStringList>

namespace RetraitListe {
inline constexpr char kExtension[] = ".retirees";

// The ".retirees" file of a list file ("clients.list" -> "clients.retirees").
QString CheminRetirees(const QString& cheminListe);

// Removes every item of the list whose address (Desinscrits::Cle) is one of `adresses`, and
// returns the items removed. Raises Erreur when a file cannot be read or written, and the
// Erreur of FichierListe::Lire for a list it cannot read; the list is then unchanged.
QStringList Retirer(const QString& cheminListe, const QStringList& adresses);
} // namespace RetraitListe
