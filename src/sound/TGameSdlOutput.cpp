#include "TGameSdlOutput.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

// 512 frames are 23 ms at the effects' rate: an effect starts within about
// one buffer of its tick. SDL converts to whatever the card takes.
constexpr Uint16 DeviceFrames = 512;

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
        // Slow without a card: SDL waits here for its hot-plug thread.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(output->Device, 0);
    return output;
}

TGameSdlOutput::~TGameSdlOutput()
{
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
