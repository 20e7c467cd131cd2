#pragma once
// The pace of a campaign, shared by all its connections: the user's limits per minute, hour
// and day (rolling windows, counting the messages of earlier campaigns too), and a pace learnt
// from the server. A rate-limit deferral drops the pace to what the server was seen to accept,
// at least halved; each acceptance then raises it by a tenth of that value, never above the
// user's per-minute limit (additive increase, multiplicative decrease). Dates are milliseconds
// of the engine's clock (Horloge::Date). Not synchronised: the engine calls it under its lock.
#include <QtGlobal>
#include <deque>

class Cadenceur {
public:
    struct Limites {
        // 0: no limit.
        int parMinute = 0;
        int parHeure = 0;
        int parJour = 0;
    };
    struct Depart {
        qint64 date;
        // Held by a quota (the hour's, the day's, or the server's), not by the pace.
        bool quota;
    };
    static constexpr qint64 kMinute = 60'000;
    static constexpr qint64 kHeure = 60 * kMinute;
    static constexpr qint64 kJour = 24 * kHeure;

    Cadenceur() : Cadenceur(Limites{0, 0, 0}) {}
    explicit Cadenceur(Limites limites);

    // A message an earlier campaign of the same settings had accepted on `date`.
    void AjouterHistorique(qint64 date);
    // The learnt pace of the campaign resumed (messages per minute).
    void ReprendreAllure(double allure);

    // When the next message may start, not before `maintenant`; that start is booked.
    Depart Reserver(qint64 maintenant);
    // The message booked at `depart` was not accepted: it does not count.
    void Rendre(qint64 depart);
    void Accepte(qint64 maintenant);
    // The server deferred a message started at `depart` for its rate. True when the pace
    // dropped: once for all the messages started before the last drop.
    bool Ralentir(qint64 maintenant, qint64 depart);
    // The server's quota is used up: nothing starts before `jusqua`.
    void Suspendre(qint64 jusqua);
    qint64 SuspenduJusqua() const { return suspendu_; }

    // Messages per minute; 0 while nothing holds the pace.
    double Allure() const { return allure_; }

private:
    // The first date at or after `t` where the window of `duree` ending there holds fewer
    // than `limite` starts.
    qint64 HorsFenetre(qint64 t, qint64 duree, int limite) const;
    void Oublier(qint64 maintenant);

    Limites limites_;
    double allure_;
    // The pace right after the last drop: the rises are a tenth of it.
    double base_ = 0;
    qint64 prochain_ = 0;
    qint64 suspendu_ = 0;
    qint64 derniereBaisse_ = -1;
    // Starts of the last day, in order; acceptances of the last minute.
    std::deque<qint64> departs_;
    std::deque<qint64> acceptes_;
};
