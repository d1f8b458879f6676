#pragma once
// The players' game controllers through SDL's game-controller API. The first
// controller connected is player 1's, the second player 2's; a controller
// unplugged frees its place for one that waits, or else the next to arrive.
// Each steers with the keys of its player in the key table, so the pads take
// it for a keyboard.
// Everything runs on one thread, the one that opened it. It empties SDL's
// event queue on each update, so a process has one of these at a time and
// nothing else there reads SDL events.

#include "TGameGamepad.h"
#include "TGameGamepadEvent.h"
#include "TGameKeyboard.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// SDL's own name for its controller handle.
struct _SDL_GameController; // NOLINT(bugprone-reserved-identifier)
union SDL_Event;

class TGameGamepads : public TGameKeyboard {
public:
    // Null where SDL's game-controller subsystem cannot start. While no
    // controller is connected, SDL is asked for one only at every
    // lookEvery-th update, the first included: asking wakes the process.
    static std::unique_ptr<TGameGamepads> Open(int lookEvery = 1);
    // Closes the controllers and gives back the subsystem.
    ~TGameGamepads() override;
    TGameGamepads(const TGameGamepads&) = delete;
    TGameGamepads& operator=(const TGameGamepads&) = delete;

    // Takes in what happened since the last update, in its order, and tells
    // it: a tap between two updates comes as its down and its up. Controllers
    // are taken and let go here; one unplugged lets go of what it held.
    // Without focus nothing is told and every direction reads as up, though
    // the controllers are still followed.
    std::vector<TGameGamepadEvent> Update(bool focused);
    // Whether a controller holds the direction of this key code, as of the
    // last update.
    bool IsKeyDown(int keyCode) const override;

private:
    struct TCloser {
        void operator()(_SDL_GameController* controller) const;
    };
    // A place with no controller has Id -1.
    struct TPlace {
        std::int32_t Id = -1;
        std::unique_ptr<_SDL_GameController, TCloser> Controller;
        TGameGamepad State;
    };

    explicit TGameGamepads(int lookEvery) : LookEvery(lookEvery) {}
    void Handle(const SDL_Event& event);
    void Connect(int deviceIndex);
    void Disconnect(std::int32_t id);
    // The place whose controller has this instance id, or null.
    TPlace* PlaceOf(std::int32_t id);
    // Tells each direction of the place that went up or down since before:
    // the ups first, so a stick swept round lets go before it takes anew.
    void TellMoves(const TPlace& place, TGameGamepad::TDirections before);
    void Tell(TGameGamepadEventKind kind, int value);

    std::array<TPlace, 2> Places;
    const int LookEvery;
    // Updates since SDL was last asked.
    int Unasked = 0;
    bool Focused = false;
    std::vector<TGameGamepadEvent> Told;
};
