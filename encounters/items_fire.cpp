#include <algorithm>

#include "encounters/item_effects.h"
#include "world/game_state.h"
#include "world/word_match.h"

namespace {

bool catchesFire(const std::string& word) { return isOneOf(word, {"FLAMMABLE", "NOXIOUS", "OILY"}); }

std::string changePlayer(ItemUse& use, const char* word) {
  return use.player.changeQuibblent(word, use.state, false);
}

std::string changeEnemy(ItemUse& use, const char* word) {
  return use.state.currentEnemy.changeQuibblent(word, use.state, false);
}

// A blast of half the enemy's HP also hits the hero. 0 HP is death, so a
// blast that would leave the hero at 0 or below is cut to leave them at 1.
bool blastWouldKill(const PlayerRecord& player, int blast) { return player.hp - blast < 1; }

void explodeEnemyByMatch(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& enemy = s.currentEnemy;
  enemy.goldReward = 0;
  int blast = enemy.hp / 2;
  if (blastWouldKill(p, blast)) {
    if (enemy.type == "HELLSATAN") {
      // The blast that wins the fight takes the hero with it. The cause of
      // death stays the fight's: the memorial names the HELLSATAN, not a match.
      blast = p.hp;
      s.pendingPrompt = 16;
    } else {
      blast = p.hp - 1;
    }
  }
  s.auxCounter = blast;
  p.hp -= blast;
  enemy.hp = 0;
  s.combatState = 10;
  p.itemUseText = "FWOOOOOOSH!!! The " + enemy.type +
                  " explodes!!!\n"
                  "Its money disintegrates in the explosion. You win!\n"
                  "However, the blast also hits you for " +
                  std::to_string(blast) + " damage.";
}

void matchInFight(ItemUse& use) {
  PlayerRecord& p = use.player;
  Creature& enemy = use.state.currentEnemy;
  if (enemy.quibblent == "HIGHLY FLAMMABLE") {
    if (isOneOf(enemy.type, {"HELLFUCKER", "DRAGON", "DEMON"})) {
      enemy.hp = enemy.maxHp;
      enemy.quibblent = "UNINTERESTING";
      p.itemUseText = "You light a match and throw it at the enemy.\n"
                      "FWOOOOOOSH!!! The " +
                      enemy.type +
                      " explodes!!!\n"
                      "...But it rises back out of the ashes, stronger than ever!\n"
                      "Full enemy health restored!";
    } else {
      explodeEnemyByMatch(use);
    }
  } else if (catchesFire(enemy.quibblent) || p.imbuement == "KEROSENE" || enemy.type == "MASS") {
    p.itemUseText = "You light a match and throw it at the enemy.\n";
    p.itemUseText += changeEnemy(use, "FLAMING");
  } else {
    p.itemUseText = "You light a match and throw it at the enemy.\n"
                    "It bounces right off. No effect!";
  }
}

void pepperSpitAtEnemy(ItemUse& use, int pepperDamage) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& enemy = s.currentEnemy;
  if (enemy.quibblent == "HIGHLY FLAMMABLE") {
    s.combatState = 10;
    int blast = enemy.hp / 2;
    if (blastWouldKill(p, blast)) blast = p.hp - 1;
    s.auxCounter = blast;
    p.hp -= blast;
    enemy.hp = 0;
    p.itemUseText += "The " + enemy.type +
                     " is so flammable that it EXPLODES!\n"
                     "You take ";
    if (pepperDamage > 0) p.itemUseText += "an addtional ";
    p.itemUseText += std::to_string(blast) + " damage.";
  } else if (enemy.type == "DEMON") {
    enemy.hp = std::min(enemy.hp + 20, enemy.maxHp);
    p.itemUseText += changeEnemy(use, "FLAMING") + "\n"
                                                   "The enemy heals 20 HP from the spiciness!!";
  } else {
    int hit = enemy.quibblent == "DAMP" ? 10 : 20;
    s.combatValue = hit;
    enemy.hp -= hit;
    if (enemy.hp < 1) {
      enemy.hp = 0;
      s.combatState = 10;
    }
    p.itemUseText += changeEnemy(use, "FLAMING") +
                     "\n"
                     "The enemy takes " +
                     std::to_string(hit) + " damage.";
  }
}

}  // namespace

void useMatch(ItemUse& use) {
  PlayerRecord& p = use.player;
  if (use.inFight()) {
    matchInFight(use);
  } else if (p.quibblent == "HIGHLY FLAMMABLE") {
    use.state.pendingPrompt = 16;
    use.state.pendingWord = "match";
    p.itemUseText = "You light the match and instantly burst into hellish flames, \n"
                    "igniting your body in a horrid nightmare. Your skin melts \n"
                    "off in seconds, and the rest of you follows soon after. \n"
                    "YOU DIED. Nice going, smart guy!";
  } else if (catchesFire(p.quibblent) || p.imbuement == "KEROSENE") {
    p.itemUseText = "You light the match and put it to your skin.\n";
    p.itemUseText += changePlayer(use, "FLAMING") + "\n"
                                                    "Nice.";
  } else {
    p.itemUseText = "You light the match and put it to your skin.\n"
                    "It feels warm, but doesn't significantly affect you. \n"
                    "Come on, you're not THAT easy to set on fire.";
  }
  p.loseItem(use.storedName);
}

