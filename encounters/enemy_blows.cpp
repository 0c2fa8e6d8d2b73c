// The enemy's plain blows: ATTACK (and the ATTACK that follows a WIND UP) and
// BODY TACKLE, with what the enemy's word does to the hero as it lands.
#include <array>
#include <string>

#include "encounters/enemy_moves.h"
#include "encounters/fight_texts.h"
#include "encounters/matchups.h"
#include "encounters/skill_rules.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

// The enemy's factor, the hero's damage-taken factor and the matchups on a
// blow's raw damage; never below 0.
int landBlow(EnemyTurn& turn, int raw) {
  int damage = truncatedProduct(raw, turn.enemy.attackFactor);
  damage = truncatedProduct(damage, turn.player.damageTakenFactor);
  turn.move.attackValue = damage;
  applyMatchupMultiplier(turn.move, turn.state, turn.player, false);
  if (turn.move.attackValue < 0) turn.move.attackValue = 0;
  hurtPlayer(turn.player, turn.move.attackValue);
  return turn.move.attackValue;
}

void becomeWithMessage(EnemyTurn& turn, const std::string& word) {
  turn.move.narration += changePlayerWord(turn, word) + "\n";
}

void burnOnHit(EnemyTurn& turn) { burnCheck(turn); }
void oilOnHit(EnemyTurn& turn) {
  if (rollBelow(3) == 1) becomeWithMessage(turn, "FLAMMABLE");
}
void lustOnHit(EnemyTurn& turn) {
  if (turn.player.quibblent == "CONFIDENT" || rollBelow(5) != 1) return;
  turn.move.narration += "You notice the enemy gazing at you lustfully...\n";
  becomeWithMessage(turn, "FRIGHTENED");
}
void poisonOnHit(EnemyTurn& turn) { becomeWithMessage(turn, "POISONED"); }
void noxiousOnHit(EnemyTurn& turn) {
  if (rollBelow(3) == 1) becomeWithMessage(turn, "POISONED");
}
void ghastOnHit(EnemyTurn& turn) {
  if (rollBelow(3) == 1 && turn.player.quibblent != "CONFIDENT") becomeWithMessage(turn, "FRIGHTENED");
}

// What an ATTACK does beyond its damage, by the enemy's word (or, last, its
// type); the first row that names the enemy decides.
struct HitEffectRow {
  bool byType;
  std::string_view word;
  void (*effect)(EnemyTurn& turn);
};
constexpr std::array<HitEffectRow, 6> kAttackEffects = {{
    {false, "FLAMING", burnOnHit},
    {false, "OILY", oilOnHit},
    {false, "HORNY", lustOnHit},
    {false, "POISONOUS", poisonOnHit},
    {false, "NOXIOUS", noxiousOnHit},
    {true, "GHAST", ghastOnHit},
}};

void applyAttackEffect(EnemyTurn& turn) {
  for (const HitEffectRow& row : kAttackEffects) {
    if ((row.byType ? turn.enemy.type : turn.enemy.quibblent) == row.word) {
      row.effect(turn);
      return;
    }
  }
}

// A STARVING armor, or a RAVENOUS one facing a LIGHTLY SALTED foe, may bite
// a foe below a quarter of its hit points before the blow lands. True when it
// ate it.
bool armorEatsFoe(EnemyTurn& turn) {
  ItemRecord& armor = turn.player.equipment[1];
  const bool hungry =
      armor.quibblent == "STARVING" || (armor.quibblent == "RAVENOUS" && turn.enemy.quibblent == "LIGHTLY SALTED");
  if (!hungry) return false;
  turn.move.attackValue = rollBelow(3);
  if (!(turn.enemy.hp < turn.enemy.maxHp / 4 && turn.move.attackValue == 0)) return false;
  turn.enemy.hp = 0;
  turn.move.narration += "Your " + armor.name + " jumps to EAT the dying foe! \n";
  const std::string fed = armor.quibblent == "STARVING" ? "RAVENOUS" : "UNINTERESTING";
  turn.move.narration += armor.changeQuibblent(fed) + "\n";
  turn.state.combatState = 10;
  turn.skipCommonEnd = true;
  return true;
}

void resolveAttack(EnemyTurn& turn) {
  if (turn.move.name == "WINDUP-ATTACK") {
    removeAction(turn.enemy, "WINDUP-ATTACK");
    turn.enemy.actions.emplace_back("WIND UP", 8, false);
  }
  if (armorEatsFoe(turn)) return;
  const int damage = landBlow(turn, turn.enemy.attack - turn.player.defence);
  const std::string& type = turn.enemy.type;
  const std::string named = type.size() + turn.enemy.quibblent.size() > 19 ? type : enemyFullName(turn.enemy);
  turn.move.narration +=
      "The " + named + " attacks, dealing " + matchupAdjective(turn.state) + std::to_string(damage) + " damage!\n";
  applyAttackEffect(turn);
  turn.move.narration += promptEnding(turn);
}

void resolveBodyTackle(EnemyTurn& turn) {
  const int raw =
      truncatedWhole(static_cast<double>(turn.enemy.attack) * 1.5 - static_cast<double>(turn.player.defence));
  const int damage = landBlow(turn, raw);
  std::string adjective;
  if (turn.state.combatValue == 1) adjective = " a weakened ";
  if (turn.state.combatValue == 2) adjective = " a boosted ";
  turn.move.narration += "The " + enemyFullName(turn.enemy) +
                         " uses a full-body tackle, \n"
                         "dealing " +
                         adjective + std::to_string(damage) + " damage!\n";
  if (turn.enemy.quibblent == "FLAMING") burnCheck(turn);
  if (turn.enemy.quibblent == "OILY") oilOnHit(turn);
  turn.move.narration += promptEnding(turn);
}

constexpr EnemyMoveRow kBlows[] = {
    {"ATTACK", resolveAttack},
    {"WINDUP-ATTACK", resolveAttack},
    {"BODY TACKLE", resolveBodyTackle},
};

}  // namespace

std::span<const EnemyMoveRow> enemyBlowRows() { return kBlows; }
