#include "interpreter/look_and_move.h"

#include <chrono>

#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

struct DirectionWord {
  const char* word;
  int code;
};

// Columns: typed word, direction code (0 north, clockwise).
const DirectionWord kDirectionWords[] = {
    {"n", 0},          {"north", 0},      {"ne", 1},        {"northeast", 1}, {"north east", 1},
    {"e", 2},          {"east", 2},       {"se", 3},        {"southeast", 3}, {"south east", 3},
    {"s", 4},          {"south", 4},      {"sw", 5},        {"southwest", 5}, {"south west", 5},
    {"w", 6},          {"west", 6},       {"nw", 7},        {"northwest", 7}, {"north west", 7},
};

// The labels of the room description, in direction order.
const char* const kDirectionLabels[] = {"To the NORTH",     "To the NORTHEAST", "To the EAST", "To the SOUTHEAST",
                                        "To the SOUTH",     "To the SOUTHWEST", "To the WEST", "To the NORTHWEST"};

constexpr int kLastFloor = 16;

// A monster's tile text says what stands there now: it may have changed its
// word since the floor was made.
void rewriteMonsterText(Floor& floorRecord, int i) {
  const Creature& creature = floorRecord.tileCreatures[i];
  const std::string who = creature.quibblent + " " + creature.type;
  const std::string& kind = floorRecord.tileKinds[i];
  std::string& text = floorRecord.tileTexts[i];
  if (kind == "FinalMon") {
    text = " stands the fearsome " + who +
           ", \n"
           "blocking your one exit out of the dungeon!!";
  } else if (kind == "MonExit") {
    const bool diagonal = i % 2 == 1;
    const bool tooLong = text.size() > 48 || (diagonal && text.size() > 44);
    text = tooLong ? ", a " + who +
                         " blocks\n"
                         "the stairs."
                   : ", a " + who + " blocks the stairs.";
  } else if (kind == "Mon") {
    text = " stands a " + who + ".";
  }
}

std::string describeTiles(const Floor& floorRecord, int first) {
  std::string text;
  for (int i = first; i < first + 4; ++i) {
    if (i != first) text += "\n";
    text += kDirectionLabels[i] + floorRecord.tileTexts[i];
  }
  return text;
}

}  // namespace

int directionOfLine(const std::string& line) {
  for (const DirectionWord& row : kDirectionWords) {
    if (line == row.word) return row.code;
  }
  return -1;
}

bool lineIsEmptyAfterOrdinaryReply(const GameState& state, const PlayerRecord&, const std::string& line) {
  return line.empty() && state.lastReplyKind == kOrdinaryReply;
}

bool lineIsDirection(const GameState&, const PlayerRecord&, const std::string& line) {
  return directionOfLine(line) >= 0;
}

std::string commandEmptyLine(GameState&, Floor&, PlayerRecord&, const std::string&) { return "..."; }

std::string commandTime(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  state.clockNow = GameState::Clock::now();
  state.elapsedSeconds = std::chrono::duration<double>(state.clockNow - state.clockStart).count();
  return "You have been playing for " + state.formatPlayTime(state.elapsedSeconds) + ".";
}

std::string commandLook(GameState& state, Floor& floorRecord, PlayerRecord&, const std::string&) {
  if (floorRecord.floorNumber == kLastFloor) {
    return "To the NORTH is where you're going.\n"
           "To the SOUTH is where you came from.\n"
           "There is nothing else.";
  }
  state.lastReplyKind = kLookFirstPageShown;
  for (int i = 0; i < 8; ++i) rewriteMonsterText(floorRecord, i);
  return describeTiles(floorRecord, 0) + "\n"
                                         "[TYPE ANYTHING TO CONTINUE]";
}

std::string lookSecondPage(const Floor& floorRecord) { return describeTiles(floorRecord, 4); }

std::string commandMove(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line) {
  state.lastReplyKind = kOrdinaryReply;
  state.moveDirection = directionOfLine(line);
  state.roomKey = floorRecord.tileKinds[state.moveDirection];
  state.handleTileEvent(state.moveDirection, state.roomKey, floorRecord, playerRecord);
  return state.messageBuffer;
}

std::string commandSecret(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  if (!floorRecord.secretRoomKnown) {
    return "Secret? What secret? I have no idea what you're \n"
           "talking about... There are no secrets in this dungeon!";
  }
  state.roomKey = floorRecord.secretRoomKind;
  if (!floorRecord.secretRoomEntered) {
    floorRecord.secretRoomEntered = true;
    playerRecord.discoveryScore += 1;
  }
  state.handleSecretRoom(state.roomKey, floorRecord, playerRecord);
  return state.messageBuffer;
}

std::string commandSecret2(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string&) {
  state.lastReplyKind = kOrdinaryReply;
  if (!floorRecord.secret2Known) return "Don't be ridiculous.";
  state.handleSecretRoom("Curse", floorRecord, playerRecord);
  return state.messageBuffer;
}
