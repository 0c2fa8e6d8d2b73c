#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/interpreter/prompt_play.h"

namespace {

const char kSlashRefusal[] =
    "Sorry boss. Don't get me wrong, that's a great name, but \n"
    "that '/' there is unworkable for stupid technical reasons. \n"
    "Pick another one.";
const char kBackslashRefusal[] =
    "Sorry boss. Don't get me wrong, that's a great name, but \n"
    "that '\\' there is unworkable for stupid technical reasons. \n"
    "Pick another one.";
const char kUnworkableRefusal[] =
    "Sorry boss. Don't get me wrong, that's a great name, but \n"
    "it is unworkable as a save file name for stupid technical \n"
    "reasons. Pick another one.";
const char kLoadRefusal[] =
    "There can't be a save file with a name like that, boss. \n"
    "Type the name of the character to be loaded, \n"
    "or type nothing to return to the dungeon.";
const char kLoadUnreadable[] = "Load failed - that file is damaged or unreadable! \n"
                               "Your game goes on as it was.";
const char kDeadQuestion[] =
    " is dead. \n"
    "Your save file has been turned into a memorial for their \n"
    "life, including stats and the monster who killed them.\n"
    "Would you like to overwrite that file and start a new game \n"
    "under the name ";
const char kVictoriousQuestion[] =
    " has completed the game! \n"
    "Your save file has been turned into a memorial for their \n"
    "victory, including class and clear time.\n"
    "Would you like to overwrite that file and start a new game \n"
    "under the name ";
const char kNamePromptEnding[] = "? (Y/N)\n"
                                 "[WARNING - TYPING 'N' WILL QUIT THE GAME]";

// Every file below the scratch folder, as paths relative to it.
std::vector<std::string> filesBelow(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    found.push_back(std::filesystem::relative(entry.path(), folder).string());
  }
  return found;
}

// Names that must never become a save file, with the name prompt's answer
// (nullptr: too long, answered by the count of too-long names).
struct UnsafeName {
  std::string name;
  const char* namePromptReply;
};

const std::vector<UnsafeName> kUnsafeNames = {
    {"a/b", kSlashRefusal},
    {"../x", kSlashRefusal},
    {"/tmp/x", kSlashRefusal},
    {"a\\b", kBackslashRefusal},
    {"..\\x", kBackslashRefusal},
    {"a/b\\", kBackslashRefusal},  // the backslash is told of first
    {".", kUnworkableRefusal},
    {"..", kUnworkableRefusal},
    {"a:b", kUnworkableRefusal},
    {"a*", kUnworkableRefusal},
    {"why?", kUnworkableRefusal},
    {"\"q\"", kUnworkableRefusal},
    {"<a>", kUnworkableRefusal},
    {"a|b", kUnworkableRefusal},
    {"CON", kUnworkableRefusal},
    {"nul", kUnworkableRefusal},
    {"Com1", kUnworkableRefusal},
    {"LPT9", kUnworkableRefusal},
    {"aux", kUnworkableRefusal},
    {"prn", kUnworkableRefusal},
    {"meta-save", nullptr},
    {"META-SAVE", nullptr},
    {"../saves/Keeper", nullptr},
    {"tab\there", kUnworkableRefusal},
    {std::string("\x80") + "x", kUnworkableRefusal},
};

