#include "encounters/enemy_moves.h"

#include "encounters/fight_texts.h"
#include "world/game_state.h"

std::string promptEnding(const EnemyTurn& turn) {
  if (turn.player.hp != 0) return turn.move.yourTurnPrompt;
  return "That's it for you. GAME OVER.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

bool explodesInFire(EnemyTurn& turn) {
  if (turn.player.quibblent != "HIGHLY FLAMMABLE") return false;
  turn.player.hp = 0;
  turn.move.narration += "KA-BOOOOOOOMMMM!!! You explode into a million pieces.\n";
  turn.state.pendingPrompt = 16;
  return true;
}

void burnCheck(EnemyTurn& turn) {
  if (explodesInFire(turn)) return;
  const std::string& word = turn.player.quibblent;
  if (word == "OILY" || word == "FLAMMABLE" || word == "NOXIOUS") {
    turn.move.narration += changePlayerWord(turn, "FLAMING") + "\n";
  }
}

int dampHalved(const PlayerRecord& player, int amount) {
  const bool damp = player.quibblent == "DAMP" || (player.equipment.size() > 1 && player.equipment[1].quibblent == "DAMP");
  return damp ? amount / 2 : amount;
}

void hurtPlayer(PlayerRecord& player, int amount) {
  player.hp -= amount;
  if (player.hp <= 0) player.hp = 0;
}

std::string changePlayerWord(EnemyTurn& turn, const std::string& word) {
  return turn.player.changeQuibblent(word, turn.state, false);
}

void stunPlayer(EnemyTurn& turn) {
  turn.player.stunned = true;
  turn.state.combatState = 7;
}

std::string accountantOrFullName(const Creature& enemy) {
  return enemy.type == "ARCH-ACCOUNTANT" ? enemy.type : enemyFullName(enemy);
}

int rollBelow(unsigned choices) { return static_cast<int>(dice::below(choices)); }
