// The ways a fight ends: a deal, a fled enemy, a price paid, a date, and a
// defeated enemy with its rewards, the level up it may bring and the wrap-up
// that leaves the tile as the fight left it.
#include <iostream>

#include "encounters/fight_texts.h"
#include "interpreter/fight_parts.h"
#include "interpreter/level_up.h"
#include "interpreter/overwrite_death.h"
#include "interpreter/prompt_answers.h"
#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"
#include "world/word_match.h"

namespace {

const char kContinue[] = "[TYPE ANYTHING TO CONTINUE]";
const char kConfusedDeal[] = " looks confused, and asks \n"
                             "you to repeat yourself. 'Please', they say. 'Y or N?'";

// Achievements a fight can earn (1-based slots).
constexpr int kDragonAchievement = 8;
constexpr int kGhastAchievement = 9;
constexpr int kTrollAchievement = 10;
constexpr int kRuthlessAchievement = 11;
constexpr int kRuthlessKills = 45;

// What slaying a type is worth beyond the usual. Columns: type, extra kill
// score, achievement unlocked (0 none).
struct TrophyRow {
  const char* type;
  int extraKills;
  int achievement;
};
const TrophyRow kTrophies[] = {
    {"DRAGON", 1000, kDragonAchievement},
    {"DEEP TROLL", 200, kTrollAchievement},
    {"GHAST", 0, kGhastAchievement},
};

// Foes from beyond whose banishing is no kill.
const char* const kUncountedTypes[] = {"HELLSATAN", "HELLFUCKER"};
// Words a VORPAL hero cannot absorb.
const char* const kUnabsorbableWords[] = {"GHASTLY", "SLEEPING", "ENRAGED", "ALMIGHTY", "HOLOGRAPHIC"};
// The two halves of a VORPAL enemy that bursts, in the order they appear.
const char* const kVorpalHalves[] = {"FRUMIOUS", "WHIFFLING"};
constexpr int kVorpalSplitTries = 1000;

void endPeacefully(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  state.combatState = fight::kOver;
  hero.stunned = false;
  resetSkillsAfterFight(hero);
  clearFoughtTile(state, floorRecord);
}

void awardTrophies(GameState& state, PlayerRecord& hero) {
  const std::string& type = state.currentEnemy.type;
  for (const TrophyRow& row : kTrophies) {
    if (type != row.type) continue;
    hero.killScore += row.extraKills;
    state.earnAchievement(row.achievement, hero.name);
  }
  if (type == "POTION" && state.potionProgress == 0) recordPotionKilled(state, hero);
}

std::string experienceLine(GameState& state, PlayerRecord& hero) {
  const Creature& enemy = state.currentEnemy;
  const bool snickerSnack = dice::draw() % 4 == 0;
  std::string text;
  if (hero.equipment[0].quibblent == "VORPAL" && snickerSnack && state.combatValue == fight::kKilledByPlainAttack) {
    const int boosted = truncatedWhole(static_cast<double>(enemy.expReward) * 1.5);
    hero.exp += boosted;
    text = "One two, one two! Your VORPAL SWORD goes snicker-snack!\n"
           "The " +
           enemyFullName(enemy) +
           " is soundly bested!\n"
           "You gained a boosted " +
           std::to_string(boosted) + " experience";
  } else {
    hero.exp += enemy.expReward;
    text = "You defeated the " + enemyFullName(enemy) + (hero.hp == hero.maxHp ? " handily!!" : "!!") +
           "\n"
           "You gained " +
           std::to_string(enemy.expReward) + " experience";
  }
  if (hero.exp >= hero.expForNextLevel) state.combatState = fight::kLevelUp;
  return text;
}

std::string goldAndDodgesLine(GameState& state, PlayerRecord& hero) {
  const std::string gold = std::to_string(state.currentEnemy.goldReward);
  if (hero.quibblent == "JOHNNY THE") {
    hero.dodges += 2;
    return ", " + gold + " gold, and 2 dodges.\n";
  }
  const bool quick = hero.playerClass == "OPPORTUNIST" || hero.quibblent == "MLG";
  // At or past the second defeat: a count left high by another way of
  // earning dodges still earns the next one.
  if (state.defeatCount >= 2 || (state.defeatCount == 1 && quick)) {
    const bool both = state.defeatCount == 1 && hero.playerClass == "OPPORTUNIST" && hero.quibblent == "MLG";
    state.defeatCount = 0;
    hero.dodges += both ? 2 : 1;
    return ", " + gold + (both ? " gold, and 2 dodges.\n" : " gold, and 1 dodge.\n");
  }
  return " and " + gold + " gold.\n";
}

std::string metalBlaze(GameState& state, PlayerRecord& hero) {
  const Creature& enemy = state.currentEnemy;
  if (hero.imbuement == "MORALITY") {
    return "The enemy goes out in a totally METAL blaze of glory! \n"
           "Luckily, you are a being of pure MORALITY, and hardly \n"
           "even notice the attack.\n";
  }
  int damage = (enemy.attack - hero.defence) * 2;
  damage = truncatedProduct(damage, enemy.attackFactor);
  damage = truncatedProduct(damage, hero.damageTakenFactor);
  if (damage < 0) damage = 0;
  hero.hp -= damage;
  if (hero.hp < 1) {
    hero.hp = 0;
    state.pendingWord = fight::kCombatCause;
    state.pendingPrompt = kDeathPrompt;
  }
  return "The enemy goes out in a totally METAL blaze of glory, \n"
         "dealing " +
         std::to_string(damage) + " damage to you!! You are now at " + std::to_string(hero.hp) + " / " +
         std::to_string(hero.maxHp) + " HP.\n";
}

std::string vorpalSplit(GameState& state, Floor& floorRecord) {
  const std::string type = state.currentEnemy.type;
  floorRecord.monsterCount = 2;
  for (int tries = 0; tries < kVorpalSplitTries && floorRecord.monsterCount > 0; ++tries) {
    const int tile = static_cast<int>(dice::draw() & 7u);
    std::string& kind = floorRecord.tileKinds[tile];
    if (!kind.empty() && kind != "Exit") continue;
    kind = kind.empty() ? "Mon" : "MonExit";
    const char* half = kVorpalHalves[2 - floorRecord.monsterCount];
    floorRecord.tileCreatures[tile] = Creature(half, type, 0);
    std::cout << "loaded a " << half << " " << type << " at " << floorRecord.directionNames[tile] << "\n";
    floorRecord.tileTexts[tile] = std::string(" stands a ") + half + " " + type + ".";
    --floorRecord.monsterCount;
  }
  if (floorRecord.monsterCount == 1)
    return "The enemy gyres, and gimbles... POP!\n"
           "It bursts, spawning a FRUMIOUS " +
           type + "!!\n";
  if (floorRecord.monsterCount == 0) {
    return "The enemy gyres, and gimbles... POP! \n"
           "It bursts into a FRUMIOUS and a WHIFFLING " +
           type + "!!\n";
  }
  return "";
}

std::string aftermath(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  const Creature& enemy = state.currentEnemy;
  if (enemy.quibblent == "KNOWLEDGEABLE" && hero.playerClass != "ZOMBIE" && !floorRecord.secretRoomKnown) {
    floorRecord.secretRoomKnown = true;
    return "You feel a flash of insight after killing the enemy...\n"
           "Type 'secret' to access this floor's secret room!\n";
  }
  if (enemy.quibblent == "METALHEAD") return metalBlaze(state, hero);
  if (enemy.quibblent == "VORPAL" && !isOneOf(enemy.type, kUncountedTypes) && enemy.type != "DRAGON") {
    return vorpalSplit(state, floorRecord);
  }
  if (hero.quibblent == "VORPAL" && !isOneOf(enemy.quibblent, kUnabsorbableWords)) {
    const std::string word = enemy.quibblent;
    return "Suddenly, with a VOOOORP, the enemy's ESSENCE is absorbed \n"
           "into yours! " +
           hero.changeQuibblent(word, state, true) + "\n";
  }
  return "";
}

void restutterFloor(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  int monsters = 0;
  for (int tile = 0; tile < kTileCount; ++tile) {
    const std::string& kind = floorRecord.tileKinds[tile];
    if ((kind == "Mon" || kind == "MonExit") && floorRecord.tileCreatures[tile].type != "DRAGON") ++monsters;
  }
  const int floorNumber = floorRecord.floorNumber;
  state.startNewRun(floorRecord, hero.name, false);
  generateFloor(floorRecord, floorNumber, state.fateValue, hero, monsters > 0 ? monsters - 1 : 0);
}

bool chefWaitsForHat(const Floor& floorRecord) {
  bool chefHere = false;
  for (int tile = 0; tile < kTileCount; ++tile) {
    if (floorRecord.tileOccupants[tile].key == "Chef" && floorRecord.tileKinds[tile] == "NPC") chefHere = true;
    const std::string& type = floorRecord.tileCreatures[tile].type;
    if (floorRecord.tileKinds[tile] == "Mon" && type != "DEEP TROLL" && type != "DRAGON") return false;
  }
  return chefHere;
}

// What a killed enemy leaves where it stood: a dragon's hoard, or a corpse
// (or the HAT the chef waits for, or a CONVICT's SPECIAL POTION).
void leaveRemains(const GameState& state, Floor& floorRecord, const PlayerRecord& hero, int tile) {
  if (floorRecord.tileCreatures[tile].type == "DRAGON") {
    floorRecord.tileKinds[tile] = "DragTreasure";
    floorRecord.tileTexts[tile] = " lies a pile of dragon's treasure! Huzzah!";
    return;
  }
  floorRecord.clearTile(tile, " lies the corpse of an enemy you killed.");
  if (chefWaitsForHat(floorRecord)) {
    floorRecord.tileKinds[tile] = "Hat";
    floorRecord.tileTexts[tile] = ", the enemy dropped an ITEM!?";
  }
  if (state.currentEnemy.type == "OPPORTUNIST" && hero.playerClass == "CONVICT") {
    floorRecord.tileKinds[tile] = "S.Potion";
    floorRecord.tileTexts[tile] = ", the enemy dropped an ITEM!?";
  }
}

// How the hero feels after a won fight.
std::string afterFightMood(const PlayerRecord& hero) {
  if (hero.playerClass == "ZOMBIE") return "You shuffle away, seeking more flesh to consume. Gruhhhhh...";
  if (hero.hp == hero.maxHp)
    return "You crack your knuckles, satisfied. These combat encounters\n"
           "are going great!";
  if (hero.hp < hero.maxHp / 10) {
    return "You take a little breather after the encounter to catch your \n"
           "breath. Fighting to the death is really hard!";
  }
  return "You take a deep breath and dust yourself off. Boy, combat \n"
         "sure is tiring sometimes!";
}

}  // namespace

