#pragma once
// The error tab of a campaign: the failed addresses, their reasons, the ".err" file, and a
// list of the failed addresses to send to again.
#include "sending/ResultatEnvoi.h"

#include <QString>

class ChercheAdresse;
class ChoixListeEnvoi;
class Dialogues;
class Gestionnaires;
class LigneStatut;
class ListeChargee;
class Onglets;
class QWidget;
struct ControlesEnvois;
struct ControlesErreurs;

// The window's pages this one shows: its own tab, the list page for a search, "Envois Mail"
// for a new list.
struct PagesErreurs {
    QWidget* erreurs = nullptr;
    QWidget* adresses = nullptr;
    QWidget* envois = nullptr;
};

class PageErreurs {
public:
    // `envois` gives the subject the ".err" file is named after; `liste` its busy mark;
    // `repertoire` holds the ".err" files and the lists.
    PageErreurs(ControlesErreurs& c, const ControlesEnvois& envois, Gestionnaires& gestionnaires,
                LigneStatut& statut, Dialogues& dialogues, const ListeChargee& liste,
                ChercheAdresse& recherche, ChoixListeEnvoi& choixListe, Onglets& onglets,
                PagesErreurs pages, QString repertoire);
    // At the start of a campaign: a new file name, an empty record, the tab hidden.
    void Reinitialiser();
    // Shows failures met by the send worker, in their order.
    void Reporter(const QList<ResultatEnvoi>& echecs);
    // At the end of a campaign: the tab shows when anything failed.
    void Reveler();
    void ListBoxErrAdresseClick();
    void ListBoxErrAdresseDblClick();
    void SpeedButton1Click();
    // Writes a new list of the failed addresses (in their order, each once) and makes it the
    // list of "Envois Mail", ready for another send.
    void SpeedButRenvoyerErreursClick();
    const QString& FichierErreurs() const { return fichierErreurs_; }

private:
    ControlesErreurs& c_;
    const ControlesEnvois& envois_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    const ListeChargee& liste_;
    ChercheAdresse& recherche_;
    ChoixListeEnvoi& choixListe_;
    Onglets& onglets_;
    PagesErreurs pages_;
    QString repertoire_;
    QString fichierErreurs_;
    QString rapport_;
};
