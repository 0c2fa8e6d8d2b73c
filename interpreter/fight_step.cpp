#include "encounters/fought_tile.h"
#include "interpreter/fight_step.h"

#include "encounters/enemy_turn.h"
#include "encounters/fight_texts.h"
#include "encounters/matchups.h"
#include "interpreter/fight_parts.h"
#include "interpreter/prompt_answers.h"
#include "world/game_state.h"
#include "world/word_match.h"

namespace {

const char kStunnedTurn[] = "You attempt to do something but you are STUNNED!!\n"
                            "You shake off your daze and return to battle.\n";
const char kYourMove[] = "It's your move.\n";
const char kNope[] = "Nope.\n";
const char kWaited[] = "You stand around twiddling your thumbs like a chump.\n"
                       "Nothing happened!\n";
const char kFleeSleeping[] = ".\n"
                             "It continues dozing obliviously... \n"
                             "You are now out of combat.";
const char kTooFat[] = "You try to run away but the enemy is just too damn FAT!!\n";
const char kCoward[] = "You run away like a coward. The ";
const char kWatchesShort[] = "\n"
                             "watches you suspiciously, but makes no move to attack. \n"
                             "You are now out of combat.";
const char kWatchesLong[] = " \n"
                            "watches you suspiciously, but makes no move to attack. \n"
                            "You are now out of combat.";
const char kDodgeAgain[] = "Ok, your answer was very clever and all, but how about \n"
                           "you type Y or N this time instead?\n"
                           "You have ";
const char kZombieDodge[] = "You shuffle lazily out of the way of the attack.\n"
                            "You take 0 damage.\n"
                            "It is now your turn.\n";

// The dodge texts, picked by a draw of five.
const char* const kDodgeTexts[] = {
    "You dodge the attack swiftly, and strike a cool pose while\n"
    "doing it. You take 0 damage!! \n"
    "It is now your turn.\n",
    "You leap out of the way of the attack, pointing finger-guns \n"
    "at the enemy as you do. You take 0 damage!! \n"
    "It is now your turn.\n",
    "You casually sidestep the attack like some kind of \n"
    "stone-cold badass. You take 0 damage!! \n"
    "It is now your turn.\n",
    "You dive out of the way of the attack, landing on your feet \n"
    "smoothly! The enemy applauds. You take 0 damage!! \n"
    "It is now your turn.\n",
    "You don't even move, and the attack misses anyway. You're \n"
    "just that good at dodging. You take 0 damage!! \n"
    "It is now your turn.\n",
};

// A fleeing enemy that is not brave enough afterwards to ambush the hero on the stairs.
const char* const kNeverConfidentWords[] = {"HIPPIE", "FRIGHTENED"};
const char* const kNeverConfidentTypes[] = {"GOBLIN", "EXPLORER", "DRAGON", "GHAST"};
// Names this long or longer are shortened to the type when the hero runs.
constexpr std::size_t kLongEnemyName = 28;

std::string flee(GameState& state, Floor& floorRecord) {
  Creature& enemy = state.currentEnemy;
  if (enemy.quibblent == "SLEEPING") {
    state.combatState = fight::kOver;
    keepEnemyOnItsTile(state, floorRecord);
    return "You sneak away from the " + enemyFullName(enemy) + kFleeSleeping;
  }
  if (enemy.quibblent == "VOLUMINOUS") return std::string(kTooFat) + kEnemyTurnPrompt;
  state.combatState = fight::kOver;
  enemy.stunned = false;
  if (!isOneOf(enemy.quibblent, kNeverConfidentWords) && !isOneOf(enemy.type, kNeverConfidentTypes)) {
    enemy.confident = true;
  }
  keepEnemyOnItsTile(state, floorRecord);
  if (enemy.type.size() + enemy.quibblent.size() >= kLongEnemyName) return kCoward + enemy.type + kWatchesShort;
  return kCoward + enemyFullName(enemy) + kWatchesLong;
}

// Columns: fight state, handler.
struct FightRow {
  int state;
  FightHandler handler;
};

const FightRow kFightStates[] = {
    {fight::kPlayerTurnStart, answerPlayerTurnStart},
    {fight::kMenu, answerCombatMenu},
    {fight::kEnemyTurn, answerEnemyTurn},
    {fight::kDodgeQuestion, answerDodgeQuestion},
    {fight::kEnemyOffer, answerEnemyOffer},
    {fight::kEnemyFled, answerEnemyFled},
    {fight::kExchangeEnd, answerExchangeEnd},
    {fight::kEnemyPrice, answerEnemyPrice},
    {fight::kDate, answerDate},
    {fight::kEnemyDefeated, answerEnemyDefeated},
    {fight::kLevelUp, answerLevelUpInFight},
    {fight::kWrapUp, answerFightWrapUp},
    {fight::kSkillChoice, answerSkillChoice},
    {fight::kAntibioticsOffer, answerAntibioticsOffer},
    {fight::kItemChoice, answerItemChoice},
    {fight::kItemTarget, answerItemTarget},
    {fight::kWarlockMenu, answerWarlockMenu},
    {fight::kSwordScolding, answerSwordOfKingsPage},
    {fight::kSwordDignity, answerSwordOfKingsPage},
    {fight::kSwordOldWeapon, answerSwordOfKingsPage},
    {fight::kSwordLeaves, answerSwordOfKingsPage},
};

}  // namespace

