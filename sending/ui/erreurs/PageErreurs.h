#pragma once
// The error tab of a campaign: the failed addresses, their reasons, the ".err" file, and a
// list of the failed addresses to send to again.
#include "commun/ui/SuiviErreurs.h"

#include <QString>

class ChercheAdresse;
class ChoixListeEnvoi;
class Dialogues;
class Gestionnaires;
class LigneStatut;
class ListeEnvoi;
class Onglets;
class QLineEdit;
class QWidget;
struct ControlesErreurs;

// The window's pages this one shows: its own tab, the list page for a search, "Envois Mail"
// for a new list.
struct PagesErreurs {
    QWidget* erreurs = nullptr;
    QWidget* adresses = nullptr;
    QWidget* envois = nullptr;
};

class PageErreurs : public SuiviErreurs {
public:
    // `sujet` (on "Envois Mail") gives the subject the ".err" file is named after; `liste` its
    // busy mark;
    // `repertoire` holds the ".err" files and the lists.
    PageErreurs(ControlesErreurs& c, const QLineEdit& sujet, Gestionnaires& gestionnaires,
                LigneStatut& statut, Dialogues& dialogues, const ListeEnvoi& liste,
                ChercheAdresse& recherche, ChoixListeEnvoi& choixListe, Onglets& onglets,
                PagesErreurs pages, QString repertoire);
    void Reinitialiser() override;
    void Reporter(const QList<ResultatEnvoi>& echecs) override;
    void Reveler() override;
    void ListBoxErrAdresseClick();
    void ListBoxErrAdresseDblClick();
    void SpeedButton1Click();
    // Writes a new list of the failed addresses (in their order, each once) and makes it the
    // list of "Envois Mail", ready for another send.
    void SpeedButRenvoyerErreursClick();
    const QString& FichierErreurs() const { return fichierErreurs_; }

private:
    ControlesErreurs& c_;
    const QLineEdit& sujet_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    const ListeEnvoi& liste_;
    ChercheAdresse& recherche_;
    ChoixListeEnvoi& choixListe_;
    Onglets& onglets_;
    PagesErreurs pages_;
    QString repertoire_;
    QString fichierErreurs_;
    QString rapport_;
};
