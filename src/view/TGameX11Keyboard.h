#pragma once
// The keyboard as the X server knows it: the physical state of the keys,
// which repairs any key event the game missed. It is read only while one of
// the game's own windows (a message box or menu included) has the keyboard;
// otherwise every key reads as up, so the game never watches, and is never
// steered by, what is typed into other programs.

#include "TGameKeyboard.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct xcb_connection_t;

class TGameX11Keyboard : public TGameKeyboard {
public:
    // Nothing unless the application runs on an X server (xcb platform).
    static std::unique_ptr<TGameX11Keyboard> Open();

    // Takes the state of every key at once, for the IsKeyDown calls of one
    // poll: all up unless a window of the application has the X focus.
    void Update();
    // As of the last Update; false for codes no X key carries.
    bool IsKeyDown(int keyCode) const override;
    // Whether a window of the application had the X focus at the last Update.
    bool HasFocus() const { return Focused; }

private:
    using TKeymap = std::array<std::uint8_t, 32>;

    explicit TGameX11Keyboard(xcb_connection_t* connection);
    // The X key codes that carry each virtual-key code the game knows.
    void MapKeyCodes();
    static bool IsOwnWindow(std::uint32_t window);

    xcb_connection_t* Connection;
    std::map<int, std::vector<std::uint8_t>> KeyCodes;
    // One bit per X key code, set while the key is down.
    TKeymap Keymap{};
    bool Focused = false;
};
