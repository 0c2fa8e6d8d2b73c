#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "persistence/atomic_file.h"
#include "persistence/meta_save.h"
#include "persistence/run_save_format.h"
#include "tests/persistence/run_save_test_fixture.h"
#include "tests/support/scratch_dir.h"
#include "world/creature.h"
#include "world/floor_generator.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

// Opens `path` the way the prompts do and hands it to the reader, keeping
// its trace lines out of the test output.
int loadFrom(const std::string& path, GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  state.loadFile.open(path);
  testing::internal::CaptureStdout();
  try {
    const int result = state.loadRun(floorRecord, hero);
    testing::internal::GetCapturedStdout();
    return result;
  } catch (...) {
    testing::internal::GetCapturedStdout();
    throw;
  }
}

// Every saved field, plus what the save does not hold, of the records as they stand.
std::string snapshot(const GameState& state, const Floor& floorRecord, const PlayerRecord& hero) {
  std::string text = resumableSaveText(state, floorRecord, hero);
  for (const Creature& creature : floorRecord.tileCreatures) {
    text += "|" + std::to_string(creature.actions.size()) + "," + std::to_string(creature.attack);
  }
  for (const Action& skill : hero.skills) text += "|" + std::to_string(skill.uses);
  for (const TileOccupant& occupant : floorRecord.tileOccupants) text += "|" + occupant.portraitFile;
  text += "|" + std::to_string(hero.inventoryCounts.size()) + "|" + std::to_string(hero.equipment.size());
  return text;
}

// The lines of a tile block that the rebuild of its creature may overwrite:
// confident, timed, turns left, both factors, poisoned.
bool rebuiltByType(std::size_t line) {
  if (line < 82 || line >= 242) return false;
  const std::size_t offset = (line - 82) % 20;
  return offset >= 7 && offset <= 12;
}

class RunSaveReader : public ::testing::Test {
 protected:
  void SetUp() override {
    buildQuibblentTables();
    buildFixtureRun(savedState, savedFloor, savedHero);
    savedText = resumableSaveText(savedState, savedFloor, savedHero);
    savedLines = linesOf(savedText);
    ASSERT_TRUE(ensureFolder("saves"));
  }

  // A run in play that differs from the saved one almost everywhere.
  void buildRunInPlay(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
    buildFixtureRun(state, floorRecord, hero);
    hero.name = "Ann";
    hero.playerClass = "CONVICT";
    hero.gold = 5;
    hero.inventoryNames = {"LSD"};
    hero.inventoryCounts = {4, 0, 0, 0, 0, 0};
    hero.skills = {Action("INFERENCE", 1, true)};
    hero.skills[0].uses = 1;
    floorRecord.floorNumber = 3;
    floorRecord.npcPool = {"Ogre"};
    floorRecord.tileKinds[1] = "Mon";
    floorRecord.tileCreatures[1] = Creature();
    floorRecord.tileCreatures[1].type = "ORC";
    floorRecord.tileCreatures[1].quibblent = "SLEEPING";
    applyTypeStats(floorRecord.tileCreatures[1], 0);
    state.shopHintsGiven.assign(12, true);
    state.hellHintsGiven.assign(11, true);
    state.fateValue = 7;
    state.storedPlayTime = 5.0;
  }

  ScratchDir scratch;
  GameState savedState;
  Floor savedFloor;
  PlayerRecord savedHero;
  std::string savedText;
  std::vector<std::string> savedLines;
};

