#include "interpreter/dialogue_step.h"

#include <algorithm>
#include <array>
#include <string>

#include "interpreter/dialogue_talk.h"
#include "interpreter/dialogues_traders.h"
#include "interpreter/later_dialogues.h"
#include "world/game_state.h"
#include "world/random_source.h"

namespace {

using StageHandler = std::string (*)(const Talk&);


// The start of a fight with the tile's creature.
std::string beginFight(const Talk& talk) {
  talk.state.combatState = 1;
  talk.state.dialogueStage = 0;
  talk.state.currentEnemy = talk.floorRecord.tileCreatures[static_cast<std::size_t>(talk.tile())];
  return "Beginning combat with " + talk.state.currentEnemy.quibblent + " " + talk.state.currentEnemy.type +
         "...\n"
         "You have first go.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

// ---- The researcher ---------------------------------------------------------

const char* const kSurveyPlea = "'I see you too are exploring it, so if you could perhaps \n"
                                "offer a moment of your time to complete this brief written \n"
                                "survey I've prepared, asking several questions about your \n"
                                "dungeoneering experience and especially any information \n"
                                "relating to the inexplicable 'GARGLEFLOXX' phenomenon...'\n"
                                "[TYPE ANYTHING TO CONTINUE]";

std::string nerdPlea(const Talk& t) { return t.next(2, kSurveyPlea); }
std::string nerdAnnoys(const Talk& t) {
  return t.next(3, "All of these words are starting to piss you off.\n"
                   "Do you want to beat up the ANNOYING NERD? (Y/N)");
}
std::string nerdBeatUp(const Talk& t) {
  TileOccupant& nerd = t.occupant();
  if (t.yes()) {
    nerd.visitState = 2;
    nerd.stateCode = 0;
    nerd.portraitFile = "Qbl_item.png";
    t.floorRecord.tileTexts[static_cast<std::size_t>(t.tile())] = ", some kind of ITEM is lying on the ground.";
    return t.end("You lift your fist, preparing to strike. The ANNOYING NERD's \n"
                 "eyes widen. 'Eep!' They run away before you can even get a \n"
                 "single punch off. Dammit. \n"
                 "Hey, looks like they dropped something.");
  }
  if (t.no()) {
    nerd.visitState = 1;
    nerd.stateCode = 3;
    return t.end("You walk away without saying anything. 'Ahh, w-well, I'll \n"
                 "take that as a 'no', then... Errr, I will be right here if \n"
                 "you change your mind! I'll just be... studying these bricks... \n"
                 "in the meantime...'");
  }
  return "'I see you are staring at me. Are you contemplating your \n"
         "potential responses to the survey? Take your time. \n"
         "I am in no rush.' \n"
         "Beat up the ANNOYING NERD? (Y/N)";
}

std::string surveyIntro(const Talk& t) {
  t.occupant().stateCode = 44;
  t.occupant().visitState = 1;
  return t.next(42, "'Ah, excuse me, sir? I'm performing an analysis of this \n"
                    "dungeon's peculiar quibblental properties; the scientific \n"
                    "community is very interested in understanding it and its \n"
                    "potential implications regarding physical reality.' \n"
                    "[TYPE ANYTHING TO CONTINUE]");
}
std::string surveyPlea(const Talk& t) { return t.next(43, kSurveyPlea); }
std::string surveyOpportunity(const Talk& t) {
  return t.next(44, "You know an opportunity when you see it. This guy wants you \n"
                    "to take his survey, huh? You tell him you could see yourself \n"
                    "answering some questions, for the right price. In fact, \n"
                    "you'd do it for no less than... [INPUT A NUMBER TO ASK FOR]");
}

// The researcher's mood by the price asked; a price past the last bracket,
// however many digits it has, loses him.
enum class Bracket { Free, Reasonable, Haggler, Desperate, TooMuch };
constexpr int kTopPrice = 300;
Bracket bracketOf(int price) {
  if (price == 0) return Bracket::Free;
  if (price <= 100) return Bracket::Reasonable;
  if (price <= 200) return Bracket::Haggler;
  if (price <= kTopPrice) return Bracket::Desperate;
  return Bracket::TooMuch;
}

std::string surveyPrice(const Talk& t) {
  if (t.line.empty())
    return "You tell the guy, hold on, give you a sec, you're thinking \n"
           "about it. Ahem. The price you'll do it for is... \n"
           "[INPUT A NUMBER TO ASK FOR]";
  if (t.line.find_first_not_of("0123456789") != std::string::npos) {
    t.occupant().visitState = 1;
    return t.end("'My apologies, but I don't understand the cost you're asking \n"
                 "for. I don't believe I could make a deal without fully \n"
                 "understanding its consequences. Please come back if you \n"
                 "change your mind!'");
  }
  // Read digit by digit so a price of any length stops at the first value past the top bracket.
  int price = 0;
  for (char digit : t.line) {
    price = price * 10 + (digit - '0');
    if (price > kTopPrice) break;
  }
  t.state.auxCounter = price;
  t.state.dialogueStage = 45;
  const std::string paid = std::to_string(price);
  switch (bracketOf(price)) {
    case Bracket::Free:
      return "'Oh! Ah, that's wonderful! Certainly I'd be happy to pay, \n"
             "but if you're willing to complete the survey for free, who \n"
             "am I to deny your charitable nature? Thank you very much, \n"
             "it's just a few short questions. It'll only take a moment.' \n"
             "[TYPE ANYTHING TO CONTINUE]";
    case Bracket::Reasonable:
      t.player.gold += price;
      return "'Ah, hm, I see. Well, I suppose your offered price is \n"
             "reasonable, at least. Yes, I'll pay; here.' \n"
             "You got " +
             paid +
             " gold! \n"
             "'Thank you very much, it's just a few short questions. \n"
             "It'll only take a moment.' \n"
             "[TYPE ANYTHING TO CONTINUE]";
    case Bracket::Haggler:
      t.player.gold += price;
      return "'Really? My, but you are quite the haggler. My grant money \n"
             "is not infinite, you know! Fine, take it.' \n"
             "You got " +
             paid +
             " gold! \n"
             "'I hope you're happy. It's just a few short questions; \n"
             "it'll only take a moment.' \n"
             "[TYPE ANYTHING TO CONTINUE]";
    case Bracket::Desperate:
      t.player.gold += price;
      return "'WHAT!? I- but- agh, *fine*, I'll pay your ridiculous price. \n"
             "You see that I am lonely, desperate for data, stuck in this \n"
             "musty dungeon while my peers are off in a bountiful forest \n"
             "exploring the nature, and what do I get? I suppose it's the \n"
             "price I pay when I choose to go to such lengths for science. \n"
             "Let's just get this over with.' [TYPE ANYTHING TO CONTINUE]";
    case Bracket::TooMuch:
      break;
  }
  t.emptyTile(", there are only memories of a failed deal.");
  return t.end("'Hah! You must be joking. Yes, I may be desperate for data, \n"
               "but I'm not THAT desperate. I will take my survey elsewhere. \n"
               "I believe I saw a friendly-looking GOBLIN somewhere around \n"
               "here, perhaps he'd be more amenable.' \n"
               "The BORING GUY wanders off. Damn, you shouldn't have pushed \n"
               "your luck!");
}
std::string surveyQuestions(const Talk& t) {
  return t.next(46, "[Several hours of incredibly thorough questioning later...]");
}
std::string surveyThanks(const Talk& t) {
  t.state.dialogueStage = 47;
  switch (bracketOf(t.state.auxCounter)) {
    case Bracket::Free:
      return "'Well, I believe that's all. Thank you again, your \n"
             "contribution will provide a highly valuable data point for \n"
             "the scientific community. And further thanks are in order \n"
             "for your graciousness! Here, I feel terribly guilty about \n"
             "taking up so much of your time without offering anything in \n"
             "return. Have these.' [TYPE ANYTHING TO CONTINUE]";
    case Bracket::Reasonable:
      return "'Well, I believe that's all. Thank you again, your \n"
             "contribution will provide a highly valuable data point for \n"
             "the scientific community. It's customary to offer a gift to \n"
             "all participants upon completion of the survey, so here, \n"
             "I'd like you to have these.' [TYPE ANYTHING TO CONTINUE]";
    case Bracket::Haggler:
      return "'Well, I believe that's all. Thank you again, your \n"
             "contribution will provide a highly valuable data point for \n"
             "the scientific community. It's customary to offer a gift to \n"
             "all participants upon completion of the survey... but \n"
             "frankly, I think I've paid quite enough for your data. I \n"
             "shan't offer you anything more.' [TYPE ANYTHING TO CONTINUE]";
    default:
      return "'Well, I believe that's all. Oh, and... it's... CUSTOMARY to \n"
             "offer a gift to all participants upon completion of the \n"
             "survey. So... I'd like... VERY MUCH... for you to have \n"
             "these. Use them in good health, and don't let the stairs hit \n"
             "you on the way out.' [TYPE ANYTHING TO CONTINUE]";
  }
}
std::string surveyGift(const Talk& t) {
  t.emptyTile(", there is nothing at all.");
  std::string gift;
  int count = 0;
  switch (bracketOf(t.state.auxCounter)) {
    case Bracket::Free: gift = "ANTIBIOTICS"; count = 3; break;
    case Bracket::Reasonable: gift = "ANTIBIOTICS"; count = 1; break;
    case Bracket::Desperate: gift = "ANTIBIOTICS?"; count = 1; break;
    default: break;
  }
  std::string reply;
  if (count > 0) {
    // The gift is announced only when the pack really takes it (a full stack
    // takes nothing either); otherwise the researcher says it did not fit.
    if (t.player.hasRoomFor(gift)) {
      t.player.gainItem(gift, count);
      reply = "You got some ANTIBIOTICS!\n";
    } else {
      reply = "'...Actually, it looks like your inventory is full. \n"
              "Oh well, nevermind then!'\n";
    }
  }
  return t.end(reply + "The BORING GUY wanders off to study some nearby bricks.");
}

// ---- The wise ones -----------------------------------------------------------

struct Riddle {
  int asking;
  const char* name;
  const char* question;
  std::array<const char*, 9> answers;
  const char* approval;
  const char* yourMom;  // nullptr: the insult starts a fight instead
  void (*boon)(PlayerRecord&);
};

const std::array<Riddle, 3> kRiddles = {{
    {7, "WISE GOBLIN",
     "'Ahem. My riddle is as follows: WHAT WALKS ON FOUR LEGS IN \n"
     "THE MORNING, TWO LEGS IN THE AFTERNOON, AND THREE IN THE \n"
     "EVENING?' \n"
     "[TYPE YOUR ANSWER]",
     {"man", "a man", "men", "person", "a person", "people", "a human", "humans", "human"},
     "'I approve of this answer. Please accept my BOON OF COURAGE.'\n"
     "You gained 1 ATK!",
     "'I am impressed, human. Yes, my mother has been walking with \n"
     "this strange pattern every day for the past six years. \n"
     "Ol' Many-Legs Joan, we call her. Please accept my BOON OF \n"
     "COURAGE.'\n"
     "You gained 1 ATK!",
     [](PlayerRecord& p) { p.attack += 1; }},
    {9, "WISE ORC",
     "'Ahem. My riddle is as follows: I HAVE EYES, BUT CANNOT SEE. \n"
     "I HAVE SKIN, BUT CANNOT FEEL. WHAT AM I?' \n"
     "[TYPE YOUR ANSWER]",
     {"potato", "potatoes", "a potato", "potatos", "taters"},
     "'I approve of this answer. Please accept my BOON OF \n"
     "RESILIENCE.'\n"
     "You gained 1 DEF!",
     "'How did you know about that, human? It's true, my mother \n"
     "has been blind since birth, and has a rare yet dangerous \n"
     "skin condition preventing sensations of touch. Please accept \n"
     "my \n"
     "BOON OF RESILIENCE.' \n"
     "You gained 1 DEF!",
     [](PlayerRecord& p) { p.defence += 1; }},
    {11, "WISE TROLL",
     "'Ahem. My riddle is as follows: A CAR TRAVELLING 64.1 MPH \n"
     "ACCELERATES TO DOUBLE ITS ORIGINAL SPEED IN 18.54 SECONDS. \n"
     "DETERMINE THE ACCELERATION IN M/S^2 TO FOUR DECIMAL PLACES.' \n"
     "[TYPE YOUR ANSWER]",
     {"1.5456", "1.5456 m", "1.5456 m/s", "1.5456 m/s^2", "1.5456 m/s2"},
     "'I approve of this answer. Please accept my BOON OF \n"
     "ENDURANCE.'\n"
     "You gained 30 maximum HP!",
     nullptr,
     [](PlayerRecord& p) { p.maxHp += 30; }},
}};

const Riddle& riddleAt(int stage) {
  for (const Riddle& riddle : kRiddles)
    if (stage == riddle.asking || stage == riddle.asking + 1) return riddle;
  return kRiddles[0];
}

std::string askRiddle(const Talk& t) {
  const Riddle& riddle = riddleAt(t.state.dialogueStage);
  t.occupant().stateCode = 0;
  return t.next(riddle.asking + 1, riddle.question);
}

std::string judgeRiddle(const Talk& t) {
  const Riddle& riddle = riddleAt(t.state.dialogueStage);
  const bool right = std::any_of(riddle.answers.begin(), riddle.answers.end(),
                                 [&](const char* answer) { return answer != nullptr && t.line == answer; });
  if (right || (t.line == "your mom" && riddle.yourMom != nullptr)) {
    riddle.boon(t.player);
    t.occupant().visitState = 1;
    return t.end(right ? riddle.approval : riddle.yourMom);
  }
  if (t.line == "your mom") {
    const auto at = static_cast<std::size_t>(t.tile());
    t.floorRecord.tileKinds[at] = "Mon";
    t.floorRecord.tileCreatures[at] = Creature("ENRAGED", "TROLL", 0);
    t.state.currentEnemy = t.floorRecord.tileCreatures[at];
    t.state.combatState = 1;
    return t.end("'How dare you say such things about my mother! I will not \n"
                 "stand for this!' \n"
                 "WISE TROLL is now ENRAGED! ENRAGED TROLL attacks you!! \n"
                 "[TYPE ANYTHING TO CONTINUE]");
  }
  if (t.line.empty()) return riddle.question;
  t.occupant().visitState = 1;
  return t.end(std::string("'Wrong. You have failed the riddle of ") + riddle.name +
               ". There are \n"
               "no second chances. Leave now, for I have nothing more to \n"
               "offer you.'");
}

// ---- The quibblent seer ------------------------------------------------------

struct Reading {
  const char* word;
  const char* text;
};
const Reading kReadings[] = {
#include "interpreter/seer_readings.inc"
};

std::string seerPayment(const Talk& t) {
  t.occupant().visitState = 1;
  if (t.yes()) {
    if (t.player.gold < 30)
      return t.end("You don't have 30 gold, but you offer all you have. 'That is \n"
                   "not enough gold. 30 is the final price. I will be here.'");
    t.player.gold -= 30;
    return t.next(16, "You hand over the 30 gold. The QUIBBLENT SEER closes her \n"
                      "eyes and begins to hum a low note. She keeps humming, eyes \n"
                      "closed, long enough for you to start getting impatient. \n"
                      "You're about to ask for your money back when her eyes \n"
                      "suddenly shoot open. \n"
                      "[TYPE ANYTHING TO CONTINUE]");
  }
  if (t.no())
    return t.end("You politely decline. The QUIBBLENT SEER does not visibly \n"
                 "react. 'I will be here if you change your mind.'");
  return "The QUIBBLENT SEER waits patiently. 'It is thirty gold to \n"
         "have your QUIBBLENT read.' \n"
         "Pay 30 gold? (Y/N)";
}

std::string seerReading(const Talk& t) {
  const std::string& word = t.player.quibblent;
  t.state.dialogueStage = 17;
  if (word == "VORPAL" || word == "WHIFFLING" || word == "FRUMIOUS") {
    t.player.gold += 30;
    return t.end("The QUIBBLENT SEER opens her eyes and shakes her head at you. \n"
                 "'I'm sorry, but that is not a real word. I cannot read an \n"
                 "QUIBBLENTAL AURA for a made-up concept such as this.' \n"
                 "Shrugging, she gives you your money back.");
  }
  if (word == "CURSED") {
    t.emptyTile("... there is nothing at all.");
    return t.end("QUIBBLENT SEER's eyes dart wildly around, and she screams. \n"
                 "'NO! Get away! Your QUIBBLENTAL AURA - it's too horrible to \n"
                 "contemplate! D-don't touch me!' \n"
                 "With that, the QUIBBLENT SEER runs away. \n"
                 "Guess you're not gonna get your 30 GOLD back.");
  }
  for (const Reading& reading : kReadings)
    if (word == reading.word) return reading.text;
  return "The QUIBBLENT SEER stares blankly at you. \n"
         "'Errr... I cannot seem to read your QUIBBLENTAL AURA. Sorry. \n"
         "Whatever QUIBBLENT you have, the developer did not \n"
         "anticipate it. Please send in a bug report and he'll \n"
         "hopefully be able to fix it in the next version of the \n"
         "game.' [TYPE ANYTHING TO CONTINUE]";
}

std::string seerFarewell(const Talk& t) {
  return t.end("'That is all I have to say. You may return if you have a new \n"
               "QUIBBLENT you wish to be read.'");
}

// ---- The chef ------------------------------------------------------------------

std::string chefHat(const Talk& t) {
  if (t.yes()) {
    t.occupant().portraitFile = "Qbl_chef.png";
    t.player.loseItem("HAT");
    return t.next(20, "'Oh thank you thank you thank you!' The HATLESS CHEF, hat in \n"
                      "hand, does a little jig in celebration. \n"
                      "It is now a HATTED CHEF! \n"
                      "[TYPE ANYTHING TO CONTINUE]");
  }
  if (t.no())
    return t.end("You refuse, and the HATLESS CHEF starts to cry.\n"
                 "You're a real bastard for this one.");
  return "The HATLESS CHEF stares at you with pure desperation in its \n"
         "eyes. 'Please oh please oh please oh please...' \n"
         "Return the hat? (Y/N)";
}
std::string chefLeaves(const Talk& t) {
  t.emptyTile(", there is nothing at all.");
  return t.end("The HATTED CHEF thanks you once more before dancing off, \n"
               "humming a little tune. Hey - it didn't even give you a \n"
               "reward! What a gyp. What's even the point of helping people \n"
               "if they don't give you stuff in exchange?");
}

// ---- The table -------------------------------------------------------------------

struct StageRow {
  int stage;
  StageHandler handler;
};

constexpr StageRow kStages[] = {
    {1, nerdPlea},          {2, nerdAnnoys},       {3, nerdBeatUp},      {7, askRiddle},
    {8, judgeRiddle},       {9, askRiddle},        {10, judgeRiddle},    {11, askRiddle},
    {12, judgeRiddle},      {15, seerPayment},     {16, seerReading},    {17, seerFarewell},
    {19, chefHat},          {20, chefLeaves},      {40, beginFight},     {41, surveyIntro},
    {42, surveyPlea},       {43, surveyOpportunity}, {44, surveyPrice},  {45, surveyQuestions},
    {46, surveyThanks},     {47, surveyGift},
    {5, dealerOffer},       {6, dealerHaggle},     {53, smugPrickTemptation}, {54, smugPrickChoice},
    {55, peanutApproach},   {56, peanutTreasure},  {57, tavernWelcome},   {58, tavernOrder},
    {71, cheeseburger},     {72, lostOgre},
};

constexpr int kLastStage = 72;

}  // namespace

StageReply offerToDialogue(GameState& state, Floor& floorRecord, PlayerRecord& playerRecord, const std::string& line) {
  if (state.dialogueStage < 1 || state.dialogueStage > kLastStage) return std::nullopt;
  const Talk talk{state, floorRecord, playerRecord, line};
  for (const StageRow& row : kStages)
    if (row.stage == state.dialogueStage) return row.handler(talk);
  if (StageReply later = answerLaterDialogueStage(state, floorRecord, playerRecord, line)) return later;
  // A stage nobody serves must not hold the hero: the talk ends and the line goes on.
  state.dialogueStage = 0;
  return std::nullopt;
}
