#pragma once
// The worker of a campaign: one thread that runs one piece of work at a time (a connection,
// then one message after another). The window's thread learns that a piece ended from a flag
// the worker clears as its very last step for that piece, and is woken by the event loop
// right after: its waits sleep in the event loop instead of spinning. The thread stays for
// the next piece, so that a campaign pays no thread start per message.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class Travailleur {
public:
    Travailleur() = default;
    Travailleur(const Travailleur&) = delete;
    Travailleur& operator=(const Travailleur&) = delete;
    // The program never ends while a piece of work runs: the thread is joined.
    ~Travailleur();

    // Runs `travail` on the worker thread; any error it raises is dropped. The previous piece
    // must have ended: it is waited for first.
    void Lancer(std::function<void()> travail);
    bool EnCours() const { return enCours_.load(std::memory_order_acquire); }
    // Processes the window's events until the piece under way has ended.
    void AttendreFin();
    // Lets the piece under way end, then ends the thread (without processing events).
    void Arreter();

private:
    void Boucle();

    std::atomic<bool> enCours_{false};
    std::mutex verrou_;
    std::condition_variable reveil_;
    std::function<void()> travail_;
    bool arret_ = false;
    std::thread fil_;
};
