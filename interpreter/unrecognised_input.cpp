#include "interpreter/unrecognised_input.h"

#include <string>

#include "interpreter/command_step.h"
#include "interpreter/information_commands.h"
#include "interpreter/look_and_move.h"
#include "interpreter/use_and_drop.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

// A single digit from 1 to 6, as the lists number their rows; 0 otherwise.
int listChoice(const std::string& line) {
  if (line.size() != 1 || line[0] < '1' || line[0] > '6') return 0;
  return line[0] - '0';
}

// The ACADEMIC's own ANTIBIOTICS, chosen from the skills list.
std::string useAntibioticsSkill(Action& skill, PlayerRecord& playerRecord, GameState& state) {
  if (skill.cooldownLeft > 0) return "You cannot use that skill, it is currently cooling down!";
  std::string text = "You take some ANTIBIOTICS.";
  skill.cooldownLeft += skill.cooldown;
  playerRecord.antibioticsUsed += 1;
  if (playerRecord.antibioticsUsed > 4) {
    text += "\n"
            "The bacteria in your body have developed ANTIBIOTIC \n"
            "RESISTANCE! The antibiotics do nothing.\n";
  } else if (playerRecord.quibblent != "CONFUSED" && !playerRecord.poisoned) {
    text += "\n"
            "You are already perfectly healthy.\n"
            "You shouldn't waste antibiotics like that, you know.\n";
  } else {
    if (playerRecord.quibblent == "CONFUSED") {
      text += "\n";
      text += playerRecord.changeQuibblent("UNINTERESTING", state, false);
      text += "\n";
    }
    if (playerRecord.poisoned) {
      playerRecord.poisoned = false;
      text += " Your POISON has been cured!\n";
    }
  }
  text += "It is now the enemy's tur- ...Wait, no, nevermind.";
  state.messageBuffer = text;
  return text;
}

std::string chooseFromSkills(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                             const std::string& line) {
  state.lastReplyKind = kOrdinaryReply;
  const int choice = listChoice(line);
  if (choice == 0) return kUnrecognisedReply;
  if (static_cast<std::size_t>(choice) > playerRecord.skills.size()) return "That's not a real skill...";
  Action& skill = playerRecord.skills[choice - 1];
  if (skill.name == "ANTIBIOTICS") return useAntibioticsSkill(skill, playerRecord, state);
  if (skill.name == "HEAL") return commandUseHealSkill(state, floorRecord, playerRecord, "heal");
  if (skill.name == "EAT") return commandUseEatSkill(state, floorRecord, playerRecord, "eat");
  return "You cannot use that skill outside of combat!";
}

std::string chooseFromInventory(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                                const std::string& line) {
  state.lastReplyKind = kOrdinaryReply;
  if (const int choice = listChoice(line); choice != 0) {
    const bool held = static_cast<std::size_t>(choice) <= playerRecord.inventoryNames.size();
    return playerRecord.useItem(held ? playerRecord.inventoryNames[choice - 1] : "", state, false);
  }
  if (line.size() == 6 && line.compare(0, 5, "drop ") == 0) {
    std::string slotLine = "drop item ";
    slotLine += line[5];
    return commandDropItemSlot(state, floorRecord, playerRecord, slotLine);
  }
  return kUnrecognisedReply;
}

}  // namespace

std::string answerUnrecognised(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord,
                               const std::string& line) {
  switch (state.lastReplyKind) {
    case kHelpFirstPageShown:
      state.lastReplyKind = kOrdinaryReply;
      return kHelpSecondPage;
    case kLookFirstPageShown:
      state.lastReplyKind = kOrdinaryReply;
      return lookSecondPage(floorRecord);
    case kSkillsListShown:
      return chooseFromSkills(state, floorRecord, playerRecord, line);
    case kInventoryListShown:
      return chooseFromInventory(state, floorRecord, playerRecord, line);
    default:
      return kUnrecognisedReply;
  }
}
