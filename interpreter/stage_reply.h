#pragma once
// What one stage of the command step answers: a reply, or nothing when the
// stage does not take the line and it passes on to the next stage.
#include <optional>
#include <string>

struct GameState;
struct Floor;
struct PlayerRecord;

using StageReply = std::optional<std::string>;
using CommandStage = StageReply (*)(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                    const std::string& line);
