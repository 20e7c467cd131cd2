#pragma once
// Brings what was written to a file onto the disk on a thread of its own, so that the writer
// never waits for the disk: a request made while a flush runs is served by the next one.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class SynchroniseurFichier {
public:
    // `descripteur` stays open while this object lives.
    explicit SynchroniseurFichier(int descripteur);
    // Lets the flush under way end, then ends the thread.
    ~SynchroniseurFichier();
    SynchroniseurFichier(const SynchroniseurFichier&) = delete;
    SynchroniseurFichier& operator=(const SynchroniseurFichier&) = delete;

    // Flushes what was written so far, without waiting.
    void Demander();
    // Waits until every request made so far has been served.
    void Attendre();
    // The errno of the first flush that failed since the last call; 0 when none did.
    int PrendreErreur();

private:
    void Boucle();

    const int descripteur_;
    std::mutex verrou_;
    std::condition_variable reveil_;
    std::uint64_t demandes_ = 0;
    std::uint64_t servies_ = 0;
    int erreur_ = 0;
    bool fin_ = false;
    std::thread fil_;
};
