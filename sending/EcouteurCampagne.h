#pragma once
// What a campaign tells as it goes, in order, on the thread that runs it. Each address's
// outcome is told once.
#include "sending/ResultatEnvoi.h"

#include <QString>
#include <chrono>
#include <exception>

enum class FinCampagne {
    // Every address was tried.
    Terminee,
    // The user stopped the campaign while it connected.
    ConnexionAnnulee,
    // The connection failed, or took longer than its limit.
    Injoignable,
    // The user stopped the campaign between two messages or during one.
    Stoppee,
    // The server refused the login, the sender or the message, or its certificate changed:
    // going on would fail the same way for every address, which stay to send.
    SessionRefusee,
    // An unexpected error ended the walk over the list.
    Erreur,
    // The window closes: no new message starts.
    Fermeture,
};

class EcouteurCampagne {
public:
    virtual ~EcouteurCampagne() = default;

    // The connection starts, then has succeeded.
    virtual void Connexion() {}
    virtual void Connecte() {}
    // A certificate trusted on its first use, for the settings to keep.
    virtual void EmpreinteAEpingler(const QString& hote, quint16 port, const QString& empreinte) {
        (void)hote, (void)port, (void)empreinte;
    }
    // The first message is about to leave; `nombre` items will be tried.
    virtual void DebutEnvois(int nombre) { (void)nombre; }
    // A stop was asked while item `numero` (from 1) was under way; its outcome follows.
    virtual void ArretEnCours(int numero, int nombre) { (void)numero, (void)nombre; }
    virtual void Resultat(const ResultatEnvoi& resultat) { (void)resultat; }
    // `enAttente` items wait for a new try, the next one in `prochainEssai`; 0 when none waits
    // any more.
    virtual void AttenteReprise(int enAttente, std::chrono::milliseconds prochainEssai) {
        (void)enAttente, (void)prochainEssai;
    }
    // The server limits the pace: every connection slows down to `allure` messages a minute.
    virtual void Ralentissement(double allure) { (void)allure; }
    // A quota is reached: nothing is sent before `jusqua` (Horloge::Date), then FinPause.
    virtual void Pause(qint64 jusqua) { (void)jusqua; }
    virtual void FinPause() {}
    // `envoyes` items of `nombre` are done: accepted, refused for good, or out of tries.
    virtual void Progression(int envoyes, int nombre) { (void)envoyes, (void)nombre; }
    // The error that ended the walk, and the item it met.
    virtual void ErreurEnvoi(const QString& message, const QString& adresse) {
        (void)message, (void)adresse;
    }
    // The record (RegistreCampagne) failed: the campaign goes on without it.
    virtual void ErreurRegistre(const std::exception& e) { (void)e; }
    // Saying goodbye to the server failed; the campaign still ends.
    virtual void ErreurDeconnexion(const std::exception& e) { (void)e; }
    // The end, once. `motif`: the server's words for SessionRefusee, the connection's error
    // for Injoignable (empty after a time-out), else empty.
    virtual void Fin(FinCampagne fin, const QString& motif) { (void)fin, (void)motif; }
};
