#include "encounters/feature_tiles.h"

#include <algorithm>
#include <string>

#include "encounters/item_tiles.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

constexpr int kNorthTile = 0;
constexpr const char* kVictoriousWord = "VICTORIOUS";
constexpr const char* kDoorOpensText = "The door creaks as you open it. It is a beautiful day out.\n"
                                       "You step out and feel the warm summer air.\n";

bool isZombie(const PlayerRecord& player) { return player.playerClass == "ZOMBIE"; }

// A won run is marked straight away: no curse may keep the hero from winning.
void winTheRun(GameState& state, PlayerRecord& player) {
  state.pendingPrompt = 54;
  player.quibblent = kVictoriousWord;
}

}  // namespace

void enterFountain(GameState& state, Floor& floorRecord, PlayerRecord& player, int direction) {
  state.currentOffer = floorRecord.tileOffers[direction];
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  if (state.currentOffer.timesUsed > 2) {
    state.messageBuffer = "This fountain has been used too much!! It's all dried up. \n"
                          "You'll need to look elsewhere to find a place to bathe.";
    return;
  }
  state.pendingPrompt = 6;
  const std::string approach = "You approach the FOUNTAIN OF " + state.currentOffer.word +
                               ". Its powerful \n"
                               "aura is nearly overwhelming, but also somehow calming. \n";
  state.messageBuffer =
      approach + (state.currentOffer.word == "CLEANSING" ? "Bathe in the fountain to be cleansed of all ailments? (Y/N)"
                                                         : "You can dip your ARMOR, your WEAPON, or your SELF \n"
                                                           "into the fountain.");
}

void enterBarrel(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
  } else if (player.imbuement == "MATCH") {
    state.pendingPrompt = 7;
    state.messageBuffer = "The EXPLOSIVE BARREL appears to be an EXPLOSIVE BARREL. You \n"
                          "could probably blow it up just by touching it, damaging \n"
                          "all your enemies. Blow up the barrel? (Y/N)";
  } else if (player.hasItem("MATCH", 1)) {
    state.pendingPrompt = 7;
    state.messageBuffer = "The EXPLOSIVE BARREL appears to be an EXPLOSIVE BARREL. If \n"
                          "you used a MATCH, you could probably blow it up, damaging\n"
                          "you... And all your enemies. Blow up the barrel? (Y/N)";
  } else {
    state.messageBuffer = "You examine the BARREL. It sure looks EXPLOSIVE!\n"
                          "You don't have a MATCH though so you can't actually do \n"
                          "anything with it.";
  }
}

void enterScroll(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = kNoInterestText;
    return;
  }
  state.pendingPrompt = 8;
  state.messageBuffer = "You read the SCROLL. It is clearly quite old, and the \n"
                        "edges are frayed. It gives a sense of timeless power, even \n"
                        "after all these years...\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void enterStairsDown(GameState& state, Floor& floorRecord, PlayerRecord&, int) {
  state.pendingPrompt = 43;
  state.messageBuffer = "These stairs will lead you to floor " + std::to_string(floorRecord.floorNumber + 1) +
                        " of the QUIBBLENT \n"
                        "DUNGEONS. Would you like to progress? (Y/N)\n"
                        "\n"
                        "[WARNING: YOU WILL NOT BE ABLE TO GO BACK UP TO PREVIOUS \n"
                        "FLOORS AFTER DESCENDING]";
}

void enterStatue(GameState& state, Floor& floorRecord, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = "Looks like it should be flesh. But the thing is made of \n"
                          "stone. Horrible lies. Makes you hungry.";
    return;
  }
  std::string text = "You stare at the statue. A large, tentacled beast, crafted \n"
                     "from finely polished granite, stares back. You are unnerved \n"
                     "by its piercing eyes, which seem to follow your movements... ";
  if (floorRecord.tileKinds[kNorthTile] == "FinalMon") {
    const Creature& finalMonster = floorRecord.tileCreatures[kNorthTile];
    text += "\n"
            "But your attention soon shifts to the north, where the \n" +
            finalMonster.quibblent + " " + finalMonster.type + " awaits.";
  }
  state.messageBuffer = text;
}

void enterWall(GameState& state, Floor&, PlayerRecord&, int) { state.messageBuffer = "...there's nothing there..."; }

void enterReturnStairs(GameState& state, Floor& floorRecord, PlayerRecord& player, int) {
  if (!isZombie(player)) {
    state.messageBuffer = "What? No, you can't go back down there. Victory is right in\n"
                          "front of you, what the hell are you thinking?";
    return;
  }
  winTheRun(state, player);
  std::string text = "Disappointed to find a lack of flesh in this part of the \n"
                     "dungeons, you shamble right back down the stairs to seek \n"
                     "out more. You grin, imagining a long, hungry future down \n"
                     "here in your proper home, the QUIBBLENT RUDIRUVU.\n";
  if (floorRecord.wizardMet) {
    text += "Maybe you can get your hands on that creepy WIZARD...\n";
  } else if (floorRecord.goblinShopKnown) {
    text += "Wasn't there a juicy-looking GOBLIN somewhere around here?\n";
  } else {
    text += "Maybe you'll even encounter some ADVENTURERS to eat...\n";
  }
  state.messageBuffer = text + "[TYPE ANYTHING TO COMPLETE THE GAME]";
}

void enterFinalExit(GameState& state, Floor&, PlayerRecord& player, int) {
  // Every class climbs out to the victory music.
  state.previousMusicTrack = state.musicTrack;
  state.musicTrack = -12;
  state.loopFlag = player.knowsSkill("PISS ON");
  if (isZombie(player)) {
    state.pendingPrompt = 53;
    state.messageBuffer = "The stairs are tall and winding. What seem like hours pass \n"
                          "by, walking up and up... You shamble up the stairs slowly, \n"
                          "desperate for more flesh to consume. You have no other \n"
                          "thoughts. Need more flesh.\n"
                          "[TYPE ANYTHING TO CONTINUE]";
    return;
  }
  state.pendingPrompt = 50;
  if (!state.loopFlag) {
    state.messageBuffer = "The stairs are tall and winding. What seem like hours pass \n"
                          "by, walking up and up... You reflect on your journey as you \n"
                          "progress, and as the realization that this is it, that the \n"
                          "dungeon is over, begins to slowly dawn on you.\n"
                          "[TYPE ANYTHING TO CONTINUE]";
    return;
  }
  player.forgetSkill("PISS ON");
  state.messageBuffer = "(You take a moment to relieve yourself on one of the statues \n"
                        "before proceeding. Ahhh, sweet relief...) \n"
                        "You walk up the stairs, reflecting on your journey as you \n"
                        "progress, and as the realization that this is it, that the \n"
                        "dungeon is over, begins to slowly dawn on you.\n"
                        "[TYPE ANYTHING TO CONTINUE]";
}

void enterExitDoor(GameState& state, Floor&, PlayerRecord& player, int) {
  if (isZombie(player)) {
    state.messageBuffer = std::string(kDoorOpensText) + "It's - woah, it's *way* too bright. You quickly run back \n"
                                                        "inside and shut the door. That world has nothing to offer \n"
                                                        "you anymore. Better to stay in the RUDIRUVU.";
    return;
  }
  winTheRun(state, player);
  state.messageBuffer = std::string(kDoorOpensText) + "You are now VICTORIOUS.\n"
                                                      "[TYPE ANYTHING TO COMPLETE THE GAME]";
}
