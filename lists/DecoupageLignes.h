#pragma once
// Cuts a file's text into lines: a line ends at CR LF, a lone LF or a lone CR (LF then CR is
// two line ends), text after the last line end is a last line, and a NUL ends the text.
#include <QStringView>

class DecoupageLignes {
public:
    explicit DecoupageLignes(QStringView texte);
    // The next line, without its end; false when there is none left.
    bool Suivante(QStringView& ligne);
    // The number of lines the text holds.
    static qsizetype Compter(QStringView texte);

private:
    QStringView texte_;
    qsizetype position_ = 0;
};
