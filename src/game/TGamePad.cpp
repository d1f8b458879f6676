#include "TGamePad.h"

#include "TGameKeyboard.h"

#include <algorithm>

void TGamePad::SetKeyCount(int count)
{
    if (count == static_cast<int>(Keys.size()))
        return;
    Keys.resize(static_cast<std::size_t>(count), 0);
    Held.clear();
    Pressed.clear();
}

void TGamePad::SetKey(int index, int keyCode)
{
    Keys[static_cast<std::size_t>(index)] = keyCode;
}

void TGamePad::SetKeys(std::span<const int> keyCodes)
{
    SetKeyCount(static_cast<int>(keyCodes.size()));
    for (std::size_t i = 0; i < keyCodes.size(); ++i)
        SetKey(static_cast<int>(i), keyCodes[i]);
}

void TGamePad::KeyDown(int keyCode)
{
    const int index = KeyIndex(keyCode);
    // A key already held changes nothing: auto-repeat and the poll of a held
    // key must not bring it back to the front.
    if (index < 0 || std::ranges::find(Held, index) != Held.end())
        return;
    MoveToFront(Held, index);
    MoveToFront(Pressed, index);
}

void TGamePad::KeyUp(int keyCode)
{
    const int index = KeyIndex(keyCode);
    if (index >= 0)
        std::erase(Held, index);
}

void TGamePad::PollKeys(const TGameKeyboard& keyboard)
{
    for (const int code : Keys) {
        if (keyboard.IsKeyDown(code))
            KeyDown(code);
        else
            KeyUp(code);
    }
}

int TGamePad::At(const std::vector<int>& list, int pos)
{
    return pos >= 0 && pos < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(pos)]
                                                           : -1;
}

void TGamePad::MoveToFront(std::vector<int>& list, int index)
{
    std::erase(list, index);
    list.insert(list.begin(), index);
}

int TGamePad::KeyIndex(int keyCode) const
{
    const auto found = std::ranges::find(Keys, keyCode);
    return found == Keys.end() ? -1 : static_cast<int>(found - Keys.begin());
}
