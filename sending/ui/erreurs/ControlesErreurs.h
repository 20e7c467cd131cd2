#pragma once
// The controls of "Erreurs Envois".
class ImageMarque;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

struct ControlesErreurs {
    QLabel* LabTotalErr = nullptr;
    QListWidget* ListBoxErrAdresse = nullptr;
    QLabel* LabErrDiscription = nullptr;
    QLabel* LabFichierErrEnvois = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButRenvoyerErreurs = nullptr;
    ImageMarque* LMDLImageEnregistrementErrOk = nullptr;
    QPlainTextEdit* MemoErreurEnvois = nullptr;
    QListWidget* ListBoxErrDescription = nullptr;
    QLabel* Label31 = nullptr;
};
