#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_run.h"
#include "tests/support/crafted_run.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"

namespace {

// Each character stands north of the hero; the hero walks in and talks.
struct Transcript {
  const char* key;
  const char* classChoice;  // "1" ACADEMIC, "2" CONVICT, "3" OPPORTUNIST
  int gold;
  std::vector<std::string> lines;  // typed after the save is loaded
  std::vector<std::string> replyParts;  // one per typed line, in order
};

const Transcript kTranscripts[] = {
    {"Academic", "1", 0, {"north", "", "", "n"},
     {"You approach the ANNOYING NERD.", "'GARGLEFLOXX' phenomenon", "Do you want to beat up the ANNOYING NERD? (Y/N)",
      "I'll just be... studying these bricks"}},
    {"Academic", "3", 0, {"north", "", "", "", "50", "", "", ""},
     {"BORING GUY", "'Ah, excuse me, sir?", "GARGLEFLOXX", "[INPUT A NUMBER TO ASK FOR]", "You got 50 gold!",
      "[Several hours of incredibly thorough questioning later...]", "I'd like you to have these.",
      "You got some ANTIBIOTICS!\n"
      "The BORING GUY wanders off"}},
    {"Convict", "1", 0, {"north"}, {"You cautiously approach the PUGNACIOUS RUFFIAN."}},
    {"Opportunist", "1", 300, {"north", "", "y"},
     {"ROGUISHLY HANDSOME FELLOW", "250 \n"
                                   "gold, and the SPECIAL POTION is yours. Deal?' (Y/N)",
      "You got a SPECIAL POTION! You have 50 gold left."}},
    {"Opportunist", "2", 0, {"north", "", "", "y", ""},
     {"You approach the SMUG PRICK.", "the SPECIAL POTION is yours. Deal?'", "Do you want to beat up the SMUG PRICK? (Y/N)",
      "green-tinted knife", "Beginning combat with POISONOUS OPPORTUNIST...\n"
                            "You have first go.\n"
                            "[TYPE ANYTHING TO CONTINUE]"}},
    {"Wise1", "2", 0, {"north", "", "PEOPLE"},
     {"'HALT! I am WISE GOBLIN.", "WHAT WALKS ON FOUR LEGS", "You gained 1 ATK!"}},
    {"Wise2", "2", 0, {"north", "", "north"}, {"'HALT! I am WISE ORC.", "I HAVE EYES", "'Wrong. You have failed the riddle of WISE ORC."}},
    {"Wise3", "2", 0, {"north", "", "your mom"}, {"WISE TROLL", "64.1 MPH", "ENRAGED TROLL attacks you!!"}},
    {"Seer", "1", 30, {"north", "y", "", ""},
     {"Pay 30 gold? (Y/N)", "You hand over the 30 gold.", "free of any QUIBBLENTAL \n"
                                                          "PROPERTIES", "That is all I have to say."}},
    {"Chef", "1", 0, {"north"}, {"oh please won't you find its hat"}},
    {"Worgleton", "1", 0, {"north"}, {"You approach WORGLETON WINNLEFLAP THE BARBER THING."}},
    {"KingSword", "1", 0, {"north"}, {"SWORD OF KINGS!! (ATK: ?\?)"}},
    {"Accountant", "1", 0, {"north"}, {"You approach the POWERFUL-LOOKING BEING..."}},
    {"Consoom", "1", 0, {"north"}, {"FEED ME. FEED ME."}},
};

TEST(CharacterTranscripts, EachCharacterTalksAtTheConsole) {
  for (const Transcript& transcript : kTranscripts) {
    ScratchDir scratch;
    ASSERT_TRUE(writeCraftedRun("Bob", transcript.classChoice, [&](GameState&, Floor& f, PlayerRecord& h) {
      f.tileKinds[0] = "NPC";
      f.tileOccupants[0] = TileOccupant(transcript.key, -1, -1);
      f.tileCreatures[0] = Creature("UNINTERESTING", "WARLOCK", 0);
      h.gold = transcript.gold;
    }));
    std::vector<std::string> lines = {"Bob"};
    lines.insert(lines.end(), transcript.lines.begin(), transcript.lines.end());
    const ConsoleRun run = runConsole(lines);
    // The last blocks answer the typed lines, one each.
    ASSERT_GE(run.blocks.size(), transcript.replyParts.size()) << transcript.key;
    const std::size_t first = run.blocks.size() - transcript.replyParts.size();
    for (std::size_t i = 0; i < transcript.replyParts.size(); ++i) {
      EXPECT_NE(run.blocks[first + i].find(transcript.replyParts[i]), std::string::npos)
          << transcript.key << " line " << i << ": " << run.blocks[first + i];
    }
  }
}

}  // namespace
