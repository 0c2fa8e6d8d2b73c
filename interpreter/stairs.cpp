#include "interpreter/stairs.h"

#include <algorithm>
#include <iostream>

#include "interpreter/class_choice.h"
#include "interpreter/music_requests.h"
#include "interpreter/overwrite_death.h"
#include "interpreter/prompt_answers.h"
#include "persistence/save_names.h"
#include "world/action.h"
#include "world/floor.h"
#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

const char kStepBack[] =
    "You step back from the stairs and breathe a little sigh of \n"
    "relief. You don't want to admit it to yourself, but you've \n"
    "grown attached to this floor and aren't ready to say goodbye \n"
    "just yet.";
const char kStairsScold[] =
    "Listen up lil bitch ass lil bitch. Are you going down the \n"
    "stairs or not, Y or N?";
const char kDescent[] =
    "With the current floor emptied to your satisfaction, you\n"
    "take a deep breath and walk down the stairs to the next \n"
    "floor... You are now on level ";
const char kWitherIntoZombie[] =
    "\n"
    "Suddenly, you begin to wither and die... The lingering DARK \n"
    "ENERGIES within you are fighting to get out. You scream and \n"
    "collapse, only to rise once more with a hunger for flesh.";
const char kGoblinScrollRemembered[] =
    "\n"
    "You remember reading a scroll that said there was some kind \n"
    "of secret room here... Oh, it's right over there!\n"
    "Type 'secret' to access this floor's secret room!";
const char kFlashOfInsight[] = "\n"
                               "You feel a flash of insight...\n"
                               "Type 'secret' to access this floor's secret room!";
const char kSecretTypeHint[] = "\n"
                               "Type 'secret' to access this floor's secret room!";

constexpr int kFateOfDoom = 99;
constexpr int kFirstAmbushFloor = 4;
constexpr int kLeastAmbushScore = 5;
constexpr int kLastFloor = 16;
constexpr int kZombieFloor = 15;
constexpr int kGoblinScrollFloor = 7;

bool isFreeMonster(const Floor& floorRecord, int i) { return floorRecord.tileKinds[i] == "Mon"; }

// The monster on tile `attacker` leaves it and takes the stairs tile.
std::string ambush(GameState& state, Floor& floorRecord, int attacker) {
  const int stairs = state.moveDirection;
  const Creature creature = floorRecord.tileCreatures[attacker];
  floorRecord.clearTile(attacker, "... there is nothing at all.");
  floorRecord.tileCreatures[stairs] = creature;
  state.currentEnemy = creature;
  floorRecord.tileKinds[stairs] = "MonExit";
  const std::string who = creature.quibblent + " " + creature.type;
  floorRecord.tileTexts[stairs] = ", a " + who + " blocks the stairs.";
  state.combatState = 3;
  state.messageBuffer = "A " + who + " charges up and attacks you!\n"
                                     "Your stair-climbing endeavors are interrupted by combat!!\n" + who + " goes first.\n"
                                             "[TYPE ANYTHING TO CONTINUE]";
  return state.messageBuffer;
}

// Whether the floor's monsters are riled enough, and the roll falls, for an ambush.
bool ambushHappens(GameState& state, const Floor& floorRecord, const PlayerRecord& playerRecord) {
  state.ambushScore = 0;
  for (int i = 0; i < kTileCount; ++i) {
    const Creature& c = floorRecord.tileCreatures[i];
    if (isFreeMonster(floorRecord, i) && c.aggression > 0) state.ambushScore += c.hp < c.maxHp / 2 ? 2 : 4;
  }
  const int floorNumber = floorRecord.floorNumber;
  if ((floorNumber < kFirstAmbushFloor && state.fateValue != kFateOfDoom) || state.ambushScore < kLeastAmbushScore) {
    return false;
  }
  state.ambushScore += std::min(floorNumber, 10);
  if (state.fateValue == kFateOfDoom) state.ambushScore += 5;
  if (playerRecord.playerClass == "OPPORTUNIST") state.ambushScore -= 5;
  state.auxCounter = static_cast<int>(dice::below(20)) + 11;
  return state.ambushScore >= state.auxCounter;
}

// Weighted by aggression; -1 when the walk finds nobody.
int chooseAttacker(GameState& state, const Floor& floorRecord) {
  int total = 0;
  for (int i = 0; i < kTileCount; ++i) {
    if (isFreeMonster(floorRecord, i) && floorRecord.tileCreatures[i].aggression >= 0) {
      total += floorRecord.tileCreatures[i].aggression;
    }
  }
  state.auxCounter = static_cast<int>(dice::below(static_cast<std::uint32_t>(total)));
  state.pendingWord.clear();
  int runningSum = 0;
  for (int i = 0; i < kTileCount; ++i) {
    if (!isFreeMonster(floorRecord, i) || floorRecord.tileCreatures[i].aggression < 0) continue;
    const int aggression = floorRecord.tileCreatures[i].aggression;
    runningSum += aggression;
    std::cout << "Current: " << aggression << "... is " << runningSum << " > " << state.auxCounter << "?\n";
    if (runningSum > state.auxCounter) return i;
  }
  return -1;
}

