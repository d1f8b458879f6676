#pragma once
// The scores of the game's six sound effects, by sound id.

#include "TSynthEffect.h"

namespace SynthRecipes {

// 0 <= id < Common::SoundCount.
TSynthEffect ForSound(int id);

} // namespace SynthRecipes
