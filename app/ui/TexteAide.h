#pragma once
// The help text beside the SMTP fields of the "Paramètres" page.
class QTextEdit;

void EcrireTexteAide(QTextEdit* editeur);
