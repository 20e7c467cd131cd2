#include "mail/EcritureMessage.h"

#include "commun/Erreur.h"
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

QString ValeurAdresse(AdresseCourriel& a, bool regleNom) {
    if (regleNom && a.Nom.isEmpty())
        a.Nom = a.Adresse;
    if (a.Nom.isEmpty())
        return a.Adresse;
    for (QChar c : a.Nom)
        if (c.unicode() < 32 || c.unicode() > 126)
            return CoderMotsEntete(a.Nom, SpeciauxNom()) + QStringLiteral(" <") + a.Adresse +
                   QLatin1Char('>');
    QString nom = a.Nom;
    nom.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + nom + QStringLiteral("\" <") + a.Adresse + QLatin1Char('>');
}

QString ValeurListe(AdressesCourriel& liste, bool regleNom) {
    QStringList valeurs;
    for (AdresseCourriel& a : liste)
        valeurs << ValeurAdresse(a, regleNom);
    return valeurs.join(QStringLiteral(", "));
}

QByteArray Ascii(const QString& texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        octets[i] = c < 128 ? static_cast<char>(c) : '?';
    }
    return octets;
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

class CrochetEcriture {
public:
    explicit CrochetEcriture(CanalConnexion& canal) : canal_(canal) {
        canal_.DebutTravail(SensTravail::Ecriture, 0);
    }
    ~CrochetEcriture() { canal_.FinTravail(SensTravail::Ecriture); }
    CrochetEcriture(const CrochetEcriture&) = delete;
    CrochetEcriture& operator=(const CrochetEcriture&) = delete;

private:
    CanalConnexion& canal_;
};
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
    QString domaine = expediteur.mid(expediteur.lastIndexOf(QLatin1Char('@')) + 1);
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
                           const SourcesMessage& sources) {
    FixerPremierTransfert(message);
    MessageCourriel::EntetesFixes& fixes = message.entetesFixes_;
    if (!fixes.Valides || fixes.De != message.De || fixes.Objet != message.Objet) {
        fixes.ValeurDe = ValeurListe(message.De, true);
        fixes.ValeurObjet = CoderMotsEntete(message.Objet, QString());
        fixes.De = message.De;
        fixes.Objet = message.Objet;
        fixes.Valides = true;
    }
    const QDateTime maintenant = sources.Horloge();
    const std::pair<const char*, QString> entetes[] = {
        {"From", fixes.ValeurDe},
        {"Subject", fixes.ValeurObjet},
        {"To", ValeurListe(message.Destinataires, false)},
        {"Content-Type",
         message.TypeContenu + QStringLiteral("; boundary=\"") + frontiere + QLatin1Char('"')},
        {"MIME-Version", QStringLiteral("1.0")},
        {"Date", FormaterDate(maintenant)},
        // Large receivers refuse a message without an identifier.
        {"Message-ID", GenererIdentifiantMessage(message, maintenant, sources.Aleatoire)},
    };
    QStringList lignes;
    for (const auto& [nom, valeur] : entetes)
        if (!valeur.isEmpty())
            lignes += PlierEntete(QLatin1String(nom) + QStringLiteral(": ") + valeur)
                          .split(QStringLiteral("\r\n"));
    return lignes;
}

void EcrireMessage(MessageCourriel& message, CanalConnexion& canal, const SourcesMessage& sources) {
    VerifierMessage(message);
    CrochetEcriture crochet(canal);
    const QString frontiere = GenererFrontiere(sources.Aleatoire);
    QList<QByteArray> entetes;
    for (const QString& l : GenererEntetes(message, frontiere, sources))
        entetes << Ascii(l);
    canal.EcrireBlocLignes(entetes);

    CrochetEcriture crochetCorps(canal);
    const QByteArray separateur = "--" + frontiere.toLatin1();
    qsizetype taille = message.PreambuleCode().size() + 200 * (message.Parties.size() + 1);
    for (const PartieTexte& p : message.Parties)
        taille += p.CorpsCode().size();
    QByteArray corps;
    corps.reserve(taille);
    corps += "\r\n";
    corps += message.PreambuleCode();
    corps += "\r\n";
    for (const PartieTexte& p : message.Parties) {
        corps += separateur + "\r\n";
        corps += "Content-Type: " + Ascii(p.TypeContenu);
        if (!p.JeuCaracteres.isEmpty())
            corps += "; charset=\"" + Ascii(p.JeuCaracteres) + '"';
        corps += "\r\nContent-Transfer-Encoding: " + Ascii(p.CodageTransfert) + "\r\n";
        corps += "Content-Disposition: " + Ascii(p.Disposition) + "\r\n\r\n";
        corps += p.CorpsCode();
        corps += "\r\n";
    }
    corps += separateur + "--\r\n\r\n";
    // In blocks, so that a stop asked from a progress notification takes effect soon.
    for (qsizetype fait = 0; fait < corps.size(); fait += CanalConnexion::TailleBloc)
        canal.Ecrire(QByteArray::fromRawData(
            corps.constData() + fait,
            qMin<qsizetype>(CanalConnexion::TailleBloc, corps.size() - fait)));
}
