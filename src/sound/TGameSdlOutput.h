#pragma once
// The effects through a sound card, where no sound server answers: SDL's
// audio (ALSA on Linux) with a callback of our own that plays the one effect
// and silence after it. All outputs in a process share SDL's audio.

#include "TGameSoundOutput.h"

#include <SDL_audio.h>

#include <memory>

class TGameSdlOutput : public TGameSoundOutput {
public:
    // Opens the card SDL finds (ALSA's, unless SDL_AUDIODRIVER names another
    // driver); null where there is none. Slow without a card: call it off
    // the GUI thread.
    static std::unique_ptr<TGameSdlOutput> Open();
    // Closes the device and gives SDL's audio back.
    ~TGameSdlOutput() override;
    TGameSdlOutput(const TGameSdlOutput&) = delete;
    TGameSdlOutput& operator=(const TGameSdlOutput&) = delete;

    void Start(std::span<const std::int16_t> samples) override;
    void Stop() override;
    // Only stops: paused, SDL would play silence all the same.
    void SetIdle(bool idle) override;

private:
    TGameSdlOutput() = default;
    static std::unique_ptr<TGameSdlOutput> OpenDevice();
    // SDL's audio thread asks for bytes more to play.
    static void SDLCALL Fill(void* output, Uint8* stream, int bytes);

    SDL_AudioDeviceID Device = 0;
    // What is left of the effect playing; the callback's, under the device's lock.
    std::span<const std::int16_t> Left;
};
