#include "TGameSound.h"

#include "Common.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// CD rate in stereo is what sound servers take without converting. 512
// frames are 12 ms: an effect starts within about one buffer of its tick.
constexpr int DeviceRate = 44100;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;
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

// The chunks below are walked as a RIFF WAVE file lays them out, so nothing
// else gets that far.
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
// reads as it starts; so they are set once, before the first opener starts.
void SetHints()
{
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into
    // events nobody reads, and the game could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Left to itself, SDL plays whatever part of a cut-off file it can read.
    SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_OVERRIDE);
}

void SetHintsOnce()
{
    static std::once_flag hinted;
    std::call_once(hinted, SetHints);
}

// SDL counts the users of its subsystems, and the mixer its opens, without a
// lock; players opening and closing on threads of their own take turns here.
std::mutex& DeviceLock()
{
    static std::mutex lock;
    return lock;
}

void CloseDevice()
{
    const std::scoped_lock locked(DeviceLock());
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Samples in the file's format as an effect in the device's, or null when there
// are none or they cannot be converted.
Mix_Chunk* ToDeviceFormat(const SDL_AudioSpec& file, const Uint8* samples, Uint32 length)
{
    SDL_AudioCVT cvt{};
    if (length == 0 || SDL_BuildAudioCVT(&cvt, file.format, file.channels, file.freq, DeviceFormat,
                                         DeviceChannels, DeviceRate) < 0)
        return nullptr;
    cvt.len = static_cast<int>(length);
    cvt.buf = static_cast<Uint8*>(SDL_malloc(std::size_t{length} * cvt.len_mult));
    if (cvt.buf == nullptr)
        return nullptr;
    std::memcpy(cvt.buf, samples, length);
    if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt <= 0) {
        SDL_free(cvt.buf);
        return nullptr;
    }
    return new Mix_Chunk{1, cvt.buf, static_cast<Uint32>(cvt.len_cvt), MIX_MAX_VOLUME};
}

} // namespace

void TGameSound::TChunkFree::operator()(Mix_Chunk* chunk) const
{
    // Not Mix_FreeChunk, which would look at the mixer while an opener may be
    // setting it up; Unload has stopped the effect before it frees it.
    SDL_free(chunk->abuf);
    delete chunk;
}

bool TGameSound::OpenDevice()
{
    const std::scoped_lock locked(DeviceLock());
    // Subsystem and mixer both count their users, so every player opens and
    // closes its own share and a second player leaves the first one working.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // The exact format asked for, which SDL converts to the device's, so
    // that effects can be decoded before the device is open.
    const int failed =
        Mix_OpenAudioDevice(DeviceRate, DeviceFormat, DeviceChannels, DeviceFrames, nullptr, 0);
    if (!failed)
        return true;
    // Slow without a device: SDL waits here for its hot-plug thread.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

TGameSound::TGameSound(TDeviceOpen open)
{
    SetHintsOnce();
    try {
        Opener = std::thread([this, open = std::move(open)] {
            FDeviceOpen = open();
            // SDL gives a thread it did not start its own error text, which
            // only this frees.
            SDL_TLSCleanup();
        });
    } catch (const std::system_error&) {
        // No thread to open it on: the game plays on without sound.
    }
}

TGameSound::~TGameSound()
{
    Unload();
    // An open under way is waited for, as the start used to wait for it.
    if (Opener.joinable())
        Opener.join();
    if (FDeviceOpen)
        CloseDevice();
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
        Buffers.push_back(Decode(ReadWholeFile(path)));
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
    SetHintsOnce();
    SDL_AudioSpec format{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (SDL_LoadWAV_RW(source, 1, &format, &samples, &length) == nullptr)
        return {};
    TBuffer effect(ToDeviceFormat(format, samples, length));
    SDL_FreeWAV(samples);
    return effect;
}
