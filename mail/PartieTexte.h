#pragma once
// One text part of a message ("text/plain", "text/html") and its body as it travels.
#include <QByteArray>
#include <QString>
#include <QStringList>

class PartieTexte {
public:
    PartieTexte(QString typeContenu, QStringList corps)
        : TypeContenu(std::move(typeContenu)), Corps(std::move(corps)) {}

    QString TypeContenu;
    QStringList Corps;
    QString CodageTransfert;
    QString Disposition;
    QString JeuCaracteres;

    // The body in UTF-8, quoted-printable, every line ended by CR LF. It is encoded once and
    // kept while `Corps` stays the same list (any change to it makes a new one).
    const QByteArray& CorpsCode() const;

private:
    mutable QStringList source_;
    mutable QByteArray code_;
    mutable bool calcule_ = false;
};
