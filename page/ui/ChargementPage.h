#pragma once
// The behaviour of choosing, loading and checking the HTML page.
#include "commun/ui/PageChargee.h"

#include <QString>

class Dialogues;
class Forme;
class ImageMarque;
class Gestionnaires;
class LigneStatut;
class MesureMessage;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The controls of "Envois Mail" that choose and load the page, and the send button and mark
// that a new page turns off until it is checked.
struct ControlesChargement {
    QLineEdit* EditFichierACharger = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButCharger = nullptr;
    ImageMarque* LMDLImageStatusChargement = nullptr;
    QPushButton* SpeedButEnvoyer = nullptr;
    Forme* ShapeEnvoiValide = nullptr;
};

class ChargementPage final : public PageChargee {
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
    ChargementPage(ControlesChargement c, QPlainTextEdit& editeur, QComboBox& remarques,
                   Gestionnaires& gestionnaires, LigneStatut& statut, Dialogues& dialogues,
                   const QString& repertoire, const QString& fichierReglages, QString& dossierPage,
                   MesureMessage& mesure);
    void SpeedButton2Click();
    void SpeedButChargerClick();
    bool PageCorrecte() const override;

private:
    // The page's pictures and what recipients would miss: false when a picture is missing.
    bool Examiner(const QString& texte);

    ControlesChargement c_;
    QPlainTextEdit& editeur_;
    QComboBox& remarques_;
    LigneStatut& statut_;
    Dialogues& dialogues_;
    QString repertoire_;
    QString fichierReglages_;
    QString& dossierPage_;
    MesureMessage& mesure_;
};
