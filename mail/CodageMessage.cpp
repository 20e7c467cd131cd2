#include "mail/CodageMessage.h"

#include "commun/Erreur.h"
#include "mail/EcritureMessage.h"

#include <algorithm>

namespace {
// The longest line SMTP lets through, without its CR LF.
constexpr qsizetype longueurLigneMax = 998;

// Mail readers ignore the preamble: it only speaks to those that do not know MIME.
constexpr char preambule[] = "This is a multi-part message in MIME format.";

// Header and part-header text: anything beyond ASCII becomes "?", so that no 8-bit byte is sent.
QByteArray Ascii(const QString& texte) {
    QByteArray octets = texte.toLatin1();
    std::replace_if(
        octets.begin(), octets.end(), [](char o) { return (o & 0x80) != 0; }, '?');
    return octets;
}
} // namespace

QByteArray ComposerMessage(MessageCourriel& message, const SourcesMessage& sources) {
    QByteArray texte;
    ComposerMessage(message, sources, texte);
    return texte;
}

void ComposerMessage(MessageCourriel& message, const SourcesMessage& sources, QByteArray& texte) {
    VerifierMessage(message);
    const QString frontiere = GenererFrontiere(sources.Aleatoire);
    const QStringList entetes = GenererEntetes(message, frontiere, sources);
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
        texte += Ascii(l) + "\r\n";
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
