#pragma once
// The game's sound effects: WAVE files held in memory and played one at a
// time through SDL_mixer, each new effect cutting off the one still playing.
// Sound is a nicety: a machine without an audio device, a missing folder or a
// broken file leaves effects silent, and nothing here reports an error.
// All players in a process share the one device and its effect channel.
// The device opens on a thread of the player's own, so that a slow or absent
// device never holds up the window; until it is open, effects are silent.

#include "TGameSoundSink.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

struct Mix_Chunk;

class TGameSound : public TGameSoundSink {
public:
    // Opens the audio device; true when it did. Runs on the player's own thread.
    using TDeviceOpen = std::function<bool()>;
    // The audio device and SDL's audio, opened as the game opens them.
    static bool OpenDevice();

    // Starts open on a thread of its own and returns at once; nothing is
    // loaded yet.
    explicit TGameSound(TDeviceOpen open = OpenDevice);
    // Unload, waits for the open to end, then closes the device if it opened.
    ~TGameSound() override;
    TGameSound(const TGameSound&) = delete;
    TGameSound& operator=(const TGameSound&) = delete;

    // While false, Play does nothing and an effect already playing plays on.
    bool Enabled = true;

    // The paths of the game's effects in folder (ending with '/'), in id order.
    static std::vector<std::string> PathsIn(const std::string& folder);

    // Unload, then effect i comes from the file paths[i]. A file that is
    // missing, unreadable, over 16 MiB, or no WAVE file with samples leaves
    // its effect empty.
    void Load(const std::vector<std::string>& paths);
    // Stops the effect playing, then frees every effect.
    void Unload();
    // If Enabled and the device is open: cuts off the effect playing and
    // starts effect id, or none when that effect is empty. Returns at once.
    // Nothing is kept for later: an effect asked for before the device is
    // open is never heard.
    void Play(int id) override;
    // Stops the effect playing, if any.
    void Stop();
    // Whether effect id has samples to play.
    bool Loaded(int id) const;

    struct TChunkFree {
        void operator()(Mix_Chunk* chunk) const;
    };
    using TBuffer = std::unique_ptr<Mix_Chunk, TChunkFree>;
    // The effect in a file's bytes, converted to the format the device is
    // opened with; null when they are no WAVE file with samples.
    static TBuffer Decode(const std::vector<unsigned char>& file);

private:
    // Entry i is effect i, decoded for the device; null when file i gave
    // nothing to play.
    std::vector<TBuffer> Buffers;
    // Set by the opener once the device has opened, and never cleared.
    std::atomic<bool> FDeviceOpen = false;
    // Last, so that it starts only once the flag it sets exists.
    std::thread Opener;
};
