// Holds a run's open-ended numbers inside the bounds the run save reader
// takes. Every change the game makes to a run happens inside a command step,
// through more than a hundred sums and differences on purses, scores, stats
// and wounds; holding the result once per step (and once more before a save
// in the middle of one) keeps every one of them without a cap at each.
#include <algorithm>
#include <cmath>

#include "persistence/run_save_format.h"
#include "world/game_state.h"

namespace {

void hold(int& value) { value = std::clamp(value, -kLargestRunNumber, kLargestRunNumber); }

// A factor that is not a number at all only comes from a fault; it is read
// as the plain factor 1.
void holdFactor(float& value) { value = std::isnan(value) ? 1.0f : std::clamp(value, 0.0f, kLargestFactor); }

void holdHero(PlayerRecord& hero) {
  for (int* value : {&hero.level, &hero.maxHp, &hero.hp, &hero.dodges, &hero.attack, &hero.defence, &hero.exp,
                     &hero.expForNextLevel, &hero.gold, &hero.quibblentTurnsLeft, &hero.spicyTolerance,
                     &hero.antibioticsUsed, &hero.discoveryScore, &hero.killScore, &hero.hungerCountdown}) {
    hold(*value);
  }
  for (Action& skill : hero.skills) hold(skill.cooldownLeft);
  holdFactor(hero.attackFactor);
  holdFactor(hero.damageTakenFactor);
  for (ItemRecord& item : hero.equipment) {
    hold(item.attack);
    hold(item.defence);
    hold(item.quibblentTurnsLeft);
  }
}

void holdTiles(Floor& floorRecord) {
  for (int tile = 0; tile < kTileCount; ++tile) {
    Creature& creature = floorRecord.tileCreatures[tile];
    hold(creature.hp);
    hold(creature.maxHp);
    hold(creature.quibblentTurnsLeft);
    hold(creature.goldReward);
    holdFactor(creature.attackFactor);
    holdFactor(creature.damageTakenFactor);
    hold(floorRecord.tileOffers[tile].timesUsed);
    hold(floorRecord.tileOccupants[tile].visitState);
    hold(floorRecord.tileOccupants[tile].stateCode);
  }
}

}  // namespace

void keepRunWithinSaveBounds(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  holdHero(playerRecord);
  holdTiles(floorRecord);
  for (int* value : {&state.gerardDealsLeft, &state.wombletonOffersLeft, &state.defeatCount,
                     &state.gerardRefusals, &state.wombletonRefusals, &state.potionsForSale,
                     &state.weaponsFedToRats, &floorRecord.highScrollCount, &floorRecord.ghastsToPlace}) {
    hold(*value);
  }
}