TEST_F(PromptPlay, TooLongNamesAreRefusedElevenTimesAndTheTwelfthBecomesDumpo) {
  state.namePromptOpen = true;
  const std::string nine = "ABCDEFGHI";
  EXPECT_EQ(type(nine), "Nice try dumpo. NO MORE THAN EIGHT CHARACTERS, please.");
  // Neither an empty name nor a slash counts as too long.
  EXPECT_EQ(type(""), "Nice try dumpo. You need to input an actual name.");
  EXPECT_EQ(type("a/b"), kSlashRefusal);
  EXPECT_EQ(type(nine + "JKLMNOP"), "See, buddy, that's just not going to happen. No more than \n"
                                    "eight characters to a name, or no names for you.");
  // The answers to the third to tenth too-long names, in turn.
  const std::vector<std::string> laterRefusals = {
      "No more than eight characters, please. I'm sure your name \n"
      "is really awesome. But rules are rules.",
      "Do you think these rules are arbitrary? Do you think I'm \n"
      "limiting you to eight characters purely for my own selfish \n"
      "enjoyment? Because you're wrong. No more than eight \n"
      "characters, please.",
      "Maybe I *do* enjoy limiting you to eight characters. Maybe \n"
      "I think it's funny, a little bit. But that shouldn't matter. \n"
      "No more than eight characters, please.",
      "Nice try dumpo. No more than eight characters, please.",
      "Your inability to follow these instructions is seriously \n"
      "worrying me. Did you know, in the actual game, there are \n"
      "challenges even HARDER than trying to input a sequence of \n"
      "<9 characters? It's true. You can find out for yourself, if \n"
      "you input a name of 8 characters or fewer.",
      "This part of the game was not meant to be challenging. It \n"
      "shouldn't take eight attempts. Maybe I need a tutorial for \n"
      "this part? Like, a sequence where you can use up to sixteen \n"
      "characters in your input, just to prepare you for this one?",
      "Clearly this area is prohibitively difficult. I'm sorry, \n"
      "it's my fault. I don't know how this happened, but I somehow \n"
      "made entering a name far too challenging. I promise the rest \n"
      "of the game has better balance than this.",
      "OK, tell you what. If you continue to fail at entering a \n"
      "maximum-eight-character-name, I will just skip this section \n"
      "and give you a name manually. I don't want this to totally \n"
      "ruin the QUIBBLENT RUDIRUVU experience for you.",
  };
  for (std::size_t attempt = 3; attempt <= 10; ++attempt) {
    EXPECT_EQ(type(nine), laterRefusals[attempt - 3]) << "attempt " << attempt;
    ASSERT_TRUE(state.namePromptOpen) << "attempt " << attempt;
  }
  EXPECT_EQ(type(nine), "I see my intervention is necessary. Give this naming thing \n"
                        "one more shot, but don't worry if you fail again. I will \n"
                        "make sure your character is named properly.");
  EXPECT_EQ(type(nine), std::string("Your name is: Dumpo") + kClassListReply);
  EXPECT_EQ(player.name, "Dumpo");
  EXPECT_EQ(state.pendingPrompt, 30);
  EXPECT_FALSE(state.namePromptOpen);
}

TEST_F(PromptPlay, TheNameDumpoGivenAfterTooManyTriesLoadsASaveOfThatName) {
  spit("saves/Dumpo.txt", "[VICTORIOUS FILE]\n"
                          "Dumpo won");
  state.namePromptOpen = true;
  state.auxCounter = 11;
  EXPECT_EQ(type("TwelveTimes"), std::string("Dumpo") + kVictoriousQuestion + "Dumpo" + kNamePromptEnding);
  EXPECT_EQ(state.typedName, "Dumpo");
  EXPECT_EQ(state.pendingPrompt, 17);
  EXPECT_EQ(state.auxCounter, 2);
}

TEST_F(PromptPlay, NameOfEightIsTakenAsTypedAndYesIsAName) {
  struct Row {
    std::string typed;
  };
  for (const Row& row : std::vector<Row>{{"AbCdEfGh"}, {"yes"}, {"Mr Bob"}, {"x"}}) {
    state.namePromptOpen = true;
    state.pendingPrompt = 1;
    EXPECT_EQ(type(row.typed), "Your name is: " + row.typed + kClassListReply);
    EXPECT_EQ(player.name, row.typed);
    EXPECT_EQ(state.pendingPrompt, 30);
  }
}

TEST_F(PromptPlay, UnsafeNamesAreRefusedAtTheNamePromptAndNothingIsWritten) {
  startRun("Keeper", "1");  // the meta save and a run exist, so "meta-save" names a real file
  ASSERT_TRUE(state.saveMeta(false));
  const auto before = filesBelow(scratch.path());
  for (const UnsafeName& row : kUnsafeNames) {
    state.namePromptOpen = true;
    state.pendingPrompt = 1;
    const std::string reply = type(row.name);
    if (row.namePromptReply != nullptr) {
      EXPECT_EQ(reply, row.namePromptReply) << row.name;
    }
    EXPECT_TRUE(state.namePromptOpen) << row.name;
    EXPECT_EQ(player.name, "Keeper") << row.name;
  }
  EXPECT_EQ(filesBelow(scratch.path()), before);
}

TEST_F(PromptPlay, UnsafeNamesAreRefusedAtTheLoadPromptWhichStaysOpen) {
  startRun("Keeper", "2");
  spit("outside.txt", "[DEAD FILE]\n");
  const int hpBefore = player.hp;
  const auto before = filesBelow(scratch.path());
  for (const UnsafeName& row : kUnsafeNames) {
    ASSERT_EQ(type("load"), "Type in the name of the character to be loaded.\n"
                            "Type nothing and press ENTER to return to the dungeon.");
    EXPECT_EQ(type(row.name), kLoadRefusal) << row.name;
    EXPECT_TRUE(state.loadPromptOpen) << row.name;
    EXPECT_EQ(type("../outside"), kLoadRefusal);
    EXPECT_EQ(type(""), "Load canceled. You can keep playing now.");
    EXPECT_FALSE(state.loadPromptOpen);
  }
  type("load");
  EXPECT_EQ(type("Nobody12X"), kLoadRefusal);  // nine characters can never name a save
  type("");
  EXPECT_EQ(player.name, "Keeper");
  EXPECT_EQ(player.hp, hpBefore);
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(filesBelow(scratch.path()), before);
}

