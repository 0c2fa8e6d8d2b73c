#include "interpreter/victory_pages.h"

#include <limits>

#include "interpreter/save_and_quit.h"
#include "persistence/save_names.h"
#include "world/floor_generator.h"
#include "world/game_state.h"

namespace {

// A text chosen by the first row whose test holds; no row holding leaves
// the page with its heading alone.
struct ReflectionRow {
  bool (*holds)(const PlayerRecord& hero);
  const char* text;
};

template <std::size_t N>
std::string firstReflection(const ReflectionRow (&rows)[N], const PlayerRecord& hero) {
  for (const ReflectionRow& row : rows) {
    if (row.holds(hero)) return row.text;
  }
  return "";
}

const ReflectionRow kBattleReflections[] = {
    {[](const PlayerRecord& h) { return h.killScore >= 1500; },
     "Holy shit. You killed the DEEP TROLL *and* the DRAGON??\n"
     "God damn. I'm speechless. Talk about a GAMER MOMENT. Send\n"
     "me a screenshot of this text and maybe I'll try to think\n"
     "of something to reward you with."},
    {[](const PlayerRecord& h) { return h.killScore >= 1000 && h.killScore <= 1499; },
     "One battle rises to the forefront of your mind. Although you\n"
     "killed many types of beasts, it seems especially striking\n"
     "that you are now an honest-to-god DRAGON SLAYER! The\n"
     "thought makes your chest swell with pride."},
    {[](const PlayerRecord& h) { return h.killScore >= 200 && h.killScore <= 999; },
     "One battle rises to the forefront of your mind. The strange\n"
     "DEEP TROLL, a rare and powerful beast, which died by your\n"
     "hand. You hadn't expected it, but the victory is one not\n"
     "many dungeoneers can claim. Thinking about it really\n"
     "makes you feel like an EPIC GAMER."},
    {[](const PlayerRecord& h) { return h.killScore == 0; },
     "Or you would, but you haven't really fought any monsters.\n"
     "Actually, you managed to clear the ENTIRE DUNGEON without\n"
     "really properly engaging in combat at all. You feel proud\n"
     "of your moral virtue, not willing to acknowledge cowardice\n"
     "as a possible contributing factor."},
    {[](const PlayerRecord& h) { return h.killScore >= 1 && h.killScore <= 14; },
     "There isn't much to think about, as you tended to avoid\n"
     "combat, given the opportunity to do so. It's understandable\n"
     "to want to minimize loss of life, and considering the\n"
     "circumstances, your restraint was admirable."},
    {[](const PlayerRecord& h) { return h.killScore >= 25 && h.killScore <= 44; },
     "It's a long list. You killed many, many monsters, probably\n"
     "more than was strictly necessary. You could have left some\n"
     "of them alone, but no, those goblins' families are now \n"
     "suffering innumerable tragedies at your hand. You bastard."},
    {[](const PlayerRecord& h) { return h.killScore >= 45 && h.killScore <= 199; },
     "The dungeon behind you is littered with corpses big and\n"
     "small. The level of murdering you did is somewhere on the\n"
     "line between 'spree killing' and 'mass extinction'. I might\n"
     "suggest this is not the most morally sound lifestyle, but\n"
     "frankly I'm worried you'll kill me too if I'm not careful."},
    {[](const PlayerRecord& h) { return h.killScore >= 15 && h.killScore <= 24; },
     "It was quite a variety. Goblins, coelocanths, chefs, even\n"
     "a strange Lovecraft demon or two. What were all those\n"
     "bizarre creatures doing down there? Why were they hostile?\n"
     "You performed well, but you are still uneasy. Could the\n"
     "death have been avoided, if only you'd acted differently?"},
};

bool holdsStapleFortune(const PlayerRecord& hero) { return hero.hasItem("STAPLE REMOVER", 10); }

const ReflectionRow kFutureReflections[] = {
    {holdsStapleFortune, "The answer is clear: On your return to the world, you'll\n"
                         "obviously become a STAPLE REMOVER MOGUL. It's so simple!\n"
                         "THIS is what all those STAPLE REMOVERS you hoarded were\n"
                         "working toward. Finally, your life will have purpose. You\n"
                         "see that your future looks bright - and free of STAPLES."},
    {[](const PlayerRecord& h) { return h.hasItem("VORTEX", 1) && h.hasItem("NECRONOMICON", 1); },
     "Your thoughts take a dark turn. You feel the VORTEX pulling\n"
     "on you from your inventory, and the NECRONOMICON, although\n"
     "closed, is whispering to you in a tongue you do not\n"
     "understand. You feel ready to usher in a new era of\n"
     "darkness and suffering when you return to the wider world."},
    {[](const PlayerRecord& h) { return h.gold <= 0; }, "...and uh, there's no easy way to put it: You're penniless.\n"
                                                        "Literally. Somehow you managed to finish the dungeon with\n"
                                                        "exactly 0 gold. It's almost impressive, in a sort of\n"
                                                        "roundabout way. Good job??"},
    {[](const PlayerRecord& h) { return h.gold >= 1 && h.gold <= 399; },
     "Unfortunately, you performed very poorly in obtaining and\n"
     "keeping money while you were in the dungeon, which makes\n"
     "thoughts of the future concerning. In today's economy, will\n"
     "it really be possible for you to hold a job with such\n"
     "meager funds? Only time will tell."},
    {[](const PlayerRecord& h) { return h.gold >= 400 && h.gold <= 999; },
     "You found enough money in the dungeon to give you a\n"
     "head-start in the fast-paced, dog-eat-dog world of the\n"
     "modern economy, but you're afraid it will not last forever.\n"
     "At some point, you will need to get a normal job again, and\n"
     "it probably will not involve monster hunting."},
    {[](const PlayerRecord& h) { return h.gold >= 1000 && h.gold <= 2499; },
     "The future looks bright for you. With all the money you\n"
     "found lying around the dungeon, in chests, off slain\n"
     "bodies, you should be able to comfortably retire to a nice\n"
     "island paradise, and live out the rest of your days basking\n"
     "in luxury and contentment. Go you!"},
    {[](const PlayerRecord& h) { return h.gold >= 2500; },
     "You think of all the extravagant things you'll be able to\n"
     "do with the frankly absurd amount of money you currently\n"
     "hold. Maybe you'll get a few statues of yourself made, or\n"
     "maybe you'll set up your own foundation - ooh, maybe you'll\n"
     "buy your way into political power! Yeah, do that one."},
};

// The discovery score counts each secret as 1, the wizard's spell as 1000
// and buying out GARY as 50000; its last two digits count the secrets.
constexpr int kGaryScore = 50000;
constexpr int kWizardScore = 1000;
// A CURSED winner's score is set to this, which the win page reads as
// having survived the CURSE.
constexpr int kCurseSurvivedScore = 25000;

bool fewSecretsLeftOut(const PlayerRecord& h) { return h.discoveryScore % 100 < 7; }

const ReflectionRow kDiscoveryReflections[] = {
    {[](const PlayerRecord& h) { return h.discoveryScore >= kGaryScore; },
     "But really, we all know you're thinking about one thing.\n"
     "That's right. The second the game closes, you're going to\n"
     "turn around, walk right back down those stairs, and ask\n"
     "GARY THE GOBLIN to marry you. Don't try to deny it. This is\n"
     "the canonical ending to the QUIBBLENT RUDIRUVU story."},
    // The CURSE row is handled before this table: it changes the score.
    {[](const PlayerRecord& h) { return fewSecretsLeftOut(h) && h.discoveryScore >= kWizardScore; },
     "What was with that strange wizard, for example?\n"
     "\"Garglefloxx\". What a peculiar character to set up a life\n"
     "in this place. You wonder if, later, you may return to see\n"
     "what his deal was. It'd make interesting material for some\n"
     "kinda bonus content, you think. Eh - probably just a fantasy."},
    {[](const PlayerRecord& h) { return fewSecretsLeftOut(h) && h.discoveryScore >= 4 && h.discoveryScore <= 6; },
     "You feel pretty good about your level of exploration. You\n"
     "found treasures, monsters, some ancient secrets hidden for\n"
     "centuries from all prying eyes. It was a thorough run.\n"
     "But could it have been even MORE thorough??? The answer is\n"
     "always yes. It could always be more thorough."},
    {[](const PlayerRecord& h) { return fewSecretsLeftOut(h) && h.discoveryScore >= 1 && h.discoveryScore <= 3; },
     "Something about your dungeoneering experience nags at you,\n"
     "a profound emptiness you can't quite place, like you felt\n"
     "you were not as thorough as you could have been. The\n"
     "dungeon, you suspect, had more secrets to share with you,\n"
     "but it's too late to go back and look for them now."},
    {[](const PlayerRecord& h) { return h.discoveryScore == 0; },
     "Actually, you don't really think much of it. You didn't\n"
     "explore the dungeon very thoroughly, or uncover many of its\n"
     "hidden secrets or anything. It seems more like you burned\n"
     "right through with nary a thought to what was going on.\n"
     "Maybe you're a speedrunner?"},
    {[](const PlayerRecord& h) { return h.discoveryScore % 100 >= 7; },
     "You feel like a proper archaeologist! You dug up secrets\n"
     "left and right - ancient scrolls, treasures long forgotten,\n"
     "traps set long ago to defend against the long dead. If only\n"
     "these walls could talk, they'd tell all about the obsessive\n"
     "adventurer uncovering every inch of hidden content."},
};

const char kCurseReflection[] = "You shudder, feeling nauseous. You may be out of the \n"
                                "dungeon, but your CURSE still eats away at you. You need to \n"
                                "warn people. Tell them to stay away from the QUIBBLENT \n"
                                "DUNGEONS at all costs. You need to do it quickly, before \n"
                                "there is nothing left of you.";

const char kClimbText[] = "You see light up ahead. It's a long walk back up from how\n"
                          "deep you descended, but now your time in the QUIBBLENT\n"
                          "DUNGEONS is coming definitively to a close. Walking up the\n"
                          "last few steps, you come to a room with a single, wooden\n"
                          "door - the final exit.";

// Achievements the win can earn. Columns: slot number (1-based), condition.
struct WinAchievementRow {
  int slot;
  bool (*earned)(const GameState& state, const PlayerRecord& hero);
};

constexpr int kHardModeFate = 99;

const WinAchievementRow kWinAchievements[] = {
    {1, [](const GameState&, const PlayerRecord&) { return true; }},
    {2, [](const GameState&, const PlayerRecord& h) { return h.playerClass == "ACADEMIC"; }},
    {3, [](const GameState&, const PlayerRecord& h) { return h.playerClass == "CONVICT"; }},
    {4, [](const GameState&, const PlayerRecord& h) { return h.playerClass == "OPPORTUNIST"; }},
    {5, [](const GameState&, const PlayerRecord& h) { return h.playerClass == "ZOMBIE"; }},
    {6, [](const GameState& s, const PlayerRecord&) { return s.fateValue == kHardModeFate; }},
    {12, [](const GameState&, const PlayerRecord& h) { return h.killScore == 0; }},
    {17, [](const GameState&, const PlayerRecord& h) { return h.discoveryScore == kCurseSurvivedScore; }},
    {18, [](const GameState&, const PlayerRecord& h) { return holdsStapleFortune(h); }},
};

void earnWinAchievements(GameState& state, const PlayerRecord& hero) {
  for (const WinAchievementRow& row : kWinAchievements) {
    if (row.earned(state, hero)) state.claimAchievement(row.slot, hero.name);
  }
}

// The victorious memorial: saveRun picks that form by the VICTORIOUS word.
bool writeVictoryMemorial(GameState& state, Floor& floorRecord, PlayerRecord& hero) {
  if (!isSafeSaveName(hero.name)) return false;
  return state.saveRun(floorRecord, hero);
}

std::string winReply(GameState& state, const PlayerRecord& hero, bool runSaved, bool metaSaved) {
  std::string reply = "YOU WIN! Thank you for playing.\n";
  if (runSaved) {
    reply += hero.name + "'s save file has been updated to reflect your win.\n";
  } else {
    reply += "Uh oh. " + hero.name +
             "'s save file could NOT be updated to reflect \n"
             "your win.\n";
  }
  if (!metaSaved) reply += "Your achievements could NOT be saved.\n";
  return reply + "Total time: " + state.formatPlayTime(state.elapsedSeconds) +
         ".\n"
         "\n"
         "[TYPE ANYTHING TO CLOSE GAME WINDOW]";
}

}  // namespace

