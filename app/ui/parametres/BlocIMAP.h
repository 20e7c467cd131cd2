#pragma once
// The mailbox's block of "Paramètres": the server where bounces and unsubscribe requests come
// back, its port, and its user and password when they are not the SMTP ones (the password in
// the desktop's keyring, as the SMTP one). Saved by the page's "Enregistrer", after the SMTP
// settings; restored by its "Annuler".
#include "returns/DecouverteIMAP.h"

class OperationTrousseau;

#include <QString>

class Gestionnaires;
class PageParametres;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
struct Reglages;

struct ControlesIMAP {
    QLineEdit* EditIMAPServeur = nullptr;
    QLineEdit* EditIMAPPort = nullptr;
    QLineEdit* EditIMAPUser = nullptr;
    QLineEdit* EditIMAPPassword = nullptr;
};

class BlocIMAP {
public:
    // Lays its controls out on `page`, in the right column under the help.
    BlocIMAP(QWidget& page, QTabWidget& onglets, Gestionnaires& gestionnaires, Reglages& actifs,
             QString cheminParametres, PageParametres& parametres, QPushButton& enregistrer,
             QPushButton& annuler);

    // The active values; with no server saved, one guessed from the SMTP server, to confirm.
    void Afficher();
    // At start-up, once the page has read the settings: a password kept in the keyring is
    // asked there.
    void LireMotDePasse();
    // With no server saved, asks the DNS of the sender's domain for the mailbox's server, which
    // then replaces the guess (unless the user typed over it), to confirm.
    void ChercherServeur(const QString& adresse);
    void Enregistrer();
    const ControlesIMAP& Controles() const { return c_; }

private:
    void ServeurTrouve(const QString& hote, quint16 port);
    void MotDePasseLu(OperationTrousseau& operation);
    // With a keyring: the password typed in the block goes there; one cleared (the SMTP one used
    // again, the file already saying so) leaves it.
    void EnregistrerMotDePasse(const QString& ancienneEntree);

    ControlesIMAP c_;
    Reglages& actifs_;
    QString cheminParametres_;
    PageParametres& parametres_;
    QPushButton& enregistrer_;
    QPushButton& annuler_;
    DecouverteIMAP decouverte_;
    // The field's text when the search began: the guess the answer may replace.
    QString devine_;
};
