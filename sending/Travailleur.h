#pragma once
// The one worker thread of a campaign at a time. The window's thread learns that the work
// ended from a flag the worker clears as its very last step, and is woken by an event the
// worker posts right after: its waits sleep in the event loop instead of spinning.
#include <atomic>
#include <functional>
#include <thread>

class Travailleur {
public:
    Travailleur() = default;
    Travailleur(const Travailleur&) = delete;
    Travailleur& operator=(const Travailleur&) = delete;
    // The program never ends while a worker runs.
    ~Travailleur();

    // Runs `travail` on a new thread; any error it raises is dropped. The previous worker
    // must have ended.
    void Lancer(std::function<void()> travail);
    bool EnCours() const { return enCours_.load(std::memory_order_acquire); }
    // Processes the window's events until the worker has ended, then releases its thread.
    void AttendreFin();

private:
    std::atomic<bool> enCours_{false};
    std::thread fil_;
};
