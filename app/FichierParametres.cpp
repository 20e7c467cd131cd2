#include "app/FichierParametres.h"

#include "commun/CodageFichier.h"
#include "commun/DecodageTexte.h"
#include "commun/EcritureAtomique.h"
#include "commun/Erreur.h"
#include "commun/MessageSysteme.h"

#include <QFile>
#include <cerrno>

namespace {

constexpr int kLongueurMax = 2047;

bool EstBlanc(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView SansBlancs(QStringView s) {
    qsizetype debut = 0, fin = s.size();
    while (debut < fin && EstBlanc(s[debut]))
        ++debut;
    while (fin > debut && EstBlanc(s[fin - 1]))
        --fin;
    return s.mid(debut, fin - debut);
}

// The section named by a header line, or a null view when the line is no header.
QStringView NomSection(QStringView ligne) {
    const QStringView t = SansBlancs(ligne);
    if (!t.startsWith(u'['))
        return {};
    const qsizetype fin = t.indexOf(u']');
    if (fin < 0)
        return {};
    return SansBlancs(t.mid(1, fin - 1));
}

bool EstCle(QStringView ligne, QStringView cle) {
    const qsizetype egal = ligne.indexOf(u'=');
    return egal >= 0 && SansBlancs(ligne.left(egal)).compare(cle, Qt::CaseInsensitive) == 0;
}

struct Place {
    qsizetype entete = -1;   // header line of the section
    qsizetype cle = -1;      // line of the key
    qsizetype derniere = -1; // last non-empty line of the section
};

Place Chercher(const QStringList& lignes, const QString& section, const QString& cle) {
    Place p;
    bool dedans = false;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QStringView nom = NomSection(lignes[i]);
        if (!nom.isNull()) {
            dedans = nom.compare(section, Qt::CaseInsensitive) == 0;
            if (dedans && p.entete < 0)
                p.entete = p.derniere = i;
            else if (dedans)
                p.derniere = i;
            continue;
        }
        if (!dedans)
            continue;
        if (!SansBlancs(lignes[i]).isEmpty())
            p.derniere = i;
        if (p.cle < 0 && EstCle(lignes[i], cle))
            p.cle = i;
    }
    return p;
}

} // namespace

FichierParametres::FichierParametres(QString chemin) : chemin_(std::move(chemin)) {
    QFile f(chemin_);
    if (!f.open(QIODevice::ReadOnly)) {
        const int code = errno;
        if (f.exists())
            raisonIllisible_ = MessageSysteme(code);
        return;
    }
    errno = 0;
    const QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        raisonIllisible_ = MessageSysteme(errno != 0 ? errno : EIO);
        return;
    }
    QString texte = DecoderTexteFichier(octets);
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texte.replace(u'\r', u'\n');
    lignes_ = texte.split(u'\n');
    if (!lignes_.isEmpty() && lignes_.last().isEmpty())
        lignes_.removeLast();
}

QString FichierParametres::Lire(const QString& section, const QString& cle,
                                const QString& defaut) const {
    const Place p = Chercher(lignes_, section, cle);
    if (p.cle < 0)
        return defaut;
    const QString& ligne = lignes_[p.cle];
    QStringView valeur = SansBlancs(QStringView(ligne).mid(ligne.indexOf(u'=') + 1));
    if (valeur.size() >= 2 && (valeur.front() == u'"' || valeur.front() == u'\'') &&
        valeur.back() == valeur.front())
        valeur = valeur.mid(1, valeur.size() - 2);
    return valeur.left(kLongueurMax).toString();
}

void FichierParametres::Ecrire(const QString& section, const QString& cle, const QString& valeur) {
    // A value is one line, and the stored text ends at a NUL as in a C string.
    QString v = valeur.left(valeur.indexOf(QChar(0)));
    v.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString ligne = cle + u'=' + v;

    // A file that exists but could not be read is not an empty one: writing would replace every
    // setting it holds.
    if (!raisonIllisible_.isEmpty())
        Echec(raisonIllisible_);
    QStringList lignes = lignes_;
    const Place p = Chercher(lignes, section, cle);
    if (p.cle >= 0)
        lignes[p.cle] = ligne;
    else if (p.entete >= 0)
        lignes.insert(p.derniere + 1, ligne);
    else
        lignes << u'[' + section + u']' << ligne;

    const QByteArray octets =
        CodageFichier::Coder(lignes.join(QLatin1String("\r\n")) + QStringLiteral("\r\n"));
    if (const QString raison = EcrireFichierAtomique(chemin_, octets); !raison.isEmpty())
        Echec(raison);
    lignes_ = lignes;
}

void FichierParametres::Echec(const QString& raison) const {
    throw Erreur(QStringLiteral("Impossible d'écrire dans %1. %2").arg(chemin_, raison));
}
