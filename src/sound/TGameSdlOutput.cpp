#include "TGameSdlOutput.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <mutex>

namespace {

// 512 frames are 23 ms at the effects' rate: an effect starts within about
// one buffer of its tick. SDL converts to whatever the card takes.
constexpr Uint16 DeviceFrames = 512;

// libasound's reports, which it writes to the terminal of its own accord.
void Unreported(const char* /*file*/, int /*line*/, const char* /*function*/, int /*error*/,
                const char* /*format*/, ...)
{
}

// Without a card libasound fills the terminal with lines of its own errors
// that tell a player nothing: the game stays silent without them. SDL loads
// the library at run time, so it is reached the same way; SDL's own load
// then finds it loaded, and its reports quiet.
void QuietAlsa()
{
    using THandler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return;
    // Kept loaded for the rest of the run: libasound keeps the handler.
    auto* setHandler =
        reinterpret_cast<int (*)(THandler)>(dlsym(library, "snd_lib_error_set_handler"));
    if (setHandler != nullptr)
        setHandler(Unreported);
}

// SDL keeps its hints in a list without a lock, which its audio thread
// reads as it starts; so they are set once, before the first output opens.
void SetHints()
{
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into
    // events nobody reads, and the game could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Only where the sound server did not answer does SDL get asked, so its
    // own try of the server would be in vain. SDL_AUDIODRIVER still rules.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "alsa", SDL_HINT_DEFAULT);
    QuietAlsa();
}

// SDL counts the users of its subsystems without a lock; outputs opening
// and closing on threads of their own take turns here.
std::mutex& DeviceLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

std::unique_ptr<TGameSdlOutput> TGameSdlOutput::Open()
{
    static std::once_flag hinted;
    std::call_once(hinted, SetHints);
    auto output = OpenDevice();
    // SDL gives a thread it did not start its own error text, which only
    // this frees; nothing else of SDL's runs on this thread.
    SDL_TLSCleanup();
    return output;
}

std::unique_ptr<TGameSdlOutput> TGameSdlOutput::OpenDevice()
{
    const std::scoped_lock locked(DeviceLock());
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    std::unique_ptr<TGameSdlOutput> output(new TGameSdlOutput());
    SDL_AudioSpec wanted{};
    wanted.freq = Rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = DeviceFrames;
    wanted.callback = Fill;
    wanted.userdata = output.get();
    output->Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (output->Device == 0) {
        // Slow without a card: SDL waits here for its hot-plug thread. The
        // output, which never had a device, goes without a word to SDL.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(output->Device, 0);
    return output;
}

TGameSdlOutput::~TGameSdlOutput()
{
    // One that failed to open goes while the lock is still held for it, and
    // has given SDL's audio back already.
    if (Device == 0)
        return;
    const std::scoped_lock locked(DeviceLock());
    SDL_CloseAudioDevice(Device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TGameSdlOutput::Start(std::span<const std::int16_t> samples)
{
    SDL_LockAudioDevice(Device);
    Left = samples;
    SDL_UnlockAudioDevice(Device);
}

void TGameSdlOutput::Stop()
{
    Start({});
}

void TGameSdlOutput::SetIdle(bool idle)
{
    if (idle)
        Stop();
}

void SDLCALL TGameSdlOutput::Fill(void* output, Uint8* stream, int bytes)
{
    auto& left = static_cast<TGameSdlOutput*>(output)->Left;
    const std::size_t played = std::min(left.size(), static_cast<std::size_t>(bytes) / 2);
    if (played > 0) // an empty span may have no data at all
        std::memcpy(stream, left.data(), played * 2);
    std::memset(stream + played * 2, 0, static_cast<std::size_t>(bytes) - played * 2);
    left = left.subspan(played);
}
