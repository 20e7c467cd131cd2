#pragma once
// The text of the files the program writes from what the user typed (lists, error files,
// settings): Windows-1252 when every character has a place there, so that such a file stays
// byte for byte what it always was; else UTF-8 behind a byte-order mark, which every reader of
// ours takes. A save never loses a character.
#include <QByteArray>
#include <QStringView>

class CodageFichier {
public:
    // Appends a piece of the file's text.
    void Ajouter(QStringView texte);
    // The file's bytes; the object starts again empty.
    QByteArray Prendre();

    // The bytes of a whole text.
    static QByteArray Coder(QStringView texte);

private:
    // What was written so far changes encoding, for good.
    void PasserEnUtf8();

    QByteArray octets_;
    bool utf8_ = false;
};
