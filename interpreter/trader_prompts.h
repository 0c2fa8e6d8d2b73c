#pragma once
// The two traders who sell one item at a time, each in a loop of two
// prompts: an offer rolled and priced on any line, then the hero's answer.
//   10  WOMBLETON shows his next offer (any line)
//   11  accept WOMBLETON's offer (Y/N)
//   12  SNEAKFUL GERARD shows his next deal (any line)
//   13  accept GERARD's deal (Y/N)
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kWombletonOfferPrompt = 10;
inline constexpr int kWombletonAnswerPrompt = 11;
inline constexpr int kGerardOfferPrompt = 12;
inline constexpr int kGerardAnswerPrompt = 13;

// What each trader asks for an item of catalogue price `itemPrice`, paid once
// for the whole offer. WOMBLETON halves it, takes a third off for the hero
// who brought his cousin's greeting (cousinGreeting above 1) and another
// third off for an OPPORTUNIST, and never asks nothing; GERARD only gives an
// OPPORTUNIST his third off.
int wombletonPrice(int itemPrice, int cousinGreeting, const std::string& playerClass);
int gerardPrice(int itemPrice, const std::string& playerClass);

std::string answerWombletonOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                 const std::string& line);
std::string answerWombletonDeal(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line);
std::string answerGerardOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                              const std::string& line);
std::string answerGerardDeal(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line);
