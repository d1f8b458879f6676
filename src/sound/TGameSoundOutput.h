#pragma once
// Where the effects are heard: the desktop's sound server, or a sound card
// through SDL where there is no server. Plays one effect at a time, 16-bit
// mono samples at Rate frames a second, in the machine's byte order.

#include <cstdint>
#include <span>

class TGameSoundOutput {
public:
    static constexpr int Rate = 22050;

    virtual ~TGameSoundOutput() = default;
    TGameSoundOutput() = default;
    TGameSoundOutput(const TGameSoundOutput&) = delete;
    TGameSoundOutput& operator=(const TGameSoundOutput&) = delete;

    // Cuts off the effect playing and starts samples, at once, without
    // waiting for the card or the server. The samples must stay until the
    // next Start or Stop.
    virtual void Start(std::span<const std::int16_t> samples) = 0;
    // Cuts off the effect playing, if any.
    virtual void Stop() = 0;
    // Stops, and lets the output rest while idle where that saves anything;
    // not idle, it plays again at once.
    virtual void SetIdle(bool idle) = 0;
};
