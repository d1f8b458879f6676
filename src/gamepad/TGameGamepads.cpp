#include "TGameGamepads.h"
#include "Common.h"

#include <SDL.h>

#include <algorithm>

namespace {

// The key index a d-pad button gives, or -1 for every other button.
int DpadKeyIndex(std::uint8_t button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return 0;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return 1;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return 2;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return 3;
    default:
        return -1;
    }
}

} // namespace

std::unique_ptr<TGameGamepads> TGameGamepads::Open(int lookEvery)
{
    // SDL would otherwise take over SIGINT and SIGTERM and turn them into
    // events nobody reads, and the game could no longer be ended by a signal.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Controllers are a nicety: without them the keys play alone, unasked.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        return nullptr;
    return std::unique_ptr<TGameGamepads>(new TGameGamepads(lookEvery));
}

TGameGamepads::~TGameGamepads()
{
    for (TPlace& place : Places)
        place.Controller.reset();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void TGameGamepads::TCloser::operator()(_SDL_GameController* controller) const
{
    SDL_GameControllerClose(controller);
}

std::vector<TGameGamepadEvent> TGameGamepads::Update(bool focused)
{
    Focused = focused;
    Told.clear();
    const bool connected =
        std::ranges::any_of(Places, [](const TPlace& place) { return place.Id >= 0; });
    if (!connected && Unasked++ % LookEvery != 0)
        return Told;
    Unasked = 1;
    SDL_PumpEvents();
    // Taken in batches, so the queue is read once and left empty: events of
    // other kinds (the audio devices') have no reader and would fill it.
    std::array<SDL_Event, 64> events{};
    const int size = static_cast<int>(events.size());
    int count = 0;
    while ((count = SDL_PeepEvents(events.data(), size, SDL_GETEVENT, SDL_FIRSTEVENT,
                                   SDL_LASTEVENT)) > 0) {
        for (int i = 0; i < count; ++i)
            Handle(events[static_cast<std::size_t>(i)]);
    }
    return Told;
}

bool TGameGamepads::IsKeyDown(int keyCode) const
{
    if (!Focused)
        return false;
    for (std::size_t player = 0; player < Places.size(); ++player) {
        const auto& keys = Common::KeyTable[player];
        const auto key = std::ranges::find(keys, keyCode);
        if (Places[player].Controller && key != keys.end() &&
            Places[player].State.Directions()[static_cast<std::size_t>(key - keys.begin())])
            return true;
    }
    return false;
}

void TGameGamepads::Handle(const SDL_Event& event)
{
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        Connect(event.cdevice.which);
        return;
    }
    if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        Disconnect(event.cdevice.which);
        return;
    }
    TPlace* place = PlaceOf(event.cdevice.which);
    if (place == nullptr)
        return;
    if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP) {
        const bool down = event.cbutton.state == SDL_PRESSED;
        const int index = DpadKeyIndex(event.cbutton.button);
        if (index >= 0) {
            const TGameGamepad::TDirections before = place->State.Directions();
            place->State.SetDpad(index, down);
            TellMoves(*place, before);
        } else if (event.cbutton.button == SDL_CONTROLLER_BUTTON_START && down)
            Tell(gekStart, static_cast<int>(place - Places.data()));
    } else if (event.type == SDL_CONTROLLERAXISMOTION) {
        const TGameGamepad::TDirections before = place->State.Directions();
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
            place->State.SetStickX(event.caxis.value);
        else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            place->State.SetStickY(event.caxis.value);
        TellMoves(*place, before);
    }
}

void TGameGamepads::Connect(int deviceIndex)
{
    const std::int32_t id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    const auto free = std::ranges::find(Places, -1, &TPlace::Id);
    // SDL may announce a controller twice as the subsystem starts.
    if (id < 0 || PlaceOf(id) != nullptr || free == Places.end())
        return;
    free->Controller.reset(SDL_GameControllerOpen(deviceIndex));
    if (free->Controller)
        free->Id = id;
}

void TGameGamepads::Disconnect(std::int32_t id)
{
    TPlace* place = PlaceOf(id);
    if (place == nullptr)
        return;
    // SDL lets go of a vanishing controller's buttons and centres its axes
    // before it tells of the removal, but promises it nowhere.
    const TGameGamepad::TDirections before = place->State.Directions();
    place->State = TGameGamepad();
    TellMoves(*place, before);
    place->Controller.reset();
    place->Id = -1;
    // A controller that came while both places were taken has waited for
    // one; SDL has struck the unplugged one off its list by now.
    for (int i = 0; i < SDL_NumJoysticks() && place->Id < 0; ++i)
        Connect(i);
}

TGameGamepads::TPlace* TGameGamepads::PlaceOf(std::int32_t id)
{
    const auto place = std::ranges::find(Places, id, &TPlace::Id);
    return id >= 0 && place != Places.end() ? &*place : nullptr;
}

void TGameGamepads::TellMoves(const TPlace& place, TGameGamepad::TDirections before)
{
    const TGameGamepad::TDirections after = place.State.Directions();
    const auto& keys = Common::KeyTable[static_cast<std::size_t>(&place - Places.data())];
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (before[i] && !after[i])
            Tell(gekKeyUp, keys[i]);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (after[i] && !before[i])
            Tell(gekKeyDown, keys[i]);
    }
}

void TGameGamepads::Tell(TGameGamepadEventKind kind, int value)
{
    if (Focused)
        Told.push_back({kind, value});
}
