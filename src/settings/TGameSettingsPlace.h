#pragma once
// Where the player's settings live: beside the program when the player may
// write there, as in a build folder or an install into the player's home;
// otherwise in the player's configuration folder, so that an install the
// player cannot write (a system's, a package's, a read-only medium) still
// keeps the high score.

#include <optional>
#include <string>

class TGameSettingsPlace {
public:
    // What the choice depends on, as found on disk and in the environment.
    struct TFacts {
        std::string ProgramFolder; // ending with '/'
        bool FolderWritable = false;
        bool FileExists = false; // Settings.ini beside the program
        bool FileWritable = false;
        std::optional<std::string> ConfigHome; // $XDG_CONFIG_HOME, when set
        std::optional<std::string> Home;       // $HOME, when set
    };

    // The file read at start and written at exit.
    std::string File;
    // Read instead while File does not exist yet: the settings an
    // administrator left beside the program. Empty for none.
    std::string Defaults;

    // Beside the program when the player can write its folder and, where
    // there is one, the file; else $XDG_CONFIG_HOME/tolm-game/Settings.ini,
    // or ~/.config/tolm-game/Settings.ini when that is unset or relative.
    // Without an absolute home either, it stays beside the program, where
    // the save then fails silently.
    static TGameSettingsPlace Choose(const TFacts& facts);

    friend bool operator==(const TGameSettingsPlace&, const TGameSettingsPlace&) = default;
};