TEST_F(RunSaveReader, SavedRunComesBackFieldForField) {
  spit("saves/Bob.txt", savedText);
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  // A skill of the same name, already used up in this fight, is not the one loaded.
  hero.skills = {Action("MAGICBOLT", 1, true)};
  hero.skills[0].uses = 1;
  state.loadFile.open("saves/Bob.txt");
  testing::internal::CaptureStdout();
  ASSERT_EQ(state.loadRun(floorRecord, hero), kLoadedRun);
  const std::string trace = testing::internal::GetCapturedStdout();

  const std::vector<std::string> reread = linesOf(resumableSaveText(state, floorRecord, hero));
  ASSERT_EQ(reread.size(), savedLines.size());
  for (std::size_t line = 0; line < reread.size(); ++line) {
    if (rebuiltByType(line)) continue;
    EXPECT_EQ(reread[line], savedLines[line]) << "line " << line;
  }
  // The tile creatures are rebuilt from their type, then get the file's wounds and purses.
  const Creature& goblin = floorRecord.tileCreatures[0];
  EXPECT_FALSE(goblin.actions.empty());
  EXPECT_GT(goblin.attack, 0);
  EXPECT_EQ(goblin.hp, 9);
  EXPECT_EQ(goblin.maxHp, 20);
  EXPECT_EQ(goblin.goldReward, 33);
  // Occupants take their description and portrait from their key.
  EXPECT_EQ(floorRecord.tileOccupants[6].description, " stands a WISE ORC.");
  EXPECT_EQ(floorRecord.tileOccupants[6].portraitFile, "Qbl_orc.png");
  for (const Action& skill : hero.skills) EXPECT_EQ(skill.uses, 0);
  EXPECT_DOUBLE_EQ(state.storedPlayTime, 90.5);

  EXPECT_FALSE(state.loadFile.is_open());
  EXPECT_EQ(state.loadLineNumber, 268);
  EXPECT_EQ(state.loadLine, "[END]");
  EXPECT_EQ(trace.substr(0, 33), "variable: [PLAYER], line num: 0\n"
                                 "v");
  EXPECT_NE(trace.find("variable: Wise1 Chef , line num: 261\n"), std::string::npos);
}

TEST_F(RunSaveReader, WindowsLineEndsAndAFinalLineEndAreRead) {
  for (const std::string& text : {joinLines(savedLines, "\r\n"), savedText + "\n", savedText + "\r\n"}) {
    spit("saves/Bob.txt", text);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    ASSERT_EQ(loadFrom("saves/Bob.txt", state, floorRecord, hero), kLoadedRun);
    EXPECT_EQ(hero.name, "Bob");
    EXPECT_EQ(floorRecord.npcPool, (std::vector<std::string>{"Wise1", "Chef"}));
    EXPECT_EQ(state.storedPlayTime, 90.5);
  }
}

TEST_F(RunSaveReader, SeededRunsSurviveSaveAndLoad) {
  const char* classes[] = {"ACADEMIC", "CONVICT", "OPPORTUNIST", "ZOMBIE"};
  for (unsigned seed = 1; seed <= 48; ++seed) {
    dice::useSeed(seed);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    testing::internal::CaptureStdout();
    state.startNewRun(floorRecord, "Hero", true);
    hero.name = "Hero" + std::to_string(seed);
    hero.playerClass = classes[seed % 4];
    hero.gainItem("MATCH", static_cast<int>(seed % 10) + 1);
    hero.learnSkill(seed % 2 ? "EAT" : "MAGICBOLT");
    hero.gold = static_cast<int>(seed * 37);
    generateFloor(floorRecord, static_cast<int>(seed % 16) + 1, state.fateValue, hero,
                  kRolledMonsterCount);
    const bool saved = state.saveRun(floorRecord, hero);
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(saved) << "seed " << seed;
    const std::string onDisk = slurp("saves/" + hero.name + ".txt");

    GameState loadedState;
    Floor loadedFloor;
    PlayerRecord loadedHero;
    ASSERT_EQ(loadFrom("saves/" + hero.name + ".txt", loadedState, loadedFloor, loadedHero), kLoadedRun)
        << "seed " << seed;
    EXPECT_EQ(resumableSaveText(loadedState, loadedFloor, loadedHero), onDisk) << "seed " << seed;
    for (int tile = 0; tile < 8; ++tile) {
      const Creature& before = floorRecord.tileCreatures[tile];
      const Creature& after = loadedFloor.tileCreatures[tile];
      ASSERT_EQ(after.actions.size(), before.actions.size()) << "seed " << seed << " tile " << tile;
      for (std::size_t move = 0; move < before.actions.size(); ++move) {
        EXPECT_EQ(after.actions[move].name, before.actions[move].name);
      }
      EXPECT_EQ(after.hp, before.hp);
      if (floorRecord.tileOccupants[tile].key.empty()) continue;
      EXPECT_EQ(loadedFloor.tileOccupants[tile].portraitFile, floorRecord.tileOccupants[tile].portraitFile);
      EXPECT_EQ(loadedFloor.tileOccupants[tile].description, floorRecord.tileOccupants[tile].description);
    }
  }
  dice::useDevice();
}

