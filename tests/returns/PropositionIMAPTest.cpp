#include "returns/PropositionIMAP.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(PropositionIMAP, DApresLeServeurSMTP) {
    const struct {
        const char* smtp;
        const char* imap;
    } cas[] = {
        {"smtp.exemple.fr", "imap.exemple.fr"},
        {" smtp.orange.fr ", "imap.orange.fr"},
        {"SMTP.Exemple.fr", "IMAP.Exemple.fr"},
        {"smtp-mail.outlook.com", "imap-mail.outlook.com"},
        {"mail.gandi.net", "mail.gandi.net"},
        // Only the first label is changed.
        {"relais.smtp.exemple.fr", "relais.smtp.exemple.fr"},
        {"smtp", "imap"},
        {"127.0.0.1", "127.0.0.1"},
        {"", ""},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ProposerServeurIMAP(QString::fromUtf8(c.smtp)), QString::fromUtf8(c.imap))
            << c.smtp;
}
