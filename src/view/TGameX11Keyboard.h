#pragma once
// The keyboard as the X server knows it: the physical state of the keys,
// which repairs any key event the game missed. It is read only while one of
// the game's own windows (a message box or menu included) has the keyboard;
// otherwise every key reads as up, so the game never watches, and is never
// steered by, what is typed into other programs. Keys count as the layout's
// group has them (TGameKeyLayout), in the poll and in the key events alike,
// and follow every change of the group or of the keymap.

#include "TGameKeyLayout.h"
#include "TGameKeyboard.h"

#include <QAbstractNativeEventFilter>

#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

class TGameX11Keyboard : public TGameKeyboard, private QAbstractNativeEventFilter {
public:
    // Nothing unless the application runs on an X server (xcb platform)
    // with the keyboard extension.
    static std::unique_ptr<TGameX11Keyboard> Open();
    ~TGameX11Keyboard() override;
    TGameX11Keyboard(const TGameX11Keyboard&) = delete;
    TGameX11Keyboard& operator=(const TGameX11Keyboard&) = delete;

    // Takes the state of every key and the group at once, for the IsKeyDown
    // calls of one poll: all up unless a window of the application has the
    // X focus.
    void Update();
    // As of the last Update; false for codes no X key carries.
    bool IsKeyDown(int keyCode) const override;
    // Whether a window of the application had the X focus at the last Update.
    bool HasFocus() const { return Focused; }
    // The virtual-key code of a key event's X key code, in the group its
    // state (the event's modifiers) names; 0 for a key the game does not use.
    int VirtualKey(std::uint32_t code, std::uint32_t state);

private:
    TGameX11Keyboard(xcb_connection_t* connection, std::uint8_t firstEvent, std::int32_t device);
    // Reads the keymap anew where it changed since it was last read.
    void ReadKeymap();
    static bool IsOwnWindow(std::uint32_t window);
    // Hears the server tell of a new keymap.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    xcb_connection_t* Connection;
    std::uint8_t FirstEvent;
    std::int32_t Device;
    bool KeymapChanged = true;
    // One per group of the keymap; never empty once the keymap is read.
    std::vector<TGameKeyLayout> Layouts;
    // The virtual-key codes down at the last Update.
    std::bitset<256> Down;
    bool Focused = false;
};
