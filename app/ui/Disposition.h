#pragma once
// The controls of each page of the main window, placed as in the window's 96-dpi design.
class TForm1;

void DisposerEnvois(TForm1& f);
void DisposerAdresses(TForm1& f);
void DisposerImport(TForm1& f);
void DisposerOutils(TForm1& f);
void DisposerParametres(TForm1& f);
void DisposerHistoriqueEtAPropos(TForm1& f);
void DisposerErreurs(TForm1& f);