TEST_F(RunSaveReader, MemorialsAreRecognisedAndChangeNothing) {
  struct Row {
    std::string text;
    int expected;
  };
  const Row rows[] = {
      {"[DEAD FILE]\n"
       "Here lies Bob, the failed CONVICT.\n"
       "...",
       kLoadedDeadMemorial},
      {"[DEAD FILE]\r\n"
       "Here lies Bob, the failed CONVICT.\r\n"
       "...",
       kLoadedDeadMemorial},
      {"[DEAD FILE]", kLoadedDeadMemorial},
      {"[VICTORIOUS FILE]\n"
       "This file maintained to commemorate Bob",
       kLoadedVictoriousMemorial},
      {"[VICTORIOUS FILE]\r\n", kLoadedVictoriousMemorial},
  };
  for (const Row& row : rows) {
    spit("saves/Bob.txt", row.text);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    buildRunInPlay(state, floorRecord, hero);
    state.loadLineNumber = 55;
    const std::string before = snapshot(state, floorRecord, hero);
    EXPECT_EQ(loadFrom("saves/Bob.txt", state, floorRecord, hero), row.expected) << row.text;
    EXPECT_FALSE(state.loadFile.is_open());
    EXPECT_EQ(state.loadLineNumber, 0) << row.text;
    // The hints given are forgotten, as at the start of every load...
    EXPECT_EQ(state.shopHintsGiven, std::vector<bool>(12, false)) << row.text;
    EXPECT_EQ(state.hellHintsGiven, std::vector<bool>(11, false)) << row.text;
    // ...and nothing else changes.
    state.shopHintsGiven.assign(12, true);
    state.hellHintsGiven.assign(11, true);
    EXPECT_EQ(snapshot(state, floorRecord, hero), before) << row.text;
  }
}

struct DamagedFile {
  std::string label;
  std::string text;
};

std::vector<std::string> replaced(std::vector<std::string> lines, std::size_t line, const std::string& with) {
  lines.at(line) = with;
  return lines;
}

bool looksNumeric(const std::string& line) {
  if (line.empty()) return false;
  for (const char c : line) {
    if ((c < '0' || c > '9') && c != '-' && c != '.') return false;
  }
  return true;
}

