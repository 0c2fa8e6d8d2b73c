#include <algorithm>

#include "encounters/fight_texts.h"
#include "encounters/fought_tile.h"
#include "encounters/item_effects.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"
#include "world/word_match.h"

namespace {

constexpr const char* kHonk = "You use the airhorn. HOOOOOOOOONK!\n";
constexpr const char* kOfferContract =
    "You hold out the contract, offering the enemy a sum of GOLD\n"
    "of their choice should they agree to cease all attempts\n"
    "at combat with you for the foreseaable future.";
constexpr const char* kChant =
    "You open the NECRONOMICON and read aloud one of the ANCIENT\n"
    "CHANTS OF MADNESS contained inside.\n";
constexpr const char* kVortexOpens =
    "You unleash the VORTEX...\n"
    "It begins to expand, consuming all the matter in its path.\n";
constexpr const char* kShoomp = "You unleash the GHAST-BUSTER... SHOOOOOOMP!\n"
                                "The ";

// Who will take a bribe at all.
bool willDeal(const Creature& e) {
  return !e.noNegotiation && e.quibblent != "ENRAGED" &&
         !isOneOf(e.type, {"ZOMBIE", "CTHULOID", "DEEP TROLL", "DRAGON", "HELLFUCKER"});
}

// What the enemy asks to leave the hero alone: two and a half times its gold,
// haggled by 80 to 120 percent.
int bribePrice(PlayerRecord& player, const Creature& enemy) {
  double haggle = static_cast<double>(player.rng() % 41 + 80) / 100.0;
  int price = truncatedWhole(2.5 * enemy.goldReward * haggle);
  if (player.imbuement == "CONTRACT") price = truncatedWhole(price * 0.667);
  if (enemy.type == "HELLSATAN") price = 1500;
  return price;
}

void turnIntoZombie(GameState& state) {
  Creature& e = state.currentEnemy;
  e.type = "ZOMBIE";
  e.maxHp = 50;
  e.hp = 50;
  e.expReward = 80;
  e.attack = 12;
  e.defence = 4;
  e.regenPerTurn = 0;
  e.dodge = 0.0f;
  e.actions.clear();
  e.actions.emplace_back("ATTACK", 5);
  e.actions.emplace_back("EAT", 3);
  if (e.quibblent != "SLEEPING") e.confident = true;
  addQuibblentExtraMoves(e);
  keepEnemyOnItsTile(state);
}

}  // namespace

void useAirhorn(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& e = s.currentEnemy;
  if (!use.inFight()) {
    p.itemUseText = std::string(kHonk) + "Wow, what a fucking waste of time!";
  } else if (e.quibblent == "MLG" || e.quibblent == "GAMER") {
    e.expReward = -e.expReward;
    s.combatState = 10;
    p.itemUseText = std::string(kHonk) + "The enemy does a rad triple-kickflip and GAMER-JUMPS far,\n"
                                         "far away. You win???";
  } else {
    s.combatState = 2;
    e.stunned = true;
    p.itemUseText = kHonk;
    if (e.quibblent == "SLEEPING")
      p.itemUseText += "Your attack woke the enemy up!! " + e.changeQuibblent("ENRAGED", s, false) + "\n";
    p.itemUseText += "The enemy is momentarily STUNNED by the loud noise!";
  }
  p.loseItem(use.storedName);
}

void useLaughingGas(ItemUse& use) {
  GameState& s = use.state;
  if (s.level != nullptr)
    for (Creature& creature : s.level->tileCreatures) creature.changeQuibblent("SLEEPING", s, false);
  if (use.inFight()) s.currentEnemy.changeQuibblent("SLEEPING", s, false);
  use.player.itemUseText = "You let the LAUGHING GAS expand over the dungeon floor...\n"
                           "It appears to be making the monsters sleepier!\n"
                           "All monsters become SLEEPING!";
  use.player.loseItem(use.storedName);
}

void useContract(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& e = s.currentEnemy;
  if (!use.inFight()) {
    p.itemUseText = "You use the CONTRACT on yourself.\n"
                    "You try to make an agreement to give yourself 50 GOLD\n"
                    "in exchange for guaranteed protection from the monsters.\n"
                    "Sadly, you see right through your own scam and reject the\n"
                    "terms of the contract! Damn. Better luck next time.";
    return;
  }
  p.itemUseText = kOfferContract;
  if (willDeal(e)) {
    s.combatState = 8;
    int price = bribePrice(p, e);
    s.auxCounter = price;
    s.combatValue = price;
    p.itemUseText += "\n"
                     "The " +
                     enemyFullName(e) +
                     " thinks your offer over...\n"
                     "They are willing to leave you alone if you can give them a \n"
                     "minimum of " +
                     std::to_string(price) + " gold. Will you accept? (Y/N)";
  } else {
    p.itemUseText += "\n"
                     "The enemy is unwilling to negotiate!!";
  }
  p.loseItem(use.storedName);
}

