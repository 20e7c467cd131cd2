// The built-in table of providers: read, and looked up by domain and by reception host.
#include "mail/AnnuaireFournisseurs.h"
#include "commun/Erreur.h"
#include "mail/ServeurTrouve.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(AnnuaireFournisseurs, TableIntegree) {
    const AnnuaireFournisseurs& a = AnnuaireFournisseurs::Integre();
    QStringList domaines;
    for (const Fournisseur& f : a.Fournisseurs()) {
        SCOPED_TRACE(f.Nom.toStdString());
        EXPECT_FALSE(f.Domaines.isEmpty() && f.HotesMX.isEmpty());
        // TLS from the first byte is spoken on 465 only.
        EXPECT_EQ(f.Securite == SecuriteServeur::TLSImplicite, f.Port == 465);
        for (const QString& d : f.Domaines) {
            EXPECT_FALSE(domaines.contains(d)) << d.toStdString();
            domaines << d;
        }
    }
    // By address domain, then by reception host.
    using Recherche = std::optional<Fournisseur> (AnnuaireFournisseurs::*)(const QString&) const;
    const Recherche domaine = &AnnuaireFournisseurs::ParDomaine,
                    mx = &AnnuaireFournisseurs::ParHoteMX;
    struct Cas {
        Recherche recherche;
        const char* nom;
        const char* serveur;
    };
    const Cas cas[] = {
        {domaine, "orange.fr", "smtp.orange.fr"},
        {domaine, "WANADOO.FR", "smtp.orange.fr"},
        {domaine, "laposte.net.", "smtp.laposte.net"},
        {domaine, "gmail.com", "smtp.gmail.com"},
        {domaine, "hotmail.fr", "smtp-mail.outlook.com"},
        {domaine, "exemple.fr", ""},
        {domaine, "mail.ovh.net", ""},
        {mx, "mx1.mail.ovh.net", "ssl0.ovh.net"},
        {mx, "MAIL.OVH.NET.", "ssl0.ovh.net"},
        {mx, "xmail.ovh.net", ""},
        {mx, "mx01.mail.icloud.com", "smtp.mail.me.com"},
        {mx, "aspmx.l.google.com", "smtp.gmail.com"},
        {mx, "mx.exemple.fr", ""},
        {mx, "orange.fr", ""},
    };
    for (const Cas& c : cas) {
        const auto f = (a.*c.recherche)(QString::fromLatin1(c.nom));
        EXPECT_EQ(f ? f->Serveur : QString(), QString::fromLatin1(c.serveur)) << c.nom;
    }
}

// What the user reads about a provider's login and limits.
TEST(AnnuaireFournisseurs, Textes) {
    const AnnuaireFournisseurs& a = AnnuaireFournisseurs::Integre();
    struct Cas {
        const char* domaine;
        const char* debutConnexion;
        const char* limites;
    };
    const Cas cas[] = {
        {"orange.fr", "", ""},
        {"outlook.com", "Outlook.com refuse toute connexion par mot de passe", ""},
        {"gmail.com", "Gmail refuse votre mot de passe habituel",
         "Limites d'envoi publiées par Gmail : 500 messages par jour."},
        {"proton.me", "Proton n'accepte l'envoi que par son programme Proton Mail Bridge", ""},
    };
    for (const Cas& c : cas) {
        const auto f = a.ParDomaine(QString::fromLatin1(c.domaine));
        ASSERT_TRUE(f) << c.domaine;
        ServeurTrouve s{f->Serveur, f->Port, f->Securite, ServeurTrouve::Origine::Annuaire, f};
        const QString debut = QString::fromUtf8(c.debutConnexion);
        EXPECT_EQ(s.TexteConnexion().left(debut.size()), debut);
        EXPECT_EQ(s.TexteConnexion().isEmpty(), *c.debutConnexion == 0);
        EXPECT_EQ(s.TexteLimites(), QString::fromUtf8(c.limites));
    }
    const auto ovh = a.ParHoteMX(QStringLiteral("mx1.mail.ovh.net"));
    ServeurTrouve s{ovh->Serveur, ovh->Port, ovh->Securite, ServeurTrouve::Origine::HebergeurMX,
                    ovh};
    EXPECT_EQ(s.TexteLimites(),
              QStringLiteral("Limites d'envoi publiées par OVHcloud : 200 messages par heure."));
}

TEST(AnnuaireFournisseurs, TableFautive) {
    const char* cas[] = {
        "pas du json",
        R"({"fournisseurs": []})",
        R"({"fournisseurs": [{"nom": "A", "serveur": "s", "port": 0, "securite": "tls", "authentification": "motdepasse"}]})",
        R"({"fournisseurs": [{"nom": "A", "serveur": "s", "port": 465, "securite": "ssl", "authentification": "motdepasse"}]})",
        R"({"fournisseurs": [{"nom": "A", "serveur": "s", "port": 465, "securite": "tls", "authentification": "jeton"}]})",
    };
    for (const char* json : cas)
        EXPECT_THROW(AnnuaireFournisseurs{QByteArray(json)}, Erreur) << json;
    EXPECT_NO_THROW(AnnuaireFournisseurs{QByteArray(
        R"({"fournisseurs": [{"nom": "A", "serveur": "s", "port": 465, "securite": "tls", "authentification": "motdepasse"}]})")});
}
