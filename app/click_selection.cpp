#include "app/click_selection.h"

#include "app/letterbox.h"

namespace {

bool inside(float x, float y, const ClickArea& area) {
  return isPointOverArea(x, y, area.left, area.top, area.width, area.height);
}

}  // namespace

bool clicksAllowed(bool leftButtonDown, bool clickLatch, bool namePromptOpen, int combatState,
                   int pendingPrompt, int dialogueStage) {
  return leftButtonDown && !clickLatch && !namePromptOpen && combatState == 0 &&
         (pendingPrompt == 0 || pendingPrompt == 2) && dialogueStage == 0;
}

std::vector<ClickTarget> clickTargetsAt(float x, float y, const ClickLayout& layout,
                                        const std::vector<std::string>& inventoryNames,
                                        const std::vector<std::string>& skillNames,
                                        const std::array<std::string, 8>& directionNames,
                                        bool secretRoomKnown) {
  std::vector<ClickTarget> targets;
  if (inside(x, y, layout.portrait)) targets.push_back({"status", kPortraitSelection});
  for (std::size_t i = 0; i < directionNames.size(); ++i) {
    const int index = static_cast<int>(i);
    if (i < layout.inventorySlots.size() && inventoryNames.size() > i && inside(x, y, layout.inventorySlots[i])) {
      targets.push_back({"use " + inventoryNames[i], kFirstInventorySelection + index});
    } else if (i < layout.skillSlots.size() && skillNames.size() > i && inside(x, y, layout.skillSlots[i])) {
      targets.push_back({"use " + skillNames[i], kFirstSkillSelection + index});
    } else if (inside(x, y, layout.compassTiles[i])) {
      targets.push_back({directionNames[i], kFirstCompassSelection + index});
    }
  }
  if (secretRoomKnown && inside(x, y, layout.secret)) targets.push_back({"secret", kSecretSelection});
  return targets;
}

std::vector<std::string> applyClickTargets(const std::vector<ClickTarget>& targets, int& clickSelection,
                                           std::string& inputLine) {
  std::vector<std::string> submitted;
  for (const ClickTarget& target : targets) {
    if (clickSelection != target.selection) {
      inputLine = target.text;
      clickSelection = target.selection;
    } else {
      submitted.push_back(inputLine);
      inputLine.clear();
      clickSelection = 0;
    }
  }
  return submitted;
}
