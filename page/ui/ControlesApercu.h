#pragma once
// The preview overlay; the browser view is made at the first preview.
class QFrame;
class QPushButton;
class QWidget;

struct ControlesApercu {
    QFrame* PanelApercuWeb = nullptr;
    QWidget* WebBrowserApercu = nullptr;
    QPushButton* SpeedButFermerApercuWeb = nullptr;
};
