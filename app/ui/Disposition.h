#pragma once
// The controls of each page of the main window, placed as in the window's 96-dpi design: each
// layout fills its page's struct of controls.
class QWidget;
struct ControlesAPropos;
struct ControlesConnexion;
struct ControlesEnvois;
struct ControlesErreurs;
struct ControlesHistorique;
struct ControlesListes;
struct ControlesOutils;
struct ControlesParametres;
struct ImagesFenetre;

void DisposerEnvois(QWidget* page, const ImagesFenetre& images, ControlesEnvois& f);
// The list page, its import panel included.
void DisposerAdresses(QWidget* page, const ImagesFenetre& images, ControlesListes& f);
void DisposerImport(QWidget* page, ControlesListes& f);
void DisposerOutils(QWidget* page, ControlesOutils& f);
void DisposerHistorique(QWidget* page, ControlesHistorique& f);
void DisposerAPropos(QWidget* page, const ImagesFenetre& images, ControlesAPropos& f);
void DisposerParametres(QWidget* page, ControlesParametres& f);
// "Trouver" and "Tester la connexion", on the same page.
void DisposerConnexion(QWidget* page, ControlesConnexion& f);
void DisposerErreurs(QWidget* page, const ImagesFenetre& images, ControlesErreurs& f);
