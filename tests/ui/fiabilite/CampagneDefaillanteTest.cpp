// A campaign against a misbehaving server: whatever the fault, the campaign reaches its end,
// and its error record holds every address that was not delivered, each with its reason.
#include "sending/ui/Campagne.h"
#include "tests/ui/fiabilite/PairDefaillant.h"
#include "tests/ui/sending/FenetreCampagne.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <cstring>

namespace {

using Defaut = PairDefaillant::Defaut;

struct CasCampagne {
    const char* nom;
    Defaut defaut;
    // The reasons recorded for the second and third addresses; none when delivered.
    QStringList raisons;
};

void PrintTo(const CasCampagne& c, std::ostream* os) {
    *os << c.nom;
}

class CampagneDefaillante : public FenetreCampagne,
                            public testing::WithParamInterface<CasCampagne> {
protected:
    // Each recorded failure: the address, then its description.
    QStringList Registre() const {
        QStringList r;
        for (int i = 0; i < f->ListBoxErrAdresse->count(); ++i)
            r << f->ListBoxErrAdresse->item(i)->text() + QStringLiteral(" -> ") +
                     f->ListBoxErrDescription->item(i)->text();
        return r;
    }
};

const QStringList kAdresses = {"a@exemple.fr", "b@exemple.fr", "c@exemple.fr"};

// The fault comes at the reply to the second message's RCPT TO (replies: 0 greeting, 1 EHLO,
// 2 to 6 the first message, 7 to 11 the second).
TEST_P(CampagneDefaillante, AuDeuxiemeMessage) {
    const CasCampagne& c = GetParam();
    PairDefaillant pair(c.defaut, 9);
    Preparer(pair.Port(), kAdresses);
    // One try each; the peer serves one connection only, so the new one for the third
    // address never gets a greeting: not waited for long.
    f->ReglagesActifs.ValDelaisReprise.clear();
    f->campagne->Limites().connexion = std::chrono::milliseconds(2000);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(f->LabNbEnvois->text(), "3 / 3");
    QStringList attendu;
    for (int i = 0; i < c.raisons.size(); ++i)
        attendu << kAdresses[i + 1] + QStringLiteral(" -> Erreur suivante: ") + c.raisons[i];
    EXPECT_EQ(Registre(), attendu);
    EXPECT_EQ(f->LabTotalErr->text(), QString::number(c.raisons.size()));
}

const QString kFermee = QStringLiteral("La connexion s'est terminée proprement.");
// An address waiting for a new connection, which the one-connection peer never answers.
const QString kInjoignable =
    QStringLiteral("Impossible De Joindre Le Serveur, Vérifier Vos Paramètres De Connection.");

QString Soixante() {
    QString s;
    for (int i = 1; i <= 60; ++i)
        s += QStringLiteral("ligne %1\r\n").arg(i);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Defauts, CampagneDefaillante,
    testing::Values(
        // A connection lost or ended by the server is no fault of the address: it waits for
        // a new connection, which this peer never answers.
        CasCampagne{"Reinitialisation", Defaut::Reinitialisation, {kInjoignable, kInjoignable}},
        CasCampagne{"FermetureMuette", Defaut::FermetureMuette, {kInjoignable, kInjoignable}},
        CasCampagne{"LigneSansFin", Defaut::LigneSansFin, {kInjoignable, kInjoignable}},
        CasCampagne{"SoixanteLignes", Defaut::SoixanteLignes, {Soixante()}},
        CasCampagne{"OctetsInvalides", Defaut::OctetsInvalides, {kInjoignable, kInjoignable}},
        CasCampagne{
            "RefusPuisFermeture", Defaut::RefusPuisFermeture, {kInjoignable, kInjoignable}}),
    [](const testing::TestParamInfo<CasCampagne>& info) { return std::string(info.param.nom); });

// The server stops reading in the middle of the first message, and the user presses "Stopper":
// the campaign ends, the blocked message is recorded, nothing after it is sent.
// A line too long leaves the connection unusable: it is dropped, the next address goes on a new
// connection (which this peer never answers), and the campaign ends without an error box at
// its QUIT.
using CampagneLigneTropLongue = FenetreCampagne;

TEST_F(CampagneLigneTropLongue, LaConnexionEstAbandonneeSansBoiteALaFin) {
    PairDefaillant pair(Defaut::LigneSansFin, 9);
    Preparer(pair.Port(), kAdresses);
    f->ReglagesActifs.ValDelaisReprise.clear();
    f->campagne->Limites().connexion = std::chrono::milliseconds(2000);
    Envoyer();
    EXPECT_EQ(Statut(), "Envois Terminé.");
    EXPECT_EQ(Erreurs(), kAdresses.mid(1));
    ASSERT_EQ(f->ListBoxErrDescription->count(), 2);
    EXPECT_EQ(f->ListBoxErrDescription->item(1)->text(),
              QStringLiteral("Erreur suivante: ") + kInjoignable);
    EXPECT_EQ(boites.Textes(DialoguesScriptes::Boite::Erreur), QStringList());
}

using CampagneArretee = FenetreCampagne;

TEST_F(CampagneArretee, ServeurQuiNeLitPlusPuisStopper) {
    PairDefaillant pair(Defaut::LectureArretee, 5);
    Preparer(pair.Port(), kAdresses);
    // About 8 MB: far more than the socket buffers hold.
    QString grande = QString::fromUtf8(kPage);
    grande.insert(grande.indexOf("</body>"),
                  QString("<p>%1</p>\n").arg(QString(200, 'x')).repeated(40000));
    f->MemoHtmlBrut->setPlainText(grande);
    boites.reponses << true;
    Envoyer({.question = {}, .pendant = [&] {
                 // Once the server's queue is full, the client is blocked in its write.
                 int avant = -1;
                 while (pair.EnAttente() == 0 || pair.EnAttente() != avant) {
                     avant = pair.EnAttente();
                     QTest::qWait(50);
                 }
                 QTest::mouseClick(f->SpeedButStopperEnvois, Qt::LeftButton);
             }});
    EXPECT_EQ(Statut(), "Envois Stoppé Par L'Utilisateur.");
    EXPECT_EQ(f->LabNbEnvois->text(), "1 / 3");
    ASSERT_EQ(f->ListBoxErrAdresse->count(), 1);
    EXPECT_EQ(f->ListBoxErrAdresse->item(0)->text(), "a@exemple.fr");
    EXPECT_EQ(f->ListBoxErrDescription->item(0)->text(),
              QStringLiteral("Erreur suivante: ") + kFermee);
    pair.Liberer();
}

} // namespace
