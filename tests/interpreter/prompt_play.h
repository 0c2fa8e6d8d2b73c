#pragma once
// A game in a scratch folder, played line by line through the command step,
// for the tests of the prompts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/game_texts.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

// Seeds the rolls before any record is made, so the records' own rolls are
// the same in every run of a test.
struct SeededRolls {
  explicit SeededRolls(unsigned seed) { dice::useSeed(seed); }
  ~SeededRolls() { dice::useDevice(); }
};

// Start-up fills the quibblent tables before any step is played.
struct TablesFilled {
  TablesFilled() { buildQuibblentTables(); }
};

// The game keeps its saves in "saves/", which start-up makes with the meta save.
struct SavesFolder {
  SavesFolder() { std::filesystem::create_directory("saves"); }
};

class PromptPlay : public ::testing::Test {
 protected:
  ScratchDir scratch;
  SavesFolder savesFolder;
  TablesFilled tablesFilled;
  SeededRolls seeded{11};
  GameState state;
  Floor floorRecord;
  PlayerRecord player;

  std::string type(const std::string& line) { return state.processCommand(line, floorRecord, player); }

  // From the name prompt through the class choice and the start kit.
  std::string startRun(const std::string& heroName, const std::string& classLine) {
    state.namePromptOpen = true;
    type(heroName);
    type(classLine);
    return type("");
  }

  // Opens prompt `prompt` as the event that asks it would.
  void openPrompt(int prompt) { state.pendingPrompt = prompt; }
};
