#pragma once
// The game's one source of randomness: a process-wide 64-bit linear
// congruential generator. Every draw the rules make comes from here, in a
// fixed order, so a seed and the keys pressed replay a game exactly.

#include <cstdint>

namespace Random {

// Low word = seed * 22695477 + 1, high word = 0.
void Seed(std::uint32_t seed);

// Advances the state by state * 0x0000015A00004E35 + 1 and returns the new
// high word's lower 31 bits: 0 <= result < 2^31.
int Draw();

// Draw() % n for n > 0; 0 without a draw for n == 0.
int DrawMod(int n);

// The whole state, for tests and tools that save and restore it.
std::uint64_t State();
void SetState(std::uint64_t state);

} // namespace Random
