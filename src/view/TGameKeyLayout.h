#pragma once
// Which of the game's virtual-key codes each physical key of a keyboard
// stands for in one group of its layout, as those codes behave. In a group
// of Latin letters a key is the letter it types, so the key that types W is
// W in QWERTZ, AZERTY and Dvorak alike. In a group of another script a key
// is the letter it types in the keymap's first Latin group, and where there
// is none the letter a US keyboard has in its place: a Russian, Greek or
// Hebrew player steers with the keys in the places of W, A, S and D. The
// arrows, Space and Enter are found by what they type, which no layout
// changes. Keys are named by their XKB key codes (the X11 key code, the
// evdev code plus 8).

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class TGameKeyLayout {
public:
    // The keys of the keymap's group.
    TGameKeyLayout(xkb_keymap* keymap, xkb_layout_index_t group);
    // One layout for each group of keymap; where the keymap could not be
    // read (null), the layouts had before, else a US keyboard's.
    static std::vector<TGameKeyLayout> Groups(xkb_keymap* keymap, std::vector<TGameKeyLayout> had);

    // 0 for a key the game has no code for.
    int VirtualKey(xkb_keycode_t code) const { return code < Codes.size() ? Codes[code] : 0; }
    // A key of a keymap the game cannot read, told by the symbol it typed in
    // the active group and its place: a key that types no Latin letter is
    // the US letter of its place, as the other groups are not known.
    static int VirtualKey(xkb_keysym_t typed, xkb_keycode_t code);

private:
    // A US keyboard's keys, by their places alone.
    TGameKeyLayout();
    static int LetterOf(xkb_keysym_t symbol);
    static int UsLetterAt(xkb_keycode_t code);
    // The group if it types Latin letters (half the alphabet will do), else
    // the first of the keymap's groups that does, if any.
    static std::optional<xkb_layout_index_t> LatinGroup(xkb_keymap* keymap,
                                                        xkb_layout_index_t group);
    static xkb_keysym_t Symbol(xkb_keymap* keymap, xkb_keycode_t code, xkb_layout_index_t group);

    std::array<std::uint8_t, 256> Codes{};
};
