#include "app/ui/TexteAide.h"

#include <QTextCursor>
#include <QTextEdit>

namespace {

enum Style { Regulier, Gras, Souligne };

struct Segment {
    const char* texte; // "\n" starts a new paragraph
    char couleur;      // r red, n navy, k black
    int taille;
    Style style;
};

const char* const kSeparateur = "________________________________ ";

const Segment kAide[] = {
    {"Paramètre Serveur:\n\n", 'r', 11, Souligne},
    {"Serveur:", 'n', 10, Souligne},
    {"\nGénéralement du type \"smtp.votre fournisseur d'acces internet.\n", 'k', 9, Souligne},
    {"-Exemple: smtp.orange.fr \n", 'k', 9, Gras},
    {nullptr, 'k', 9, Gras},
    {"Port:", 'n', 10, Regulier},
    {"\nGénéralement = à 25, référez-vous aux paramètres fourni par votre fournisseur d'acces.\n",
     'k', 9, Regulier},
    {"-Exemple: 25 \n", 'k', 9, Gras},
    {nullptr, 'k', 9, Gras},
    {"Utilisateur et Mot de passse:", 'n', 10, Regulier},
    {"\nRéférez-vous aux paramètres fourni par votre fournisseur d'acces.\n", 'k', 9, Regulier},
    {nullptr, 'k', 9, Regulier},
    {"Adresse EXP.:", 'n', 10, Regulier},
    {"\nAdresse de réponse qui apparaitra sur le mail envoyé.\n", 'k', 9, Regulier},
    {"-Exemple: contact@mon-entreprise.fr \n\n", 'k', 9, Gras},
    {"-Attention: L'utilisation d'une adresse inexistante risque de faire apparaitre votre mail "
     "comme un SPAM\n",
     'r', 9, Gras},
    {nullptr, 'r', 9, Regulier},
    {"Connection Sécurisé TLS (Type Gmail):", 'n', 10, Regulier},
    {"\nPour les connection Sécurisé en TLS\n", 'k', 9, Regulier},
    {"-Exemple:\n", 'k', 9, Gras},
    {"Actif sur le serveur smtp.gmail.com (utiliser le port 587).\n", 'k', 9, Gras},
    {nullptr, 'k', 9, Gras},
};

QColor Couleur(char c) {
    switch (c) {
    case 'r':
        return QColor(255, 0, 0);
    case 'n':
        return QColor(0, 0, 128);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace

void EcrireTexteAide(QTextEdit* editeur) {
    editeur->clear();
    QTextCursor curseur(editeur->document());
    QTextBlockFormat centre, gauche;
    centre.setAlignment(Qt::AlignHCenter);
    gauche.setAlignment(Qt::AlignLeft);
    // Only the title's line is centred.
    curseur.setBlockFormat(centre);
    for (const Segment& s : kAide) {
        QTextCharFormat format;
        format.setForeground(Couleur(s.couleur));
        format.setFontPointSize(s.taille);
        format.setFontWeight(s.style == Gras ? QFont::Bold : QFont::Normal);
        format.setFontUnderline(s.style == Souligne);
        const QString texte = s.texte ? QString::fromUtf8(s.texte)
                                      : QString::fromUtf8(kSeparateur) + QLatin1Char('\n');
        const QStringList lignes = texte.split(u'\n');
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            if (i > 0)
                curseur.insertBlock(gauche, format);
            curseur.insertText(lignes[i], format);
        }
    }
}
