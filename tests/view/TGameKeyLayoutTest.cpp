// The keys of real layouts, compiled from their names as a desktop has them,
// without a server: which key codes player 2's W, A, S and D are, and that
// the arrows, Space and Enter are found in every one.
#include "TGameKeyLayout.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The one key code that counts as each of W, A, S and D: 0 where none or several do.
std::vector<xkb_keycode_t> PlayerTwoKeys(const TGameKeyLayout& layout)
{
    std::vector<xkb_keycode_t> found;
    for (const int letter : {int{'W'}, int{'A'}, int{'S'}, int{'D'}}) {
        found.push_back(0);
        for (xkb_keycode_t code = 0, seen = 0; code < 256; ++code)
            if (layout.VirtualKey(code) == letter)
                found.back() = ++seen == 1 ? code : 0;
    }
    return found;
}

// Left, Up, Right, Down, Space, Enter and the keypad's Enter, in every layout.
const std::vector<std::pair<xkb_keycode_t, int>> Specials = {
    {113, 0x25}, {111, 0x26}, {114, 0x27}, {116, 0x28}, {65, 0x20}, {36, 0x0D}, {104, 0x0D}};

TEST(TGameKeyLayoutTest, PlayerTwoHasTheKeysThatTypeHisLettersElseTheirUsPlaces)
{
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), xkb_context_unref);
    const std::vector<xkb_keycode_t> us = {25, 38, 39, 40}, fr = {52, 24, 39, 40},
                                     dvorak = {59, 38, 47, 43};
    // Layouts, variant, group, and W, A, S, D. Dvorak's comma in the US place of W is none of them,
    // Hebrew's apostrophe there is W. A group not Latin takes the Latin group's places, not the US
    // ones; an active Latin group its own, not the first's; a keymap not read, a US keyboard's.
    const std::vector<std::tuple<const char*, const char*, int, std::vector<xkb_keycode_t>>> rows =
        {{"us", "", 0, us},           {"ru", "", 0, us},    {"us,ru", "", 0, us},
         {"us,ru", "", 1, us},        {"de", "", 0, us},    {"fr", "", 0, fr},
         {"us", "dvorak", 0, dvorak}, {"fr,ru", "", 1, fr}, {"us,fr", "", 1, fr},
         {"fr,us", "", 1, us},        {"de,us", "", 1, us}, {nullptr, "", 0, us},
         {"gr", "", 0, us},           {"il", "", 0, us}};
    for (const auto& [layouts, variant, group, keys] : rows) {
        SCOPED_TRACE(std::string(layouts ? layouts : "none") + " " + variant + " group " +
                     std::to_string(group));
        const xkb_rule_names names{"evdev", "pc105", layouts, variant, ""};
        const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
            layouts ? xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                    : nullptr,
            xkb_keymap_unref);
        ASSERT_EQ(keymap == nullptr, layouts == nullptr);
        const std::vector<TGameKeyLayout> groups = TGameKeyLayout::Groups(keymap.get(), {});
        ASSERT_GT(groups.size(), static_cast<std::size_t>(group));
        const TGameKeyLayout& layout = groups[static_cast<std::size_t>(group)];
        EXPECT_EQ(PlayerTwoKeys(layout), keys);
        for (const auto& [code, key] : Specials)
            EXPECT_EQ(layout.VirtualKey(code), key) << code;
    }
    // A keymap read once and then no more keeps its keys.
    const xkb_rule_names french{"evdev", "pc105", "fr", "", ""};
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_names(context.get(), &french, XKB_KEYMAP_COMPILE_NO_FLAGS),
        xkb_keymap_unref);
    const auto kept = TGameKeyLayout::Groups(nullptr, TGameKeyLayout::Groups(keymap.get(), {}));
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_EQ(PlayerTwoKeys(kept[0]), fr);

    // Where the keymap stays with the toolkit (Wayland): by the symbol a key typed, else its place.
    const std::vector<std::tuple<xkb_keysym_t, xkb_keycode_t, int>> typedKeys = {
        {XKB_KEY_w, 59, 'W'},           {XKB_KEY_W, 25, 'W'},
        {XKB_KEY_a, 25, 'A'},           {XKB_KEY_Cyrillic_tse, 25, 'W'},
        {XKB_KEY_Cyrillic_ef, 38, 'A'}, {XKB_KEY_Cyrillic_ve, 40, 'D'},
        {XKB_KEY_Greek_sigma, 39, 'S'}, {XKB_KEY_apostrophe, 25, 'W'},
        {XKB_KEY_Cyrillic_be, 59, 0},   {XKB_KEY_Down, 116, 0x28}};
    for (const auto& [typed, code, key] : typedKeys)
        EXPECT_EQ(TGameKeyLayout::VirtualKey(typed, code), key) << typed << " at " << code;
}

} // namespace
