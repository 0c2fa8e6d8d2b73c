// The enemy's spells and breaths, its curses on the hero, what it does to
// itself (healing, stats, the wind-up chains) and the raising of the dead.
#include <algorithm>
#include <iostream>
#include <string>

#include "encounters/enemy_moves.h"
#include "encounters/fight_texts.h"
#include "world/creature_rolls.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

std::string fullName(const EnemyTurn& turn) { return enemyFullName(turn.enemy); }

void resolveMagicbolt(EnemyTurn& turn) {
  const int amount = turn.move.amount;
  turn.move.attackValue = amount;
  hurtPlayer(turn.player, amount);
  turn.move.narration += fullName(turn) + turn.move.message +
                         "\n"
                         "You took " +
                         std::to_string(amount) + " damage.\n" + promptEnding(turn);
}

// A fire spell or breath: the hit, then the hero either explodes or is told
// the damage and may catch fire. A hero brought to 0 goes to the death page
// only; the enemy is not the one defeated.
bool fireHit(EnemyTurn& turn, int amount) {
  turn.move.attackValue = amount;
  hurtPlayer(turn.player, amount);
  turn.move.narration += fullName(turn) + turn.move.message + "\n";
  if (explodesInFire(turn)) return false;
  turn.move.narration += "You took " + std::to_string(amount) + " damage.\n";
  burnCheck(turn);
  return true;
}

void resolveFirebolt(EnemyTurn& turn) {
  fireHit(turn, dampHalved(turn.player, 16));
  turn.move.narration += promptEnding(turn);
}

void resolveFireClaw(EnemyTurn& turn) {
  const int raw =
      truncatedWhole(static_cast<double>(turn.enemy.attack) * 1.5 - static_cast<double>(turn.player.defence));
  int amount = dampHalved(turn.player, raw);
  if (amount < 0) amount = 0;
  fireHit(turn, amount);
  turn.move.narration += promptEnding(turn);
}

// A piece of equipment that melts is swapped for the bare loot of `lootKind`,
// the hero's numbers following the change.
void meltInto(EnemyTurn& turn, ItemRecord& worn, const char* lootKind) {
  PlayerRecord& player = turn.player;
  turn.state.offeredItem = ItemRecord(lootKind, turn.floor.floorNumber);
  player.attack -= worn.attack;
  player.defence -= worn.defence;
  worn = turn.state.offeredItem;
  player.attack += worn.attack;
  player.defence += worn.defence;
}

bool catchesFire(const ItemRecord& item) {
  return item.quibblent == "FLAMMABLE" || item.quibblent == "NOXIOUS" || item.quibblent == "OILY";
}

void breathOnEquipment(EnemyTurn& turn) {
  ItemRecord& weapon = turn.player.equipment[0];
  ItemRecord& armor = turn.player.equipment[1];
  if (weapon.quibblent == "HIGHLY FLAMMABLE") {
    turn.move.narration += "Your " + weapon.type + " melts... you must use your FISTS.\n";
    meltInto(turn, weapon, "fists");
  } else if (armor.quibblent == "HIGHLY FLAMMABLE") {
    turn.move.narration += "Your " + armor.type + " melts... you're now NUDE, taking more damage!\n";
    meltInto(turn, armor, "nude");
  }
  if (catchesFire(weapon)) {
    turn.move.narration += weapon.changeQuibblent("FLAMING") + "\n";
  } else if (catchesFire(armor)) {
    turn.move.narration += armor.changeQuibblent("FLAMING") + "\n";
  }
}

void resolveFireBreath(EnemyTurn& turn) {
  if (fireHit(turn, dampHalved(turn.player, 25))) breathOnEquipment(turn);
  turn.move.narration += promptEnding(turn);
}

void resolveCurseBolt(EnemyTurn& turn) {
  PlayerRecord& player = turn.player;
  player.maxHp = std::max(player.maxHp - 5, 1);
  player.hp = std::max(player.hp - 5, 1);
  player.attack = std::max(player.attack - 1, 1);
  player.defence = std::max(player.defence - 1, 0);
  turn.move.narration += fullName(turn) + turn.move.message +
                         "\n"
                         "You have permanently lost 5 HP, 1 ATK, and 1 DEF!!! Aw geez!\n" +
                         turn.move.yourTurnPrompt;
}

// A curse that gives the hero a word: the move's line, then the change's.
void cursePlayer(EnemyTurn& turn, const std::string& word) {
  turn.move.narration +=
      fullName(turn) + turn.move.message + "\n" + changePlayerWord(turn, word) + "\n" + turn.move.yourTurnPrompt;
}
void resolvePoisonGas(EnemyTurn& turn) { cursePlayer(turn, "POISONED"); }
void resolveApplySalt(EnemyTurn& turn) { cursePlayer(turn, "LIGHTLY SALTED"); }
void resolveKeroseneBreath(EnemyTurn& turn) {
  cursePlayer(turn, turn.player.quibblent == "FLAMMABLE" ? "HIGHLY FLAMMABLE" : "FLAMMABLE");
}

// Healing up to `most`, never past the enemy's maximum.
void healEnemy(EnemyTurn& turn, int most) {
  Creature& enemy = turn.enemy;
  turn.move.amount = enemy.maxHp - enemy.hp < most ? enemy.maxHp - enemy.hp : most;
  enemy.hp += turn.move.amount;
  turn.move.narration += fullName(turn) + turn.move.message +
                         "\n"
                         "They recovered " +
                         std::to_string(turn.move.amount) + " HP.\n" + turn.move.yourTurnPrompt;
}
void resolveHeal(EnemyTurn& turn) { healEnemy(turn, 25); }
void resolveMegaHeal(EnemyTurn& turn) {
  healEnemy(turn, 50);
  turn.move.amount = 50;
}

