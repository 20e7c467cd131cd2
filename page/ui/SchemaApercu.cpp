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

void SchemaApercu::Enregistrer() {
    static const bool fait = [] {
        QWebEngineUrlScheme schema(Nom());
        schema.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        QWebEngineUrlScheme::registerScheme(schema);
        return true;
    }();
    Q_UNUSED(fait);
}

SchemaApercu::SchemaApercu(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

QUrl SchemaApercu::Publier(QByteArray octets) {
    octets_ = std::move(octets);
    QUrl adresse;
    adresse.setScheme(QString::fromLatin1(Nom()));
    adresse.setPath(kPage);
    return adresse;
}

void SchemaApercu::requestStarted(QWebEngineUrlRequestJob* requete) {
    if (requete->requestUrl().path() != kPage) {
        requete->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* flux = new QBuffer(requete);
    flux->setData(octets_);
    flux->open(QIODevice::ReadOnly);
    // The charset given here overrides the one the page's meta tag declares.
    requete->reply(QByteArrayLiteral("text/html;charset=UTF-8"), flux);
}
