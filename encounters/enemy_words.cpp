// The enemy's words and cries (gibberish, the shriek, madness), its deals and
// escapes, the stunned enemy, the moves that do nothing and the unknown ones.
#include <string>

#include "encounters/enemy_moves.h"
#include "encounters/fight_texts.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

constexpr const char* kEnemyTurnAgain = "It is now the enemy's turn.\n"
                                        "[TYPE ANYTHING TO CONTINUE]";

bool imbuedWithLsd(const PlayerRecord& player) { return player.imbuement == "LSD"; }

void resolveConfusingTerminology(EnemyTurn& turn) {
  std::string text = accountantOrFullName(turn.enemy) + turn.move.message;
  if (imbuedWithLsd(turn.player)) {
    text += " You are tripping too hard to notice!!\n" + turn.move.yourTurnPrompt;
  } else if (turn.player.playerClass == "ZOMBIE") {
    text += " You aren't listening. Need flesh.\n" + turn.move.yourTurnPrompt;
  } else {
    stunPlayer(turn);
    text += std::string(" You have been STUNNED by the gibberish!\n") + kEnemyTurnAgain;
  }
  turn.move.narration += text;
}

void resolveBansheeShriek(EnemyTurn& turn) {
  std::string text = enemyFullName(turn.enemy) + " released an ear-piercing, \n"
                                                 "bone-rattling SHRIEK! ";
  if (imbuedWithLsd(turn.player)) {
    text += "You are tripping too hard to notice!!\n" + turn.move.yourTurnPrompt;
  } else if (turn.player.playerClass == "ZOMBIE") {
    text += "You aren't listening. Need flesh.\n" + turn.move.yourTurnPrompt;
  } else {
    stunPlayer(turn);
    text += std::string("You have been STUNNED!\n") + kEnemyTurnAgain;
  }
  turn.move.narration += text;
}

void resolveMadness(EnemyTurn& turn) {
  turn.move.narration += enemyFullName(turn.enemy) + "'s pure existence is enough to \n"
                                                     "drive most sane men MAD!\n";
  if (turn.player.quibblent == "CONFUSED" && turn.player.lsdLevel >= 2) {
    turn.move.narration += "As the attack hits, you... you... you feel... funny...\n"
                           "Why is real? Why anyTHING IS REAL? WHO ARE YOU???\n"
                           "YOU SEE THE STARS SPLITTING THROUGH THE ENDLESS VOID\n"
                           "YOU SEE THE DEEP INNER TRUTH OF ALL THINGS IN YOUR THIRD EYE";
    turn.state.pendingPrompt = 16;
    return;
  }
  turn.move.narration += changePlayerWord(turn, "CONFUSED") + "\n" + turn.move.yourTurnPrompt;
}

void resolveNegotiation(EnemyTurn& turn) {
  const double share = turn.player.imbuement == "CONTRACT" ? 0.95 : 0.75;
  const int offer = truncatedWhole(static_cast<double>(turn.enemy.goldReward) * share);
  turn.move.attackValue = offer;
  turn.state.combatValue = offer;
  const std::string name = enemyFullName(turn.enemy);
  if (turn.player.playerClass == "CONVICT" || turn.player.playerClass == "ZOMBIE") {
    turn.move.narration += name +
                           " attempts to offer you a deal...\n"
                           "You are not interested in its puny words.\n"
                           "Kill it now.\n" +
                           turn.move.yourTurnPrompt;
    return;
  }
  turn.state.combatState = 5;
  turn.move.narration += name +
                         " is offering to negotiate a deal for \n"
                         "the peaceful resolution of this conflict!\n"
                         "They are offering " +
                         std::to_string(offer) +
                         " GOLD if you give them the chance to \n"
                         "leave the dungeon quietly. Will you accept? (Y/N)";
}

void resolveFlee(EnemyTurn& turn) {
  turn.move.cooldown = 3;
  turn.move.amount = 0;
  const std::string name = enemyFullName(turn.enemy);
  if (turn.player.playerClass == "CONVICT" || turn.player.quibblent == "VOLUMINOUS") {
    turn.move.narration += name +
                           " attempts to run away...\n"
                           "Stupid little thing. There is no escaping you.\n" +
                           turn.move.yourTurnPrompt;
    return;
  }
  turn.state.combatState = 6;
  turn.move.narration += turn.player.imbuement == "AIRHORN" ? name + " runs away, awed by your gamer skillz!! \n"
                                                                     "You gained 0 EXP."
                                                            : name + " runs away in cowardice!! \n"
                                                                     "You gained 0 EXP.";
}

void resolveStunned(EnemyTurn& turn) {
  turn.enemy.stunned = false;
  const std::string name = enemyFullName(turn.enemy);
  if (turn.state.loopFlag) {
    turn.state.loopFlag = false;
    turn.move.narration += name +
                           " is unable to react!\n"
                           "Your INFERENCE gives you an extra move!\n" +
                           turn.move.yourTurnPrompt;
    return;
  }
  turn.move.narration += name +
                         " is too STUNNED to act!\n"
                         "They shake off the confusion and return to battle.\n" +
                         turn.move.yourTurnPrompt;
}

void resolveIdle(EnemyTurn& turn) {
  const bool accountantGamer = turn.enemy.type == "ARCH-ACCOUNTANT" && turn.move.name == "GAMER";
  const std::string name = accountantGamer ? turn.enemy.type : enemyFullName(turn.enemy);
  turn.move.narration += name + turn.move.message +
                         "\n"
                         "Nothing happened!\n" +
                         turn.move.yourTurnPrompt;
}

constexpr EnemyMoveRow kWords[] = {
    {"CONFUSING TERMINOLOGY", resolveConfusingTerminology},
    {"NEGOTIATION", resolveNegotiation},
    {"FLEE", resolveFlee},
    {"MADNESS", resolveMadness},
    {"BANSHEE SHRIEK", resolveBansheeShriek},
    {"UNSTABLE", resolveIdle},
    {"GAMER", resolveIdle},
    {"SLEEP", resolveIdle},
    {"SPLASH", resolveIdle},
    {"EXAMINE", resolveIdle},
    // The ACADEMIC's own name for its examining stare, which does nothing either.
    {"EXAMINE-E", resolveIdle},
    {"STUNNED", resolveStunned},
};

}  // namespace

std::span<const EnemyMoveRow> enemyWordRows() { return kWords; }

void resolveUnknownEnemyMove(EnemyTurn& turn) {
  turn.move.narration +=
      "The skill the enemy tried (" + turn.move.name + ") doesn't exist yet!\n" + turn.move.yourTurnPrompt;
}
