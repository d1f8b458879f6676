#include "TGameTargetUnit.h"

#include "Random.h"
#include "TGameField.h"

#include <array>
#include <memory>

namespace {

struct TItemRules {
    int LifeBase;
    TGameItemEffect Effect;
};

// Indexed by TGameItem. Every item lives LifeBase + (draw mod 25) ticks.
constexpr std::array<TItemRules, 3> ItemRules = {{
    {50, {1, 1, "Got a Tolmkuchen", Common::sndCake}},
    {25, {0, 0, "Got a Stamp", Common::sndStamp}},
    {50, {1, 0, "Got a Gelato", Common::sndGelato}},
}};

} // namespace

TGameTargetUnit::TGameTargetUnit(TGameItem item)
    : TGameUnit(ukTarget), Item(item), Life(ItemRules[item].LifeBase + Random::DrawMod(25))
{
    Sprite = 30 + item;
}

const TGameItemEffect& TGameTargetUnit::Effect() const
{
    return ItemRules[Item].Effect;
}

void TGameTargetUnit::Step(TGameField& field, const TGamePads&, TGameSoundSink&)
{
    if (--Life > 0)
        return;
    Alive = false;
    field.Map.SetUnit(X, Y, nullptr);
    switch (Item) {
    case itCake:
        field.AddUnit(std::make_unique<TGameTargetUnit>(itStamp), X, Y);
        break;
    case itStamp:
        field.Map.SetTerrain(X, Y, gtBush);
        break;
    case itGelato:
        break;
    }
}
