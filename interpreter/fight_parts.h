#pragma once
// What the handlers of the fight's turn cycle share: the fight state numbers,
// the handler type, and the small rules several endings of a fight use.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

// GameState::combatState values the turn cycle serves.
namespace fight {
inline constexpr int kOver = 0;
inline constexpr int kPlayerTurnStart = 1;
inline constexpr int kMenu = 2;
inline constexpr int kEnemyTurn = 3;
inline constexpr int kDodgeQuestion = 4;
inline constexpr int kEnemyOffer = 5;
inline constexpr int kEnemyFled = 6;
inline constexpr int kExchangeEnd = 7;
inline constexpr int kEnemyPrice = 8;
inline constexpr int kDate = 9;
inline constexpr int kEnemyDefeated = 10;
inline constexpr int kLevelUp = 12;
inline constexpr int kWrapUp = 13;
inline constexpr int kSkillChoice = 14;
inline constexpr int kAntibioticsOffer = 15;
inline constexpr int kItemChoice = 16;
inline constexpr int kItemTarget = 17;
inline constexpr int kWarlockMenu = 50;
inline constexpr int kSwordScolding = 51;
inline constexpr int kSwordDignity = 52;
inline constexpr int kSwordOldWeapon = 53;
inline constexpr int kSwordLeaves = 54;

// Marks, in GameState::combatValue, an enemy just killed by a plain ATTACK.
inline constexpr int kKilledByPlainAttack = 700;
// The word that names the fight as the hero's cause of death.
inline constexpr const char* kCombatCause = "combat";
}  // namespace fight

// One fight state's handler: reads the line, sets the next state, answers.
using FightHandler = std::string (*)(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                     const std::string& line);

// The player's move (state 2): the combat menu and what it leads to.
std::string answerPlayerTurnStart(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerCombatMenu(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerEnemyTurn(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerDodgeQuestion(GameState&, Floor&, PlayerRecord&, const std::string&);
// The plain ATTACK of the combat menu.
std::string playPlainAttack(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord);

// Skills, items and the two special menus.
std::string openSkillList(GameState& state, PlayerRecord& playerRecord);
std::string openItemList(GameState& state, PlayerRecord& playerRecord);
std::string beginSwordOfKingsScene(GameState& state);
std::string answerSkillChoice(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerAntibioticsOffer(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerItemChoice(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerItemTarget(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerWarlockMenu(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerSwordOfKingsPage(GameState&, Floor&, PlayerRecord&, const std::string&);

// The end of an exchange: timers, curses, poison, burning and hunger.
std::string answerExchangeEnd(GameState&, Floor&, PlayerRecord&, const std::string&);

// The ways a fight ends.
std::string answerEnemyOffer(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerEnemyFled(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerEnemyPrice(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerDate(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerEnemyDefeated(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerLevelUpInFight(GameState&, Floor&, PlayerRecord&, const std::string&);
std::string answerFightWrapUp(GameState&, Floor&, PlayerRecord&, const std::string&);

// "Nope.\n", "Returning to main combat menu.\n"... + the dodges left and the menu.
std::string withMenu(const std::string& lead, const PlayerRecord& playerRecord);
// The tile the fight is on, or -1 when GameState::moveDirection names none.
int fightTile(const GameState& state);
// The enemy left the tile without being killed: free stairs, or memories of battle.
void clearFoughtTile(GameState& state, Floor& floorRecord);
// Every skill ready to be used afresh: no uses, each cooldown one turn shorter.
void resetSkillsAfterFight(PlayerRecord& playerRecord);
