#include <array>
#include <string_view>

#include "encounters/item_effects.h"
#include "world/game_state.h"

namespace {

std::string hpLine(const PlayerRecord& player) {
  return std::to_string(player.hp) + " / " + std::to_string(player.maxHp) + " HP!";
}

struct CalculatorRow {
  int maxHpAndHp;
  int attack;
  int defence;
  int dodges;
  std::string_view text;
};

// What the calculator turns up, by its draw's low two bits.
constexpr std::array<CalculatorRow, 4> kCalculatorRows{{
    {10, 0, 0, 0, "According to the pi-root function of 3, you actually have\n"
                  "10 more health than you thought! Sick!"},
    {0, 3, 0, 0, "According to the inverse transitive property, you actually\n"
                 "have 3 more attack than you thought! Wow!"},
    {0, 0, 2, 0, "According to recursive calculus of badgers, you actually\n"
                 "have 2 more defense than you thought! Amazing!"},
    {0, 0, 0, 3, "According to the Lost Algebra of the Ancients, you\n"
                 "actually have 3 more dodges than you thought! Zut alors!"},
}};

}  // namespace

void usePotion(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.heal(p.maxHp / 2);
  p.itemUseText = "You drink the potion. It tastes like a mix of strawberries\n"
                  "and piss. You are now at " +
                  hpLine(p);
  p.loseItem(use.storedName);
}

void useSpecialPotion(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.maxHp += 1;
  p.itemUseText = "You drink the SPECIAL POTION... blech! It tastes like piss! \n"
                  "You are now at " +
                  hpLine(p);
  p.loseItem(use.storedName);
}

void useCalculator(ItemUse& use) {
  PlayerRecord& p = use.player;
  use.state.auxCounter = static_cast<int>(p.rng() & 3u);
  const CalculatorRow& row = kCalculatorRows[static_cast<std::size_t>(use.state.auxCounter)];
  p.maxHp += row.maxHpAndHp;
  p.hp += row.maxHpAndHp;
  p.attack += row.attack;
  p.defence += row.defence;
  p.dodges += row.dodges;
  p.itemUseText = "You math out your statistics on the CALCULATOR.\n"
                  "Bleep, bloop - hey, what's this!?\n";
  p.itemUseText += row.text;
  p.loseItem(use.storedName);
}

void useStapleRemover(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.itemUseText = use.inFight() ? "You use the STAPLE REMOVER.\n"
                                  "All STAPLES have been removed from the combat environment!"
                                : "You use the STAPLE REMOVER.\n"
                                  "The dungeon floor is now free of STAPLES.\n"
                                  "Hooray!";
  // An imbued STAPLE REMOVER never wears out.
  if (p.imbuement != "STAPLE REMOVER") p.loseItem(use.storedName);
}

void useHat(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  if (!use.inFight()) {
    p.itemUseText = "You put on the HAT.\n"
                    "...\n"
                    "Ok, that just looks silly. You take off the HAT. You should \n"
                    "really just give this back to its CHEF.";
  } else if (s.currentEnemy.type != "CHEF") {
    s.combatState = 2;
    p.itemUseText = "You can't put on the HAT here, the enemy will think you \n"
                    "look stupid! It'd be so embarrassing.";
  } else {
    s.combatState = 6;
    p.itemUseText = "You put on the HAT. The " + s.currentEnemy.quibblent +
                    " CHEF, recognizing \n"
                    "you as one of their own, apologizes for the rude \n"
                    "introduction and offers to exchange recipes with you \n"
                    "sometime. You talk for a bit and then they walk off, \n"
                    "satisfied. You win!\n"
                    "[TYPE ANYTHING TO CONTINUE]";
    p.loseItem(use.storedName);
  }
}

void useAntibiotics(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.antibioticsUsed += 1;
  p.itemUseText = "You take some ANTIBIOTICS.";
  if (p.antibioticsUsed >= 5) {
    p.itemUseText += "\n"
                     "The bacteria in your body have developed ANTIBIOTIC \n"
                     "RESISTANCE! The antibiotics do nothing.";
  } else if (p.quibblent != "CONFUSED" && !p.poisoned) {
    p.itemUseText += p.quibblent == "FLAMING" ? "\n"
                                                "The ANTIBIOTICS are powerless against FIRE! \n"
                                                "You can't take drugs to cure burning to death, dummy!"
                                              : "\n"
                                                "You are already perfectly healthy.\n"
                                                "You shouldn't waste antibiotics like that, you know.";
  } else {
    if (p.quibblent == "CONFUSED") p.itemUseText += "\n" + p.changeQuibblent("UNINTERESTING", use.state, false);
    if (p.poisoned) {
      p.poisoned = false;
      p.itemUseText += "\n"
                       "Your POISON has been cured!";
    }
  }
  p.loseItem(use.storedName);
}

void useSpikedAntibiotics(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.antibioticsUsed += 1;
  std::string confused = p.changeQuibblent("CONFUSED", use.state, false);
  std::string poisoned = p.changeQuibblent("POISONED", use.state, false);
  p.itemUseText = "You take some ANTIBIOTICS... You don't feel so good. \n"
                  "Actually, those ANTIBIOTICS made you feel even WORSE than \n"
                  "before! That stupid ACADEMIC must have spiked them! \n" +
                  poisoned + " " + confused;
  p.loseItem(use.storedName);
}

void useGrog(ItemUse& use) {
  PlayerRecord& p = use.player;
  p.itemUseText = "You drink the GROG... it doesn't taste very good.\n" + p.changeQuibblent("GROGGY", use.state, false);
  if (p.skills.size() < 6) {
    p.learnSkill("PISS ON");
    p.itemUseText += "\n"
                     "It also makes you feel like you really, really need to pee. \n"
                     "When was the last time you had a good PISS in this dungeon?";
  }
  p.loseItem(use.storedName);
}
