#pragma once
// "Désinscrits" on "Gestion d'adresses": the addresses no campaign writes to, seen and edited
// (one a line) in a panel over the page, imported from a file; and a note whenever an address
// typed or imported into the loaded list is one of them, so that nothing is dropped silently.
#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class ListeChargee;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
struct ControlesListes;

struct ControlesDesinscrits {
    QPushButton* SpeedButDesinscrits = nullptr;
    QFrame* PanelDesinscrits = nullptr;
    QPlainTextEdit* MemoDesinscrits = nullptr;
    QLabel* LabTotalDesinscrits = nullptr;
    QPushButton* SpeedButImporterDesinscrits = nullptr;
    QPushButton* SpeedButEnrDesinscrits = nullptr;
    QPushButton* SpeedButFermerDesinscrits = nullptr;
};

class EditionDesinscrits {
public:
    // `repertoire`: the folder of the lists, where the file is.
    EditionDesinscrits(QWidget& page, ControlesListes& listes, ListeChargee& liste,
                       Gestionnaires& gestionnaires, LigneStatut& statut, Dialogues& dialogues,
                       QString repertoire);

    void SpeedButDesinscritsClick();
    void SpeedButImporterDesinscritsClick();
    void SpeedButEnrDesinscritsClick();
    void SpeedButFermerDesinscritsClick();
    // After `texte` was typed into the loaded list.
    void SignalerAdresse(const QString& texte);
    // After a file was imported into the loaded list.
    void SignalerListe();

    const ControlesDesinscrits& Controles() const { return c_; }

private:
    void Compter();

    ControlesDesinscrits c_;
    ControlesListes& listes_;
    ListeChargee& liste_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    QString repertoire_;
    // The text typed when "Ajouter Cette Adresse" was pressed, told once it is clicked.
    QString ajoutee_;
};
