#pragma once
// The game's sound effects: WAVE files held in memory and played one at a
// time, each new effect cutting off the one still playing, through the
// desktop's sound server, else a sound card (TGameSoundOutput).
// Sound is a nicety: a machine without either, a missing folder or a broken
// file leaves effects silent, and nothing here reports an error.
// The output opens on a thread of the player's own, so that a slow or absent
// server never holds up the window; until it is open, effects are silent.

#include "TGameSoundOutput.h"
#include "TGameSoundSink.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

class TGameSound : public TGameSoundSink {
public:
    // Opens an output, null for none. Runs on the player's own thread, and
    // should give up once stop is requested.
    using TOutputOpen = std::function<std::unique_ptr<TGameSoundOutput>(const std::stop_token&)>;
    // The sound server, else the card, else none.
    static std::unique_ptr<TGameSoundOutput> OpenOutput(const std::stop_token& stop);

    // Starts open on a thread of its own and returns at once; nothing is
    // loaded yet.
    explicit TGameSound(TOutputOpen open = OpenOutput);
    // Unload, asks an open under way to give up and waits for it, then
    // closes the output.
    ~TGameSound() override;
    TGameSound(const TGameSound&) = delete;
    TGameSound& operator=(const TGameSound&) = delete;

    // While false, Play does nothing and an effect already playing plays on.
    bool Enabled = true;

    // The paths of the game's effects in folder (ending with '/'), in id order.
    static std::vector<std::string> PathsIn(const std::string& folder);

    // Unload, then effect i comes from the file paths[i]. A file that is
    // missing, unreadable, over 16 MiB, or no PCM WAVE file with samples
    // leaves its effect empty.
    void Load(const std::vector<std::string>& paths);
    // Stops the effect playing, then frees every effect.
    void Unload();
    // If Enabled and the output is open: cuts off the effect playing and
    // starts effect id, or none when that effect is empty. Returns at once.
    // Nothing is kept for later: an effect asked for before the output is
    // open is never heard.
    void Play(int id) override;
    // Stops the effect playing, if any.
    void Stop();
    // Outside a game the output may rest (the sound server's sink can then
    // suspend); a game uncorks it before its first effect. Not idle at first.
    // Telling it what it was last told does nothing.
    void SetIdle(bool idle);
    // Whether the effect started last may still be heard: its length from
    // its start, and the server's buffer beyond.
    bool Sounding() const;
    // Whether effect id has samples to play.
    bool Loaded(int id) const;

    // The samples of a WAVE file's bytes (8- or 16-bit PCM, any rate and
    // channels) as the outputs play them; none when they are no such file.
    static std::vector<std::int16_t> Decode(const std::vector<unsigned char>& file);

private:
    // The output, or null until it has opened (or for good when it did not).
    TGameSoundOutput* Output() const;

    // Entry i is effect i; empty when file i gave nothing to play.
    std::vector<std::vector<std::int16_t>> Effects;
    std::unique_ptr<TGameSoundOutput> FOutput;
    // Set by the opener once FOutput is in place, and never cleared.
    std::atomic<bool> FOutputOpen = false;
    // What SetIdle said last, which the output gets as it opens. The lock
    // keeps a change from falling between the two.
    bool FIdle = false;
    std::mutex IdleLock;
    // When the effect started last has played out.
    std::chrono::steady_clock::time_point Silent;
    // Last, so that it starts only once what it sets exists.
    std::jthread Opener;
};
