#pragma once
// A picture that travels inside the message, beside the "text/html" part that names it by
// "cid:" (RFC 2387). Its bytes are encoded once, when the part is made: every copy of the
// message and every transfer share that text.
#include <QByteArray>
#include <QString>

class PartieImage {
public:
    // `identifiant`: the Content-ID without its angle brackets; `nom`: a plain ASCII file name.
    PartieImage(QString typeContenu, QString identifiant, QString nom, const QByteArray& octets);

    const QString& TypeContenu() const { return typeContenu_; }
    const QString& Identifiant() const { return identifiant_; }
    const QString& Nom() const { return nom_; }
    // Base64, lines of 76 characters each ended by CR LF.
    const QByteArray& CorpsCode() const { return code_; }

private:
    QString typeContenu_;
    QString identifiant_;
    QString nom_;
    QByteArray code_;
};
