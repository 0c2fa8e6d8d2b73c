#pragma once
// GARY THE GOBLIN's shop in a secret room: he shows an item (prompt 19) and
// the hero buys it or not (prompt 20), until his stock is bought out.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kGaryOfferPrompt = 19;
inline constexpr int kGaryAnswerPrompt = 20;

// What GARY asks for an item of that catalogue price: a third, less five;
// an OPPORTUNIST haggles a third off that; never below 1 gold.
int garyPrice(int price, const PlayerRecord& player);

std::string answerGaryOffer(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                            const std::string& line);
std::string answerGaryDeal(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                           const std::string& line);