TEST_F(PromptPlay, MemorialsFoundAtTheNamePromptOfferANewGame) {
  struct Row {
    const char* firstLine;
    const char* question;
  };
  for (const Row& row : {Row{"[DEAD FILE]", kDeadQuestion}, Row{"[VICTORIOUS FILE]", kVictoriousQuestion}}) {
    spit("saves/Ann.txt", std::string(row.firstLine) + "\n"
                                                       "Here lies Ann");
    state.namePromptOpen = true;
    state.pendingPrompt = 1;
    EXPECT_EQ(type("Ann"), std::string("Ann") + row.question + "Ann" + kNamePromptEnding);
    EXPECT_EQ(state.pendingPrompt, 17);
    EXPECT_FALSE(state.namePromptOpen);
    EXPECT_EQ(state.typedName, "Ann");
  }
}

TEST_F(PromptPlay, DamagedSaveAtTheNamePromptIsNeitherLoadedNorTakenOver) {
  const std::string damaged = "[PLAYER]\n"
                              "Ann\n"
                              "UNINTERESTING\n"
                              "not a number\n";
  spit("saves/Ann.txt", damaged);
  state.namePromptOpen = true;
  const std::string reply = type("Ann");
  EXPECT_NE(reply.find("damaged or unreadable"), std::string::npos) << reply;
  EXPECT_TRUE(state.namePromptOpen);
  EXPECT_TRUE(player.name.empty());
  EXPECT_EQ(slurp("saves/Ann.txt"), damaged);
  // Another name still starts a run.
  EXPECT_EQ(type("Bea"), std::string("Your name is: Bea") + kClassListReply);
}

TEST_F(PromptPlay, LoadPromptAnswersWithoutDisturbingTheRunInPlay) {
  startRun("Keeper", "3");
  spit("saves/Dead.txt", "[DEAD FILE]\n"
                         "Here lies Dead");
  spit("saves/Broken.txt", "[PLAYER]\n"
                           "Broken\n");
  spit("saves/Empty.txt", "");
  // Columns: typed name, reply, prompt afterwards.
  struct Row {
    std::string typed;
    std::string reply;
    int promptAfter;
  };
  const std::vector<Row> rows = {
      {"", "Load canceled. You can keep playing now.", 2},
      {"Nobody", "Load failed - could not find a file with that name!", 2},
      {"Broken", kLoadUnreadable, 2},
      {"Empty", kLoadUnreadable, 2},
      {"Dead", std::string("Dead") + kDeadQuestion + "Dead? (Y/N)", 17},
  };
  for (const Row& row : rows) {
    const int hpBefore = player.hp;
    const int floorBefore = floorRecord.floorNumber;
    const auto kindsBefore = floorRecord.tileKinds;
    state.pendingPrompt = 2;
    type("load");
    EXPECT_EQ(type(row.typed), row.reply) << row.typed;
    EXPECT_FALSE(state.loadPromptOpen);
    EXPECT_EQ(state.pendingPrompt, row.promptAfter) << row.typed;
    EXPECT_EQ(player.name, "Keeper");
    EXPECT_EQ(player.hp, hpBefore);
    EXPECT_EQ(floorRecord.floorNumber, floorBefore);
    EXPECT_EQ(floorRecord.tileKinds, kindsBefore);
  }
  EXPECT_EQ(slurp("saves/Broken.txt"), "[PLAYER]\n"
                                       "Broken\n");
}

TEST_F(PromptPlay, MemorialFoundAtTheLoadPromptKeepsTheRunUnlessANewGameIsWanted) {
  startRun("Keeper", "2");
  spit("saves/Dead.txt", "[DEAD FILE]\n"
                         "Here lies Dead");
  const int hpBefore = player.hp;
  const std::string weaponBefore = player.equipment[0].name;
  type("load");
  type("Dead");
  EXPECT_EQ(type("no"), "Ok. You can continue playing now.");
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(player.name, "Keeper");
  EXPECT_EQ(player.playerClass, "CONVICT");
  EXPECT_EQ(player.hp, hpBefore);
  EXPECT_EQ(player.equipment[0].name, weaponBefore);

  type("load");
  type("Dead");
  EXPECT_EQ(type("y"), std::string("Started a new file of name Dead") + kClassListReply);
  EXPECT_EQ(player.name, "Dead");
  EXPECT_TRUE(player.playerClass.empty());
  EXPECT_EQ(state.pendingPrompt, 30);
  EXPECT_EQ(state.musicTrack, -10);
  EXPECT_EQ(slurp("saves/Dead.txt"), "[DEAD FILE]\n"
                                     "Here lies Dead");
}

