#pragma once
// The controls of "Paramètres".
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextEdit;

struct ControlesParametres {
    QLineEdit* EditSMTPServeur = nullptr;
    QLineEdit* EditSMTPPort = nullptr;
    QLineEdit* EditSMTPUser = nullptr;
    QLineEdit* EditSMTPPassword = nullptr;
    QLineEdit* EditMailEXP = nullptr;
    QCheckBox* CheckBoxTLS = nullptr;
    QLineEdit* EditNomExpediteur = nullptr;
    QLineEdit* EditDesinscription = nullptr;
    QCheckBox* CheckBoxChargeHtmlAuto = nullptr;
    QCheckBox* CheckBoxJoindreImages = nullptr;
    QSpinBox* SpinEditMessagesMinute = nullptr;
    QSpinBox* SpinEditMessagesConnexion = nullptr;
    QSpinBox* SpinEditMessagesHeure = nullptr;
    QSpinBox* SpinEditMessagesJour = nullptr;
    QSpinBox* SpinEditConnexions = nullptr;
    QCheckBox* CheckBoxPipelining = nullptr;
    QPushButton* SpeedButAnnulerServeur = nullptr;
    QPushButton* SpeedButEnrServeur = nullptr;
    QTextEdit* RichEditAideServeur = nullptr;
    // Under the help, in the right column: the certificate pinned for the saved server.
    QLabel* LabEmpreinteTLS = nullptr;
    QPushButton* SpeedButOublierEmpreinte = nullptr;
};
