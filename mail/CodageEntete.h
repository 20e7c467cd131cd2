#pragma once
// Header text: RFC 2047 encoded-words for words that are not plain ASCII, and folding of a
// header line at 78 columns.
#include <QLocale>
#include <QString>

// The charset of encoded-words: its name on the wire and its name for iconv.
struct JeuEntete {
    QString Nom;
    QByteArray NomConversion;

    // UTF-8, except for the Chinese, Japanese, Korean, Russian and Ukrainian user languages.
    static JeuEntete PourLangue(const QLocale& langue);
    static JeuEntete DuSysteme() { return PourLangue(QLocale::system()); }
};

// Raises Erreur "Impossible d'encoder les données d'en-tête avec le jeu de caractères "%s""
// when the text has characters the charset lacks.
QString CoderMotsEntete(const QString& texte, const QString& speciaux,
                        const JeuEntete& jeu = JeuEntete::DuSysteme());

// The specials of a display name: ( ) [ ] < > : ; . , @ \ and the double quote.
QString SpeciauxNom();

QString PlierEntete(const QString& ligne);
