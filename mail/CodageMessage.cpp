#include "mail/CodageMessage.h"

#include "commun/Erreur.h"
#include "mail/EcritureMessage.h"

namespace {
// The longest line SMTP lets through, without its CR LF.
constexpr qsizetype longueurLigneMax = 998;

// Mail readers ignore the preamble: it only speaks to those that do not know MIME.
constexpr char preambule[] = "This is a multi-part message in MIME format.";

// Header text: ASCII, or UTF-8 in a message that travels with SMTPUTF8 (RFC 6532). A character
// the message cannot carry stops it here; it is never sent altered.
QByteArray OctetsEntete(const QString& ligne, bool utf8) {
    if (!utf8)
        for (QChar c : ligne)
            if (c.unicode() >= 128)
                throw Erreur(QStringLiteral("Envoi impossible : l'en-tête %1 contient un caractère "
                                            "que le message ne peut pas porter.")
                                 .arg(ligne.section(QLatin1Char(':'), 0, 0)));
    return ligne.toUtf8();
}

// Part headers are made of the program's own ASCII names.
QByteArray Ascii(const QString& texte) {
    return texte.toLatin1();
}
} // namespace

QByteArray ComposerMessage(MessageCourriel& message, const SourcesMessage& sources) {
    QByteArray texte;
    ComposerMessage(message, sources, texte, false);
    return texte;
}

void ComposerMessage(MessageCourriel& message, const SourcesMessage& sources, QByteArray& texte,
                     bool utf8) {
    VerifierMessage(message);
    const QString frontiere = GenererFrontiere(sources.Aleatoire);
    const QStringList entetes = GenererEntetes(message, frontiere, sources, utf8);
    qsizetype taille = 400 * (message.Parties.size() + 1);
    for (const QString& l : entetes) {
        if (l.size() > longueurLigneMax)
            throw Erreur(QStringLiteral("Envoi impossible : un en-tête du message a une ligne de "
                                        "plus de 998 caractères."));
        taille += l.size() + 2;
    }
    for (const PartieTexte& p : message.Parties)
        taille += p.CorpsCode().size();

    const QByteArray separateur = "--" + frontiere.toLatin1();
    texte.truncate(0);
    if (texte.capacity() < taille)
        texte.reserve(taille);
    for (const QString& l : entetes)
        texte += OctetsEntete(l, utf8) + "\r\n";
    texte += "\r\n";
    texte += preambule;
    texte += "\r\n\r\n";
    for (const PartieTexte& p : message.Parties) {
        texte += separateur + "\r\n";
        texte += "Content-Type: " + Ascii(p.TypeContenu);
        if (!p.JeuCaracteres.isEmpty())
            texte += "; charset=\"" + Ascii(p.JeuCaracteres) + '"';
        texte += "\r\nContent-Transfer-Encoding: " + Ascii(p.CodageTransfert) + "\r\n";
        texte += "Content-Disposition: " + Ascii(p.Disposition) + "\r\n\r\n";
        texte += p.CorpsCode();
        texte += "\r\n";
    }
    texte += separateur + "--\r\n\r\n";
}