void resolveDrinkSelf(EnemyTurn& turn) {
  turn.enemy.hp = turn.enemy.maxHp;
  turn.move.narration += fullName(turn) + turn.move.message +
                         "\n"
                         "Full enemy HP restored! Oh shit!!\n" +
                         turn.move.yourTurnPrompt;
}

void optimise(EnemyTurn& turn, int hp, int stat) {
  turn.enemy.maxHp += hp;
  turn.enemy.hp += hp;
  turn.enemy.attack += stat;
  turn.enemy.defence += stat;
}
void resolveRunTheNumbers(EnemyTurn& turn) {
  optimise(turn, 20, 2);
  turn.move.narration += fullName(turn) +
                         " runs the numbers... their stats \n"
                         "have been optimized!! +20 HP! +2 ATK! +2 DEF!\n" +
                         turn.move.yourTurnPrompt;
}
void resolveRunTheNumbersII(EnemyTurn& turn) {
  optimise(turn, 40, 4);
  turn.move.narration += turn.enemy.type +
                         " runs the numbers... their stats \n"
                         "have been optimized!! +40 HP! +4 ATK! +4 DEF!\n" +
                         turn.move.yourTurnPrompt;
}

// A wind-up move gives way to the blow it prepares, and that blow to the
// wind-up again: the used move leaves the list and its successor joins the end.
void swapMove(Creature& enemy, const char* used, const char* successor, int weight) {
  removeAction(enemy, used);
  enemy.actions.emplace_back(successor, weight, false);
}

void resolveWindUp(EnemyTurn& turn) {
  turn.enemy.woundUp = true;
  swapMove(turn.enemy, "WIND UP", "WINDUP-ATTACK", 5);
  turn.move.narration += fullName(turn) + " winds up for an attack!\n" + turn.move.yourTurnPrompt;
}

void resolveWindUpII(EnemyTurn& turn) {
  turn.enemy.woundUp = true;
  swapMove(turn.enemy, "WIND UP II", "HELL CLAW", 999);
  turn.move.narration += fullName(turn) +
                         " winds up for an incredibly,\n"
                         "devastatingly powerful attack!!!\n" +
                         turn.move.yourTurnPrompt;
}

void resolveHellClaw(EnemyTurn& turn) {
  if (turn.enemy.woundUp) {
    turn.enemy.woundUp = false;
    swapMove(turn.enemy, "HELL CLAW", "WIND UP II", 2);
  }
  turn.player.hp = 1;
  turn.move.narration += fullName(turn) +
                         " crushes you with a HELL CLAW!\n"
                         "You are now at 1 HP!!\n" +
                         turn.move.yourTurnPrompt;
}

// Up to two ZOMBIES rise on empty tiles (or guard the stairs), tried at most
// a thousand times.
void resolveRaiseDead(EnemyTurn& turn) {
  Floor& floorRecord = turn.floor;
  floorRecord.monsterCount = 2;
  int attempts = 0;
  turn.move.narration += fullName(turn) + turn.move.message + "\n";
  while (floorRecord.monsterCount >= 1 && attempts < 1000) {
    const auto tile = static_cast<std::size_t>(dice::draw() & 7u);
    turn.move.attackValue = static_cast<int>(tile);
    std::string& kind = floorRecord.tileKinds[tile];
    if (!kind.empty() && kind != "Exit") {
      attempts += 1;
      continue;
    }
    kind = kind == "Exit" ? "MonExit" : "Mon";
    Creature& zombie = floorRecord.tileCreatures[tile];
    zombie = rollCreature(0, turn.state.fateValue);
    const std::string& direction = floorRecord.directionNames[tile];
    std::cout << "loaded a " << zombie.quibblent << " " << zombie.type << " at " << direction << std::endl;
    floorRecord.tileTexts[tile] = " stands a " + zombie.quibblent + " " + zombie.type + ".";
    floorRecord.monsterCount -= 1;
    turn.move.narration += "A " + zombie.quibblent + " ZOMBIE has been raised to the " + direction + "! \n";
    attempts += 1;
  }
  if (floorRecord.monsterCount == 2) turn.move.narration += "Luckily, no ZOMBIES were raised.\n";
  turn.move.narration += turn.move.yourTurnPrompt;
}

constexpr EnemyMoveRow kSpells[] = {
    {"MAGICBOLT", resolveMagicbolt},
    {"FIREBOLT", resolveFirebolt},
    {"APPLY SALT", resolveApplySalt},
    {"HEAL", resolveHeal},
    {"WIND UP", resolveWindUp},
    {"RUN THE NUMBERS", resolveRunTheNumbers},
    {"POISON GAS", resolvePoisonGas},
    {"CURSE BOLT", resolveCurseBolt},
    {"FIRE CLAW", resolveFireClaw},
    {"RUN THE NUMBERS II", resolveRunTheNumbersII},
    {"RAISE DEAD", resolveRaiseDead},
    {"FIRE BREATH", resolveFireBreath},
    {"KEROSENE BREATH", resolveKeroseneBreath},
    {"DRINK SELF", resolveDrinkSelf},
    {"WIND UP II", resolveWindUpII},
    {"HELL CLAW", resolveHellClaw},
    {"MEGA HEAL", resolveMegaHeal},
};

}  // namespace

std::span<const EnemyMoveRow> enemySpellRows() { return kSpells; }