TEST_F(RunSaveReader, DamagedFilesAreRefusedAndChangeNothing) {
  const std::vector<std::string>& good = savedLines;
  std::vector<DamagedFile> files;
  // Cut short after every line, with and without the last line's end.
  for (std::size_t kept = 0; kept < good.size(); ++kept) {
    const std::vector<std::string> head(good.begin(), good.begin() + static_cast<long>(kept));
    files.push_back({"first " + std::to_string(kept) + " lines", joinLines(head)});
    if (kept > 0) files.push_back({"first " + std::to_string(kept) + " lines and a line end", joinLines(head) + "\n"});
  }
  // Every number line holding something that is not a number it can be.
  for (std::size_t line = 0; line < good.size(); ++line) {
    if (!looksNumeric(good[line])) continue;
    for (const char* junk : {"junk", "12abc", "99999999999"}) {
      // The play time takes any finite number of seconds.
      if (line == 266 && std::string(junk) == "99999999999") continue;
      files.push_back({"line " + std::to_string(line) + " = '" + junk + "'", joinLines(replaced(good, line, junk))});
    }
  }
  // Single lines out of their bounds or shape.
  struct Edit {
    std::size_t line;
    std::string with;
  };
  const Edit edits[] = {
      {3, ""}, {4, "-99999999999"}, {5, "0x10"}, {6, "1 2"}, {7, "+-5"}, {8, "+"},
      {1, "../x"}, {1, ""}, {1, "CON"}, {1, "a/b"}, {1, "NINECHARS"}, {1, "meta-save"},
      {14, "NONE"},                                   // a name after an empty slot
      {15, "POTION"},                                 // one item in two slots
      {20, "-3"}, {21, "11"},                         // negative, over a stack
      {27, "NONE"},                                   // a cooldown left for a skill that is gone
      {33, "NONE"},                                   // a skill without its cooldown
      {48, "nan"}, {48, "inf"}, {48, "-1.0"}, {49, "1e30"},
      {50, "[WEAPONS]"}, {59, ""}, {68, "[DUNGEON"}, {82, "[TILE - 1]"}, {242, "MISC"}, {267, "[END"},
      {42, "4"},                                      // LSD beyond its last stage
      {71, "0"}, {71, "17"},                          // no such floor
      {76, "100"}, {76, "-1"},                        // fate beyond 0..99
      {81, "7"},                                      // no such lore scroll
      {82 + 20 * 4 + 16, "13"}, {82 + 20 * 4 + 16, "97"},  // no such scroll tier
      {82 + 20 * 4 + 16, "100"}, {82 + 20 * 4 + 16, "-1"},
      {82 + 10, "nan"},                               // a creature's factor
      {246, "nan"}, {246, "1e30"},
      {257, "1001000000011"}, {257, "10010000000"}, {258, "01200000001"},
      {259, "1000000000000000000000000000100"}, {259, "10000000000000000000000000001"},
      {260, "-1"}, {260, "3"}, {260, "1"}, {260, "65"},
      {261, "Wise1 Chef"}, {261, "Wise1  Chef "}, {261, " Wise1 Chef "},
      {262, "3"}, {263, "-1"},
      {266, "nan"}, {266, "inf"}, {266, "-1.5"}, {266, "1e999"},
  };
  for (const Edit& edit : edits) {
    files.push_back({"line " + std::to_string(edit.line) + " = '" + edit.with + "'",
                     joinLines(replaced(good, edit.line, edit.with))});
  }
  // A pool far longer than any floor keeps.
  std::vector<std::string> longPool = replaced(good, 260, "65");
  longPool[261].clear();
  for (int key = 0; key < 65; ++key) longPool[261] += "Ogre ";
  files.push_back({"65 pool keys", joinLines(longPool)});
  // Whole files that are not a run save.
  files.push_back({"one line more", savedText + "\n"
                                                "extra"});
  files.push_back({"empty", ""});
  files.push_back({"line ends only", "\n"
                                     "\n"
                                     "\n"});
  files.push_back({"default meta save", kDefaultMetaSaveText});
  files.push_back({"written meta save", metaSaveText(savedState)});
  files.push_back({"binary", std::string("\0\xff\xfe[PLAYER]\0\n"
                                         "\x01",
                                         14)});
  files.push_back({"a two-megabyte quibblent", joinLines(replaced(good, 2, std::string(2 << 20, 'Q')))});
  files.push_back({"the file twice", savedText + "\n" + savedText});

  // One run in play meets every file: a refused file may change nothing, so
  // the first file that does shows up by its label and spoils the rest.
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  buildRunInPlay(state, floorRecord, hero);
  const std::string before = snapshot(state, floorRecord, hero);
  for (const DamagedFile& file : files) {
    spit("saves/Bob.txt", file.text);
    dice::Script noRolls({}, {});  // a refused file rolls nothing
    int result = 0;
    EXPECT_NO_THROW(result = loadFrom("saves/Bob.txt", state, floorRecord, hero)) << file.label;
    EXPECT_EQ(result, kLoadRefused) << file.label;
    EXPECT_EQ(snapshot(state, floorRecord, hero), before) << file.label;
    EXPECT_FALSE(state.loadFile.is_open()) << file.label;
  }
}

TEST_F(RunSaveReader, UnopenedFileIsRefused) {
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  buildRunInPlay(state, floorRecord, hero);
  const std::string before = snapshot(state, floorRecord, hero);
  EXPECT_EQ(loadFrom("saves/Nobody.txt", state, floorRecord, hero), kLoadRefused);
  EXPECT_EQ(snapshot(state, floorRecord, hero), before);
}

