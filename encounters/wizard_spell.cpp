// Garglefloxx's SPELL OF IMBUENCE: the hero offers one item as a reagent.
// The imbuement itself takes hold on the next line; here the wizard takes
// the item, asks first, or sends the hero away.
#include <string>

#include "world/game_state.h"

namespace {

constexpr int kImbuementTakesHoldPrompt = 25;
constexpr int kAreYouSurePrompt = 27;
constexpr int kFreeCommandsPrompt = 2;

const char kIncantation[] = "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n";

std::string castingText(const std::string& item) {
  return "Garglefloxx takes your " + item + ".\n" + kIncantation +
         "A flash of bright light engulfs you; when you come to, you \n"
         "feel... different.\n"
         "[TYPE ANYTHING TO CONTINUE]";
}

// Columns: item, the casting text it gets instead of the plain one.
struct CastingRow {
  const char* item;
  const char* text;
};

const CastingRow kSpecialCastings[] = {
    {"LSD",
     "Garglefloxx gives you a weird look, but shrugs and takes \n"
     "your LSD. 'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "There's a flash of bright light, and then... whoa...\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"GHOST PEPPER",
     "Garglefloxx takes your GHOST PEPPER.\n"
     "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "A flash of bright light engulfs you; when you come to, your \n"
     "mouth feels like someone has lit a nuclear bomb in it.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"TOME OF WISDOM",
     "Garglefloxx takes your TOME OF WISDOM.\n"
     "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "A flash of bright light engulfs you; when you come to, you \n"
     "become instantly aware of the entire dungeon layout.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
    {"GHAST-BUSTER",
     "Garglefloxx takes your GHAST-BUSTER.\n"
     "'Wimbus... Blorgenfaub... Shumble... KAZAM!!'\n"
     "A flash of bright light engulfs you; several ghastly \n"
     "figures emerge from the woodwork and fly away. \n"
     "When you come to, you feel... different.\n"
     "[TYPE ANYTHING TO CONTINUE]"},
};

// What the wizard does with the reagent.
enum class Reagent { kTaken, kTooPowerful, kWorthless, kKeptByTheHero };

struct ReagentRow {
  const char* item;
  Reagent kind;
};

const ReagentRow kReagents[] = {
    {"VORTEX", Reagent::kTooPowerful},        {"NECRONOMICON", Reagent::kTooPowerful},
    {"TELEPOROMETER", Reagent::kTooPowerful}, {"SPECIAL POTION", Reagent::kWorthless},
    {"HAT", Reagent::kWorthless},             {"ANTIBIOTICS", Reagent::kWorthless},
    {"ANTIBIOTICS?", Reagent::kWorthless},    {"STAPLE REMOVER", Reagent::kKeptByTheHero},
};

Reagent reagentKind(const std::string& item) {
  for (const ReagentRow& row : kReagents) {
    if (item == row.item) return row.kind;
  }
  return Reagent::kTaken;
}

std::string castingTextFor(const std::string& item) {
  for (const CastingRow& row : kSpecialCastings) {
    if (item == row.item) return row.text;
  }
  return castingText(item);
}

const char kAreYouSure[] =
    "Garglefloxx looks at you hesitantly. 'Are you sure this is \n"
    "the item you want to use? It's quite... powerful. I cannot\n"
    "entirely predict its effects.' \n"
    "(Y/N)";
const char kBegone[] =
    "Garglefloxx glares at you. 'Is this some kind of joke!? This \n"
    "is a powerful SPELL OF IMBUENCE, it is not to be trifled \n"
    "with! Come back when you have a *real* item for me. Until \n"
    "then, begone!' A crash of lightning, and then you are \n"
    "returned to the main dungeon.";

}  // namespace

std::string GameState::castSpellOfImbuence(std::string itemName, int, PlayerRecord& playerRecord) {
  pendingWord = itemName;
  messageBuffer = castingTextFor(itemName);
  switch (reagentKind(itemName)) {
    case Reagent::kTooPowerful:
      pendingPrompt = kAreYouSurePrompt;
      messageBuffer = kAreYouSure;
      return messageBuffer;
    case Reagent::kWorthless:
      pendingPrompt = kFreeCommandsPrompt;
      return kBegone;
    case Reagent::kKeptByTheHero:
      return messageBuffer;
    case Reagent::kTaken:
      playerRecord.loseItem(itemName);
      return messageBuffer;
  }
  return messageBuffer;
}
