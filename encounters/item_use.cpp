#include <array>
#include <string_view>

#include "encounters/fight_texts.h"
#include "encounters/item_effects.h"
#include "world/game_state.h"

namespace {

struct ItemRow {
  std::string_view name;
  ItemEffect effect;
};

// Every usable item, by lower-cased name. A held item missing here answers
// as a broken one.
constexpr std::array kItemRows{
    ItemRow{"potion", usePotion},
    ItemRow{"match", useMatch},
    ItemRow{"kerosene", useKerosene},
    ItemRow{"lsd", useLsd},
    ItemRow{"morality", useMorality},
    ItemRow{"airhorn", useAirhorn},
    ItemRow{"salt shaker", useSaltShaker},
    ItemRow{"poison dart", usePoisonDart},
    ItemRow{"ghost pepper", useGhostPepper},
    ItemRow{"staple remover", useStapleRemover},
    ItemRow{"calculator", useCalculator},
    ItemRow{"laughing gas", useLaughingGas},
    ItemRow{"contract", useContract},
    ItemRow{"tome of wisdom", useTomeOfWisdom},
    ItemRow{"vortex", useVortex},
    ItemRow{"necronomicon", useNecronomicon},
    ItemRow{"teleporometer", useTeleporometer},
    ItemRow{"ghast-buster", useGhastBuster},
    ItemRow{"special potion", useSpecialPotion},
    ItemRow{"hat", useHat},
    ItemRow{"antibiotics", useAntibiotics},
    ItemRow{"antibiotics?", useSpikedAntibiotics},
    ItemRow{"grog", useGrog},
};

constexpr std::array<std::string_view, 20> kInsults{
    "butthead!",
    "shitforbrains!",
    "daddy-o!",
    "you egg!",
    "dingus!",
    "dongus!",
    "you foolish boy!",
    "you stupid, sexy thing!",
    "get your pants off your head!",
    "pooplord!",
    "but that's ok. I forgive you.",
    "boomer!",
    "dumb stupid idiot!",
    "pissass!",
    "cockweasel!",
    "turdballs!",
    "insolent child!",
    "parasite!",
    "bonerface!",
    "heretic!",
};

std::string lowered(std::string text) {
  for (char& c : text) c = toLowerAscii(c);
  return text;
}

// What the fight does next once an item has had its say.
void addTurnTail(PlayerRecord& player, GameState& state) {
  if (player.itemUseText.empty()) return;
  if (state.pendingPrompt == 16 || state.combatState == 10) {
    player.itemUseText += "\n"
                          "[TYPE ANYTHING TO CONTINUE]";
  } else if (state.combatState == 2) {
    player.itemUseText += "\n"
                          "It is now your turn.\n" +
                          playerTurnText(player);
  } else if (state.combatState == 16) {
    player.itemUseText += "\n"
                          "It is now the enemy's turn.\n"
                          "[TYPE ANYTHING TO CONTINUE]";
    state.combatState = 7;
  }
}

}  // namespace

bool ItemUse::inFight() const { return state.combatState >= 1; }

ItemEffect findItemEffect(const std::string& lowerName) {
  for (const ItemRow& row : kItemRows)
    if (row.name == lowerName) return row.effect;
  return nullptr;
}

std::string PlayerRecord::useItem(std::string itemName, GameState& state, bool onEnemy) {
  itemUseText.clear();
  // Names are held once each, so at most one slot answers to the name. The
  // slot is found before anything is used up: an item that uses its last
  // unit removes its own slot.
  std::string storedName;
  bool found = false;
  for (std::size_t slot = 0; slot < inventoryNames.size(); ++slot) {
    const std::string& name = inventoryNames[slot];
    int count = slot < inventoryCounts.size() ? inventoryCounts[slot] : 0;
    if (lowered(name) == itemName || (name == itemName && count >= 1)) {
      storedName = name;
      found = true;
      break;
    }
  }
  if (found) {
    ItemUse use{*this, state, storedName, onEnemy};
    if (ItemEffect effect = findItemEffect(lowered(storedName))) {
      effect(use);
    } else {
      itemUseText = "Something definitely probably broke here?";
    }
    if (!use.endsAtOnce) addTurnTail(*this, state);
  }
  if (itemUseText.empty()) {
    state.auxCounter = static_cast<int>(rng() % 20);
    itemUseText = "You don't have any of those, " + std::string(kInsults[static_cast<std::size_t>(state.auxCounter)]);
    if (state.combatState >= 1) {
      state.combatState = 2;
      itemUseText += "\n" + playerTurnText(*this);
    }
  }
  std::string result = std::move(itemUseText);
  itemUseText.clear();
  return result;
}