std::string answerBattlesPage(GameState& state, Floor&, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = kFuturePage;
  state.messageBuffer = "You think back on the battles you've fought...\n" + firstReflection(kBattleReflections, hero);
  return state.messageBuffer;
}

std::string answerFuturePage(GameState& state, Floor&, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = kDiscoveriesPage;
  state.messageBuffer = "You think forward, to your return to society...\n" + firstReflection(kFutureReflections, hero);
  return state.messageBuffer;
}

std::string answerDiscoveriesPage(GameState& state, Floor&, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = kClimbPage;
  std::string text;
  if (hero.discoveryScore < kGaryScore && hero.quibblent == "CURSED") {
    hero.discoveryScore = kCurseSurvivedScore;
    text = kCurseReflection;
  } else {
    text = firstReflection(kDiscoveryReflections, hero);
  }
  state.messageBuffer = "Finally, your thoughts turn to what you found here...\n" + text;
  return state.messageBuffer;
}

std::string answerClimbPage(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = 0;
  floorRecord.floorNumber += 1;
  generateFloor(floorRecord, floorRecord.floorNumber, state.fateValue, hero, -1);
  state.messageBuffer = kClimbText;
  return state.messageBuffer;
}

std::string answerWinPage(GameState& state, Floor& floorRecord, PlayerRecord& hero, const std::string&) {
  state.pendingPrompt = kClosingPage;
  state.clockNow = GameState::Clock::now();
  state.elapsedSeconds = std::chrono::duration<double>(state.clockNow - state.clockStart).count();
  const bool runSaved = writeVictoryMemorial(state, floorRecord, hero);
  earnWinAchievements(state, hero);
  state.deepestFloor = 16;
  // The meta save takes any count; the one at the top of an int stays there.
  if (state.victoryCount < std::numeric_limits<int>::max()) state.victoryCount += 1;
  const bool metaSaved = state.saveMeta(false);
  // The page says in its own words when the achievements were not saved.
  state.metaSaveMissed = false;
  state.messageBuffer = winReply(state, hero, runSaved, metaSaved);
  return state.messageBuffer;
}

std::string answerClosingPage(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  closeWindow(state);
  state.messageBuffer = "byeeeeeee";
  return state.messageBuffer;
}
