// NEGOTIATE, PICKPOCKET, PISS OFF and ANTIBIOTICS: the skills that talk,
// steal and cure rather than strike.
#include <algorithm>
#include <iterator>
#include <string>

#include "encounters/fight_texts.h"
#include "encounters/skills_words_and_wits.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"
#include "world/word_match.h"

namespace {

// Creatures that will not be bought off, whatever they are offered.
const char* const kUnbribableTypes[] = {"ZOMBIE", "CTHULOID", "DEEP TROLL", "DRAGON", "HELLFUCKER", "POTION", "GHAST"};
// Creatures above being goaded.
const char* const kUngoadableTypes[] = {"HELLSATAN", "HELLFUCKER", "CTHULOID", "NECROMANCER"};

// The gold the enemy asks to leave the hero alone: twice its reward at 80%
// to 120%, a CONTRACT's discount, HELLSATAN's own price, and half for a hero
// who has not killed yet.
int negotiatedPrice(GameState& state, const PlayerRecord& player) {
  const Creature& enemy = state.currentEnemy;
  const int percent = static_cast<int>(state.random() % 41) + 80;
  int price = truncatedWhole(static_cast<double>(enemy.goldReward) * 2.0 * (percent / 100.0));
  if (player.imbuement == "CONTRACT") price = truncatedProduct(price, 0.667f);
  if (enemy.type == "HELLSATAN") price = 1500;
  if (player.killScore == 0) price = enemy.type == "HELLSATAN" ? 333 : price / 2;
  return price;
}

const char kSwordForbidsTheft[] =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'What the *hell* do you think you're doing? Am I being \n"
    "wielded by a common pickpocket? Are we in a dungeon, or a \n"
    "slum? Get your greasy palms away from your foe's purse - if \n"
    "you want the money, you *earn* it, by fighting like a man!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
const char kSwordForbidsDrugs[] =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'And what is THIS?! It appears to me that you are doing \n"
    "drugs! Unacceptable combat etiquette. Drugs in the middle of \n"
    "a battle! What is the world coming to??'\n"
    "[TYPE ANYTHING TO CONTINUE]";

// From the fifth dose on the hero's bacteria shrug the antibiotics off.
constexpr int kResistantDose = 5;

}  // namespace

void effectNegotiate(GameState& state, PlayerRecord& player, Action& skill) {
  const Creature& enemy = state.currentEnemy;
  skill.narration = player.name + skill.message;
  skill.cooldownLeft += skill.cooldown;
  if (enemy.quibblent == "SLEEPING") {
    skill.narration += std::string("\n"
                                   "...The enemy doesn't respond. They're SLEEPING, stupid!\n") +
                       kEnemyTurnPrompt;
  } else if (enemy.noNegotiation) {
    skill.narration += std::string("\n"
                                   "The enemy counts their gold, considering your offer... Hey, \n"
                                   "this isn't what they had at the start of the battle at all! \n"
                                   "They realize your THIEVING ways and refuse to negotiate!!\n") +
                       kEnemyTurnPrompt;
  } else if (enemy.quibblent == "ENRAGED" || isOneOf(enemy.type, kUnbribableTypes)) {
    skill.narration += std::string("\n"
                                   "The enemy is unwilling to negotiate!!\n") +
                       kEnemyTurnPrompt;
  } else {
    state.combatValue = negotiatedPrice(state, player);
    state.combatState = 8;
    skill.narration += "\n"
                       "The " +
                       enemyFullName(enemy) +
                       " thinks your offer over...\n"
                       "They are willing to leave you alone if you can give them a \n"
                       "minimum of " +
                       std::to_string(state.combatValue) + " gold. Will you accept? (Y/N)";
  }
}

void effectPickpocket(GameState& state, PlayerRecord& player, Action& skill) {
  Creature& enemy = state.currentEnemy;
  skill.cooldownLeft += skill.cooldown;
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordForbidsTheft;
    return;
  }
  const std::string opening = player.name + skill.message;
  if (enemy.type == "DRAGON") {
    skill.narration = opening +
                      "\n"
                      "You idiot, dragons don't HAVE any pockets!\n"
                      "If you want that DRAGON'S TREASURE you're going to need to \n"
                      "get it the hard way, I'm afraid.\n" +
                      kEnemyTurnPrompt;
  } else if (enemy.goldReward == 0) {
    skill.narration = opening +
                      "\n"
                      "Hey, what's the deal here!? This enemy doesn't even HAVE \n"
                      "any gold! What a waste of time!\n" +
                      kEnemyTurnPrompt;
  } else {
    const int percent = static_cast<int>(state.random() % 26) + 50;
    const int stolen = truncatedWhole(enemy.goldReward * (percent / 100.0));
    enemy.goldReward -= stolen;
    player.gold += stolen;
    enemy.noNegotiation = true;
    skill.attackValue = stolen;
    skill.narration = opening +
                      "\n"
                      "You stole " +
                      std::to_string(stolen) + " gold!!\n" + kEnemyTurnPrompt;
  }
}

void effectPissOff(GameState& state, PlayerRecord& player, Action& skill) {
  Creature& enemy = state.currentEnemy;
  skill.enemyTurnPrompt = kEnemyTurnPrompt;
  skill.narration = player.name + skill.message + "\n";
  skill.cooldownLeft += skill.cooldown;
  if (isOneOf(enemy.type, kUngoadableTypes)) {
    skill.narration += "The " + enemyFullName(enemy) + " doesn't care!!\n" + kEnemyTurnPrompt;
  } else if (enemy.quibblent != "HIPPIE") {
    skill.narration += enemy.changeQuibblent("ENRAGED", state, false) + "\n" + kEnemyTurnPrompt;
  } else {
    skill.narration += "The " + enemyFullName(enemy) + " just laughs at you dumbly.\n" + kEnemyTurnPrompt;
  }
}

void effectAntibiotics(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordForbidsDrugs;
    return;
  }
  player.antibioticsUsed += 1;
  skill.narration = player.name + skill.message + "\n";
  if (player.antibioticsUsed >= kResistantDose) {
    skill.narration += "\n"
                       "The bacteria in your body have developed ANTIBIOTIC \n"
                       "RESISTANCE! The antibiotics do nothing.\n";
  } else if (player.quibblent != "CONFUSED" && !player.poisoned) {
    skill.narration += player.quibblent == "FLAMING" ? "The ANTIBIOTICS are powerless against FIRE! \n"
                                                       "You can't take drugs to cure burning to death, dummy!\n"
                                                     : "You are already perfectly healthy.\n"
                                                       "You shouldn't waste antibiotics like that, you know.\n";
  } else {
    if (player.quibblent == "CONFUSED") {
      skill.narration += player.changeQuibblent("UNINTERESTING", state, false) + "\n";
    }
    if (player.poisoned) {
      player.poisoned = false;
      skill.narration += "Your POISON has been cured!\n";
    }
  }
  skill.narration += kEnemyTurnPrompt;
  skill.cooldownLeft += skill.cooldown;
}
