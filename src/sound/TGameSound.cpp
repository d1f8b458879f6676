#include "TGameSound.h"

#include "Common.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// CD rate in stereo is what sound servers take without converting. 512
// frames are 12 ms: an effect starts within about one buffer of its tick.
constexpr int DeviceRate = 44100;
constexpr int DeviceChannels = 2;
constexpr int DeviceFrames = 512;
// All effects share one mixer channel, so starting one cuts off the last.
constexpr int EffectChannel = 0;
// Our effects are a few dozen KiB. A file far larger is not an effect, and
// reading it whole would only tie up memory for the whole run.
constexpr off_t MaxFileBytes = off_t{16} * 1024 * 1024;

// The whole of an open file, or nothing when it is no regular file, is too
// large or cannot be read to its end.
std::vector<unsigned char> ReadOpenFile(int fd)
{
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxFileBytes)
        return {};
    std::vector<unsigned char> bytes(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {};
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

std::vector<unsigned char> ReadWholeFile(const std::string& path)
{
    // Non-blocking, so that a pipe put in the sound folder cannot hang the
    // start of the game; it is then turned away as no regular file.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::vector<unsigned char> bytes = ReadOpenFile(fd);
    close(fd);
    return bytes;
}

// The mixer would decode anything it has a codec for (garbage that starts
// with "MThd" plays as MIDI), so only a RIFF WAVE file goes to it.
bool IsWave(const std::vector<unsigned char>& file)
{
    return file.size() >= 12 && std::memcmp(file.data(), "RIFF", 4) == 0 &&
           std::memcmp(file.data() + 8, "WAVE", 4) == 0;
}

// Whether every chunk after the WAVE header lies within the file. The decoder
// allocates what a chunk's header claims before it reads, so a file of a few
// bytes could otherwise ask for gigabytes.
bool ChunksFit(const std::vector<unsigned char>& file)
{
    std::size_t pos = 12;
    while (pos + 8 <= file.size()) {
        const std::size_t size = file[pos + 4] | file[pos + 5] << 8 | file[pos + 6] << 16 |
                                 std::size_t{file[pos + 7]} << 24;
        if (size > file.size() - pos - 8)
            return false;
        pos += 8 + size + size % 2; // a chunk of odd size is followed by a pad byte
    }
    return true;
}

// SDL keeps its hints in a list without a lock, which its audio thread
// reads as it starts; so they are set once, before the first device opens.
void SetHints()
{
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into
    // events nobody reads, and the game could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Left to itself, SDL plays whatever part of a cut-off file it can read.
    SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_OVERRIDE);
}

bool OpenDevice()
{
    static std::once_flag hinted;
    std::call_once(hinted, SetHints);
    // Subsystem and mixer both count their users, so every player opens and
    // closes its own share and a second player leaves the first one working.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    const int failed =
        Mix_OpenAudioDevice(DeviceRate, AUDIO_S16SYS, DeviceChannels, DeviceFrames, nullptr, 0);
    if (!failed)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

} // namespace

void TGameSound::TChunkFree::operator()(Mix_Chunk* chunk) const
{
    Mix_FreeChunk(chunk);
}

TGameSound::TGameSound() : FDeviceOpen(OpenDevice()) {}

TGameSound::~TGameSound()
{
    Unload();
    if (!FDeviceOpen)
        return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::vector<std::string> TGameSound::PathsIn(const std::string& folder)
{
    std::vector<std::string> paths;
    paths.reserve(Common::SoundFileNames.size());
    for (const char* name : Common::SoundFileNames)
        paths.push_back(folder + name);
    return paths;
}

void TGameSound::Load(const std::vector<std::string>& paths)
{
    Unload();
    Buffers.reserve(paths.size());
    // Every failure on the way leaves an empty effect, which plays as
    // silence: the game is fully playable without sound.
    for (const std::string& path : paths)
        Buffers.push_back(FDeviceOpen ? Decode(ReadWholeFile(path)) : TBuffer());
}

void TGameSound::Unload()
{
    Stop(); // the mixer reads an effect's samples while it plays
    Buffers.clear();
}

void TGameSound::Play(int id)
{
    if (!Enabled || !FDeviceOpen)
        return;
    // Starting on the busy channel replaces its effect in one step, with no
    // gap; only when nothing starts must the old effect be stopped apart.
    if (!Loaded(id) || Mix_PlayChannel(EffectChannel, Buffers[id].get(), 0) < 0)
        Stop();
}

void TGameSound::Stop()
{
    if (FDeviceOpen)
        Mix_HaltChannel(EffectChannel);
}

bool TGameSound::Loaded(int id) const
{
    return id >= 0 && static_cast<std::size_t>(id) < Buffers.size() && Buffers[id] != nullptr;
}

TGameSound::TBuffer TGameSound::Decode(const std::vector<unsigned char>& file)
{
    if (!IsWave(file) || !ChunksFit(file))
        return {};
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    TBuffer effect(Mix_LoadWAV_RW(source, 1));
    if (effect && effect->alen == 0)
        effect.reset();
    return effect;
}
