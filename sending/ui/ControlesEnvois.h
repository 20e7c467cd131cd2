#pragma once
// The controls of "Envois Mail", named as the user's manual names them: the page loading and
// the campaign share this page.
class Forme;
class ImageAnimee;
class ImageMarque;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

struct ControlesEnvois {
    QComboBox* ComboBoxListe1 = nullptr;
    QLabel* LabTotalAdresse2 = nullptr;
    QLineEdit* EditSujetMessage = nullptr;
    QLineEdit* EditFichierACharger = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButCharger = nullptr;
    ImageMarque* LMDLImageStatusChargement = nullptr;
    QPushButton* SpeedButApercuMAil = nullptr;
    QPushButton* SpeedButEnvoyer = nullptr;
    QPushButton* SpeedButEnvoyerTest = nullptr;
    Forme* ShapeEnvoiValide = nullptr;
    Forme* ShapeParametresOK = nullptr;
    QFrame* PanelConfirmeEnvois = nullptr;
    QLabel* LabQuestion = nullptr;
    // Under the question, when addresses of the list are in "Désinscrits".
    QLabel* LabDesinscrits = nullptr;
    QLabel* Label30 = nullptr;
    QPushButton* SpeedButOui = nullptr;
    QPushButton* SpeedButNon = nullptr;
    QFrame* PanelVisuEnvoisMail = nullptr;
    ImageAnimee* ImageProcessEnvois = nullptr;
    QLabel* Envoi = nullptr;
    QProgressBar* ProgressBarEnvoisMail = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* LabNbEnvois = nullptr;
    QPushButton* SpeedButFermerVisuEnvoisMail = nullptr;
    QPushButton* SpeedButStopperEnvois = nullptr;
};
