// tolm-synth FOLDER: writes the game's six sound effects into FOLDER, under
// the names the game loads them by. The build runs it, so the sounds are made
// from their scores in SynthRecipes.cpp and never stored as binaries.

#include "Common.h"
#include "SynthRecipes.h"
#include "WaveFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// Low enough to keep the files small, high enough for the brightest overtone of a chime.
constexpr int SampleRate = 22050;

bool WriteSound(const std::filesystem::path& folder, int id)
{
    const std::string path = (folder / Common::SoundFileNames[id]).string();
    if (WaveFile::WriteMono16(path, SynthRecipes::ForSound(id).Render(SampleRate), SampleRate))
        return true;
    std::fprintf(stderr, "tolm-synth: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: tolm-synth FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool written = true;
    for (int id = 0; id < Common::SoundCount; ++id)
        written = WriteSound(folder, id) && written;
    return written ? 0 : 1;
}