TEST_F(PromptPlay, LoadPromptBringsBackASavedRunAndRestartsTheClock) {
  startRun("Bob", "1");
  ASSERT_EQ(type("save"), "Saved file Bob!");
  const int savedHp = player.hp;
  const std::string savedWeapon = player.equipment[0].name;
  player.hp = 1;
  player.equipment[0].name = "STICK";
  state.clockStart -= std::chrono::hours(5);
  const auto clockBefore = state.clockStart;
  state.firstCombatHint = true;
  type("load");
  EXPECT_EQ(type("Bob"), "Loaded file Bob successfully!");
  EXPECT_FALSE(state.firstCombatHint);
  EXPECT_EQ(slurp("saves/meta-save.txt").substr(0, 17), "[META]\n"
                                                        "1\n"
                                                        "0\n"
                                                        "1\n"
                                                        "1\n"
                                                        "0\n");
  EXPECT_EQ(player.hp, savedHp);
  EXPECT_EQ(player.equipment[0].name, savedWeapon);
  EXPECT_GT(state.clockStart, clockBefore);
  EXPECT_EQ(state.musicTrack, -9);
  EXPECT_EQ(state.pendingPrompt, 2);
}

TEST_F(PromptPlay, NewGameQuestionOverAMemorial) {
  // Columns: class in play, answer, reply, prompt afterwards.
  struct Row {
    std::string playerClass;
    std::string answer;
    std::string reply;
    int promptAfter;
  };
  const std::vector<Row> rows = {
      {"", "y", std::string("Started a new file of name Ann") + kClassListReply, 30},
      {"CONVICT", "1", std::string("Started a new file of name Ann") + kClassListReply, 30},
      {"", "n",
       "Will do - check the .txt file to view your \n"
       "character's memorial.\n"
       "\n"
       "[TYPE ANYTHING TO EXIT]",
       18},
      {"CONVICT", "2", "Ok. You can continue playing now.", 2},
      {"CONVICT", "maybe", "Listen here bucko. Are you starting\n"
                           "a new game or not, Y or N?", 17},
      {"", "", "Listen here bucko. Are you starting\n"
               "a new game or not, Y or N?", 17},
  };
  for (const Row& row : rows) {
    player.name = "Keeper";
    player.playerClass = row.playerClass;
    player.attack = 40;
    floorRecord.tileKinds.fill("Mon");
    state.typedName = "Ann";
    state.dialogueStage = 12;
    openPrompt(17);
    EXPECT_EQ(type(row.answer), row.reply) << row.answer;
    EXPECT_EQ(state.pendingPrompt, row.promptAfter) << row.answer;
    const bool started = row.promptAfter == 30;
    EXPECT_EQ(player.name, started ? "Ann" : "Keeper");
    EXPECT_EQ(player.attack, started ? 3 : 40);
    EXPECT_EQ(floorRecord.tileKinds[0], started ? "" : "Mon");
    EXPECT_EQ(state.dialogueStage, started ? 0 : 12);
  }
  openPrompt(18);
  EXPECT_EQ(type("anything"), "byeeee");
  EXPECT_TRUE(state.closeRequested);
}

}  // namespace

namespace {

TEST_F(PromptPlay, NamePromptLoadsASavedRunWithoutRestartingTheClock) {
  startRun("Bob", "2");
  ASSERT_EQ(type("save"), "Saved file Bob!");
  const int savedFloor = floorRecord.floorNumber;
  state.resetPlayerForNewRun(player);
  player.name.clear();
  state.namePromptOpen = true;
  state.firstCombatHint = true;
  state.clockStart -= std::chrono::minutes(3);
  const auto clockBefore = state.clockStart;
  EXPECT_EQ(type("Bob"), "Loaded file Bob successfully!\n"
                         "Welcome back to the dungeon, Bob!\n"
                         "You were on floor " +
                             std::to_string(savedFloor) + " when you left off.");
  EXPECT_EQ(player.name, "Bob");
  EXPECT_EQ(player.playerClass, "CONVICT");
  EXPECT_EQ(state.clockStart, clockBefore);
  EXPECT_FALSE(state.namePromptOpen);
  EXPECT_EQ(state.pendingPrompt, 2);
  EXPECT_EQ(state.auxCounter, 1);
  // The first-fight hint is spent, and the meta save says so.
  EXPECT_FALSE(state.firstCombatHint);
  const std::string meta = slurp("saves/meta-save.txt");
  EXPECT_EQ(meta.substr(0, 17), "[META]\n"
                                "1\n"
                                "0\n"
                                "1\n"
                                "1\n"
                                "0\n");
}

}  // namespace
