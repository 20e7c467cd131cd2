// The close box while a handler waits: the window stays shown and answering until that
// handler returns, then closes, and the program can be started again.
#include "tests/support/ServeurSMTPReel.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

namespace {

using FermetureEnAttente = FenetreCampagne;

TEST_F(FermetureEnAttente, LaQuestionAttendToujoursDansUneFenetreVisible) {
    ServeurSMTPReel serveur({});
    Preparer(serveur.Port(), {"a@exemple.fr"});
    bool visibleApresFermeture = false, questionVisible = false;
    Envoyer({.question = [&] {
        f->close();
        QTest::qWait(50);
        visibleApresFermeture = f->isVisible();
        questionVisible = f->PanelConfirmeEnvois->isVisible();
        if (visibleApresFermeture)
            Repondre(false);
    }});
    EXPECT_TRUE(visibleApresFermeture) << "the user must still be able to answer";
    EXPECT_TRUE(questionVisible);
    EXPECT_TRUE(f->FermetureEnCours);
    EXPECT_FALSE(f->isVisible()) << "closed once the handler has returned";
    EXPECT_EQ(serveur.NombreMessages(), 0);
}

// Waits that end on the close request: the window is shown while they end, closed after.
TEST_F(FermetureEnAttente, LesAttentesDeConnexionEtDEnvoiFinissentPuisLaFenetreSeFerme) {
    struct Cas {
        const char* nom;
        const char* quand;
        bool serveurMuet;
    };
    for (const Cas& c : {Cas{"connexion", "Connection au serveur SMTP...", true},
                         Cas{"envoi", "Envois en cours...", false}}) {
        SCOPED_TRACE(c.nom);
        ServeurMuet muet;
        // Each reply held: the close comes while the first messages are under way.
        ServeurSMTPReel serveur({.retenue = 0.2});
        Preparer(c.serveurMuet ? muet.Port() : serveur.Port(),
                 {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr"});
        bool visiblePendant = false;
        Envoyer({.pendant =
                     [&] {
                         f->close();
                         visiblePendant = f->isVisible();
                     },
                 .quand = c.quand});
        EXPECT_TRUE(visiblePendant);
        EXPECT_TRUE(f->FermetureEnCours);
        EXPECT_FALSE(f->isVisible());
        EXPECT_LT(serveur.NombreMessages(), 3) << "no new message starts once closing";
    }
}

} // namespace
