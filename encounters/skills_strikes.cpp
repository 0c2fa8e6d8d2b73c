#include "encounters/skills_strikes.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "encounters/fight_texts.h"
#include "encounters/fire_and_oil.h"
#include "encounters/skill_rules.h"
#include "world/game_state.h"
#include "world/random_source.h"
#include "world/whole_numbers.h"

namespace {

constexpr int kPlayersMenuState = 2;
constexpr int kEnemysTurnState = 7;
constexpr int kEnemyDefeatedState = 10;

// Damage factors on the hero's attack.
constexpr double kSneakAttackFactor = 0.6;
constexpr double kMegatonPunchFactor = 2.5;
constexpr double kBodyTackleFactor = 1.5;

// The enemy's dodge roll runs from 1 to 10 against its dodge chance in tenths.
constexpr unsigned kDodgeRollSides = 10;
// A tackled enemy takes fright on a 1 out of 3.
constexpr unsigned kFearRollChoices = 3;
constexpr unsigned kFearRollFrightens = 1;

// Too big or too proud to be frightened by a tackle.
constexpr std::string_view kFearlessTypes[] = {"OGRE", "DEEP GOBLIN", "DEMON", "CTHULOID",
                                               "DEEP TROLL", "DRAGON", "HELLSATAN", "HELLFUCKER"};

// The talking SWORD OF KINGS will not stand for these.
constexpr const char* kSwordRefusesSneakAttack =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'Such poor sportmanship! It's not very *gentlemanly* of you \n"
    "to attack without giving your opponent their proper warning, \n"
    "you know. I'll be damned if I allow such dishonorable tactics \n"
    "on MY watch. Fight properly!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
constexpr const char* kSwordRefusesMegatonPunch =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'A punch? A PUNCH!?! You have a fine and estimable weapon \n"
    "such as myself on hand, and instead you choose to throw a \n"
    "PUNCH?!?!?! I am insulted beyond the ability of words to \n"
    "capture, sirrah!'\n"
    "[TYPE ANYTHING TO CONTINUE]";
constexpr const char* kSwordRefusesBodyTackle =
    "Your SWORD OF KINGS blocks the skill!\n"
    "'What, you think you're going to attack the enemy with your \n"
    "*body*, do you? Like some kind of low-class wrestleman or \n"
    "booze-addled ruffian? Cease this tomfoolery and attack \n"
    "the opponent *properly* next time.'\n"
    "[TYPE ANYTHING TO CONTINUE]";

constexpr const char* kFreeMovePrompt = "It is now your turn.\n"
                                        "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";

std::string noDodgesLeft(const PlayerRecord& player) {
  return "You do not have enough DODGES to do that!\n" + playerTurnText(player);
}

// "N damage" words of a hit: a boosted or weakened hit says so, a plain one
// ends the skill's own way.
std::string damageWords(const GameState& state, int damage, const char* plainEnding) {
  const std::string adjective = matchupAdjective(state);
  if (!adjective.empty()) return adjective + std::to_string(damage) + " damage!";
  return std::to_string(damage) + plainEnding;
}

// Takes the hit's damage off the enemy; at 0 hit points it is beaten.
void hurtEnemy(GameState& state, int damage) {
  Creature& enemy = state.currentEnemy;
  enemy.hp -= damage;
  if (enemy.hp < 1) {
    enemy.hp = 0;
    state.combatState = kEnemyDefeatedState;
  }
}

// The dodge roll, kept in skill.attackValue. A stunned, sleeping or groggy
// enemy cannot get out of the way.
bool enemyDodges(GameState& state, Action& skill) {
  skill.attackValue = static_cast<int>(dice::below(kDodgeRollSides)) + 1;
  const Creature& enemy = state.currentEnemy;
  return enemy.dodge >= static_cast<float>(skill.attackValue) && !enemy.stunned && enemy.quibblent != "SLEEPING" &&
         enemy.quibblent != "GROGGY";
}

// The punch's toll on the hero: the hero's own attack, never the last hit
// point. An attack fallen below 0 makes a punch that hurts nothing, not one
// that heals.
int recoil(PlayerRecord& player) {
  const int hurt = std::max(truncatedProduct(player.attack, player.attackFactor), 0);
  player.hp = std::max(player.hp - hurt, 1);
  return hurt;
}

// A burning hit on the enemy. Answers whether the text is final (the enemy
// rose or exploded); an ignition is appended, a rising or explosion replaces.
enum class Burn { kNothing, kIgnited, kRose, kExploded };

Burn burnEnemy(GameState& state, PlayerRecord& player, Action& skill) {
  Creature& enemy = state.currentEnemy;
  if (enemy.quibblent == "HIGHLY FLAMMABLE" && risesFromTheAshes(enemy.type)) {
    enemy.hp = enemy.maxHp;
    enemy.quibblent = "UNINTERESTING";
    // Risen whole, it is no kill even when the hit had felled it: it moves next.
    state.combatState = kEnemysTurnState;
    skill.narration = "FWOOOOOOSH!!! The " + enemy.type +
                      " explodes!!!\n"
                      "...But it rises back out of the ashes, stronger than ever!\n"
                      "Full enemy health restored!\n" +
                      kEnemyTurnPrompt;
    return Burn::kRose;
  }
  if (enemy.quibblent == "HIGHLY FLAMMABLE") {
    skill.narration = explodeEnemy(state, player, skill);
    return Burn::kExploded;
  }
  if (catchesFire(state, player)) {
    skill.narration += enemy.changeQuibblent("FLAMING", state, false) + "\n";
    return Burn::kIgnited;
  }
  return Burn::kNothing;
}

}  // namespace

