#pragma once
// The saved settings as the program uses them: typed once, where the settings file is read.
#include <QString>
#include <chrono>
#include <optional>
#include <vector>

// The port as saved: its text, as the "Paramètres" page shows it, and its number.
struct PortSMTP {
    QString Texte = QStringLiteral("25");
    // Empty when the text is no whole number.
    std::optional<quint16> Numero = quint16(25);

    // A whole number outside 0..65535 is taken modulo 65536.
    static PortSMTP Depuis(const QString& texte);
    // Raises Erreur "'<texte>' n'est pas une valeur entière correcte" when there is no number.
    quint16 Exiger() const;
};

struct Reglages {
    QString ValSMTPServeur;
    PortSMTP ValSMTPPort;
    QString ValSMTPUser;
    // In clear.
    QString ValSMTPPassword;
    QString ValEditMailEXP;
    // Shown with the sender's address in "From" when not empty.
    QString ValNomExpediteur;
    // The unsubscribe address of the headers, or empty.
    QString ValDesinscription;
    // True only for a saved "Oui", written exactly so: any other value is a plain connection.
    bool ValConnectTlS = false;
    // True only for a saved "Oui": the last page is loaded at start-up.
    bool ValChrgtHtmlAuto = false;
    // Minutes before each new try of an address whose refusal was temporary; empty: none.
    std::vector<std::chrono::minutes> ValDelaisReprise{
        std::chrono::minutes(1), std::chrono::minutes(5), std::chrono::minutes(15)};
    // The pace of a campaign: messages per minute and per connection (0: no limit), and
    // command pipelining.
    int ValMessagesParMinute = 0;
    // Quotas over a rolling hour and day, counted across all the campaigns of these settings;
    // 0: no limit.
    int ValMessagesParHeure = 0;
    int ValMessagesParJour = 0;
    int ValMessagesParConnexion = 0;
    // Connections open at once during a campaign (1 to 8).
    int ValConnexionsSimultanees = 1;
    bool ValPipelining = false;
    // The page's local pictures travel inside the message.
    bool ValJoindreImages = true;
    // The mailbox where bounces and unsubscribe requests come back. An empty user or password
    // stands for the SMTP one.
    QString ValIMAPServeur;
    PortSMTP ValIMAPPort = PortSMTP::Depuis(QStringLiteral("993"));
    QString ValIMAPUser;
    // In clear.
    QString ValIMAPPassword;
    QString ValDernierFichierCharge;
    QString ValSujet;
    QString valListeFav;
    // The version of the previous start; empty at the very first.
    QString ValVersionDemarragePrecedant;
    // The address of the DNS server that finding a sender's server asks instead of the
    // system's; never written, only the tests put it in the file.
    QString ValServeurDNS;
};
