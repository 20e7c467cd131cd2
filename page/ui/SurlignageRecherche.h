#pragma once
// The search highlight of the raw HTML editor: every occurrence of the searched word, in
// yellow, nothing else of the text's look changed. Drawn block by block by the editor rather
// than stored as one text cursor per occurrence: tens of thousands of cursors would make every
// later change of a multi-megabyte page crawl. The searched word comes from a one-line field,
// so an occurrence never spans two lines.
#include <QString>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPlainTextEdit;

class SurlignageRecherche : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // The editor's highlighter, made at first use.
    static SurlignageRecherche& De(QPlainTextEdit& memo);

    // Highlights every occurrence of `mot` (none when empty), replacing earlier highlights.
    void Surligner(const QString& mot);
    // Removes the highlights now.
    void Effacer();
    // Before the whole text is replaced: the new text comes without highlights.
    void Oublier() { mot_.clear(); }

protected:
    void highlightBlock(const QString& texte) override;

private:
    explicit SurlignageRecherche(QTextDocument* document);

    QString mot_;
    QTextCharFormat jaune_;
};
