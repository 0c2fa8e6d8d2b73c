// The enemy's EAT, PREACH and FLIRT: what comes of them depends on who the
// hero is (their word, class and imbuement).
#include <string>

#include "encounters/enemy_moves.h"
#include "encounters/fight_texts.h"
#include "world/game_state.h"

namespace {

// ---- EAT -------------------------------------------------------------------

int tastiness(const EnemyTurn& turn) {
  const PlayerRecord& player = turn.player;
  const Creature& enemy = turn.enemy;
  int taste = 0;
  if (player.quibblent == "LIGHTLY SALTED") taste += 1;
  if (player.quibblent == "FLAMING" && enemy.type == "DRAGON") taste += 1;
  if (enemy.quibblent == "RAVENOUS") taste += 1;
  if (enemy.type == "ZOMBIE") taste += 1;
  if (player.hp <= player.maxHp / 2) taste += 1;
  if (enemy.quibblent == "STARVING") taste += 2;
  return taste;
}

// A fed STARVING enemy is only RAVENOUS afterwards. Its EAT may be swapped in
// the list by the change; the turn works on its own copy of the move.
void sateHunger(EnemyTurn& turn) {
  if (turn.enemy.quibblent == "STARVING") turn.enemy.changeQuibblent("RAVENOUS", turn.state, false);
}

void resolveEat(EnemyTurn& turn) {
  Action& move = turn.move;
  move.attackValue = tastiness(turn);
  if (turn.enemy.quibblent == "STARVING") move.cooldownLeft -= 2;
  if (turn.enemy.quibblent == "RAVENOUS") move.cooldownLeft -= 1;
  const std::string name = enemyFullName(turn.enemy);
  const PlayerRecord& player = turn.player;
  if (move.attackValue >= 2) {
    if (player.quibblent == "VOLUMINOUS") {
      changePlayerWord(turn, "UNINTERESTING");
      move.narration += name +
                        " attempts to EAT you!!\n"
                        "The attempt was an overwhelming success.\n"
                        "You have lost your VOLUMINOSITY!! The enemy is less hungry.\n" +
                        move.yourTurnPrompt;
      move.cooldownLeft += 5;
      sateHunger(turn);
      return;
    }
    turn.player.hp = 0;
    move.narration += name + " attempts to EAT you!!\n"
                             "The attempt was an overwhelming success. Well, fuck.\n"
                             "You die!! Game over.\n"
                             "[TYPE ANYTHING TO CONTINUE]";
    sateHunger(turn);
    move.attackValue = 4;
    return;
  }
  const bool nearlyTasty = player.quibblent == "LIGHTLY SALTED" ||
                           (player.quibblent == "FLAMING" && turn.enemy.type == "DRAGON") ||
                           turn.enemy.quibblent == "STARVING" || turn.enemy.type == "ZOMBIE";
  if (nearlyTasty) {
    move.narration += "The " + name +
                      " attempts to EAT you!!\n"
                      "Luckily, you are able to slip out of their grasp.\n"
                      "The enemy glares at you hungrily...\n" +
                      move.yourTurnPrompt;
  } else {
    move.narration += name +
                      " looks at you hungrily...\n"
                      "They want to EAT you, but you aren't *quite* tasty enough.\n" +
                      move.yourTurnPrompt;
  }
  turn.state.combatState = 2;
}

// ---- PREACH and FLIRT --------------------------------------------------------

// What closes a row's text: the hero's turn prompt, the message of the word
// change the row made then the prompt, the enemy's turn prompt, or nothing.
enum class Ending { YourTurn, MessageThenYourTurn, EnemyTurn, Nothing };

// One row of how a hero takes the enemy's words: who it is for, what it does
// (answering with the message of any word change), and what is said.
struct ListenerRow {
  bool (*applies)(const EnemyTurn& turn);
  std::string (*effect)(EnemyTurn& turn);
  const char* text;
  Ending ending;
};

void tellRow(EnemyTurn& turn, const ListenerRow* rows, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const ListenerRow& row = rows[i];
    if (!row.applies(turn)) continue;
    const std::string message = row.effect(turn);
    std::string text = row.text;
    switch (row.ending) {
      case Ending::YourTurn: text += turn.move.yourTurnPrompt; break;
      case Ending::MessageThenYourTurn: text += message + "\n" + turn.move.yourTurnPrompt; break;
      case Ending::EnemyTurn: text += turn.move.enemyTurnPrompt; break;
      case Ending::Nothing: break;
    }
    turn.move.narration += text;
    return;
  }
}

