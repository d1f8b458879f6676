#include "Random.h"

namespace Random {

namespace {
constexpr std::uint64_t Multiplier = 0x0000015A00004E35ULL;
constexpr std::uint32_t SeedMultiplier = 22695477U;

std::uint64_t GeneratorState = 0;
} // namespace

void Seed(std::uint32_t seed)
{
    const std::uint32_t low = seed * SeedMultiplier + 1U;
    GeneratorState = low;
}

int Draw()
{
    GeneratorState = GeneratorState * Multiplier + 1U;
    return static_cast<int>((GeneratorState >> 32) & 0x7FFFFFFFU);
}

int DrawMod(int n)
{
    return n == 0 ? 0 : Draw() % n;
}

std::uint64_t State()
{
    return GeneratorState;
}

void SetState(std::uint64_t state)
{
    GeneratorState = state;
}

} // namespace Random