void effectMagicbolt(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.quibblent == "CONFUSED") {
    skill.narration = player.name + " is too CONFUSED to cast MAGICBOLT!!\n" + kEnemyTurnPrompt;
    return;
  }
  Creature& enemy = state.currentEnemy;
  skill.amount = player.level * 2 + 4;
  skill.cooldownLeft += skill.cooldown;
  hurtEnemy(state, skill.amount);
  skill.narration = player.name + " fires off a MAGICBOLT!\n" + enemyFullName(enemy) + " took " +
                    std::to_string(skill.amount) + " damage. Nice!\n";
  skill.narration += wakeUpOrEnemyTurn(state);
}

void effectSneakAttack(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.dodges < 1) {
    state.combatState = kPlayersMenuState;
    skill.narration = noDodgesLeft(player);
    return;
  }
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordRefusesSneakAttack;
    return;
  }
  Creature& enemy = state.currentEnemy;
  player.dodges -= 1;
  const int damage = skillDamage(state, player, skill, kSneakAttackFactor);
  skill.cooldownLeft += skill.cooldown;
  enemy.stunned = true;
  state.combatState = kPlayersMenuState;
  hurtEnemy(state, damage);
  skill.narration = player.name + skill.message + "\n" + enemyFullName(enemy) + " took " +
                    matchupAdjective(state) + std::to_string(damage) +
                    " damage!\n"
                    "It is momentarily stunned by the hit...\n";

  if (enemy.quibblent == "SLEEPING") {
    // Awake and furious, but still reeling: the hero moves next.
    skill.narration += "Your attack woke the enemy up!! " + enemy.changeQuibblent("ENRAGED", state, false) + "\n";
  } else if (hasFireSource(player)) {
    const Burn burn = burnEnemy(state, player, skill);
    if (burn == Burn::kExploded) return;
    if (burn == Burn::kRose) {
      // Reborn, it shakes off the stun.
      enemy.stunned = false;
      return;
    }
  } else if (hasOilSource(player)) {
    skill.narration += oilRoll(state, skill);
  }
  skill.narration += enemy.hp < 1 ? "[TYPE ANYTHING TO CONTINUE]" : kFreeMovePrompt;
}

void effectMegatonPunch(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordRefusesMegatonPunch;
    return;
  }
  if (static_cast<float>(player.hp) <= static_cast<float>(player.attack) * player.attackFactor) {
    state.combatState = kPlayersMenuState;
    skill.narration = "You do not have enough HP to do that!\n" + playerTurnText(player);
    return;
  }
  Creature& enemy = state.currentEnemy;
  const int damage = skillDamage(state, player, skill, kMegatonPunchFactor);
  if (enemyDodges(state, skill)) {
    const int hurt = recoil(player);
    skill.cooldownLeft += skill.cooldown;
    skill.narration = player.name + skill.message +
                      "\n"
                      "The enemy dodged, taking 0 damage!!\n"
                      "You kept going and hit a wall, taking " +
                      std::to_string(hurt) + " damage.\n" + kEnemyTurnPrompt;
    return;
  }
  const std::string enemyName = enemyFullName(enemy);
  hurtEnemy(state, damage);
  const int hurt = recoil(player);
  skill.cooldownLeft += skill.cooldown;
  skill.narration = player.name + skill.message + "\n" + enemyName + " took " +
                    damageWords(state, damage, " damage. Fuck yeah!") + "\n";
  if (enemy.quibblent == "SLEEPING") {
    skill.narration += "Your attack woke the enemy up!! " + enemy.changeQuibblent("ENRAGED", state, false) + "\n";
  } else if (hasOilSource(player)) {
    skill.narration += oilRoll(state, skill);
  }
  skill.narration += "Unfortunately, you take " + std::to_string(hurt) + " damage as well.\n" + kEnemyTurnPrompt;
}

void effectBodyTackle(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.dodges < 1) {
    state.combatState = kPlayersMenuState;
    skill.narration = noDodgesLeft(player);
    return;
  }
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordRefusesBodyTackle;
    return;
  }
  Creature& enemy = state.currentEnemy;
  player.dodges -= 1;
  const int damage = skillDamage(state, player, skill, kBodyTackleFactor);
  if (enemyDodges(state, skill)) {
    skill.cooldownLeft += skill.cooldown;
    skill.narration = player.name + skill.message +
                      "\n"
                      "The enemy dodged, taking 0 damage!!\n"
                      "You lost 1 dodge.\n" +
                      kEnemyTurnPrompt;
    return;
  }
  const std::string enemyName = enemyFullName(enemy);
  hurtEnemy(state, damage);
  const unsigned fear = dice::below(kFearRollChoices);
  skill.attackValue = static_cast<int>(fear);
  skill.cooldownLeft += skill.cooldown;
  skill.narration = player.name + skill.message + "\n" + enemyName + " took " +
                    damageWords(state, damage, " damage. Hell yeah!") +
                    "\n"
                    "You lost 1 dodge.\n";

  if (enemy.quibblent == "SLEEPING") {
    skill.narration += wakeUpOrEnemyTurn(state);
  } else if (hasFireSource(player)) {
    const Burn burn = burnEnemy(state, player, skill);
    if (burn == Burn::kNothing || burn == Burn::kIgnited) skill.narration += kEnemyTurnPrompt;
  } else if (hasOilSource(player)) {
    skill.narration += oilRoll(state, skill) + kEnemyTurnPrompt;
  } else if (fear == kFearRollFrightens &&
             std::find(std::begin(kFearlessTypes), std::end(kFearlessTypes), enemy.type) == std::end(kFearlessTypes)) {
    skill.narration += enemy.changeQuibblent("FRIGHTENED", state, false) + "\n" + kEnemyTurnPrompt;
  } else {
    skill.narration += kEnemyTurnPrompt;
  }
}