std::string answerEnemyOffer(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string& line) {
  const std::string name = enemyFullName(state.currentEnemy);
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      endPeacefully(state, floorRecord, hero);
      hero.gold += state.combatValue;
      return "The " + name +
             " nods, pleased, and hands over\n"
             "the " +
             std::to_string(state.combatValue) +
             " gold. They skip off whistling a jaunty tune.\n"
             "You win!";
    case YesNoAnswer::kNo:
      state.combatState = fight::kMenu;
      return withMenu("The " + name +
                          " gulps, but nods and returns \n"
                          "to combat stance.\n",
                      hero);
    case YesNoAnswer::kNeither: break;
  }
  return "The " + name + kConfusedDeal;
}

std::string answerEnemyFled(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  state.combatState = fight::kOver;
  hero.stunned = false;
  resetSkillsAfterFight(hero);
  // Only what the creature still carries falls from its pockets; the
  // counter the enemy's turn used for its draw is no purse.
  const int tile = fightTile(state);
  int amount = tile >= 0 ? floorRecord.tileCreatures[tile].goldReward : 0;
  clearFoughtTile(state, floorRecord);
  if (amount > 9) amount = 3 + static_cast<int>(dice::below(7));
  hero.gold += amount;
  if (amount != 0) {
    return "In their haste, the enemy dropped " + std::to_string(amount) +
           " GOLD on the ground.\n"
           "You hastily scrounge it up. Better than nothing, I guess.";
  }
  return "Shrugging your shoulders, you return to the center.\n"
         "If only every enemy encounter could end like that...";
}

