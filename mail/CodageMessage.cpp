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

void EcrirePartie(QByteArray& texte, const PartieTexte& p) {
    texte += "Content-Type: " + Ascii(p.TypeContenu);
    if (!p.JeuCaracteres.isEmpty())
        texte += "; charset=\"" + Ascii(p.JeuCaracteres) + '"';
    texte += "\r\nContent-Transfer-Encoding: " + Ascii(p.CodageTransfert) + "\r\n";
    texte += "Content-Disposition: " + Ascii(p.Disposition) + "\r\n\r\n";
    texte += p.CorpsCode();
}

// The page and its pictures as one part (RFC 2387), the page first, under a boundary of its own.
void EcrireGroupeImages(QByteArray& texte, const PartieTexte& page,
                        const QList<PartieImage>& images, const QString& frontiere) {
    const QByteArray separateur = "--" + frontiere.toLatin1();
    texte += "Content-Type: multipart/related; type=\"text/html\";\r\n boundary=\"" +
             frontiere.toLatin1() + "\"\r\n\r\n";
    texte += separateur + "\r\n";
    EcrirePartie(texte, page);
    for (const PartieImage& i : images) {
        texte += "\r\n" + separateur + "\r\n";
        texte += "Content-Type: " + Ascii(i.TypeContenu()) + ";\r\n name=\"" + Ascii(i.Nom()) +
                 "\"\r\nContent-Transfer-Encoding: base64\r\nContent-ID: <" +
                 Ascii(i.Identifiant()) + ">\r\nContent-Disposition: inline;\r\n filename=\"" +
                 Ascii(i.Nom()) + "\"\r\n\r\n";
        texte += i.CorpsCode();
    }
    texte += "\r\n" + separateur + "--\r\n";
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
    for (const PartieImage& i : message.Images)
        taille += i.CorpsCode().size() + 400;

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
        if (!message.Images.isEmpty() && p.TypeContenu == QLatin1String("text/html"))
            EcrireGroupeImages(texte, p, message.Images, GenererFrontiere(sources.Aleatoire));
        else
            EcrirePartie(texte, p);
        texte += "\r\n";
    }
    texte += separateur + "--\r\n\r\n";
}
