#include "sending/ClassementReponse.h"

#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* quoi;
    EtapeSMTP etape;
    int code;
    const char* etendu;
    const char* texte;
    Verdict verdict;
    bool enSerie;
};

using E = EtapeSMTP;
using V = Verdict;

// Replies as servers write them: Postfix, large providers' documented texts, greylisting
// daemons, aiosmtpd.
const Cas kCas[] = {
    {"Postfix, unknown user", E::Destinataire, 550, "5.1.1",
     "<x@exemple.fr>: Recipient address rejected: User unknown in local recipient table",
     V::RefuseAdresse, false},
    {"no enhanced code, unknown user", E::Destinataire, 550, "", "No such user here",
     V::RefuseAdresse, false},
    {"Postfix relay denied", E::Destinataire, 554, "5.7.1", "<x@ailleurs.fr>: Relay access denied",
     V::RefuseAdresse, true},
    {"postgrey", E::Destinataire, 450, "4.2.0",
     "<x@exemple.fr>: Recipient address rejected: Greylisted, see "
     "http://postgrey.schweikert.ch/help/exemple.fr.html",
     V::ReessayerAdresse, true},
    {"milter-greylist", E::Destinataire, 451, "4.7.1",
     "Greylisting in action, please try again later", V::ReessayerAdresse, true},
    {"full mailbox", E::Destinataire, 452, "4.2.2", "Mailbox full", V::ReessayerAdresse, true},
    {"mailbox full after data, X.1 not", E::FinDonnees, 552, "5.2.2",
     "Requested mail action aborted: exceeded storage allocation", V::RefuseAdresse, true},
    {"moved address after data", E::FinDonnees, 550, "5.1.6", "Recipient has moved",
     V::RefuseAdresse, false},
    {"message refused as spam", E::FinDonnees, 554, "5.7.1",
     "Message rejected: content looks like spam", V::RefuseAdresse, true},
    {"webmail daily cap", E::Expediteur, 550, "5.4.5", "Daily user sending limit exceeded.",
     V::Quota, false},
    {"daily cap at RCPT TO", E::Destinataire, 550, "5.4.5",
     "Daily SMTP relay limit exceeded for user.", V::Quota, false},
    {"Postfix anvil rate", E::Expediteur, 450, "4.7.1", "Error: too much mail from 127.0.0.1",
     V::Ralentir, false},
    {"rate limit at RCPT TO", E::Destinataire, 450, "4.7.1",
     "Recipient rate limit exceeded, try again later", V::Ralentir, false},
    {"French limit", E::Destinataire, 451, "4.7.0", "Trop de messages, réessayez plus tard",
     V::Ralentir, false},
    {"hourly quota, permanent", E::Destinataire, 550, "5.7.1", "Hourly sending quota exceeded",
     V::Quota, false},
    {"limit words outside limit codes", E::Destinataire, 550, "5.1.1",
     "Unknown user (rate of bounces)", V::RefuseAdresse, false},
    {"421 try again later", E::Expediteur, 421, "4.7.0", "Try again later, closing connection.",
     V::Ralentir, false},
    {"421 on connect", E::Session, 421, "", "Service not available, closing transmission channel",
     V::SessionPerdue, false},
    {"421 too many connections", E::Session, 421, "4.7.0",
     "mail.exemple.fr Error: too many connections from 127.0.0.1", V::Ralentir, false},
    {"421 after data", E::FinDonnees, 421, "4.3.0", "Server shutting down", V::SessionPerdue,
     false},
    {"sender rejected", E::Expediteur, 553, "5.7.1",
     "<club@exemple.org>: Sender address rejected: not owned by user jean", V::Arreter, false},
    {"temporary sender lookup failure", E::Expediteur, 451, "4.1.8",
     "<club@exemple.org>: Sender address rejected: Domain not found", V::Ralentir, false},
    {"Office 365 throttled submission", E::Expediteur, 432, "4.3.2",
     "STOREDRV.ClientSubmit; sender thread limit exceeded", V::Ralentir, false},
    {"EHLO refused after STARTTLS", E::Session, 554, "5.7.1", "Access denied", V::Arreter, false},
    {"DATA without valid recipients", E::Donnees, 554, "5.5.1", "No valid recipients",
     V::RefuseAdresse, true},
    {"separate is not rate", E::FinDonnees, 550, "5.7.1", "Separate your lists please",
     V::RefuseAdresse, true},
};

TEST(ClassementReponse, RefusReels) {
    for (const Cas& c : kCas) {
        const RefusServeur r{c.etape, c.code, QString::fromUtf8(c.etendu),
                             QString::fromUtf8(c.texte)};
        EXPECT_EQ(ClasserReponse(r), c.verdict) << c.quoi;
        EXPECT_EQ(RefusEnSerie(r), c.enSerie) << c.quoi;
    }
}

TEST(ClassementReponse, LimiteJournaliere) {
    const std::pair<const char*, bool> cas[] = {
        {"Daily user sending limit exceeded.", true},
        {"Quota journalier atteint", true},
        {"You have reached the limit of messages per day", true},
        {"Message quota exceeded for the last 24 hours", true},
        {"Error: too much mail from 127.0.0.1", false},
        {"Hourly sending quota exceeded", false},
        {"Holiday greetings", false},
    };
    for (const auto& [texte, journaliere] : cas)
        EXPECT_EQ(LimiteJournaliere(QString::fromUtf8(texte)), journaliere) << texte;
}
} // namespace
