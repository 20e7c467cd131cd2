#pragma once
// The controls of "Gestion d'adresses" and of its import panel, named as the user's manual
// names them.
class ImageMarque;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTreeView;

struct ControlesListes {
    QComboBox* ComboBoxListe2 = nullptr;
    ImageMarque* LMDLImageListe2 = nullptr;
    QLabel* LabTotalAdresse = nullptr;
    QTreeView* TreeViewListingListe = nullptr;
    QPushButton* SpeedButSupprimerListe = nullptr;
    QPushButton* SpeedButSupDoublon = nullptr;
    QLineEdit* EditNomNouvelleListe = nullptr;
    QPushButton* SpeedButCreerFichier = nullptr;
    QLineEdit* EditFindAdresse = nullptr;
    QLabel* ImageRechercheSuite = nullptr;
    QPushButton* SpeedButFindAdresse = nullptr;
    QPushButton* SpeedButArreterRecherche = nullptr;
    QLineEdit* EditAjoutAdresse = nullptr;
    QPushButton* SpeedButAjouterAdresse = nullptr;
    QPushButton* SpeedButImporterMail = nullptr;
    QLineEdit* EditAdresseListeSelected = nullptr;
    QPushButton* SpeedButRenommerAdresse = nullptr;
    QPushButton* SpeedButSupprimerAdresse = nullptr;
    QPushButton* SpeedButAnnuleModifGestionAdresse = nullptr;
    QPushButton* SpeedButSaveGestionAdresse = nullptr;
    QFrame* PanelImporterMAil = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* EditCheminImportMAil = nullptr;
    QPushButton* SpeedButCheminImport = nullptr;
    QComboBox* ComboBoxTypeImport = nullptr;
    QProgressBar* ProgressBarImportFindAdresse = nullptr;
    QPlainTextEdit* MemoImportBrut = nullptr;
    QTreeView* TreeViewApercu = nullptr;
    QLabel* LabTotalAdresse3 = nullptr;
    QPushButton* SpeedButImporterListeMail = nullptr;
    QPushButton* SpeedButFermerImportMail = nullptr;
};
