#pragma once
// Hands the preview page to the browser from memory. A page given through setContent()
// travels as a data address, which the engine limits to 2 MB; this scheme has no limit and
// writes no file. Only the page's own address answers: relative addresses of pictures, style
// sheets and links lead nowhere. The pictures that travel inside the message answer at their
// "cid:" address, as a mail reader shows them.
#include "page/ImageJointe.h"

#include <QByteArray>
#include <QList>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class SchemaApercu : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    // Declares the scheme to the engine; done before the engine starts.
    static void Enregistrer();
    static QByteArray Nom();
    static QByteArray NomImages();

    explicit SchemaApercu(QObject* parent);
    // Sets the page served next, with its pictures, and returns its address.
    QUrl Publier(QByteArray octets, QList<ImageJointe> images = {});

    void requestStarted(QWebEngineUrlRequestJob* requete) override;

private:
    QByteArray octets_;
    QList<ImageJointe> images_;
};
