#pragma once
// The bodies of the usable items. Each writes the narration into
// PlayerRecord::itemUseText and uses up its unit (by the slot's stored name)
// when the item says so; the frame in item_use.cpp adds the turn's tail.
#include <string>

struct Creature;
struct GameState;
struct PlayerRecord;

struct ItemUse {
  PlayerRecord& player;
  GameState& state;
  const std::string& storedName;  // the slot's own (upper-case) name
  bool onEnemy;                   // only items with two targets look at it
  bool endsAtOnce = false;        // the hero is gone: no turn follows
  bool inFight() const;
};

using ItemEffect = void (*)(ItemUse& use);

// The effect of an item by its lower-cased name, or nullptr when the game has none.
ItemEffect findItemEffect(const std::string& lowerName);

// Plain items.
void usePotion(ItemUse& use);
void useSpecialPotion(ItemUse& use);
void useCalculator(ItemUse& use);
void useStapleRemover(ItemUse& use);
void useHat(ItemUse& use);
void useAntibiotics(ItemUse& use);
void useSpikedAntibiotics(ItemUse& use);
void useGrog(ItemUse& use);

// Fire and contact items.
void useMatch(ItemUse& use);
void useKerosene(ItemUse& use);
void useGhostPepper(ItemUse& use);
void usePoisonDart(ItemUse& use);
void useSaltShaker(ItemUse& use);

// LSD and MORALITY, on the hero or on the enemy.
void useLsd(ItemUse& use);
void useMorality(ItemUse& use);
// The extra moves an enemy's quibblent gives it, after its fixed moves.
void addQuibblentExtraMoves(Creature& creature);

// Noises, gases, deals, books, devices and rifts.
void useAirhorn(ItemUse& use);
void useLaughingGas(ItemUse& use);
void useContract(ItemUse& use);
void useTomeOfWisdom(ItemUse& use);
void useVortex(ItemUse& use);
void useTeleporometer(ItemUse& use);
void useNecronomicon(ItemUse& use);
void useGhastBuster(ItemUse& use);