const std::string& heroWord(const EnemyTurn& turn) { return turn.player.quibblent; }
bool heroIs(const EnemyTurn& turn, const char* word) { return heroWord(turn) == word; }
bool imbuedWith(const EnemyTurn& turn, const char* item) { return turn.player.imbuement == item; }
bool enemyTypeIs(const EnemyTurn& turn, const char* type) { return turn.enemy.type == type; }

std::string noEffect(EnemyTurn&) { return ""; }
std::string stunEffect(EnemyTurn& turn) {
  stunPlayer(turn);
  return "";
}
std::string becomeFundamentalist(EnemyTurn& turn) { return changePlayerWord(turn, "FUNDAMENTALIST"); }
std::string befriend(EnemyTurn& turn) {
  turn.state.combatState = 9;
  return "";
}
std::string raiseEnemyFactor(EnemyTurn& turn, float amount) {
  turn.enemy.attackFactor += amount;
  return "";
}

// PREACH.
std::string fullHeal(EnemyTurn& turn) {
  turn.player.hp = turn.player.maxHp;
  return "";
}
std::string damnedHears(EnemyTurn& turn) {
  turn.player.hp = 0;
  turn.state.pendingPrompt = 16;
  return "";
}
std::string grooveAlong(EnemyTurn& turn) {
  turn.player.heal(10);
  return raiseEnemyFactor(turn, 0.5f);
}
// The sermon wounds a METALHEAD; one brought to 0 goes to the death page, and
// the enemy is not the one defeated.
std::string moralityHurts(EnemyTurn& turn) {
  turn.move.attackValue = 15;
  hurtPlayer(turn.player, 15);
  return "";
}
std::string growHungry(EnemyTurn& turn) { return changePlayerWord(turn, "STARVING"); }
std::string gamerParagon(EnemyTurn& turn) {
  turn.enemy.attackFactor -= 0.4f;
  if (turn.enemy.attackFactor < 0.0f) turn.enemy.attackFactor = 0.0f;
  return "";
}

constexpr ListenerRow kSermonListeners[] = {
    {[](const EnemyTurn& t) { return heroIs(t, "FUNDAMENTALIST") || imbuedWith(t, "MORALITY"); }, fullHeal,
     "The enemy's words of wisdom fill you with a feeling of \n"
     "profound validation and contentment.\n"
     "You have been fully healed! Huzzah!\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "CONFUSED"); }, becomeFundamentalist,
     "Hearing the enemy's words of wisdom, you are snapped out of \n"
     "your CONFUSION, and inspired to join them in righteousness!!\n",
     Ending::MessageThenYourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "EXISTENTIAL"); }, noEffect,
     "You nod along, listening thoughtfully. You think the enemy's \n"
     "speech is interesting, but it doesn't really affect you in \n"
     "any combat-significant way.\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "DAMNED"); }, damnedHears,
     "Oh no. Oh no no no no NO NO NO NO NO NO NO STOP TALKING STOP \n"
     "TALKING STOP TALKING MAKE THE HORRIBLE WORDS *STOP*\n"
     "[TYPE ANYTHING TO CONTINUE]",
     Ending::Nothing},
    {[](const EnemyTurn& t) { return heroIs(t, "HORNY") || heroIs(t, "FLIRTATIOUS") || heroIs(t, "PERVERTED"); },
     becomeFundamentalist,
     "As you listen to the words of the enemy, you think about \n"
     "your own personality. Horrified at your lecherous ways, you \n"
     "vow to turn your life around. ",
     Ending::MessageThenYourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "HIPPIE") || imbuedWith(t, "LSD"); }, grooveAlong,
     "The words wash over you, and you smile, grooving with \n"
     "the enemy's commanding speech. \n"
     "+10 HP, but you're now vulnerable to further attacks!!\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "FRIGHTENED"); }, stunEffect,
     "You find the enemy's words to be ABSOLUTELY TERRIFYING!!\n"
     "You are STUNNED into petrified silence by the preaching.",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "METALHEAD"); }, moralityHurts,
     "The enemy's piercing words hit you right in the chest!\n"
     "Unprepared for an attack of MORALITY, you take 15 damage.\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "RAVENOUS"); }, growHungry,
     "Zzzzz... this boring speech is making you hungry!\n", Ending::MessageThenYourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "GAMER") || heroIs(t, "MLG"); }, gamerParagon,
     "Pure moral truth? Avoiding vice and temptation? Dude, you're \n"
     "a GAMER! You're the greatest paragon of MORALITY there is! \n"
     "You now feel less vulnerable to attacks.\n",
     Ending::YourTurn},
    {[](const EnemyTurn&) { return true; }, noEffect,
     "...you don't need to listen to this.\n"
     "There was no effect!\n",
     Ending::YourTurn},
};

