#include "mail/EcritureMessage.h"

#include "commun/DomaineAscii.h"
#include "commun/Erreur.h"
#include "mail/AdresseTransport.h"
#include "mail/CodageEntete.h"

#include <cstdio>

namespace {
constexpr char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// Used in the message identifier when the sender address gives no usable domain.
constexpr char domaineParDefaut[] = "lettrova.invalid";

bool HorsLigne(const QString& texte) {
    return texte.contains(QLatin1Char('\r')) || texte.contains(QLatin1Char('\n')) ||
           texte.contains(QChar(0));
}

void VerifierTexte(const QString& texte, const char* champ) {
    if (HorsLigne(texte))
        throw Erreur(QStringLiteral("Envoi impossible : %1 du message contient un retour "
                                    "chariot, un saut de ligne ou un caractère nul.")
                         .arg(QString::fromUtf8(champ)));
}

void VerifierAdresses(const AdressesCourriel& liste, const char* champ) {
    for (const AdresseCourriel& a : liste) {
        VerifierTexte(a.Nom, champ);
        VerifierTexte(a.Adresse, champ);
    }
}

QString ValeurAdresse(AdresseCourriel& a, bool regleNom, const JeuEntete& jeu, bool utf8) {
    if (regleNom && a.Nom.isEmpty())
        a.Nom = a.Adresse;
    const QString adresse = AdresseTransport::Forme(a.Adresse, utf8);
    if (a.Nom.isEmpty())
        return adresse;
    for (QChar c : a.Nom)
        if (c.unicode() < 32 || c.unicode() > 126)
            return CoderMotsEntete(a.Nom, SpeciauxNom(), jeu) + QStringLiteral(" <") + adresse +
                   QLatin1Char('>');
    QString nom = a.Nom;
    nom.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + nom + QStringLiteral("\" <") + adresse + QLatin1Char('>');
}

QString ValeurListe(AdressesCourriel& liste, bool regleNom, const JeuEntete& jeu, bool utf8) {
    QStringList valeurs;
    for (AdresseCourriel& a : liste)
        valeurs << ValeurAdresse(a, regleNom, jeu, utf8);
    return valeurs.join(QStringLiteral(", "));
}

void FixerPremierTransfert(MessageCourriel& message) {
    if (message.TypeContenu.isEmpty())
        message.TypeContenu = message.Parties.size() >= 2 ? QStringLiteral("multipart/alternative")
                                                          : QStringLiteral("multipart/mixed");
    for (PartieTexte& p : message.Parties) {
        if (p.CodageTransfert.isEmpty())
            p.CodageTransfert = QStringLiteral("quoted-printable");
        if (p.Disposition.isEmpty())
            p.Disposition = QStringLiteral("inline");
        // The parts travel in UTF-8, and say so: without it, readers guess the charset.
        if (p.JeuCaracteres.isEmpty())
            p.JeuCaracteres = QStringLiteral("utf-8");
    }
}

} // namespace

void VerifierMessage(const MessageCourriel& message) {
    VerifierTexte(message.Objet, "l'objet");
    VerifierAdresses(message.De, "l'adresse de l'expéditeur");
    VerifierAdresses({message.Expediteur}, "l'adresse de l'expéditeur");
    VerifierAdresses(message.Destinataires, "l'adresse du destinataire");
    VerifierAdresses(message.Copies, "l'adresse du destinataire");
    VerifierAdresses(message.CopiesCachees, "l'adresse du destinataire");
    for (const auto& [nom, valeur] : message.EntetesSupplementaires) {
        VerifierTexte(nom, "un en-tête");
        VerifierTexte(valeur, "un en-tête");
    }
}

QString GenererFrontiere(const std::function<quint32()>& aleatoire) {
    constexpr int longueur = 34;
    QString frontiere(longueur, Qt::Uninitialized);
    for (int i = 0; i < longueur; ++i)
        frontiere[i] = QLatin1Char(alphabet[aleatoire() % 62]);
    const int k = 1 + static_cast<int>(aleatoire() % 33);
    frontiere[k - 1] = QLatin1Char('=');
    frontiere[k] = QLatin1Char('_');
    return frontiere;
}

