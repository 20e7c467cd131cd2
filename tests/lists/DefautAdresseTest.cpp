// The notes given on an address that enters a list.
#include "lists/DefautAdresse.h"
#include "tests/support/ImpressionQt.h"

#include <gtest/gtest.h>

TEST(DefautAdresse, SeulementCeQuiEmpecheraitLEnvoi) {
    const std::pair<const char*, const char*> cas[] = {
        {"jean@exemple.fr", ""},
        {"jean@café.fr", ""},
        {"zoé@exemple.fr", ""},
        {"ivan@пример.рф", ""},
        {"jean@xn--caf-dma.fr", ""},
        {"jean dupont@exemple.fr", "l'adresse contient un espace"},
        {"jean@exemple.fr\u00a0", "l'adresse contient un espace"},
        {"jean\t@exemple.fr", "l'adresse contient un caractère de contrôle"},
        {"jean\u200b@exemple.fr", "l'adresse contient un caractère de contrôle"},
        {"jean@xn--zz.fr", "le domaine n'est pas un nom de domaine valide (IDNA)"},
    };
    for (const auto& [adresse, note] : cas)
        EXPECT_EQ(DefautAdresse(QString::fromUtf8(adresse)), QString::fromUtf8(note)) << adresse;
}
