#include "encounters/enemy_turn.h"

#include <array>
#include <iostream>
#include <string>

#include "encounters/enemy_moves.h"
#include "encounters/fight_texts.h"
#include "world/game_state.h"

namespace {

// The blows an EXTRAVAGANT armor can throw itself in front of.
constexpr std::array<std::string_view, 10> kAbsorbableMoves = {
    "ATTACK", "WINDUP-ATTACK", "BODY TACKLE", "MAGICBOLT", "FIREBOLT",
    "CURSE BOLT", "FIRE CLAW", "FIRE BREATH", "HELL CLAW", "EAT"};

bool isAbsorbable(const std::string& name) {
  for (std::string_view absorbable : kAbsorbableMoves) {
    if (absorbable == name) return true;
  }
  return false;
}

// An EXTRAVAGANT armor may, one time in fifteen, swallow a blow whole and
// spend its EXTRAVAGANCE doing so. True when it did.
bool armorAbsorbs(EnemyTurn& turn) {
  ItemRecord& armor = turn.player.equipment[1];
  if (armor.quibblent != "EXTRAVAGANT") return false;
  turn.move.attackValue = rollBelow(15);
  if (turn.move.attackValue != 0 || !isAbsorbable(turn.move.name)) return false;
  std::string text;
  if (turn.move.name == "WINDUP-ATTACK") {
    removeAction(turn.enemy, "WINDUP-ATTACK");
    turn.enemy.actions.emplace_back("WIND UP", 8, false);
    text = "The enemy attempts to attack";
  } else {
    text = "The enemy attempts to use " + turn.move.name;
  }
  armor.changeQuibblent("UNINTERESTING");
  text += ", but your EXTRAVAGANT\n" + armor.type +
          " leaps to absorb the attack! Its effects are\n"
          "negated. Sadly, its EXTRAVAGANCE is used up in the process.\n" +
          turn.move.yourTurnPrompt;
  turn.move.narration = text;
  turn.state.messageBuffer = text;
  return true;
}

void dispatch(EnemyTurn& turn) {
  for (auto family : {enemyBlowRows(), enemySpellRows(), enemyWordRows(), enemyAppetiteRows()}) {
    for (const EnemyMoveRow& row : family) {
      if (row.name == turn.move.name) {
        row.resolve(turn);
        return;
      }
    }
  }
  resolveUnknownEnemyMove(turn);
}

// Where the resolved move's counters and text go back once the turn is told:
// the entry it came from when the list still holds it there, else the first
// entry of its name (a move that swapped itself out leaves none), or the
// move itself when it never was in the list.
Action* entryAfterTurn(Creature& enemy, Action& move, long index, const Action* listStart, std::size_t listSize,
                       const std::string& name) {
  if (index < 0) return &move;
  const auto at = static_cast<std::size_t>(index);
  if (enemy.actions.data() == listStart && enemy.actions.size() == listSize && at < listSize &&
      enemy.actions[at].name == name) {
    return &enemy.actions[at];
  }
  for (Action& entry : enemy.actions) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

void storeTurn(Action& target, const Action& turnCopy) {
  target.narration = turnCopy.narration;
  target.attackValue = turnCopy.attackValue;
  target.amount = turnCopy.amount;
  target.cooldown = turnCopy.cooldown;
  target.cooldownLeft = turnCopy.cooldownLeft;
  target.uses = turnCopy.uses;
}

// Carries the move out and answers with the turn's text.
std::string carryOut(Action& move, PlayerRecord& player, GameState& state, Floor& floorRecord) {
  Creature& enemy = state.currentEnemy;
  move.cooldownLeft += move.cooldown;
  move.uses += 1;
  state.combatState = 2;
  move.narration.clear();
  if (enemy.quibblent == "EXTRAVAGANT" && move.cooldownLeft > 0) move.cooldownLeft -= 1;
  if (player.equipment.size() < 2) player.equipment.resize(2);

  long index = -1;
  const Action* listStart = enemy.actions.data();
  const std::size_t listSize = enemy.actions.size();
  if (listSize > 0 && &move >= listStart && &move < listStart + listSize) index = &move - listStart;

  Action turnCopy = move;
  EnemyTurn turn{turnCopy, player, state, floorRecord, enemy};
  if (!armorAbsorbs(turn)) {
    dispatch(turn);
    if (!turn.skipCommonEnd) {
      if (player.hp <= 0) state.pendingPrompt = 16;
      // 0 hit points is dead on the enemy's side too; a dying hero goes to the
      // death page whatever the fight state says.
      if (enemy.hp <= 0 && player.hp > 0) state.combatState = 10;
    }
    if (state.messageBuffer.empty()) state.messageBuffer = turnCopy.narration;
  }
  if (Action* target = entryAfterTurn(enemy, move, index, listStart, listSize, turnCopy.name)) {
    storeTurn(*target, turnCopy);
  }
  return turnCopy.narration;
}

// ---- Choosing the move ----------------------------------------------------

bool atOrBelowHalf(int hp, int maxHp) { return hp <= maxHp / 2; }

// How many reasons the enemy has to try to eat the hero.
int eatReasons(const Creature& enemy, const PlayerRecord& player) {
  int reasons = 0;
  if (player.quibblent == "LIGHTLY SALTED") reasons += 1;
  if (player.quibblent == "FLAMING" && enemy.type == "DRAGON") reasons += 1;
  if (enemy.quibblent == "RAVENOUS") reasons += 1;
  if (enemy.type == "ZOMBIE") reasons += 1;
  if (atOrBelowHalf(player.hp, player.maxHp)) reasons += 1;
  if (enemy.quibblent == "STARVING") reasons += 2;
  return reasons;
}

void refreshEat(Action& move, const Creature& enemy, const PlayerRecord& player, GameState& state) {
  state.auxCounter = eatReasons(enemy, player);
  move.dodgeable = state.auxCounter >= 2;
  int weight = enemy.quibblent == "STARVING" ? 8 : (move.dodgeable ? 4 : 3);
  if (atOrBelowHalf(enemy.hp, enemy.maxHp)) weight += 1;
  if (enemy.type == "CHEF") weight *= 2;
  move.weight = weight;
}

// The situational moves' weights by how the fight stands. An enemy at a
// quarter of its hit points or less keeps the weights of the half: a DRINK
// SELF forced every turn would refill it without end.
void refreshWeight(Action& move, const Creature& enemy, const PlayerRecord& player, GameState& state) {
  const bool enemyHurt = atOrBelowHalf(enemy.hp, enemy.maxHp);
  const std::string& name = move.name;
  if (name == "EAT") {
    refreshEat(move, enemy, player, state);
  } else if (name == "HEAL") {
    move.weight = (enemyHurt ? 4 : 2) + (enemy.type == "WARLOCK" ? 1 : 0);
  } else if (name == "POISON GAS") {
    move.weight = (player.poisoned ? 1 : 3) + (enemy.type == "LICHE" ? 1 : 0);
  } else if (name == "APPLY SALT") {
    move.weight = player.quibblent == "LIGHTLY SALTED" ? 2 : 9;
  } else if (name == "DRINK SELF") {
    move.weight = enemyHurt ? 10 : 0;
  } else if (name == "MEGA HEAL") {
    move.weight = enemyHurt ? 5 : 2;
  } else if (name == "WIND UP II") {
    move.weight = player.hp < 20 ? 1 : (enemyHurt ? 3 : 0);
  }
}

// A weight below 0 takes no share of the draw.
int shareOf(const Action& move) { return move.weight > 0 ? move.weight : 0; }

void traceCooldown(const Action& move) { std::cout << move.cooldownLeft << ", "; }

int addUpWeights(const Creature& enemy) {
  int total = 0;
  for (const Action& move : enemy.actions) {
    traceCooldown(move);
    total += shareOf(move);
  }
  return total;
}

bool isReady(const Action& move) {
  return move.cooldownLeft < 1 && move.uses < move.useLimit && move.weight > 0;
}

bool anyReady(const Creature& enemy) {
  for (const Action& move : enemy.actions) {
    if (isReady(move)) return true;
  }
  return false;
}

int drawSlot(int total) {
  return static_cast<int>(dice::draw() % static_cast<std::uint32_t>(total)) + 1;
}

// A slot of the cumulative weights goes to the first ready move at or after
// it; a slot past the last ready move is drawn again. Needs a ready move.
std::size_t drawMove(const Creature& enemy, int total, GameState& state) {
  const std::vector<Action>& moves = enemy.actions;
  const std::size_t last = moves.size() - 1;
  state.auxCounter = drawSlot(total);
  int runningSum = shareOf(moves[0]);
  std::size_t j = 0;
  for (;;) {
    if (j == last && !isReady(moves[j])) {
      total = addUpWeights(enemy);
      state.auxCounter = drawSlot(total);
      runningSum = shareOf(moves[0]);
      j = 0;
    } else if (isReady(moves[j]) && (state.auxCounter <= runningSum || j == last)) {
      return j;
    } else {
      runningSum += shareOf(moves[j + 1]);
      j += 1;
    }
  }
}

bool dodgeOffered(const Action& move, const PlayerRecord& player) {
  return move.dodgeable && player.dodges > 0 && !player.stunned && player.quibblent != "GROGGY";
}

std::string offerText(const Creature& enemy, const Action& move, const PlayerRecord& player, bool forced) {
  const std::string& q = enemy.quibblent;
  const std::string& t = enemy.type;
  const std::string& a = move.name;
  const std::string question = ".\n"
                               "Would you like to dodge? (Y/N or 1/2)\n"
                               "You have " +
                               std::to_string(player.dodges) + " dodges left.";
  if (a == "WINDUP-ATTACK") return "The " + q + " " + t + " is choosing to use ATTACK" + question;
  if (a == "EAT") {
    return "The " + q + " " + t + " is choosing to use EAT" + question +
           "\n"
           "(WARNING -- BEING EATEN IS INSTANT DEATH)";
  }
  if (q.size() + t.size() + a.size() >= 36) return "The " + t + " is choosing to use " + a + question;
  if (forced && t == "POTION") return t + " is choosing to use " + a + question;
  return "The " + q + " " + t + " is choosing to use " + a + question;
}

// Offers a dodge against the chosen move, or carries it out at once.
std::string takeMove(std::size_t index, bool forced, Floor& floorRecord, PlayerRecord& player, GameState& state) {
  Creature& enemy = state.currentEnemy;
  Action& move = enemy.actions[index];
  state.enemyActionIndex = static_cast<int>(index);
  if (dodgeOffered(move, player)) {
    state.combatState = 4;
    return offerText(enemy, move, player, forced);
  }
  return carryOut(move, player, state, floorRecord);
}

// Nothing the enemy knows is ready: it loses the turn and the hero moves.
std::string hesitate(PlayerRecord& player, GameState& state) {
  state.combatState = 2;
  state.enemyActionIndex = 0;
  return "The " + enemyFullName(state.currentEnemy) +
         " hesitates.\n"
         "It is now your turn.\n" +
         playerTurnText(player);
}

}  // namespace

void resolveEnemyTurn(Action& move, PlayerRecord& player, GameState& state, Floor& floorRecord) {
  carryOut(move, player, state, floorRecord);
}

std::string GameState::runEnemyTurn(Floor& floorRecord, PlayerRecord& playerRecord) {
  Creature& enemy = currentEnemy;
  for (Action& move : enemy.actions) {
    if (move.cooldownLeft > 0) move.cooldownLeft -= 1;
  }
  if (enemy.stunned) {
    Action stunned("STUNNED", 0, false);
    return carryOut(stunned, playerRecord, *this, floorRecord);
  }

  int total = enemyActionIndex;
  for (std::size_t i = 0; i < enemy.actions.size(); ++i) {
    Action& move = enemy.actions[i];
    traceCooldown(move);
    refreshWeight(move, enemy, playerRecord, *this);
    total += shareOf(move);
    enemyActionIndex = total;
    if (move.weight >= 99) return takeMove(i, true, floorRecord, playerRecord, *this);
  }

  if (total <= 0) {
    // Nothing to choose from at all; the fight menu takes the next line, not
    // the dodge prompt, which would answer for a move never chosen.
    combatState = 2;
    enemyActionIndex = 0;
    return "Something probably broke!";
  }
  if (!anyReady(enemy)) return hesitate(playerRecord, *this);
  return takeMove(drawMove(enemy, total, *this), false, floorRecord, playerRecord, *this);
}