TEST_F(RunSaveReader, EmptySlotsRepeatedSkillsAndTheNameInside) {
  // Six empty item slots: no names, the counts still read.
  std::vector<std::string> lines = savedLines;
  for (std::size_t line = 14; line <= 25; ++line) {
    lines[line] = line < 20 ? "NONE" : std::to_string(line - 19);
  }
  lines[260] = "0";
  lines[261] = "";
  spit("saves/Other.txt", joinLines(lines));
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
  buildRunInPlay(state, floorRecord, hero);
  floorRecord.monsterCount = 5;
  floorRecord.secret2Known = true;
  hero.stunned = true;
  ASSERT_EQ(loadFrom("saves/Other.txt", state, floorRecord, hero), kLoadedRun);
  // What the file does not hold stays as it was.
  EXPECT_EQ(floorRecord.monsterCount, 5);
  EXPECT_TRUE(floorRecord.secret2Known);
  EXPECT_TRUE(hero.stunned);
  EXPECT_TRUE(hero.inventoryNames.empty());
  EXPECT_EQ(hero.inventoryCounts, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(floorRecord.npcPool.empty());
  // The name inside the file, not the file's own name, is the hero's now.
  EXPECT_EQ(hero.name, "Bob");

  // A skill saved twice: only a hero who was a ZOMBIE before the load keeps
  // both; the cooldowns go by position to the list as learned.
  lines = savedLines;
  lines[26] = "EAT";
  lines[27] = "EAT";
  lines[32] = "3";
  lines[33] = "4";
  spit("saves/Bob.txt", joinLines(lines));
  struct Row {
    std::string classBefore;
    std::vector<int> cooldowns;
  };
  for (const Row& row : {Row{"CONVICT", {3}}, Row{"ZOMBIE", {3, 4}}}) {
    GameState otherState;
    Floor otherFloor;
    PlayerRecord otherHero;
    buildRunInPlay(otherState, otherFloor, otherHero);
    otherHero.playerClass = row.classBefore;
    ASSERT_EQ(loadFrom("saves/Bob.txt", otherState, otherFloor, otherHero), kLoadedRun);
    std::vector<int> cooldowns;
    for (const Action& skill : otherHero.skills) {
      EXPECT_EQ(skill.name, "EAT");
      cooldowns.push_back(skill.cooldownLeft);
    }
    EXPECT_EQ(cooldowns, row.cooldowns) << row.classBefore;
    EXPECT_EQ(otherHero.playerClass, "ACADEMIC");
  }
}

}  // namespace

namespace {

TEST_F(RunSaveReader, LinesTheGameReadsLooselyStillLoad) {
  struct Row {
    std::size_t line;
    std::string text;
    std::function<bool(const GameState&, const Floor&, const PlayerRecord&)> holds;
  };
  const Row rows[] = {
      // any first line but a memorial's starts a load
      {0, "", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.name == "Bob"; }},
      {0, "[HERO]", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.name == "Bob"; }},
      // the ghasts still owed are read as a decimal and cut to a whole number
      {246, "2.9", [](const GameState&, const Floor& f, const PlayerRecord&) { return f.ghastsToPlace == 2; }},
      // a number may carry a sign and stand between spaces
      {3, "+5", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.level == 5; }},
      {5, " 30 ", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.hp == 30; }},
      {48, "+2.5", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.attackFactor == 2.5f; }},
      // a flag is any whole number, true unless 0
      {57, "7", [](const GameState&, const Floor&, const PlayerRecord& h) { return h.equipment[0].quibblentTimed; }},
  };
  for (const Row& row : rows) {
    spit("saves/Bob.txt", joinLines(replaced(savedLines, row.line, row.text)));
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    ASSERT_EQ(loadFrom("saves/Bob.txt", state, floorRecord, hero), kLoadedRun) << "line " << row.line;
    EXPECT_TRUE(row.holds(state, floorRecord, hero)) << "line " << row.line << " = " << row.text;
  }
}

}  // namespace

