#include "interpreter/achievements_viewer.h"

// Not in the game yet: every line passes on.
StageReply offerToAchievementsViewer(GameState&, Floor&, PlayerRecord&, const std::string&) {
  return std::nullopt;
}
