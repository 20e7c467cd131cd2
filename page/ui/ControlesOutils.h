#pragma once
// The controls of "Outils", named as the user's manual names them.
class Forme;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

struct ControlesOutils {
    QPlainTextEdit* MemoHtmlBrut = nullptr;
    QFrame* PanelOutils = nullptr;
    QLineEdit* EditBefore = nullptr;
    QLineEdit* EditAfter = nullptr;
    QPushButton* SpeedButRemplacer = nullptr;
    QLineEdit* EditChercherInHtmBrut = nullptr;
    QPushButton* SpeedButFindInHtmlBrut = nullptr;
    QPushButton* SpeedButtonPleinEcran = nullptr;
    QCheckBox* CheckBoxRetourChariotAuto = nullptr;
    // What the last "Charger" noticed in the page, one remark a line.
    QComboBox* ComboBoxRemarquesPage = nullptr;
    Forme* ShapePanelOutils = nullptr;
};