std::string answerEnemyPrice(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string& line) {
  const std::string name = enemyFullName(state.currentEnemy);
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      if (hero.gold < state.combatValue) {
        state.combatState = fight::kEnemyTurn;
        return "The enemy squints and mumbles under its breath as it tries\n"
               "to count the gold you offer it... and realizes you aren't \n"
               "offering it enough!! It sees right through your scam and \n"
               "returns to attacking you without missing a beat.\n"
               "[TYPE ANYTHING TO CONTINUE]";
      }
      hero.gold -= state.combatValue;
      endPeacefully(state, floorRecord, hero);
      return "You begrudgingly give the " + name + " " + std::to_string(state.combatValue) +
             " gold.\n"
             "They wander over somewhere which isn't visible on the map.\n"
             "You win!";
    case YesNoAnswer::kNo:
      state.combatState = fight::kEnemyTurn;
      return "The " + name +
             " shrugs and continues attacking.\n"
             "Oh well. Their price was unreasonably steep anyways.\n"
             "[TYPE ANYTHING TO CONTINUE]";
    case YesNoAnswer::kNeither: break;
  }
  return "The " + name + kConfusedDeal;
}

std::string answerDate(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  endPeacefully(state, floorRecord, hero);
  return "Well, long story short, the two of you agree that it would \n"
         "be pretty silly to continue fighting to the death. You \n"
         "explain that you're a little busy exploring the QUIBBLENT \n"
         "DUNGEONS to go on a date right now, and they say that it's \n"
         "fine and you can come back to floor " +
         std::to_string(floorRecord.floorNumber) +
         " if you ever want to, \n"
         "you know, hang out. You win???";
}

