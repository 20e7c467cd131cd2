#pragma once
// The controls of "Retours".
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QWidget;

struct ControlesRetours {
    QPushButton* SpeedButRelever = nullptr;
    QProgressBar* ProgressBarRetours = nullptr;
    QLabel* LabEtatRetours = nullptr;
    // By campaign: the definitive failures, the temporary ones; then the unsubscribe requests.
    QTreeWidget* TreeRetours = nullptr;
    QPushButton* SpeedButRetirerListe = nullptr;
    QPushButton* SpeedButNePlusEcrire = nullptr;
};

void DisposerRetours(QWidget* p, ControlesRetours& c);
