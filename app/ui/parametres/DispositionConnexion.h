#pragma once
// Places "Trouver" and "Tester la connexion" on "Paramètres" and fills their struct.
class QWidget;
struct ControlesConnexion;

void DisposerConnexion(QWidget* page, ControlesConnexion& f);
