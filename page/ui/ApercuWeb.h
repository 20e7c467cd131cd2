#pragma once
// The behaviour of the browser preview of the page: the editor's text rendered by a browser
// view over the whole window.
#include <QString>

class Gestionnaires;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class SchemaApercu;
struct ControlesApercu;

class ApercuWeb {
public:
    // `apercu` asks for the preview of `editeur`'s text; `fermeture` is set when the window
    // closes: the wait for the browser ends then.
    ApercuWeb(ControlesApercu& c, QPushButton& apercu, const QPlainTextEdit& editeur,
              Gestionnaires& gestionnaires, const bool& fermeture);
    void SpeedButApercuMAilClick();
    // Shows `html` in the browser view `vue`, made by the first call when null.
    void ChargeHtmlApercu(QWidget*& vue, const QString& html);
    void SpeedButFermerApercuWebClick();

private:
    // The browser engine costs time and memory: it is made at the first preview only.
    QWidget* CreerNavigateur();

    ControlesApercu& c_;
    const QPlainTextEdit& editeur_;
    const bool& fermeture_;
    SchemaApercu* schema_ = nullptr;
};
