#pragma once
// The send campaign as the window shows it: the confirmation, the progress overlay, the status
// line and the error tab, inside the click on "Envoyer". The campaign itself (connection,
// waits, limits, stop, the walk over the list) is the engine's; this class turns the user's
// clicks into requests to it and its events into what the user sees.
#include "sending/EcouteurCampagne.h"
#include "sending/JournalCampagne.h"
#include "sending/MoteurCampagne.h"
#include "sending/ui/ServicesEnvoi.h"

#include <QTimer>
#include <optional>

class ClientSMTP;
class ListeEnvoi;
class SuiviErreurs;
struct ControlesEnvois;

class Campagne : private EcouteurCampagne {
public:
    // The progress panel's title while a campaign runs.
    static QString TitreEnCours();

    // `liste` is what a campaign sends to, read when it starts; `erreurs` shows its failures;
    // `client` is the SMTP client of the whole run.
    Campagne(ControlesEnvois& c, SuiviErreurs& erreurs, const ListeEnvoi& liste, ClientSMTP& client,
             const ServicesEnvoi& services);

    void SpeedButEnvoyerClick();
    void SpeedButOuiClick();
    void SpeedButNonClick();
    void SpeedButFermerVisuEnvoisMailClick();
    void SpeedButStopperEnvoisClick();

    // True from the press of "Envoyer" until the campaign has ended or was cancelled.
    bool EnCours() const { return enCours_; }
    // The answer to "Envoyez Le Mail ?": none until a button (or the quit button, which says
    // no) gives it.
    const std::optional<bool>& Reponse() const { return reponse_; }
    void Repondre(bool oui);
    // The connection limit and the waits after a stop (tests shorten them); the back-offs come
    // from the settings at each campaign.
    MoteurCampagne::Limites& Limites() { return moteur_.LimitesEnVigueur(); }
    // The clock of the campaign, its journal and its pauses; the system's unless a test gives
    // its own.
    void DefinirHorloge(const Horloge& horloge);

private:
    // `note`, when not empty, is shown under the question.
    bool Confirmer(const QString& note);
    // The overlay shown, the client configured, the message built; false (after the error
    // box) when the saved settings cannot make a campaign.
    bool Preparer(std::unique_ptr<MessageCourriel>& message);
    // An unfinished journal of the same page and list: on the user's word, the items already
    // accepted are left out of `adresses` and the journal's subject comes back.
    void ProposerReprise(MessageCourriel& message, QStringList& adresses);
    // The journal's writes on this thread: a failure is told once, then the campaign goes on
    // without it.
    template <typename Ecriture> void Journaliser(Ecriture ecriture);
    // The campaign ends early: the reason in red, the busy picture stopped.
    void MontrerArret(const QString& motif);
    // The count not yet drawn, if any.
    void MontrerProgression();

    void Connexion() override;
    void Connecte() override;
    void EmpreinteAEpingler(const QString& hote, quint16 port, const QString& empreinte) override;
    void DebutEnvois(int nombre) override;
    void ArretEnCours(int numero, int nombre) override;
    void Resultat(const ResultatEnvoi& resultat) override;
    void AttenteReprise(int enAttente, std::chrono::milliseconds prochainEssai) override;
    void Ralentissement(double allure) override;
    void Pause(qint64 jusqua) override;
    void FinPause() override;
    // The caption of the progress overlay during a pause: its end and the time left.
    void MontrerPause();
    void Progression(int envoyes, int nombre) override;
    void ErreurEnvoi(const QString& message, const QString& adresse) override;
    void ErreurRegistre(const std::exception& e) override;
    void ErreurDeconnexion(const std::exception& e) override;
    void Fin(FinCampagne fin, const QString& motif) override;

    ControlesEnvois& c_;
    SuiviErreurs& erreurs_;
    const ListeEnvoi& liste_;
    ServicesEnvoi s_;
    ClientSMTP& client_;
    std::optional<bool> reponse_;
    MoteurCampagne moteur_;
    bool enCours_ = false;
    // The connection succeeded: the campaign's end is shown as a sending's end.
    bool connecte_ = false;
    JournalCampagne journal_;
    // The journal as the engine writes it, on its connections' workers.
    struct Registre : RegistreCampagne {
        explicit Registre(Campagne& c) : c(c) {}
        void Ouvrir() override;
        void Essai(const QString& adresse) override { c.journal_.Essai(adresse); }
        void Resultat(const ResultatEnvoi& r) override { c.journal_.Resultat(r); }
        void Temporaire(const ResultatEnvoi& r) override { c.journal_.Temporaire(r); }
        void Allure(double allure) override { c.journal_.Allure(allure); }
        void Pause(qint64 jusqua) override { c.journal_.Pause(jusqua); }
        Campagne& c;
    } registre_{*this};
    // What the journal of this campaign will be, opened when the first message is about to
    // leave: a new one with this header, or the one resumed.
    JournalCampagne::Entete entete_;
    std::optional<std::pair<QString, qint64>> repris_;
    // What the campaign resumed had learnt: its pace and its pause.
    MoteurCampagne::Historique historique_;
    const Horloge* horloge_ = &Horloge::Systeme();
    // The end of the pause under way (0: none), and the second hand of its countdown.
    qint64 finPause_ = 0;
    QTimer minuteurPause_;
    // The count is drawn at once, then at most once per tick of this timer: at thousands of
    // messages a second, drawing each one would take the window's thread from the campaign.
    QTimer minuteurProgression_;
    std::optional<std::pair<int, int>> progression_;
};
