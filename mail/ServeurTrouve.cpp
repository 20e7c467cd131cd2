#include "mail/ServeurTrouve.h"

QString ServeurTrouve::TexteOrigine() const {
    switch (Source) {
    case Origine::Annuaire:
        return QStringLiteral("Trouvé dans la table des fournisseurs connus de Lettrova (%1).")
            .arg(Fournisseur ? Fournisseur->Nom : QString());
    case Origine::EnregistrementSRV:
        return QStringLiteral("Trouvé dans l'annuaire DNS du domaine.");
    case Origine::HebergeurMX:
        return QStringLiteral("Trouvé d'après le serveur de réception du domaine, hébergé chez %1.")
            .arg(Fournisseur ? Fournisseur->Nom : QString());
    case Origine::Sonde:
        return QStringLiteral("Trouvé en essayant %1 sur le port %2.").arg(Hote).arg(Port);
    }
    return {};
}

QString ServeurTrouve::TexteConnexion() const {
    if (!Fournisseur)
        return {};
    const QString& nom = Fournisseur->Nom;
    switch (Fournisseur->Authentification) {
    case AuthentificationFournisseur::MotDePasse:
        return {};
    case AuthentificationFournisseur::MotDePasseApplication:
        return QStringLiteral("%1 refuse votre mot de passe habituel aux programmes de courrier : "
                              "créez un mot de passe d'application dans les réglages de sécurité "
                              "de votre compte et saisissez-le dans « Mot de Passe: ».")
            .arg(nom);
    case AuthentificationFournisseur::OAuth2:
        return QStringLiteral("%1 refuse toute connexion par mot de passe aux programmes de "
                              "courrier : il exige une autorisation OAuth2, que Lettrova ne sait "
                              "pas demander. Envoyez vos campagnes par le serveur d'un autre "
                              "fournisseur.")
            .arg(nom);
    case AuthentificationFournisseur::Passerelle:
        return QStringLiteral("%1 n'accepte l'envoi que par son programme Proton Mail Bridge, "
                              "ouvert sur cet ordinateur : saisissez l'utilisateur et le mot de "
                              "passe qu'il affiche.")
            .arg(nom);
    }
    return {};
}

QString ServeurTrouve::TexteLimites() const {
    if (!Fournisseur)
        return {};
    QStringList limites;
    if (Fournisseur->MessagesParHeure > 0)
        limites << QStringLiteral("%1 messages par heure").arg(Fournisseur->MessagesParHeure);
    if (Fournisseur->MessagesParJour > 0)
        limites << QStringLiteral("%1 messages par jour").arg(Fournisseur->MessagesParJour);
    if (limites.isEmpty())
        return {};
    return QStringLiteral("Limites d'envoi publiées par %1 : %2.")
        .arg(Fournisseur->Nom, limites.join(QStringLiteral(", ")));
}
