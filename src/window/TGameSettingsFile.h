#pragma once
// The settings file on disk: read once at start, written once at exit. A
// missing or bad file gives the defaults; writing never leaves a half file.

#include "TGameSettings.h"
#include "TGameSettingsPlace.h"

#include <optional>
#include <string>
#include <string_view>

class TGameSettingsFile {
public:
    static constexpr std::string_view FileName = "Settings.ini";
    static constexpr std::string_view SettingsSection = "Settings";
    static constexpr std::string_view SettingsKey = "Values";
    // Written only once the strength differs from Medium, so that the file
    // of a player who never chose one stays as it always was.
    static constexpr std::string_view ComputerKey = "Computer";

    // The file at path, which is read and written only by Load and Save;
    // while it does not exist, Load reads defaultsPath instead, if given.
    explicit TGameSettingsFile(std::string path, std::string defaultsPath = "");

    // Where this player keeps the settings of the program in
    // Common::ProgramFolder(), from the player's own rights on the files there.
    static TGameSettingsPlace PlayerPlace();

    // The settings in the file, or nothing when the file is missing,
    // cannot be read, or its values are bad.
    std::optional<TGameSettings> Load();
    // Writes settings into the file, keeping what else the file holds, and
    // makes its folder first when it is missing. When the last Load met a
    // file it could not read as settings, that file is first kept as path +
    // ".bak". A write that fails leaves the file as it was.
    void Save(const TGameSettings& settings);

private:
    std::string FPath;
    std::string FDefaultsPath;
    // Load met a file it could not read as settings, which Save must not lose.
    bool FDamaged = false;
};
