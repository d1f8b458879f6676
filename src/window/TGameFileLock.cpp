#include "TGameFileLock.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

TGameFileLock::TGameFileLock(const std::string& path)
    : Fd(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600))
{
    // flock has no wait with a limit: it is asked again every few milliseconds.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (Fd >= 0 && flock(Fd, LOCK_EX | LOCK_NB) != 0 &&
           std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

TGameFileLock::~TGameFileLock()
{
    if (Fd >= 0)
        close(Fd); // lets go of the lock with it
}
