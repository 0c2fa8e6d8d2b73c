// The plain ATTACK of the combat menu: the enemy may dodge; otherwise the
// hero's attack less the enemy's defence, scaled by the matchups and both
// sides' factors, and what the weapon's or the hero's words do after the hit.
#include "encounters/fight_texts.h"
#include "encounters/fire_and_oil.h"
#include "encounters/matchups.h"
#include "interpreter/fight_parts.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

const char kContinue[] = "[TYPE ANYTHING TO CONTINUE]";
const char kNice[] = " damage. Nice!\n";

bool heroOrWeaponIs(const PlayerRecord& playerRecord, const std::string& word) {
  return playerRecord.quibblent == word || playerRecord.equipment[0].quibblent == word;
}

bool enemyDodges(GameState& state, const PlayerRecord& playerRecord) {
  const Creature& enemy = state.currentEnemy;
  state.auxCounter = static_cast<int>(dice::below(10)) + 1;
  state.combatValue = playerRecord.equipment[0].quibblent == "CONFUSED" ? 1 : 0;
  const bool awake = enemy.quibblent != "SLEEPING" && enemy.quibblent != "GROGGY";
  return enemy.dodge + static_cast<float>(state.combatValue) >= static_cast<float>(state.auxCounter) &&
         !enemy.stunned && awake;
}

// The hit before any critical: base, matchups, then the hero's attack factor
// and the enemy's damage-taken factor, truncating after each product.
int plainHit(GameState& state, PlayerRecord& playerRecord) {
  Action hit("ATTACK", 0, true);
  hit.attackValue = playerRecord.attack - state.currentEnemy.defence;
  applyMatchupMultiplier(hit, state, playerRecord, true);
  int damage = hit.attackValue;
  damage = truncatedProduct(damage, playerRecord.attackFactor);
  damage = truncatedProduct(damage, state.currentEnemy.damageTakenFactor);
  return damage;
}

void rollExtravagantCritical(GameState& state, const PlayerRecord& playerRecord) {
  if (!heroOrWeaponIs(playerRecord, "EXTRAVAGANT")) return;
  const unsigned sides = playerRecord.quibblent == "EXTRAVAGANT" ? 20u : 15u;
  state.combatValue = static_cast<int>(dice::below(sides));
  if (state.combatValue != 0) {
    state.combatValue = 0;
    return;
  }
  state.combatValue = 2;
  state.auxCounter *= 3;
  state.messageBuffer = "Your " + playerRecord.equipment[0].type +
                        " performs a critical EXTRAVAGANT HIT!\n"
                        "The enemy took ";
}

void fireFollowUp(GameState& state, PlayerRecord& playerRecord) {
  Creature& enemy = state.currentEnemy;
  if (enemy.quibblent == "HIGHLY FLAMMABLE") {
    if (risesFromTheAshes(enemy.type)) {
      enemy.hp = enemy.maxHp;
      enemy.quibblent = "UNINTERESTING";
      state.messageBuffer = "FWOOOOOOSH!!! The " + enemy.type +
                            " explodes!!!\n"
                            "...But it rises back out of the ashes, stronger than ever!\n"
                            "Full enemy health restored!\n";
      // Risen whole, it is no kill even when the swing had felled it: the
      // exchange ends and it moves next.
      if (state.combatState == fight::kEnemyDefeated) {
        state.combatState = fight::kExchangeEnd;
        state.combatValue = 0;
      }
    } else {
      enemy.goldReward = 0;
      int blast = enemy.hp / 2;
      if (blast > playerRecord.hp - 1) blast = playerRecord.hp - 1;
      if (blast < 0) blast = 0;
      playerRecord.hp -= blast;
      enemy.hp = 0;
      state.messageBuffer = "FWOOOOOOSH!!! The " + enemy.type +
                            " explodes!!!\n"
                            "Its money disintegrates in the explosion. You win!\n"
                            "However, the blast also hits you for " +
                            std::to_string(blast) + " damage.\n";
      state.combatState = fight::kEnemyDefeated;
    }
  }
  const bool catches = enemy.quibblent == "FLAMMABLE" || enemy.quibblent == "NOXIOUS" || enemy.quibblent == "OILY" ||
                       playerRecord.imbuement == "KEROSENE" || enemy.type == "MASS";
  if (catches) state.messageBuffer += enemy.changeQuibblent("FLAMING", state, false) + "\n";
}

