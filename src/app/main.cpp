#include <cstdio>

// The window is not built yet; until it is, the program says so instead of
// pretending to start.
int main()
{
    std::puts("Tolm Game: the game window is not built yet.\n"
              "The rules run headless: see tolm-replay beside this program.");
    return 0;
}
