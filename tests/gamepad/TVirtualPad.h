#pragma once
// A controller that SDL's game-controller API takes for a real one, plugged
// in while it lives. Each change is reported at once, as a real driver
// reports every event of the device, so a tap between two reads is seen.
// Needs the game-controller subsystem started.

#include <SDL.h>

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
    TVirtualPad(const TVirtualPad&) = delete;
    TVirtualPad& operator=(const TVirtualPad&) = delete;

    void Button(int button, bool down)
    {
        SDL_JoystickSetVirtualButton(Joystick, button, down ? 1 : 0);
        SDL_JoystickUpdate();
    }
    void Axis(int axis, int value)
    {
        SDL_JoystickSetVirtualAxis(Joystick, axis, static_cast<Sint16>(value));
        SDL_JoystickUpdate();
    }
    void Unplug()
    {
        if (Joystick == nullptr)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(Joystick);
        for (int index = 0; index < SDL_NumJoysticks(); ++index) {
            if (SDL_JoystickGetDeviceInstanceID(index) == id)
                SDL_JoystickDetachVirtual(index);
        }
        SDL_JoystickClose(Joystick);
        Joystick = nullptr;
    }

private:
    SDL_Joystick* Joystick = nullptr;
};
