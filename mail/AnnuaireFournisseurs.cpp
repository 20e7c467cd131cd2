#include "mail/AnnuaireFournisseurs.h"

#include "commun/Erreur.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
QStringList Minuscules(const QJsonValue& valeur) {
    QStringList liste;
    for (const QJsonValue& v : valeur.toArray())
        liste << v.toString().trimmed().toLower();
    return liste;
}

template <typename Enum, size_t N>
Enum Choix(const QJsonObject& o, const char* cle, const std::pair<const char*, Enum> (&noms)[N]) {
    const QString texte = o.value(QLatin1String(cle)).toString();
    for (const auto& [nom, valeur] : noms)
        if (texte == QLatin1String(nom))
            return valeur;
    throw Erreur(QStringLiteral("Table des fournisseurs : valeur « %1 » inconnue pour %2.")
                     .arg(texte, QLatin1String(cle)));
}

const std::pair<const char*, SecuriteServeur> securites[] = {
    {"aucune", SecuriteServeur::Aucune},
    {"starttls", SecuriteServeur::STARTTLS},
    {"tls", SecuriteServeur::TLSImplicite},
};
const std::pair<const char*, AuthentificationFournisseur> authentifications[] = {
    {"motdepasse", AuthentificationFournisseur::MotDePasse},
    {"application", AuthentificationFournisseur::MotDePasseApplication},
    {"oauth2", AuthentificationFournisseur::OAuth2},
    {"bridge", AuthentificationFournisseur::Passerelle},
};

// `hote` is `fin` or ends with "." + `fin`.
bool FinitPar(const QString& hote, const QString& fin) {
    return hote == fin || hote.endsWith(QLatin1Char('.') + fin);
}

QString SansPointFinal(QString hote) {
    if (hote.endsWith(QLatin1Char('.')))
        hote.chop(1);
    return hote.toLower();
}
} // namespace

const AnnuaireFournisseurs& AnnuaireFournisseurs::Integre() {
    static const AnnuaireFournisseurs annuaire = [] {
        QFile f(QStringLiteral(":/lettrova/fournisseurs.json"));
        f.open(QIODevice::ReadOnly);
        return AnnuaireFournisseurs(f.readAll());
    }();
    return annuaire;
}

AnnuaireFournisseurs::AnnuaireFournisseurs(const QByteArray& json) {
    QJsonParseError erreur{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &erreur);
    if (!document.isObject())
        throw Erreur(
            QStringLiteral("Table des fournisseurs illisible : %1.").arg(erreur.errorString()));
    for (const QJsonValue& v : document.object().value(QLatin1String("fournisseurs")).toArray()) {
        const QJsonObject o = v.toObject();
        Fournisseur f;
        f.Nom = o.value(QLatin1String("nom")).toString();
        f.Domaines = Minuscules(o.value(QLatin1String("domaines")));
        f.HotesMX = Minuscules(o.value(QLatin1String("mx")));
        f.Serveur = o.value(QLatin1String("serveur")).toString();
        const int port = o.value(QLatin1String("port")).toInt();
        if (f.Nom.isEmpty() || f.Serveur.isEmpty() || port <= 0 || port > 65535)
            throw Erreur(
                QStringLiteral("Table des fournisseurs : entrée incomplète (%1).").arg(f.Nom));
        f.Port = quint16(port);
        f.Securite = Choix(o, "securite", securites);
        f.Authentification = Choix(o, "authentification", authentifications);
        f.MessagesParHeure = o.value(QLatin1String("messagesParHeure")).toInt();
        f.MessagesParJour = o.value(QLatin1String("messagesParJour")).toInt();
        fournisseurs_ << f;
    }
    if (fournisseurs_.isEmpty())
        throw Erreur(QStringLiteral("Table des fournisseurs vide."));
}

std::optional<Fournisseur> AnnuaireFournisseurs::ParDomaine(const QString& domaine) const {
    const QString d = SansPointFinal(domaine);
    for (const Fournisseur& f : fournisseurs_)
        if (f.Domaines.contains(d))
            return f;
    return std::nullopt;
}

std::optional<Fournisseur> AnnuaireFournisseurs::ParHoteMX(const QString& hoteMX) const {
    const QString hote = SansPointFinal(hoteMX);
    for (const Fournisseur& f : fournisseurs_)
        for (const QString& fin : f.HotesMX)
            if (FinitPar(hote, fin))
                return f;
    return std::nullopt;
}
