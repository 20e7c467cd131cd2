#pragma once
// The behaviour of choosing, loading and checking the HTML page.
#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class MesureMessage;
class QComboBox;
class QPlainTextEdit;
struct ControlesEnvois;

class ChargementPage {
public:
    // Pictures of the page status mark: none, correct (the last load passed the checks),
    // faulty.
    static constexpr int MarqueAucune = 1000;
    static constexpr int MarqueCorrecte = 1;
    static constexpr int MarqueFautive = 2;

    // The page's text goes into `editeur` (the raw HTML of "Outils") and what the load
    // noticed into `remarques`; the file dialog starts in `repertoire`; the loaded file is
    // noted in the settings file `fichierReglages`, its folder in `dossierPage`; `mesure`
    // makes its message as a campaign would, to tell what it holds and weighs.
    ChargementPage(ControlesEnvois& c, QPlainTextEdit& editeur, QComboBox& remarques,
                   Gestionnaires& gestionnaires, LigneStatut& statut, Dialogues& dialogues,
                   const QString& repertoire, const QString& fichierReglages, QString& dossierPage,
                   MesureMessage& mesure);
    void SpeedButton2Click();
    void SpeedButChargerClick();

private:
    // The page's pictures and what recipients would miss: false when a picture is missing.
    bool Examiner(const QString& texte);

    ControlesEnvois& c_;
    QPlainTextEdit& editeur_;
    QComboBox& remarques_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    QString repertoire_;
    QString fichierReglages_;
    QString& dossierPage_;
    MesureMessage& mesure_;
};
