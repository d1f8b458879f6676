// tolm-replay: runs the game rules headless from a script and prints a trace.
// Usage: tolm-replay [SCRIPT]; the script comes from standard input when no
// file is named.

#include "TReplayRunner.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: tolm-replay [SCRIPT]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "cannot open " << argv[1] << '\n';
            return 2;
        }
    }
    TReplayRunner runner;
    return runner.RunScript(argc == 2 ? file : std::cin, std::cout, std::cerr);
}
