#pragma once
// The preview overlay; the browser view is made at the first preview.
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

struct ControlesApercu {
    QFrame* PanelApercuWeb = nullptr;
    QWidget* WebBrowserApercu = nullptr;
    QPushButton* SpeedButFermerApercuWeb = nullptr;
    // Beside "Fermer": the pictures the preview cannot show, as recipients would miss them.
    QLabel* LabImagesApercu = nullptr;
};
