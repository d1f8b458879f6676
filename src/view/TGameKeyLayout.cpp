#include "TGameKeyLayout.h"
#include "Common.h"

#include <algorithm>
#include <bitset>
#include <string_view>

namespace {

// The letter rows of a US keyboard, each from the key code of its first key.
constexpr std::array<std::pair<xkb_keycode_t, std::string_view>, 3> UsLetterRows = {{
    {24, "QWERTYUIOP"},
    {38, "ASDFGHJKL"},
    {52, "ZXCVBNM"},
}};

// The places of the keys other than letters on a US keyboard: the arrows,
// Space, Enter and the keypad's Enter, Pause and Escape.
constexpr std::array<std::pair<xkb_keycode_t, xkb_keysym_t>, 9> UsSpecialKeys = {{
    {113, XKB_KEY_Left},
    {111, XKB_KEY_Up},
    {114, XKB_KEY_Right},
    {116, XKB_KEY_Down},
    {65, XKB_KEY_space},
    {36, XKB_KEY_Return},
    {104, XKB_KEY_KP_Enter},
    {127, XKB_KEY_Pause},
    {9, XKB_KEY_Escape},
}};

// The code of a key the game knows by what it types, other than a letter.
int SpecialKeyOf(xkb_keysym_t symbol)
{
    switch (symbol) {
    case XKB_KEY_Left:
        return 0x25;
    case XKB_KEY_Up:
        return 0x26;
    case XKB_KEY_Right:
        return 0x27;
    case XKB_KEY_Down:
        return 0x28;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter:
        return Common::KeyEnter;
    case XKB_KEY_space:
        return Common::KeySpace;
    case XKB_KEY_Pause:
        return Common::KeyPause;
    case XKB_KEY_Escape:
        return Common::KeyEscape;
    default:
        return 0;
    }
}

} // namespace

TGameKeyLayout::TGameKeyLayout()
{
    for (xkb_keycode_t code = 0; code < Codes.size(); ++code)
        Codes[code] = static_cast<std::uint8_t>(UsLetterAt(code));
    for (const auto& [code, symbol] : UsSpecialKeys)
        Codes[code] = static_cast<std::uint8_t>(SpecialKeyOf(symbol));
}

TGameKeyLayout::TGameKeyLayout(xkb_keymap* keymap, xkb_layout_index_t group)
{
    const std::optional<xkb_layout_index_t> latin = LatinGroup(keymap, group);
    const xkb_keycode_t last =
        std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap), Codes.size() - 1);
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= last; ++code) {
        const int special = SpecialKeyOf(Symbol(keymap, code, group));
        const int letter = latin ? LetterOf(Symbol(keymap, code, *latin)) : UsLetterAt(code);
        Codes[code] = static_cast<std::uint8_t>(special != 0 ? special : letter);
    }
}

std::vector<TGameKeyLayout> TGameKeyLayout::Groups(xkb_keymap* keymap,
                                                   std::vector<TGameKeyLayout> had)
{
    std::vector<TGameKeyLayout> groups;
    const xkb_layout_index_t count = keymap != nullptr ? xkb_keymap_num_layouts(keymap) : 0;
    for (xkb_layout_index_t group = 0; group < count; ++group)
        groups.emplace_back(keymap, group);
    if (!groups.empty())
        return groups;
    // A keymap that could not be read must not leave the keys dead.
    return had.empty() ? std::vector<TGameKeyLayout>{TGameKeyLayout()} : had;
}

int TGameKeyLayout::VirtualKey(xkb_keysym_t typed, xkb_keycode_t code)
{
    if (const int letter = LetterOf(typed))
        return letter;
    if (const int special = SpecialKeyOf(typed))
        return special;
    return UsLetterAt(code);
}

std::optional<xkb_layout_index_t> TGameKeyLayout::LatinGroup(xkb_keymap* keymap,
                                                             xkb_layout_index_t group)
{
    const xkb_layout_index_t groups = xkb_keymap_num_layouts(keymap);
    for (xkb_layout_index_t tried = 0; tried <= groups; ++tried) {
        // The group itself first, then the others in their order.
        const xkb_layout_index_t candidate = tried == 0 ? group : tried - 1;
        std::bitset<26> letters;
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap);
             code <= xkb_keymap_max_keycode(keymap); ++code) {
            if (const int letter = LetterOf(Symbol(keymap, code, candidate)))
                letters.set(static_cast<std::size_t>(letter - 'A'));
        }
        if (letters.count() >= letters.size() / 2)
            return candidate;
    }
    return std::nullopt;
}

int TGameKeyLayout::LetterOf(xkb_keysym_t symbol)
{
    if (symbol >= XKB_KEY_a && symbol <= XKB_KEY_z)
        return static_cast<int>(symbol - XKB_KEY_a) + 'A';
    return symbol >= XKB_KEY_A && symbol <= XKB_KEY_Z ? static_cast<int>(symbol) : 0;
}

int TGameKeyLayout::UsLetterAt(xkb_keycode_t code)
{
    for (const auto& [first, letters] : UsLetterRows) {
        if (code >= first && code < first + letters.size())
            return letters[code - first];
    }
    return 0;
}

xkb_keysym_t TGameKeyLayout::Symbol(xkb_keymap* keymap, xkb_keycode_t code,
                                    xkb_layout_index_t group)
{
    // A key with fewer groups than the keymap wraps round them, as XKB does.
    const xkb_layout_index_t groups = xkb_keymap_num_layouts_for_key(keymap, code);
    const xkb_keysym_t* symbols = nullptr;
    if (groups == 0 ||
        xkb_keymap_key_get_syms_by_level(keymap, code, group % groups, 0, &symbols) < 1)
        return XKB_KEY_NoSymbol;
    return symbols[0];
}