void useTomeOfWisdom(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  if (use.inFight()) {
    s.combatState = 2;
    p.itemUseText = "You cannot use the TOME OF WISDOM while in-combat!";
    return;
  }
  if (s.level != nullptr && !s.level->secretRoomKnown) {
    s.level->secretRoomKnown = true;
    p.itemUseText = "Reading the TOME gives you a flash of insight...\n"
                    "Type 'secret' to access this floor's secret room!";
  } else {
    p.itemUseText = "The TOME OF WISDOM reads...\n"
                    "'IN THE 1960S, A CERTAIN INTELLIGENCE AGENCY SECRETLY DOSED\n"
                    "UNWITTING CIVILIANS WITH DRUGS IN AN ATTEMPT TO DEVELOP\n"
                    "TECHNIQUES OF MIND CONTROL, AND THEN DESTROYED MOST OF\n"
                    "THE RECORDS WHEN THE PROGRAM CAME TO LIGHT.'\n"
                    "You fail to see the relevance of this. What a useless item!";
  }
  p.loseItem(use.storedName);
}

void useVortex(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  if (use.inFight()) {
    s.combatState = 2;
    p.itemUseText = "You cannot use the VORTEX while in-combat!";
    return;
  }
  // The last floor holds together; anywhere else the hero is swept away.
  if (s.level != nullptr && s.level->floorNumber == 16) {
    p.itemUseText = std::string(kVortexOpens) + "...then, after a few seconds, it begins to contract in on \n"
                                                "itself again. It disappears into nothingness with a tiny \n"
                                                "'pop' sound. What a disappointment!";
  } else {
    s.pendingPrompt = 31;
    p.itemUseText = std::string(kVortexOpens) + "It occurs to you that this may have been a poor decision.\n"
                                                "You pass out.\n"
                                                "[TYPE ANYTHING TO CONTINUE]";
  }
  p.loseItem(use.storedName);
}

void useTeleporometer(ItemUse& use) {
  GameState& s = use.state;
  if (s.combatState > 0) s.combatState = 0;
  s.pendingPrompt = 32;
  use.player.itemUseText = "You press the big red button on the TELEPOROMETER.\n"
                           "FWOOOOOOOOSSSHHHHHHH!!\n"
                           "Everything goes white...\n"
                           "[TYPE ANYTHING TO CONTINUE]";
  use.player.loseItem(use.storedName);
}

void useNecronomicon(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& e = s.currentEnemy;
  if (!use.inFight()) {
    s.pendingPrompt = 33;
    p.itemUseText = "You flip through the NECRONOMICON.\n"
                    "Why, the truths written here would be enough to drive most\n"
                    "sane men MAD! You definitely should not read it.\n"
                    "\n"
                    "Would you like to read it? (Y/N)";
    return;
  }
  if (e.type == "CTHULOID" || e.type == "ZOMBIE") {
    e.hp = e.maxHp;
    e.attack += 2;
    p.itemUseText = std::string(kChant) + "The " + enemyFullName(e) +
                    " is overwhelmed with CHAOS!\n"
                    "It has been fully healed and gained +2 attack! Oh no!!";
  } else if (isOneOf(e.type, {"DRAGON", "HELLSATAN", "HELLFUCKER"})) {
    p.itemUseText = std::string(kChant) + e.type +
                    " seems mildly amused by this pathetic display of\n"
                    "faux-occultism. Damn, this stupid book is worthless!";
  } else {
    p.itemUseText = std::string(kChant) +
                    "Whoa, something's happening...\n"
                    "The " +
                    enemyFullName(e) + " transforms into a ZOMBIE!";
    turnIntoZombie(s);
  }
  p.loseItem(use.storedName);
}

void useGhastBuster(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& e = s.currentEnemy;
  if (!use.inFight()) {
    int gain = static_cast<int>(p.rng() % 50 + 25);
    s.auxCounter = gain;
    p.exp += gain;
    p.itemUseText = "You unleash the GHAST-BUSTER. A number of spirits that were\n"
                    "ambiently floating around the dungeon are absorbed into the\n"
                    "GHAST-BUSTER! You gained " +
                    std::to_string(gain) + " experience!";
    if (p.exp >= p.expForNextLevel) {
      s.pendingPrompt = 40;
      p.itemUseText += "\n"
                       "[TYPE ANYTHING TO CONTINUE]";
    }
  } else if (e.ghastly) {
    s.combatState = 10;
    e.hp = 0;
    p.itemUseText = kShoomp + (e.type == "ARCH-ACCOUNTANT" ? e.type : enemyFullName(e)) +
                    " is absorbed into the GHAST-BUSTER \n"
                    "with a ghoulish shriek!!";
  } else {
    p.itemUseText = "You unleash the GHAST-BUSTER, but nothing happens, because \n"
                    "the enemy is not a GHOST!";
  }
  p.loseItem(use.storedName);
}
