#pragma once
// The behaviour of choosing, loading and checking the HTML page.
#include <QString>

class Dialogues;
class Gestionnaires;
class LigneStatut;
class QPlainTextEdit;
struct ControlesEnvois;

class ChargementPage {
public:
    // Pictures of the page status mark: none, correct (the last load passed the checks),
    // faulty.
    static constexpr int MarqueAucune = 1000;
    static constexpr int MarqueCorrecte = 1;
    static constexpr int MarqueFautive = 2;

    // The page's text goes into `editeur` (the raw HTML of "Outils"); the file dialog starts in
    // `repertoire`; the loaded file is noted in the settings file `fichierReglages`.
    ChargementPage(ControlesEnvois& c, QPlainTextEdit& editeur, Gestionnaires& gestionnaires,
                   LigneStatut& statut, Dialogues& dialogues, const QString& repertoire,
                   const QString& fichierReglages);
    void SpeedButton2Click();
    void SpeedButChargerClick();

private:
    ControlesEnvois& c_;
    QPlainTextEdit& editeur_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    QString repertoire_;
    QString fichierReglages_;
};
