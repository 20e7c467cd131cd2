#pragma once
// The ".list" file: one item per line, its depth given by leading blanks or TABs.
#include <QByteArray>
#include <QStringView>

class ListeAdresses;

namespace FichierListe {
// Cuts the decoded text into lines and builds the items into `liste` (which is emptied first).
// A line two or more levels deeper than the item before it raises Erreur "Niveau incorrect
// (%d) pour l'élément "…""; the items built before it stay in the list.
void Lire(QStringView texte, ListeAdresses& liste);
// Every item in display order: one TAB per level, the text, CR LF; encoded as CodageFichier
// says. An empty list gives no byte at all.
QByteArray Ecrire(const ListeAdresses& liste);
} // namespace FichierListe
