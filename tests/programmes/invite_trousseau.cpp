// The keyring's questions answered as a user would, late: GCR's own scripted prompter (the one
// gnome-keyring's tests use, in libgcr-base-3), on the session bus of the environment. Prints
// its bus name, to be given to gnome-keyring-daemon as GNOME_KEYRING_TEST_PROMPTER, then keeps
// answering until it is ended.
//   invite_trousseau <delay ms> <answer>...   each answer "mdp:<password>" or "refus"
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <thread>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    void* gcr = ::dlopen("libgcr-base-3.so.1", RTLD_NOW);
    if (gcr == nullptr)
        return 3;
    using FixerDelai = void (*)(unsigned);
    using MotDePasse = void (*)(const char*, const char*, ...);
    using Refus = void (*)();
    using Demarrer = const char* (*)();
    auto fixerDelai =
        reinterpret_cast<FixerDelai>(::dlsym(gcr, "gcr_mock_prompter_set_delay_msec"));
    auto motDePasse =
        reinterpret_cast<MotDePasse>(::dlsym(gcr, "gcr_mock_prompter_expect_password_ok"));
    auto refus = reinterpret_cast<Refus>(::dlsym(gcr, "gcr_mock_prompter_expect_password_cancel"));
    auto demarrer = reinterpret_cast<Demarrer>(::dlsym(gcr, "gcr_mock_prompter_start"));
    if (!fixerDelai || !motDePasse || !refus || !demarrer)
        return 3;
    const char* nom = demarrer();
    fixerDelai(static_cast<unsigned>(std::atoi(argv[1])));
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "mdp:", 4) == 0)
            motDePasse(argv[i] + 4, nullptr);
        else
            refus();
    }
    std::printf("%s\n", nom);
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}
