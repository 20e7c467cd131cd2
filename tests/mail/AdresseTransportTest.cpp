// The form in which an address travels, and the notes given on the addresses users type.
#include "mail/AdresseTransport.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* adresse;
    // The form without and with SMTPUTF8; a text starting with "!" is the start of the error.
    const char* sansUtf8;
    const char* avecUtf8;
};

const Cas cas[] = {
    {"jean@exemple.fr", "jean@exemple.fr", "jean@exemple.fr"},
    {"Jean@Exemple.FR", "Jean@Exemple.FR", "Jean@Exemple.FR"},
    {"jean@café.fr", "jean@xn--caf-dma.fr", "jean@café.fr"},
    {"marie@exemple.côte.fr", "marie@exemple.xn--cte-kna.fr", "marie@exemple.côte.fr"},
    {"ivan@пример.рф", "ivan@xn--e1afmkfd.xn--p1ai", "ivan@пример.рф"},
    {"jean@xn--caf-dma.fr", "jean@xn--caf-dma.fr", "jean@xn--caf-dma.fr"},
    {"élodie@exemple.fr",
     "!Le serveur n'accepte pas les adresses accentuées (SMTPUTF8) : "
     "élodie@exemple.fr",
     "élodie@exemple.fr"},
    {"王@例子.中国", "!Le serveur n'accepte pas les adresses accentuées (SMTPUTF8) : 王@例子.中国",
     "王@例子.中国"},
    {"jean@[192.0.2.1]", "jean@[192.0.2.1]", "jean@[192.0.2.1]"},
    {"jean@xn--zz.fr", "!Le domaine de l'adresse n'est pas un nom de domaine valide (IDNA) : ",
     "!Le domaine de l'adresse n'est pas un nom de domaine valide (IDNA) : "},
    {"jean@café⒈.fr", "!Le domaine de l'adresse", "!Le domaine de l'adresse"},
    {"jean\u0001@exemple.fr", "!L'adresse contient un caractère de contrôle : ",
     "!L'adresse contient un caractère de contrôle : "},
};

QString Resultat(const QString& adresse, bool utf8) {
    try {
        return AdresseTransport::Forme(adresse, utf8);
    } catch (const ErreurAdresse& e) {
        return u'!' + e.Message();
    }
}
} // namespace

TEST(AdresseTransport, FormeSansEtAvecSmtputf8) {
    for (const Cas& c : cas) {
        const QString adresse = QString::fromUtf8(c.adresse);
        SCOPED_TRACE(c.adresse);
        for (const auto& [utf8, attendu] :
             {std::pair{false, c.sansUtf8}, std::pair{true, c.avecUtf8}}) {
            const QString obtenu = Resultat(adresse, utf8);
            const QString voulu = QString::fromUtf8(attendu);
            if (voulu.startsWith(u'!'))
                EXPECT_TRUE(obtenu.startsWith(voulu)) << obtenu.toStdString();
            else
                EXPECT_EQ(obtenu, voulu);
        }
    }
}