// FLIRT.
constexpr const char* kReceptive = "You flirt back... the enemy seems receptive!!\n"
                                   "The two of you start talking, and combat begins to seem \n"
                                   "like a distant memory...\n"
                                   "[TYPE ANYTHING TO CONTINUE]";

constexpr ListenerRow kFlirtListeners[] = {
    {[](const EnemyTurn& t) { return t.player.playerClass == "ZOMBIE"; }, noEffect,
     "You aren't listening. Need flesh.\n", Ending::YourTurn},
    {[](const EnemyTurn& t) { return imbuedWith(t, "MORALITY"); }, noEffect,
     "You are faintly amused by this trivial attempt to tempt you \n"
     "with the PLEASURES OF THE FLESH. Of course, you are far \n"
     "beyond such things. There was no effect!\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "HIPPIE") || imbuedWith(t, "LSD"); }, noEffect,
     "Haha, like... what? It's kinda crazy that this horrible \n"
     "monster you're trying to kill is also, like, FLIRTING with \n"
     "you and stuff. You think that's pretty funny.\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) {
       return enemyTypeIs(t, "CTHULOID") || enemyTypeIs(t, "HELLSATAN") || enemyTypeIs(t, "HELLFUCKER");
     },
     stunEffect,
     "Unfortunately, their attempt at flirting reads to you more \n"
     "like an attempt to EAT YOUR EMOTIONS. You are STUNNED!\n",
     Ending::EnemyTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "HORNY"); }, stunEffect,
     "The attempt was an overwhelming success!! You are STUNNED.\n", Ending::EnemyTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "GHASTLY"); },
     [](EnemyTurn& t) { return raiseEnemyFactor(t, 1.0f); },
     "You are horrified by the thought that a GHASTLY thing like \n"
     "you could be flirted with... \n"
     "You are now vulnerable to enemy attacks!\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "FRIGHTENED"); }, stunEffect,
     "You find this action COMPLETELY TERRIFYING! You are STUNNED.\n", Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "METALHEAD"); },
     [](EnemyTurn& t) { return raiseEnemyFactor(t, 0.4f); },
     "You are NOT blushing. You are WAY TOO METAL to care, which \n"
     "is why you definitely AREN'T now vulnerable to attacks, and \n"
     "anyone who says otherwise can FUCK OFF.\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "PERVERTED") && t.enemy.quibblent == "PERVERTED"; }, befriend,
     kReceptive, Ending::Nothing},
    {[](const EnemyTurn& t) { return heroIs(t, "PERVERTED"); }, noEffect,
     "You flirt back... and the enemy seems to lose interest. \n"
     "Dammit. Back to combat.\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) {
       return enemyTypeIs(t, "ZOMBIE") || enemyTypeIs(t, "DRAGON") || enemyTypeIs(t, "NECROMANCER");
     },
     noEffect,
     "You find this attempt to be faintly disturbing.\n"
     "Nothing happened!\n",
     Ending::YourTurn},
    {[](const EnemyTurn& t) { return heroIs(t, "FLIRTATIOUS") || heroIs(t, "CONFIDENT"); }, befriend, kReceptive,
     Ending::Nothing},
    {[](const EnemyTurn&) { return true; }, noEffect, "...you're not interested. The enemy seems disappointed.\n",
     Ending::YourTurn},
};

void resolvePreach(EnemyTurn& turn) {
  turn.move.narration += accountantOrFullName(turn.enemy) + turn.move.message + "\n";
  tellRow(turn, kSermonListeners, std::size(kSermonListeners));
}

void resolveFlirt(EnemyTurn& turn) {
  turn.move.narration += accountantOrFullName(turn.enemy) + turn.move.message + "\n";
  tellRow(turn, kFlirtListeners, std::size(kFlirtListeners));
}

constexpr EnemyMoveRow kAppetites[] = {
    {"EAT", resolveEat},
    {"PREACH", resolvePreach},
    {"FLIRT", resolveFlirt},
};

}  // namespace

std::span<const EnemyMoveRow> enemyAppetiteRows() { return kAppetites; }
