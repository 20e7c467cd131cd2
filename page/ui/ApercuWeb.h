#pragma once
// The behaviour of the browser preview of the page: the editor's text rendered by a browser
// view over the whole window.
#include <QString>

class QWidget;
class SchemaApercu;
class TForm1;

class ApercuWeb {
public:
    explicit ApercuWeb(TForm1& f);
    void SpeedButApercuMAilClick();
    // Shows `html` in the browser view `vue`, made by the first call when null.
    void ChargeHtmlApercu(QWidget*& vue, const QString& html);
    void SpeedButFermerApercuWebClick();

private:
    // The browser engine costs time and memory: it is made at the first preview only.
    QWidget* CreerNavigateur();

    TForm1& f_;
    SchemaApercu* schema_ = nullptr;
};
