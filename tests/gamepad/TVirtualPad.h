#pragma once
// A controller that SDL takes for a real one, plugged in while it lives.
// Each change is reported at once, as a real driver reports every event.

#include <SDL.h>

#include <array>

class TVirtualPad {
public:
    TVirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        Joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    ~TVirtualPad() { Unplug(); }

    // Control 0..3 is the d-pad in key-index order, 4 Start (1 down), 5 and 6 the stick.
    void Set(int control, int value)
    {
        if (control < 5)
            SDL_JoystickSetVirtualButton(Joystick, Buttons.at(static_cast<std::size_t>(control)),
                                         static_cast<Uint8>(value));
        else
            SDL_JoystickSetVirtualAxis(Joystick, control - 5, static_cast<Sint16>(value));
        SDL_JoystickUpdate();
    }
    void Unplug()
    {
        for (int index = 0; Joystick != nullptr && index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == SDL_JoystickInstanceID(Joystick))
                SDL_JoystickDetachVirtual(index);
        SDL_JoystickClose(Joystick);
        Joystick = nullptr;
    }

private:
    static constexpr std::array<int, 5> Buttons = {
        SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
        SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN,
        SDL_CONTROLLER_BUTTON_START};
    SDL_Joystick* Joystick = nullptr;
};
