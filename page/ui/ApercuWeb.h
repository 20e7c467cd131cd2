#pragma once
// The behaviour of the browser preview of the page: the editor's text rendered by a browser
// view over the whole window.
#include "page/ImageJointe.h"

#include <QList>
#include <QString>

class Gestionnaires;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class SchemaApercu;
struct ControlesApercu;
struct Reglages;

class ApercuWeb {
public:
    // `apercu` asks for the preview of `editeur`'s text, whose relative addresses start from
    // `dossierPage`; `fermeture` is set when the window closes: the wait for the browser ends
    // then.
    ApercuWeb(ControlesApercu& c, QPushButton& apercu, const QPlainTextEdit& editeur,
              const QString& dossierPage, const Reglages& reglages, Gestionnaires& gestionnaires,
              const bool& fermeture);
    // The page as recipients get it: its pictures shown when they travel with it, named
    // beside "Fermer" when they do not.
    void SpeedButApercuMAilClick();
    // Shows `html` in the browser view `vue`, made by the first call when null; `images`
    // answer its "cid:" addresses.
    void ChargeHtmlApercu(QWidget*& vue, const QString& html, QList<ImageJointe> images = {});
    void SpeedButFermerApercuWebClick();

private:
    // The browser engine costs time and memory: it is made at the first preview only.
    QWidget* CreerNavigateur();

    ControlesApercu& c_;
    const QPlainTextEdit& editeur_;
    const QString& dossierPage_;
    const Reglages& reglages_;
    const bool& fermeture_;
    SchemaApercu* schema_ = nullptr;
};