void imbueNewFloor(GameState& state, Floor& floorRecord, const PlayerRecord& playerRecord) {
  const std::string& imbuement = playerRecord.imbuement;
  for (Creature& creature : floorRecord.tileCreatures) {
    if (imbuement == "LAUGHING GAS") {
      state.auxCounter = static_cast<int>(dice::below(3));
      if (state.auxCounter == 2) creature.changeQuibblent("SLEEPING", state, false);
    } else if (imbuement == "GHAST-BUSTER") {
      state.auxCounter = static_cast<int>(dice::below(6));
      if (state.auxCounter == 3) creature.changeQuibblent("GHASTLY", state, false);
    } else if (imbuement == "CONTRACT") {
      if (creature.type != "HELLSATAN" && creature.type != "HELLFUCKER" && creature.type != "DRAGON") {
        creature.actions.push_back(Action("NEGOTIATION", 4, false));
      }
    }
  }
}

void announceSecretRoom(GameState& state, Floor& floorRecord, const PlayerRecord& playerRecord) {
  state.auxCounter = static_cast<int>(dice::below(3));
  const int roll = state.auxCounter;
  const ItemRecord& weapon = playerRecord.equipment[0];
  const ItemRecord& armor = playerRecord.equipment[1];
  if (floorRecord.floorNumber == kGoblinScrollFloor && floorRecord.goblinShopKnown) {
    floorRecord.secretRoomKnown = true;
    state.loopFlag = false;
    state.messageBuffer += kGoblinScrollRemembered;
  } else if (playerRecord.quibblent == "KNOWLEDGEABLE" || (roll == 1 && playerRecord.playerClass == "ACADEMIC") ||
             playerRecord.imbuement == "TOME OF WISDOM") {
    floorRecord.secretRoomKnown = true;
    state.messageBuffer += kFlashOfInsight;
  } else if ((weapon.quibblent == "KNOWLEDGEABLE" && roll == 2) || (armor.quibblent == "KNOWLEDGEABLE" && roll == 0)) {
    const ItemRecord& whisperer = weapon.quibblent == "KNOWLEDGEABLE" && roll == 2 ? weapon : armor;
    floorRecord.secretRoomKnown = true;
    state.loopFlag = false;
    state.messageBuffer += "\n"
                           "Your ";
    state.messageBuffer += whisperer.name;
    state.messageBuffer += " whispers secrets to \n"
                           "you in a strange tongue...";
    state.messageBuffer += kSecretTypeHint;
  }
}

// The announcement of a save appears only after the file really was written.
void autosave(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  const bool written = isSafeSaveName(playerRecord.name) && state.saveRun(floorRecord, playerRecord);
  if (written) {
    state.messageBuffer += "\n"
                           "Autosaved file " +
                           playerRecord.name + "!";
  } else {
    state.messageBuffer += "\n";
    state.messageBuffer += savedFileReply(false, playerRecord.name);
  }
}

std::string descend(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  floorRecord.floorNumber += 1;
  if (floorRecord.floorNumber % 3 == 0) state.potionsForSale += 1;
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, playerRecord, -1);
  imbueNewFloor(state, floorRecord, playerRecord);
  if (playerRecord.discoveryScore >= 4 && !floorRecord.wizardMet && floorRecord.secretRoomKind != "Goblin" &&
      floorRecord.floorNumber < 15) {
    floorRecord.secretRoomKind = "Wizard";
  }
  requestMusic(state, kAmbientTrack);
  state.loopFlag = true;
  state.messageBuffer = kDescent + std::to_string(floorRecord.floorNumber) + "!!";
  if (playerRecord.imbuement == "NECRONOMICON" && playerRecord.playerClass != "ZOMBIE" &&
      floorRecord.floorNumber == kZombieFloor) {
    state.loopFlag = false;
    turnIntoZombie(playerRecord, kZombieOnFloor15);
    state.messageBuffer += kWitherIntoZombie;
  } else if (floorRecord.floorNumber != kLastFloor) {
    announceSecretRoom(state, floorRecord, playerRecord);
  }
  if (state.autosave && state.loopFlag) autosave(state, floorRecord, playerRecord);
  return state.messageBuffer;
}

std::string goDownTheStairs(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord) {
  state.pendingPrompt = kNoPrompt;
  state.ambushScore = 0;
  if (state.firstCombatHint) {
    state.firstCombatHint = false;
    state.saveMeta(false);
  }
  if (playerRecord.playerClass != "OPPORTUNIST") {
    for (int i = 0; i < kTileCount; ++i) {
      if (isFreeMonster(floorRecord, i) && floorRecord.tileCreatures[i].confident) return ambush(state, floorRecord, i);
    }
  }
  if (!ambushHappens(state, floorRecord, playerRecord)) return descend(state, floorRecord, playerRecord);
  const int attacker = chooseAttacker(state, floorRecord);
  if (attacker < 0) return "Something broke!!";
  return ambush(state, floorRecord, attacker);
}

}  // namespace

std::string answerStairs(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      return goDownTheStairs(state, floorRecord, playerRecord);
    case YesNoAnswer::kNo:
      state.pendingPrompt = kNoPrompt;
      return kStepBack;
    case YesNoAnswer::kNeither:
      break;
  }
  return kStairsScold;
}
