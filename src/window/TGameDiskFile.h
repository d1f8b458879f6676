#pragma once
// The game's own files on disk (the settings, the scores): read whole,
// written all or nothing, in folders made for the player alone.

#include <optional>
#include <string>

class TGameDiskFile {
public:
    // The file's bytes: empty when it is missing, nothing when it is there
    // but cannot be read, or is no regular file of at most 1 MiB (a pipe or
    // a link to a device would hold up the game or fill its memory).
    static std::optional<std::string> Read(const std::string& path);
    // The bytes go to a new file beside the old one, which replaces the old
    // one only once it is complete on disk.
    static bool Write(const std::string& path, const std::string& bytes);
    // The folder and the ones above it that are missing, with mode 0700, as
    // the XDG rules ask of the folders a program makes for its files.
    static bool MakeFolder(const std::string& folder);
    // The environment's value of name, when set.
    static std::optional<std::string> Environment(const char* name);
};
