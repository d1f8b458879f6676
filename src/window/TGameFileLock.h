#pragma once
// An advisory lock on a file of the game's, held for a scope, which copies
// of the game running at once take before they read and write that file
// anew. A lock file beside it is locked, never the file itself, which each
// save replaces. A copy that holds it too long is not waited for past the
// second: the lock then goes on without it, as a save did before there were
// locks, rather than hold up the game.

#include <string>

class TGameFileLock {
public:
    // Locks the file at path (made where it is missing), waiting at most a
    // second.
    explicit TGameFileLock(const std::string& path);
    ~TGameFileLock();
    TGameFileLock(const TGameFileLock&) = delete;
    TGameFileLock& operator=(const TGameFileLock&) = delete;

private:
    int Fd = -1;
};
