// Runs each start-up program many times and prints the median wall time of one start,
// from the process's creation to its end once the window is shown.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double UnLancement(const char* programme) {
    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Qt's notices on a machine without a session would drown the figures.
        if (!freopen("/dev/null", "w", stderr))
            _exit(126);
        execl(programme, programme, static_cast<char*>(nullptr));
        _exit(127);
    }
    int etat = 0;
    waitpid(pid, &etat, 0);
    if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::fprintf(stderr, "%s failed\n", programme);
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
        .count();
}

double Mediane(const char* programme, int fois) {
    std::vector<double> t;
    for (int i = 0; i < fois; ++i)
        t.push_back(UnLancement(programme));
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int fois = argc > 1 ? std::atoi(argv[1]) : 30;
    UnLancement(LETTROVA); // warms the disk cache
    UnLancement(REFERENCE);
    const double lettrova = Mediane(LETTROVA, fois);
    const double reference = Mediane(REFERENCE, fois);
    std::printf("start-up to a shown window, median of %d runs\n", fois);
    std::printf("  Lettrova            %7.1f ms\n", lettrova);
    std::printf("  bare 7-tab window   %7.1f ms\n", reference);
    std::printf("  ratio               %7.2f\n", lettrova / reference);
    return 0;
}
