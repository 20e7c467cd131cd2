#pragma once
// The controls of "A Propos".
class QLabel;
class QPlainTextEdit;

struct ControlesAPropos {
    QLabel* LabelVersion = nullptr;
    QPlainTextEdit* MemoAPropos = nullptr;
    QLabel* LabelLienInternet = nullptr;
    // The folder where the settings and lists are kept.
    QLabel* LabelDossierDonnees = nullptr;
};
