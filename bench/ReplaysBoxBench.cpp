// How long Game > Replays takes to open with many games kept: the folder
// read and every file described, the list filled and the box shown.
// Usage: tolm-replays-box-bench [FILES] [RUNS]; 10,000 files of some 12 KB
// (a five-minute game) and 5 runs by default. Runs offscreen.

#include "TGameReplayStore.h"
#include "TGameReplaysBox.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A recording as long as a five-minute two-player game's, ending as the
// game writes its end.
std::string Recording()
{
    std::string script = "# Tolm Game replay\nstate 3659525262 3982710772\nbusy 0\nhighscore 0\n"
                         "start 2\n";
    while (script.size() < 11500)
        script += "tick 7\ndown 39\ntick 3\nup 39\nsilentdown 65\ntick 4\nsilentup 65\n";
    script += "# The end, as tolm-replay prints it:\n"
              "#tick 3000 over 1 hi 42 sounds 4 msg \"Both are Stuck\"\n"
              "# p0 at 16,9 dir 1,0 last 1,0 score 42 trail 3 stuck 1 home 0 sprite 12\n"
              "# p1 at 3,4 dir 0,1 last 0,1 score 17 trail 0 stuck 1 home 0 sprite 22\n";
    for (int row = 0; row < 19; ++row)
        script += "#" + std::string(21, '.') + "\n";
    return script;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const QTemporaryDir folder;
    const std::string script = Recording();
    for (int i = 0; i < files; ++i) {
        char name[40];
        std::snprintf(name, sizeof name, "/2026-%02d-%02d-%06d-01.replay", 1 + i / 2800 % 12,
                      1 + i / 100 % 28, i % 100 * 100);
        std::ofstream(folder.path().toStdString() + name) << script;
    }
    const TGameReplayStore store(folder.path().toStdString());
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        TGameReplaysBox box(store, nullptr);
        box.show();
        QApplication::processEvents();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        std::printf("run %d: %.0f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("%d files of %zu bytes: median %.0f ms\n", files, script.size(),
                times[times.size() / 2]);
}
