#pragma once
// Reading addresses as a user types them: "a@b.c", "Nom <a@b.c>", "\"Nom, avec\" <a@b.c>",
// comments in parentheses, lists cut at commas and semicolons, group names. Never fails:
// odd shapes give whatever is found.
#include "mail/AdresseCourriel.h"

AdresseCourriel LireAdresse(const QString& texte);
// Empties `liste`, then appends every address of `texte` in order.
void LireListeAdresses(const QString& texte, AdressesCourriel& liste);