// Every way of winning comes here, some with the enemy's hit points untouched
// (a CONFUSED foe given LSD, a GAMER scared off by the AIRHORN, a creature
// dead of its own confusion): the win was announced, so it pays. A boss that
// rises from its ashes never arrives here; the blow that burned it hands the
// fight back to it.
std::string answerEnemyDefeated(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  Creature& enemy = state.currentEnemy;
  state.combatState = fight::kWrapUp;
  ++state.defeatCount;
  if (!isOneOf(enemy.type, kUncountedTypes)) ++hero.killScore;
  if (hero.killScore % 100 >= kRuthlessKills) state.earnAchievement(kRuthlessAchievement, hero.name);
  if (hero.playerClass == "ZOMBIE") enemy.expReward = 0;
  hero.gold += enemy.goldReward;
  hero.stunned = false;
  awardTrophies(state, hero);
  std::string text = experienceLine(state, hero);
  state.combatValue = 0;
  text += goldAndDodgesLine(state, hero);
  text += aftermath(state, floorRecord, hero);
  text += kContinue;
  state.messageBuffer = text;
  return text;
}

std::string answerLevelUpInFight(GameState& state, Floor&, PlayerRecord& hero, const std::string&) {
  state.combatState = fight::kWrapUp;
  const std::string text = levelUp(state, hero, 2);
  if (state.pendingPrompt == kSkillOfferPrompt) return text;
  state.messageBuffer = text + "\n" + kContinue;
  return state.messageBuffer;
}

std::string answerFightWrapUp(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  state.combatState = fight::kOver;
  resetSkillsAfterFight(hero);
  if (hero.imbuement == "TELEPOROMETER" && floorRecord.floorNumber < 15) {
    restutterFloor(state, floorRecord, hero);
    return "You take a deep breath a- \n"
           "an-\n"
           "...\n"
           "Whoa. Reality seemed to stutter for a moment there...";
  }
  const int tile = fightTile(state);
  if (tile < 0) return afterFightMood(hero);
  std::string& kind = floorRecord.tileKinds[tile];
  if (kind == "MonExit" || kind == "Exit") {
    kind = "Exit";
    floorRecord.tileTexts[tile] = " are the dungeon stairs, now free to enter.";
    return "The stairs the enemy was guarding are now open for the\n"
           "explorin'.";
  }
  if (kind == "FinalMon") {
    kind = "FinalExit";
    floorRecord.tileTexts[tile] = " holds the exit to the dungeon!!";
    return floorRecord.tileCreatures[tile].type + " vaporizes into nothingness, revealing the stairs\n"
                                                  "that will lead you out of the QUIBBLENT DUNGEON for good!";
  }
  leaveRemains(state, floorRecord, hero, tile);
  return afterFightMood(hero);
}
