#pragma once
// Several sources of the same keys read as one keyboard: a key is down while
// any of them holds it. Each source keeps its own state; this is the one
// place they meet.

#include "TGameKeyboard.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

class TGameAnyKeyboard : public TGameKeyboard {
public:
    // Null sources are left out; the others must outlive this.
    TGameAnyKeyboard(std::initializer_list<const TGameKeyboard*> sources)
    {
        std::ranges::copy_if(sources, std::back_inserter(Sources),
                             [](const TGameKeyboard* source) { return source != nullptr; });
    }
    bool IsKeyDown(int keyCode) const override
    {
        return std::ranges::any_of(
            Sources, [keyCode](const TGameKeyboard* source) { return source->IsKeyDown(keyCode); });
    }

private:
    std::vector<const TGameKeyboard*> Sources;
};
