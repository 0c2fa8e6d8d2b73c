#pragma once
// Writing over an existing save (prompt 15) and the death page (prompt 16):
// the hero rises again by one of three ways of cheating death, or the run
// ends, its save becomes a memorial and the new-game question follows.
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

inline constexpr int kOverwritePrompt = 15;
inline constexpr int kDeathPrompt = 16;

std::string answerOverwrite(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                            const std::string& line);
std::string answerDeath(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                        const std::string& line);

// "Saved file " + name + "!", or the news that the save failed.
std::string savedFileReply(bool written, const std::string& heroName);