QString FormaterDate(const QDateTime& moment) {
    static const char* const jours[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const mois[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = moment.date();
    const QTime t = moment.time();
    const int decalage = moment.offsetFromUtc() / 60;
    const int absolu = qAbs(decalage);
    char texte[48];
    std::snprintf(texte, sizeof texte, "%s, %d %s %04d %02d:%02d:%02d %c%02d%02d",
                  jours[d.dayOfWeek() - 1], d.day(), mois[d.month() - 1], d.year(), t.hour(),
                  t.minute(), t.second(), decalage < 0 ? '-' : '+', absolu / 60, absolu % 60);
    return QString::fromLatin1(texte);
}

QString GenererIdentifiantMessage(const MessageCourriel& message, const QDateTime& moment,
                                  const std::function<quint32()>& aleatoire) {
    QString expediteur = message.Expediteur.Adresse.trimmed();
    if (expediteur.isEmpty() && !message.De.isEmpty())
        expediteur = message.De.first().Adresse.trimmed();
    // An accented domain names the sender in its ASCII form, as in the envelope.
    QString domaine = DomaineAscii(expediteur.mid(expediteur.lastIndexOf(QLatin1Char('@')) + 1));
    bool utilisable = expediteur.contains(QLatin1Char('@')) && !domaine.isEmpty();
    for (QChar c : domaine)
        utilisable = utilisable && c.unicode() < 128 &&
                     (c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-'));
    if (!utilisable)
        domaine = QLatin1String(domaineParDefaut);
    QString hasard;
    for (int i = 0; i < 4; ++i)
        hasard += QStringLiteral("%1").arg(aleatoire(), 8, 16, QLatin1Char('0'));
    return QStringLiteral("<%1.%2@%3>")
        .arg(hasard, QString::number(moment.toMSecsSinceEpoch(), 36), domaine);
}

QStringList GenererEntetes(MessageCourriel& message, const QString& frontiere,
                           const SourcesMessage& sources, bool utf8) {
    FixerPremierTransfert(message);
    MessageCourriel::EntetesFixes& fixes = message.entetesFixes_;
    if (!fixes.Valides || fixes.De != message.De || fixes.Objet != message.Objet ||
        fixes.Jeu != sources.Jeu.Nom || fixes.Utf8 != utf8) {
        fixes.Valides = false;
        fixes.ValeurDe = ValeurListe(message.De, true, sources.Jeu, utf8);
        fixes.ValeurObjet = CoderMotsEntete(message.Objet, QString(), sources.Jeu);
        fixes.De = message.De;
        fixes.Objet = message.Objet;
        fixes.Jeu = sources.Jeu.Nom;
        fixes.Utf8 = utf8;
        fixes.Valides = true;
    }
    const QDateTime maintenant = sources.Horloge();
    message.Identifiant = GenererIdentifiantMessage(message, maintenant, sources.Aleatoire);
    const std::pair<const char*, QString> entetes[] = {
        {"From", fixes.ValeurDe},
        {"Subject", fixes.ValeurObjet},
        {"To", ValeurListe(message.Destinataires, false, sources.Jeu, utf8)},
        {"Content-Type",
         message.TypeContenu + QStringLiteral("; boundary=\"") + frontiere + QLatin1Char('"')},
        {"MIME-Version", QStringLiteral("1.0")},
        {"Date", FormaterDate(maintenant)},
        // Large receivers refuse a message without an identifier.
        {"Message-ID", message.Identifiant},
    };
    QStringList lignes;
    const auto ajouter = [&lignes](const QString& nom, const QString& valeur) {
        if (!valeur.isEmpty())
            lignes +=
                PlierEntete(nom + QStringLiteral(": ") + valeur).split(QStringLiteral("\r\n"));
    };
    for (const auto& [nom, valeur] : entetes)
        ajouter(QLatin1String(nom), valeur);
    for (const auto& [nom, valeur] : message.EntetesSupplementaires)
        ajouter(nom, valeur);
    return lignes;
}
