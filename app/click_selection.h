#pragma once
// Clicking the panel's pictures types commands: a first click puts the
// picture's command into the typed line, a second click on the same picture
// submits it.
#include <array>
#include <string>
#include <vector>

// A picture's clickable rectangle in view units (edges included).
struct ClickArea {
  float left = 0.f;
  float top = 0.f;
  float width = 0.f;
  float height = 0.f;
};

// Where the clickable pictures are. An inventory or skill slot is hit at the
// place of its slot number with the size of the icon shown there.
struct ClickLayout {
  ClickArea portrait;
  std::array<ClickArea, 6> inventorySlots;
  std::array<ClickArea, 6> skillSlots;
  std::array<ClickArea, 8> compassTiles;
  ClickArea secret;
};

// A picture that was hit: the command it types and its selection number.
struct ClickTarget {
  std::string text;
  int selection = 0;
};

// Selection numbers of the clickable pictures.
constexpr int kPortraitSelection = 1;
constexpr int kFirstInventorySelection = 1;  // slot i is 1 + i
constexpr int kFirstSkillSelection = 7;      // slot i is 7 + i
constexpr int kFirstCompassSelection = 13;   // tile i is 13 + i
constexpr int kSecretSelection = 22;

// Clicks are taken only on the open floor: no name prompt, no fight, no
// dialogue, no prompt other than the free-command one (0 or 2), and one click
// per press of the left button.
bool clicksAllowed(bool leftButtonDown, bool clickLatch, bool namePromptOpen, int combatState,
                   int pendingPrompt, int dialogueStage);

// The pictures under (x, y) that can be used, in the order they are tried:
// the portrait; for each index 0..7 the inventory slot, else the skill slot,
// else the compass tile; then the secret room. An empty slot or an unknown
// secret room is not a target.
std::vector<ClickTarget> clickTargetsAt(float x, float y, const ClickLayout& layout,
                                        const std::vector<std::string>& inventoryNames,
                                        const std::vector<std::string>& skillNames,
                                        const std::array<std::string, 8>& directionNames,
                                        bool secretRoomKnown);

// Takes the targets hit by one click in order. A target whose number differs
// from `clickSelection` types its command; one whose number matches submits
// the line and clears the selection. Returns the submitted lines, in order;
// `inputLine` is emptied after each submission.
std::vector<std::string> applyClickTargets(const std::vector<ClickTarget>& targets, int& clickSelection,
                                           std::string& inputLine);
