#include "page/ui/SchemaApercu.h"

#include <QBuffer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {
const QString kPage = QStringLiteral("page");
}

QByteArray SchemaApercu::Nom() {
    return QByteArrayLiteral("lettrova-apercu");
}

QByteArray SchemaApercu::NomImages() {
    return QByteArrayLiteral("cid");
}

void SchemaApercu::Enregistrer() {
    static const bool fait = [] {
        for (const QByteArray& nom : {Nom(), NomImages()}) {
            QWebEngineUrlScheme schema(nom);
            schema.setSyntax(QWebEngineUrlScheme::Syntax::Path);
            QWebEngineUrlScheme::registerScheme(schema);
        }
        return true;
    }();
    Q_UNUSED(fait);
}

SchemaApercu::SchemaApercu(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

QUrl SchemaApercu::Publier(QByteArray octets, QList<ImageJointe> images) {
    octets_ = std::move(octets);
    images_ = std::move(images);
    QUrl adresse;
    adresse.setScheme(QString::fromLatin1(Nom()));
    adresse.setPath(kPage);
    return adresse;
}

void SchemaApercu::requestStarted(QWebEngineUrlRequestJob* requete) {
    const QUrl adresse = requete->requestUrl();
    if (adresse.scheme().toLatin1() == NomImages()) {
        for (const ImageJointe& image : std::as_const(images_)) {
            if (image.identifiant != adresse.path())
                continue;
            auto* flux = new QBuffer(requete);
            flux->setData(image.octets);
            flux->open(QIODevice::ReadOnly);
            requete->reply(image.typeMime.toLatin1(), flux);
            return;
        }
        requete->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (adresse.path() != kPage) {
        requete->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* flux = new QBuffer(requete);
    flux->setData(octets_);
    flux->open(QIODevice::ReadOnly);
    // The charset given here overrides the one the page's meta tag declares.
    requete->reply(QByteArrayLiteral("text/html;charset=UTF-8"), flux);
}
