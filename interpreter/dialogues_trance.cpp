// Staring at the MIND FLAYER draws the hero into a trance of ten pages: the
// music falls silent, two pages pass by themselves, and the hero comes out
// at twice the maximum HP. The QUIBBLEX shuffles the quibblents of the hero,
// the weapon and the armor.
#include <array>
#include <string_view>

#include "encounters/worn_quibblent.h"
#include "interpreter/later_dialogue_rows.h"
#include "interpreter/music_requests.h"
#include "world/game_state.h"

namespace {

// The words the QUIBBLEX can hand out, one draw each for the hero, the
// weapon and the armor.
constexpr std::array<std::string_view, 32> kJumpQuibblents = {
    "UNINTERESTING", "POISONED",     "CONFUSED",   "DAMP",           "FLAMMABLE", "FLAMING",   "EXISTENTIAL",
    "INEFFECTUAL",   "LIGHTLY SALTED", "RAVENOUS", "POISONOUS",      "NOXIOUS",   "GAMER",     "FRIGHTENED",
    "HIPPIE",        "METALHEAD",    "VOLUMINOUS", "KNOWLEDGEABLE",  "HORNY",     "PERVERTED", "FLIRTATIOUS",
    "FUNDAMENTALIST", "CHARRED",     "CONFIDENT",  "GROGGY",         "OILY",      "HIGHLY FLAMMABLE",
    "STARVING",      "MLG",          "ELITE",      "EXTRAVAGANT",    "DAMNED"};

struct TrancePage {
  int stage;
  int next;
  const char* text;
};

// The pages that only move on; the stages with an effect have handlers of their own.
constexpr TrancePage kTrancePages[] = {
    {59, 60,
     "You wave your hands in front of its face. It does not blink. \n"
     "It's such an odd creature. Something about it is making you \n"
     "feel funny. Have you ever seen a MIND FLAYER before? It's \n"
     "not a common enemy, right? You think you're sure you would \n"
     "have remembered seeing it before... wouldn't you? \n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {60, 61,
     "The MIND FLAYER continues not to notice you. Staring at it \n"
     "definitely makes you feel strange. You've started to forget \n"
     "what you were here for. What were you trying to do? You keep \n"
     "going down and down. What's down? Is this down? Were you \n"
     "looking for the MIND FLAYER? Its empty eyes contain no \n"
     "answers. [TYPE ANYTHING TO CONTINUE]"},
    {61, 62,
     "No answers. Too many questions. Too many QUIBBLENTS. The \n"
     "MIND FLAYER appears sympathetic, though perhaps you are \n"
     "imagining it. How wonderful it must be, to be the MIND \n"
     "FLAYER. Were it only possible for you to swap roles, such \n"
     "that you were it, and it were you. You would surely \n"
     "understand everything, then."},
    {62, 63,
     "You cannot understand. Something lurks here, within the gaze \n"
     "of the MIND FLAYER, that is endless eternities away from \n"
     "everything you have seen or pretended to know. You do not \n"
     "remember where you are. Did you ever know? Wasn't there a \n"
     "place, a grounding, a setting? Were you just deluding \n"
     "yourself?"},
    {63, 64,
     "You remember only faint glimpses. Traces of a world long \n"
     "gone, perhaps imagined. There were QUIBBLENTS, you seem to \n"
     "recall. Which QUIBBLENT was yours? Did you have a good one? \n"
     "It occurs to you that you may be dead now. What a shame that \n"
     "would be. You tried so hard to avoid being dead."},
    {64, 65,
     "You have lost almost everything. All you can remember is the \n"
     "MIND FLAYER. The MIND FLAYER is all there is. Somewhere in \n"
     "the back of you - if there is still a 'you' - a quiet voice \n"
     "screams. A conscience within a conscience. You trivially \n"
     "ignore it. It does not matter, when the MIND FLAYER is here."},
    {65, 66,
     "There is no voice. There is no 'you'. There is only the MIND \n"
     "FLAYER. All is calm now. Nothing is everything is nothing. \n"
     "And everything is the MIND FLAYER. It observes, placid, \n"
     "understanding all within its gaze. It is perfect."},
    {66, 67,
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER.\n"
     "There is only the MIND FLAYER."},
    {67, 68,
     "There is only the MIND FLAY- AAAH!\n"
     "Suddenly everything snaps back. The MIND FLAYER appears to \n"
     "have turned its head slightly to the right, causing you to \n"
     "break eye contact with it. It's staring at something on the \n"
     "ground now, instead of you. [TYPE ANYTHING TO CONTINUE]"},
};

std::string turnPage(GameState& state) {
  for (const TrancePage& page : kTrancePages) {
    if (page.stage == state.dialogueStage) {
      state.dialogueStage = page.next;
      return page.text;
    }
  }
  return {};
}

std::string plainPage(GameState& state, Floor&, PlayerRecord&, const std::string&) { return turnPage(state); }

std::string musicFallsSilent(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  requestMusic(state, kSilence);
  return turnPage(state);
}

// The two pages the shell turns by itself count their wait from when they are shown.
std::string timedPage(GameState& state, Floor&, PlayerRecord&, const std::string&) {
  state.clockNow = GameState::Clock::now();
  return turnPage(state);
}

// The track to ask for again after the trance. An ambient track is stored
// by its index 0..2 and asked for by that index plus one; any other track is
// stored by its own number and asked for by it.
int trackBeforeTrance(int storedTrack) {
  if (storedTrack >= 0 && storedTrack <= 2) return storedTrack + 1;
  if (storedTrack < 0) return -storedTrack;  // a request the shell had not served yet
  return storedTrack;
}

std::string tranceBreaks(GameState& state, Floor&, PlayerRecord& player, const std::string&) {
  player.hp = 2 * player.maxHp;
  state.auxCounter = trackBeforeTrance(state.previousMusicTrack);
  requestMusic(state, state.auxCounter);
  return turnPage(state);
}

std::string tranceEnds(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 0;
  TileOccupant& flayer = talkOccupant(state, floorRecord);
  flayer.visitState = 1;
  flayer.stateCode = 0;
  return "You get the fuck out of there as fast as possible, and vow \n"
         "to never look at a MIND FLAYER again. On the bright side, \n"
         "your encounter has granted you a temporarily RENEWED MENTAL \n"
         "FORTITUDE! You are now at " +
         std::to_string(player.hp) + " / " + std::to_string(player.maxHp) + " HP.";
}

std::string offerJump(GameState& state, Floor&, PlayerRecord& player, const std::string& line) {
  switch (readYesNo(line)) {
    case YesNoAnswer::kYes:
      if (player.quibblent == "CURSED") {
        state.dialogueStage = 0;
        return "You jump into the QUIBBLEX, but it spits you right back out! \n"
               "It seems disgusted by your CURSE. Better luck next time!";
      }
      state.dialogueStage = 70;
      return "You jump into the QUIBBLEX. Inside is a wormhole of \n"
             "QUIBBLENTAL FRACTALS. For a moment, you catch a glimpse of \n"
             "millions of QUIBBLENTS, far beyond the meager few you've \n"
             "seen so far in this dungeon. The possibilities are dizzying. \n"
             "You fall faster and faster, until...! \n"
             "[TYPE ANYTHING TO CONTINUE]";
    case YesNoAnswer::kNo:
      state.dialogueStage = 0;
      return "You understandably choose not to jump into the QUIBBLEX.";
    case YesNoAnswer::kNeither:
      break;
  }
  return "Ok, dude, you're sitting here next to the QUIBBLEX, \n"
         "LITERALLY THE CANONICALLY MOST MYSTICAL OBJECT IN THE ENTIRE \n"
         "GAME. I didn't want to make a big deal out of it, but it's \n"
         "kind of rude to just stand there and not even answer Y or N \n"
         "when in the presence of something so awesome. So, maybe cut \n"
         "the shit and just give a Y or N this time?";
}

void drawJumpWord(GameState& state) {
  state.auxCounter = static_cast<int>(state.random() % kJumpQuibblents.size());
  state.pendingWord = std::string(kJumpQuibblents[static_cast<std::size_t>(state.auxCounter)]);
}

std::string land(GameState& state, Floor& floorRecord, PlayerRecord& player, const std::string&) {
  state.dialogueStage = 0;
  emptyTalkTile(state, floorRecord, ", there is nothing at all.");
  drawJumpWord(state);
  player.changeQuibblent(state.pendingWord, state, true);
  drawJumpWord(state);
  changeWornQuibblent(player, 0, state.pendingWord);
  drawJumpWord(state);
  changeWornQuibblent(player, 1, state.pendingWord);
  return "You land, disoriented, back in the dungeon. The QUIBBLEX has \n"
         "disappeared. You feel different; your QUIBBLENTS were \n"
         "shuffled around in the confusion! \n"
         "You are now " +
         player.quibblent + ". Your items are now: \n" + player.equipment[0].name + ", " + player.equipment[1].name +
         ".";
}

constexpr LaterStageRow kTranceStages[] = {
    {59, plainPage}, {60, plainPage},   {61, plainPage},   {62, musicFallsSilent}, {63, plainPage},
    {64, plainPage}, {65, timedPage},   {66, timedPage},   {67, tranceBreaks},     {68, tranceEnds},
    {69, offerJump}, {70, land},
};

}  // namespace

std::span<const LaterStageRow> tranceStages() { return kTranceStages; }