void poisonFollowUp(GameState& state, const PlayerRecord& playerRecord) {
  int amount = 0;
  if (heroOrWeaponIs(playerRecord, "POISONOUS")) amount += static_cast<int>(dice::below(12));
  if (heroOrWeaponIs(playerRecord, "NOXIOUS")) amount += static_cast<int>(dice::below(9));
  if (playerRecord.imbuement == "POISON DART") amount += static_cast<int>(dice::below(12));
  if (amount > 5) state.messageBuffer += state.currentEnemy.changeQuibblent("POISONED", state, false) + "\n";
}

// What the weapon's or the hero's words do once the blow has landed.
void followUp(GameState& state, PlayerRecord& playerRecord) {
  Creature& enemy = state.currentEnemy;
  if (enemy.quibblent == "SLEEPING") {
    state.messageBuffer += "Your attack woke the enemy up!! " + enemy.changeQuibblent("ENRAGED", state, false) + "\n";
  } else if (playerRecord.equipment[0].quibblent == "FLAMING" || playerRecord.imbuement == "MATCH") {
    fireFollowUp(state, playerRecord);
  } else if (heroOrWeaponIs(playerRecord, "OILY")) {
    if (dice::below(3) == 1) state.messageBuffer += enemy.changeQuibblent("FLAMMABLE", state, false) + "\n";
  } else {
    poisonFollowUp(state, playerRecord);
  }
}

bool weaponEatsTheFoe(const GameState& state, const PlayerRecord& playerRecord) {
  const std::string& weaponWord = playerRecord.equipment[0].quibblent;
  return weaponWord == "STARVING" ||
         (weaponWord == "RAVENOUS" && state.currentEnemy.quibblent == "LIGHTLY SALTED");
}

}  // namespace

std::string playPlainAttack(GameState& state, Floor&, PlayerRecord& playerRecord) {
  ItemRecord& weapon = playerRecord.equipment[0];
  Creature& enemy = state.currentEnemy;
  if (enemyDodges(state, playerRecord)) {
    return "You swing your " + weapon.name +
           " at the enemy.\n"
           "The enemy dodged, taking 0 damage!!\n" +
           kEnemyTurnPrompt;
  }
  state.auxCounter = plainHit(state, playerRecord);
  state.messageBuffer.clear();
  rollExtravagantCritical(state, playerRecord);
  if (state.messageBuffer.empty())
    state.messageBuffer = "You swing your " + weapon.name +
                          " at the enemy.\n"
                          "It took ";
  if (state.auxCounter < 0) state.auxCounter = 0;
  enemy.hp -= state.auxCounter;
  if (enemy.hp < 1) {
    state.combatValue = fight::kKilledByPlainAttack;
    enemy.hp = 0;
    state.combatState = fight::kEnemyDefeated;
  }
  if (state.combatValue == 1) state.messageBuffer += "a weakened ";
  if (state.combatValue == 2) state.messageBuffer += "a boosted ";
  state.messageBuffer += std::to_string(state.auxCounter) + kNice;

  const bool killed = state.combatState == fight::kEnemyDefeated;
  if (killed && weaponEatsTheFoe(state, playerRecord)) {
    const std::string next = weapon.quibblent == "STARVING" ? "RAVENOUS" : "UNINTERESTING";
    state.messageBuffer += "Your " + weapon.name + " jumps to EAT the dying foe! \n";
    state.messageBuffer += weapon.changeQuibblent(next) + "\n";
  } else {
    followUp(state, playerRecord);
  }
  state.messageBuffer += state.combatState == fight::kEnemyDefeated ? kContinue : kEnemyTurnPrompt;
  return state.messageBuffer;
}