std::string withMenu(const std::string& lead, const PlayerRecord& playerRecord) {
  return lead + playerTurnText(playerRecord);
}

int fightTile(const GameState& state) {
  return state.moveDirection >= 0 && state.moveDirection < kTileCount ? state.moveDirection : -1;
}

void clearFoughtTile(GameState& state, Floor& floorRecord) {
  const int tile = fightTile(state);
  if (tile < 0) return;
  std::string& kind = floorRecord.tileKinds[tile];
  if (kind == "MonExit" || kind == "Exit") {
    kind = "Exit";
    floorRecord.tileTexts[tile] = " are the dungeon stairs, now free to enter.";
  } else {
    kind.clear();
    floorRecord.tileTexts[tile] = " is nothing but memories of battle.";
  }
}

void resetSkillsAfterFight(PlayerRecord& playerRecord) {
  for (Action& skill : playerRecord.skills) {
    skill.uses = 0;
    if (skill.cooldownLeft > 0) --skill.cooldownLeft;
  }
}

std::string answerPlayerTurnStart(GameState& state, Floor&, PlayerRecord& playerRecord, const std::string&) {
  // Whatever came before, from here on the fight is what the hero dies of.
  state.pendingWord = fight::kCombatCause;
  state.combatState = state.currentEnemy.quibblent == "VERY NORMAL" ? fight::kWarlockMenu : fight::kMenu;
  if (playerRecord.stunned) {
    playerRecord.stunned = false;
    state.combatState = fight::kExchangeEnd;
    return std::string(kStunnedTurn) + kEnemyTurnPrompt;
  }
  return withMenu(kYourMove, playerRecord);
}

std::string answerCombatMenu(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  state.pendingWord = fight::kCombatCause;
  if (state.combatValue == fight::kKilledByPlainAttack) state.combatValue = 0;
  state.combatState = fight::kExchangeEnd;
  if (playerRecord.stunned) {
    playerRecord.stunned = false;
    return std::string(kStunnedTurn) + kEnemyTurnPrompt;
  }
  if (line == "1" || line == "attack") {
    if (playerRecord.wieldsSwordOfKings) return beginSwordOfKingsScene(state);
    return playPlainAttack(state, floorRecord, playerRecord);
  }
  if (line == "2" || line == "skill" || line == "skills") return openSkillList(state, playerRecord);
  if (line == "3" || line == "item" || line == "items") return openItemList(state, playerRecord);
  if (line == "4" || line == "flee") return flee(state, floorRecord);
  if (line == "wait") return std::string(kWaited) + kEnemyTurnPrompt;
  state.combatState = fight::kMenu;
  return withMenu(kNope, playerRecord);
}

std::string answerEnemyTurn(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  // A blow that kills the hero here is the fight's doing, whatever an earlier step left.
  state.pendingWord = fight::kCombatCause;
  for (Action& skill : playerRecord.skills) {
    if (skill.cooldownLeft > 0) --skill.cooldownLeft;
  }
  Creature& enemy = state.currentEnemy;
  if (playerRecord.imbuement == "AIRHORN" && (enemy.quibblent == "GAMER" || enemy.quibblent == "MLG")) {
    // The horn frightens the gamer into a ready way out; one is enough, however long the fight.
    bool hornFleeHeld = false;
    for (const Action& move : enemy.actions) {
      if (move.name == "FLEE" && move.weight == 99) hornFleeHeld = true;
    }
    if (!hornFleeHeld) enemy.actions.emplace_back("FLEE", 99, false);
  }
  state.combatState = fight::kDodgeQuestion;
  state.enemyActionIndex = 0;
  return state.runEnemyTurn(floorRecord, playerRecord);
}

std::string answerDodgeQuestion(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line) {
  Creature& enemy = state.currentEnemy;
  const bool moveKnown = state.enemyActionIndex >= 0 &&
                         static_cast<std::size_t>(state.enemyActionIndex) < enemy.actions.size();
  const YesNoAnswer answer = readYesNo(line);
  if (answer == YesNoAnswer::kNeither) return kDodgeAgain + std::to_string(playerRecord.dodges) + " dodges left.";
  if (!moveKnown) {
    // No move was chosen to dodge: the hero simply has the turn back.
    state.combatState = fight::kMenu;
    return withMenu(kYourMove, playerRecord);
  }
  if (answer == YesNoAnswer::kNo) {
    state.combatState = fight::kMenu;
    state.messageBuffer.clear();
    resolveEnemyTurn(enemy.actions[static_cast<std::size_t>(state.enemyActionIndex)], playerRecord, state,
                     floorRecord);
    return state.messageBuffer;
  }
  state.combatState = fight::kMenu;
  --playerRecord.dodges;
  Action& move = enemy.actions[static_cast<std::size_t>(state.enemyActionIndex)];
  move.cooldownLeft += move.cooldown;
  if (move.name == "WINDUP-ATTACK") {
    removeAction(enemy, "WINDUP-ATTACK");
    enemy.actions.emplace_back("WIND UP", 8, false);
  }
  state.auxCounter = static_cast<int>(dice::below(5));
  if (playerRecord.playerClass == "ZOMBIE") return withMenu(kZombieDodge, playerRecord);
  return withMenu(kDodgeTexts[state.auxCounter], playerRecord);
}

StageReply offerToFight(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line) {
  for (const FightRow& row : kFightStates) {
    if (row.state == state.combatState) return row.handler(state, floorRecord, playerRecord, line);
  }
  return std::nullopt;
}
