#include "app/EmpreintesTLS.h"
#include "app/FichierParametres.h"
#include "tests/support/RepertoireTemporaire.h"

#include <gtest/gtest.h>

// One pin per server and port, host names without case; a hostile host name stays inside its
// own key; forgetting leaves the other pins and the settings as they were.
TEST(EmpreintesTLS, UneParServeurEtPort) {
    RepertoireTemporaire rep;
    rep.Ecrire("Lettrova.ini", "[Parametres]\r\nSMTPServeur=smtp.exemple.fr\r\n");
    const QString ini = rep.Fichier("Lettrova.ini");
    EmpreintesTLS::Ecrire(ini, "smtp.exemple.fr", 465, "AA:01");
    EmpreintesTLS::Ecrire(ini, "smtp.exemple.fr", 587, "BB:02");
    EmpreintesTLS::Ecrire(ini, "x=y]\r\n[Parametres", 25, "CC:03");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "SMTP.Exemple.FR", 465), "AA:01");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "smtp.exemple.fr", 587), "BB:02");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "smtp.exemple.fr", 25), "");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "x=y]\r\n[Parametres", 25), "CC:03");
    EmpreintesTLS::Ecrire(ini, "smtp.exemple.fr", 465, "");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "smtp.exemple.fr", 465), "");
    EXPECT_EQ(EmpreintesTLS::Lire(ini, "smtp.exemple.fr", 587), "BB:02");
    FichierParametres f(ini);
    EXPECT_EQ(f.Lire("Parametres", "SMTPServeur", ""), "smtp.exemple.fr");
    EXPECT_EQ(f.Lire("Parametres", "y]", "absent"), "absent");
}