void useKerosene(ItemUse& use) {
  PlayerRecord& p = use.player;
  if (use.inFight()) {
    p.itemUseText = "You slather the enemy in KEROSENE.\n" + changeEnemy(use, "FLAMMABLE");
  } else if (p.quibblent != "STARVING") {
    p.itemUseText = "You slather yourself in KEROSENE.\n" + changePlayer(use, "FLAMMABLE") +
                    "\n"
                    "Nice.";
  } else if (p.imbuement != "POISON DART" && p.imbuement != "KEROSENE") {
    p.poisoned = true;
    std::string change = changePlayer(use, "RAVENOUS");
    p.itemUseText = "You're so hungry, you start gulping down KEROSENE before you \n"
                    "can even think about it. \n"
                    "There's no possible way that can be good for you.\n" +
                    change +
                    "\n"
                    "Unfortunately, you are also POISONED.";
  } else {
    std::string change = changePlayer(use, "RAVENOUS");
    p.itemUseText = "You're so hungry, you start gulping down KEROSENE before you \n"
                    "can even think about it. \n"
                    "Lucky for you, with your IMBUENCE you barely even notice.\n" +
                    change;
  }
  p.loseItem(use.storedName);
}

void useGhostPepper(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  if (p.quibblent == "HIGHLY FLAMMABLE") {
    p.hp = 0;
    s.pendingPrompt = 16;
    s.pendingWord = "pepper";
    p.itemUseText = "You eat the GHOST PEP-AAAAAAAAAAHHHHHHHH!!!!\n"
                    "It's too hot; you MELT and die. Whoops.";
  } else if (p.quibblent == "STARVING") {
    p.itemUseText = "You greedily wolf down the GHOST PEPPER! GAAAAH!!\n" + changePlayer(use, "FLAMING");
    p.itemUseText += "\n"
                     "Though spicy, you're just glad to have something to eat.";
  } else {
    int damage = 10 - 2 * p.spicyTolerance;
    if (p.quibblent == "DAMP") damage /= 2;
    damage = std::max(damage, 0);
    s.auxCounter = damage;
    p.hp = std::max(p.hp - damage, 1);
    if (!use.inFight()) {
      std::string change = changePlayer(use, "FLAMING");
      p.itemUseText = damage == 0 ? "You eat the GHOST PEPPER!\n" + change +
                                        "\n"
                                        "You feel fine, though; you've built up a tolerance."
                                  : "You eat the GHOST PEPPER! GAAAAH!!\n" + change +
                                        "\n"
                                        "You took " +
                                        std::to_string(damage) +
                                        " damage.\n"
                                        "God DAMN those things are spicy.";
    } else {
      p.itemUseText = "You eat the GHOST PEP-AAAAH!! You spit it out at the enemy!\n" + changePlayer(use, "FLAMING");
      p.itemUseText += damage == 0 ? "\n" : " You take " + std::to_string(damage) + " damage.\n";
      s.combatValue = damage;
      pepperSpitAtEnemy(use, damage);
    }
    p.spicyTolerance += 1;
  }
  p.loseItem(use.storedName);
}

void usePoisonDart(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  if (!use.inFight()) {
    p.hp = std::max(p.hp - 5, 1);
    p.itemUseText = "You poke the POISON DART into your skin. Ow!\n" + changePlayer(use, "POISONED") +
                    "\n"
                    "You took 5 damage.\n"
                    "Why the fuck did you do that??";
  } else {
    Creature& enemy = s.currentEnemy;
    enemy.hp -= 5;
    if (enemy.hp < 1) {
      enemy.hp = 0;
      s.combatState = 10;
    }
    p.itemUseText = "You throw the POISON DART at the enemy. It took 5 damage!\n" + changeEnemy(use, "POISONED");
    if (enemy.quibblent == "SLEEPING")
      p.itemUseText += "\n"
                       "Your attack woke the enemy up!! " +
                       changeEnemy(use, "ENRAGED");
  }
  p.loseItem(use.storedName);
}

void useSaltShaker(ItemUse& use) {
  PlayerRecord& p = use.player;
  if (use.onEnemy) {
    p.itemUseText = "You pour out some SALT on the enemy.\n" + changeEnemy(use, "LIGHTLY SALTED");
  } else if (p.quibblent == "STARVING" || p.quibblent == "RAVENOUS") {
    p.itemUseText = "You aggressively wolf down the SALT like a lunatic, but it \n"
                    "only makes you hungrier. You need to find something to eat.";
  } else {
    p.itemUseText = "You pour SALT on yourself for some reason???\n" + changePlayer(use, "LIGHTLY SALTED") +
                    "\n"
                    "Great job I guess.";
  }
  p.loseItem(use.storedName);
}