namespace {

// Line positions in the resumable form.
constexpr std::size_t kGoldLine = 11;
constexpr std::size_t kFirstCountLine = 20;
constexpr std::size_t kLsdLine = 42;
constexpr std::size_t kKillScoreLine = 45;
constexpr std::size_t kAttackFactorLine = 48;
constexpr std::size_t kFloorLine = 71;
constexpr std::size_t kFateLine = 76;
constexpr std::size_t kSouthTierLine = 82 + 20 * 4 + 16;  // the fixture's scroll lies south
constexpr std::size_t kPotionsForSaleLine = 255;
constexpr std::size_t kPlayTimeLine = 266;

// The top (and bottom) of every bounded line is a value the game writes, so
// a file on disk holding it loads and is written back as it was.
TEST_F(RunSaveReader, EveryValueTheGameWritesLoadsAndIsWrittenAgainAsItWas) {
  struct Row {
    std::size_t line;
    std::string text;
  };
  const std::string top = std::to_string(kLargestRunNumber);
  const Row rows[] = {
      {kSouthTierLine, "98"},  // a spell scroll that proved unreadable
      {kSouthTierLine, "99"},  // a spell scroll whose spell was taken
      {kSouthTierLine, "12"},
      {kSouthTierLine, "0"},
      {kGoldLine, top},
      {kGoldLine, "-" + top},
      {kKillScoreLine, top},
      {kPotionsForSaleLine, top},
      {kFirstCountLine, std::to_string(kStackLimit)},
      {kLsdLine, "3"},
      {kAttackFactorLine, "100.000000"},
      {kFloorLine, "16"},
      {kFateLine, "99"},
      {kPlayTimeLine, "1000000005.250000"},  // past the bound the reader once had
      {kPlayTimeLine, std::to_string(1e300)},
  };
  for (const Row& row : rows) {
    spit("saves/Bob.txt", joinLines(replaced(savedLines, row.line, row.text)));
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    ASSERT_EQ(loadFrom("saves/Bob.txt", state, floorRecord, hero), kLoadedRun)
        << "line " << row.line << " = " << row.text;
    state.elapsedSeconds = 0.0;
    EXPECT_EQ(linesOf(resumableSaveText(state, floorRecord, hero)).at(row.line), row.text) << "line " << row.line;
  }
}

// A run loaded with a number at its bound and then played on is saved by the
// game in a form the game loads again: the step that adds holds the sum.
TEST_F(RunSaveReader, ARunPlayedOnFromItsBoundsIsSavedInAFormThatLoads) {
  struct Row {
    std::string label;
    std::function<void(GameState&, Floor&, PlayerRecord&)> setUp;
    std::string line;  // typed once the run is in play; "" types nothing
    bool stepSaves;    // the step writes the save itself; otherwise a save follows it
    std::function<bool(const GameState&, const Floor&, const PlayerRecord&)> holds;
  };
  const Row rows[] = {
      {"gold at the top, then a purse from the ashes",
       [](GameState&, Floor& f, PlayerRecord& h) {
         h.gold = kLargestRunNumber;
         f.tileKinds[1] = "Gold";
         f.tileCreatures[1].goldReward = 40;
       },
       "northeast", false,
       [](const GameState&, const Floor&, const PlayerRecord& h) { return h.gold == kLargestRunNumber; }},
      {"potions for sale at the top, then the stairs to floor 3 and their autosave",
       [](GameState& s, Floor& f, PlayerRecord&) {
         s.potionsForSale = kLargestRunNumber;
         f.floorNumber = 2;
         f.tileCreatures[0].confident = false;  // no ambush on the way down
         s.pendingPrompt = 43;
         s.autosave = true;
       },
       "y", true,
       [](const GameState& s, const Floor& f, const PlayerRecord&) {
         return f.floorNumber == 3 && s.potionsForSale == kLargestRunNumber;
       }},
      {"play time past the reader's old bound, then a session's seconds",
       [](GameState& s, Floor&, PlayerRecord&) {
         s.storedPlayTime = 1e9 - 0.5;
         s.clockStart = GameState::Clock::now() - std::chrono::seconds(3);
       },
       "", false,
       [](const GameState& s, const Floor&, const PlayerRecord&) { return s.storedPlayTime > 1e9 + 2.0; }},
  };
  for (const Row& row : rows) {
    dice::useSeed(5);
    GameState state;
    Floor floorRecord;
    PlayerRecord hero;
    buildFixtureRun(state, floorRecord, hero);
    state.pendingPrompt = 2;
    row.setUp(state, floorRecord, hero);
    testing::internal::CaptureStdout();
    if (!row.line.empty()) state.processCommand(row.line, floorRecord, hero);
    const bool saved = row.stepSaves || state.saveRun(floorRecord, hero);
    testing::internal::GetCapturedStdout();
    dice::useDevice();
    ASSERT_TRUE(saved) << row.label;

    GameState loadedState;
    Floor loadedFloor;
    PlayerRecord loadedHero;
    ASSERT_EQ(loadFrom("saves/Bob.txt", loadedState, loadedFloor, loadedHero), kLoadedRun) << row.label;
    EXPECT_TRUE(row.holds(loadedState, loadedFloor, loadedHero)) << row.label;
  }
}

}  // namespace
