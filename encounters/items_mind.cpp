#include <algorithm>
#include <array>
#include <string_view>

#include "encounters/fight_texts.h"
#include "encounters/fought_tile.h"
#include "encounters/item_effects.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/word_match.h"

namespace {

struct ExtraMoveRow {
  std::string_view quibblent;
  std::string_view move;
  int weight;
};

constexpr std::array<ExtraMoveRow, 8> kExtraMoves{{
    {"RAVENOUS", "EAT", 3},
    {"STARVING", "EAT", 8},
    {"FRIGHTENED", "FLEE", 2},
    {"CONFUSED", "UNSTABLE", 6},
    {"GAMER", "GAMER", 3},
    {"FLIRTATIOUS", "FLIRT", 3},
    {"PERVERTED", "FLIRT", 3},
    {"FUNDAMENTALIST", "PREACH", 4},
}};

constexpr const char* kTab = "You stick the tab under your tongue and wait...\n";
constexpr const char* kHandDrugs = "You hand drugs to the enemy. They cautiously accept...\n";

std::string changePlayer(ItemUse& use, const char* word) { return use.player.changeQuibblent(word, use.state, false); }
std::string changeEnemy(ItemUse& use, const char* word) {
  return use.state.currentEnemy.changeQuibblent(word, use.state, false);
}

void lsdOnPlayer(ItemUse& use) {
  PlayerRecord& p = use.player;
  if (p.imbuement == "LSD") {
    p.itemUseText = std::string(kTab) + "Nothing happens, probably on account of the permanent LSD \n"
                                        "already floating around your system. You remember \n"
                                        "GARGLEFLOXX, right?";
    return;
  }
  if (p.lsdLevel > 2) {
    use.state.pendingPrompt = 16;
    use.state.pendingWord = "lsd";
    use.endsAtOnce = true;
    p.itemUseText = std::string(kTab) + "...\n"
                                        "Reality cracks open. You can see everything. It all makes \n"
                                        "sense. It's all... so... beautiful...\n"
                                        "It's - it's too much, you can't... you can't take it...\n"
                                        "Aw hell. Yeah, you're not getting up from this one.";
    return;
  }
  const char* frightenedToConfident = "Maaaaaan... confidence is all just, like, in the *mind*,\n"
                                      "you know? You suddenly realize that the only thing you have \n"
                                      "to fear is fear itself. Whoa... that's deep.\n";
  if (p.quibblent == "STARVING") {
    p.itemUseText = std::string(kTab) + "...Your stomach feels so *wrong*, like a kaleidoscope \n"
                                        "without the colors. You want to vomit, but there's nothing \n"
                                        "in there to expel... You gotta eat something, man, and FAST.";
  } else if (p.quibblent == "CONFIDENT") {
    std::string change = changePlayer(use, "FRIGHTENED");
    p.itemUseText = std::string(kTab) +
                    "Ohh... oh, shit. Fuck, man, why are you so *CONFIDENT*?\n"
                    "This place is *terrifying*! It's musty and full of monsters\n"
                    "and you want to go home!!\n" +
                    change;
  } else if (p.quibblent == "FRIGHTENED") {
    std::string change = changePlayer(use, "CONFIDENT");
    p.itemUseText = (use.inFight() ? std::string() : std::string(kTab)) + frightenedToConfident + change;
  } else if (p.lsdLevel == 2) {
    std::string change = changePlayer(use, "CONFUSED");
    p.itemUseText = std::string(kTab) +
                    "Oh, geez, man, you're REALLY tripping... This stuff is \n"
                    "freaking you out. You maybe shouldn't take any more.\n" +
                    change;
  } else if (p.lsdLevel == 0) {
    std::string change = changePlayer(use, "EXISTENTIAL");
    p.itemUseText = std::string(kTab) +
                    "...\n"
                    "Duuuude... like, what even is this dungeon?\n" +
                    change;
  } else {
    std::string change = changePlayer(use, "CONFUSED");
    p.itemUseText = std::string(kTab) +
                    "Whoa... you can like, SEE the pixels flowing.\n"
                    "Reality is becoming too much for you to bear...\n" +
                    change;
  }
  p.lsdLevel += 1;
}

void lsdOnEnemy(ItemUse& use) {
  PlayerRecord& p = use.player;
  Creature& e = use.state.currentEnemy;
  if (e.type == "CTHULOID") {
    p.itemUseText = "You hand drugs to the enemy. They look at them curiously; \n"
                    "without a mouth, it is impossible for them to take these...";
  } else if (e.quibblent == "CONFUSED") {
    if (e.type == "DRAGON" || e.type == "DEEP TROLL") {
      p.itemUseText = std::string(kHandDrugs) + "...\n"
                                                "There doesn't seem to be any more effect. Looks like this \n"
                                                "enemy is already as far gone as it's going to get!";
    } else {
      use.state.combatState = 10;
      p.itemUseText = std::string(kHandDrugs) + "...\n"
                                                "They fall over and lie on the ground, utterly transfixed\n"
                                                "by the beauty and truth in all things.\n"
                                                "The battle is over. You win!";
    }
  } else if (e.quibblent == "KNOWLEDGEABLE") {
    p.itemUseText = "You hand drugs to the enemy. They smile and shake their head.\n"
                    "It appears this enemy is already KNOWLEDGEABLE of the \n"
                    "effects of the substance, and has no interest in taking any \n"
                    "in this battle.";
  } else if (e.quibblent == "SLEEPING") {
    std::string change = changeEnemy(use, "CONFUSED");
    p.itemUseText = "You slip some drugs to the sleeping enemy...\n"
                    "They awaken with a start, not understanding what's happened \n"
                    "to their perception. They look around, clearly freaked out.\n" +
                    change;
  } else if (e.quibblent == "EXISTENTIAL") {
    std::string change = changeEnemy(use, "CONFUSED");
    p.itemUseText = std::string(kHandDrugs) +
                    "The enemy looks around, worried. They seem to be losing\n"
                    "track of what's real and what isn't.\n" +
                    change;
  } else if (e.quibblent == "HIPPIE") {
    use.state.combatState = 6;
    p.itemUseText = "You hand drugs to the enemy. They happily accept.\n"
                    "The enemy grins, and tells you that this is some good shit.\n"
                    "They seem entirely placated by the drugs, and no longer \n"
                    "interested in combat.";
  } else if (e.quibblent == "CONFIDENT") {
    std::string change = changeEnemy(use, "FRIGHTENED");
    p.itemUseText = std::string(kHandDrugs) +
                    "The enemy's eyes shoot open, as though they were unprepared \n"
                    "for the experience. They're absolutely terrified!!\n" +
                    change;
  } else if (e.quibblent == "FRIGHTENED") {
    std::string change = changeEnemy(use, "CONFIDENT");
    p.itemUseText = std::string(kHandDrugs) +
                    "The enemy looks at you with an expression of awe. They \n"
                    "smile, apparently given confidence by the experience.\n" +
                    change;
  } else {
    std::string change = changeEnemy(use, "EXISTENTIAL");
    p.itemUseText = std::string(kHandDrugs) +
                    "The enemy's pupils dilate. They're still attacking you, \n"
                    "but now they're musing on reality at the same time.\n" +
                    change;
  }
}

std::string damnedScream() {
  std::string text = "You use the MORALIT" + std::string(42, 'A');
  for (int line = 0; line < 4; ++line) text += "\n" + std::string(61, 'A');
  return text;
}

void moralityOnPlayer(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  const std::string& q = p.quibblent;
  if (s.combatState == 0) p.itemUseText = "You use the MORALITY...\n";
  if (q == "FUNDAMENTALIST" || p.imbuement == "MORALITY") {
    p.heal(25);
    p.itemUseText += "Ah... the MORALITY fills you up with a sense of purity\n"
                     "and satisfaction, as you are assured that you are on the\n"
                     "path of righteousness. You healed 25 HP!";
  } else if (q == "DAMNED") {
    p.hp = 0;
    s.pendingPrompt = 16;
    s.pendingWord = "morality";
    p.itemUseText = damnedScream();
  } else if (isOneOf(q, {"HORNY", "FLIRTATIOUS", "PERVERTED"})) {
    const char* text = use.inFight()
                           ? "Oh god... you have let the PLEASURES OF THE FLESH rule\n"
                             "your life, when you should have been seeking MORAL\n"
                             "ABSOLUTION! You feel an absolving humility and desire for \n"
                             "repentance... "
                           : "Oh god... you have let the PLEASURES OF THE FLESH rule\n"
                             "your life, when you should have been seeking MORAL\n"
                             "ABSOLUTION! You feel a great shame, but with it, an\n"
                             "absolving humility and absolute desire for repentance...\n";
    p.itemUseText += text + changePlayer(use, "FUNDAMENTALIST");
  } else if (q == "CONFUSED") {
    p.itemUseText += "It all makes sense now... Your confusion abates, leaving you \n"
                     "with a profound sense of certainty and understanding. All \n"
                     "that matters is PURE MORAL TRUTH, and the spread thereof.\n" +
                     changePlayer(use, "FUNDAMENTALIST");
  } else if (q == "FRIGHTENED") {
    // Every unit goes; the one the frame would use up is among them.
    while (p.hasItem(use.storedName, 1)) p.loseItem(use.storedName);
    p.itemUseText += "WaaaaaaAAAAAAAAAaaaaaaaaaAAAAAAAAAAAAAAHHHHH!!\n"
                     "This MORALITY business is super terrifying!\n"
                     "You quickly drop all of your MORALITY, and pause to take a \n"
                     "breather and calm the encroaching panic attack.";
    return;
  } else if (q == "METALHEAD") {
    p.hp = std::max(p.hp - 15, 1);
    p.itemUseText += "Yech! What the hell is this MORALITY bullshit?? Man, you're\n"
                     "too fucking METAL to deal with this pansy-ass garbage!\n"
                     "You shake off the MORALITY, taking 15 damage.";
  } else if (q == "HIPPIE" || p.imbuement == "LSD") {
    p.heal(5);
    p.itemUseText += "Whoa... this MORALITY is crazy stuff, man. It's like, you\n"
                     "can SEE the path of righteousness, but it's like, not\n"
                     "really seeing, it's more like FEELING, you know?\n"
                     "Damn... +5 HP healed.";
  } else if (q == "EXISTENTIAL") {
    p.itemUseText += "Whoa... you just sort of sit there, examining the sensations \n"
                     "of PURE MORALITY flowing through you. You stay like that for \n"
                     "a while, until eventually, the sensation fades. The \n"
                     "MORALITY seems to have had no long-term impact. Oh well. ";
    if (s.combatState == 0)
      p.itemUseText += "\n"
                       "Back to dungeon crawling!";
  } else {
    p.itemUseText += "Hmmm... Well... It doesn't seem to be doing anything.\n"
                     "Dunno, it seems to you that maybe MORALITY isn't all it's\n"
                     "cracked up to be. Maybe you just don't have the right\n"
                     "MINDSET for it to have much effect.";
  }
  p.loseItem(use.storedName);
}

// 25 damage that wins the fight when it leaves the enemy at 0 HP or less.
void moralityWound(GameState& state) {
  Creature& e = state.currentEnemy;
  e.hp -= 25;
  if (e.hp < 1) {
    e.hp = 0;
    state.combatState = 10;
  }
}

void accountantBecomesChef(ItemUse& use) {
  Creature& e = use.state.currentEnemy;
  turnIntoChef(e);
  addQuibblentExtraMoves(e);
  keepEnemyOnItsTile(use.state);
  use.player.itemUseText += "Absorbing the MORALITY, it realizes how sinful its life is!\n"
                            "It vows to abandon ACCOUNTANCY and take up baking instead.\n"
                            "The enemy is now a " +
                            e.quibblent + " CHEF!";
}

// The enemy's word speaks first; its kind comes second; a few words last.
void moralityOnEnemy(ItemUse& use) {
  PlayerRecord& p = use.player;
  GameState& s = use.state;
  Creature& e = s.currentEnemy;
  std::string& text = p.itemUseText;
  text = "You use the MORALITY...\n";
  if (isOneOf(e.quibblent, {"HORNY", "FLIRTATIOUS", "PERVERTED"})) {
    s.combatState = 6;
    text += "As it sets in, the " + enemyFullName(e) +
            "'s eyes widen.\n"
            "It seems horrified with its lecherous nature... It thanks\n"
            "you for the perspective and runs off, vowing to live a\n"
            "life of penitence from this day forward. You win!\n"
            "[TYPE ANYTHING TO CONTINUE]";
  } else if (e.quibblent == "DAMNED") {
    e.hp = 0;
    s.combatState = 10;
    text += "The " + enemyFullName(e) +
            " screams as its body contorts \n"
            "into a picture of pure agony... It's gone. The fight is over.";
  } else if (e.quibblent == "CONFUSED") {
    std::string change = changeEnemy(use, "FUNDAMENTALIST");
    text += "The MORALITY erases the " + enemyFullName(e) +
            "'s confusion, \n"
            "replacing it with absolute moral certainty.\n" +
            change;
  } else if (e.quibblent == "EXISTENTIAL") {
    e.stunned = true;
    text += "The " + enemyFullName(e) +
            " seems very interested in \n"
            "the MORALITY... Interested and, crucially, distracted from \n"
            "combat. The " +
            enemyFullName(e) + " is now STUNNED!";
  } else if (e.quibblent == "HIPPIE") {
    e.hp = std::min(e.hp + 10, e.maxHp);
    e.attack -= 2;
    e.defence -= 2;
    text += "The " + enemyFullName(e) +
            " gleefully absorbs the MORALITY.\n"
            "It seems temporarily placated by the powerful substance...\n"
            "-2 enemy ATK and DEF!";
  } else if (e.quibblent == "FUNDAMENTALIST") {
    e.hp = e.maxHp;
    text += "The MORALITY fills the " + enemyFullName(e) +
            "\n"
            "with a feeling of deep validation and contentment.\n"
            "The enemy has been fully healed! Oh shit!";
  } else if (e.quibblent == "FRIGHTENED") {
    s.combatState = 6;
    text += "The " + enemyFullName(e) +
            " screams and runs away!\n"
            "The PURE MORALITY must have been too much for them...";
  } else if (e.quibblent == "METALHEAD") {
    moralityWound(s);
    text += "The " + enemyFullName(e) +
            " clutches its chest in pain...\n"
            "Seems its HEAVY METAL LIFESTYLE left it unprepared for\n"
            "an attack of self-reflection! 25 damage!";
  } else if (e.type == "ACCOUNTANT") {
    accountantBecomesChef(use);
  } else if (e.type == "ROGUE") {
    s.combatState = 6;
    int given = e.goldReward;
    p.gold += given;
    e.goldReward = 0;
    keepEnemyOnItsTile(s);
    text += "As it sets in, the " + enemyFullName(e) +
            "'s eyes widen.\n"
            "It seems horrified with its greedy nature... It thanks you \n"
            "for the perspective and gives you all " +
            std::to_string(given) +
            " of its gold, vowing \n"
            "to live an ascetic's life from this day forward. You win!\n"
            "[TYPE ANYTHING TO CONTINUE]";
  } else if (e.type == "NECROMANCER") {
    e.stunned = true;
    text += "The " + enemyFullName(e) +
            " grits its teeth, shuddering. \n"
            "It seems to be fighting a powerful internal struggle...\n"
            "The " +
            enemyFullName(e) + " is now STUNNED!";
  } else if (e.type == "DEMON") {
    moralityWound(s);
    text += "The " + enemyFullName(e) +
            " screeches in pain!\n"
            "The MORALITY appears to be like kryptonite for this type of \n"
            "monster. 25 damage!";
  } else if (e.type == "HELLSATAN" || e.type == "HELLFUCKER") {
    // These cannot be beaten this way: they hang on at 1 HP.
    e.hp = std::max(e.hp - 25, 1);
    text += e.type + " screeches in pain, taking 25 damage!";
    if (p.imbuement != "LSD") {
      p.stunned = true;
      text += "\n"
              "The horrible, bone-rattling sound shakes you to your very \n"
              "core - you are now STUNNED.";
    }
  } else if (e.quibblent == "RAVENOUS") {
    text += "...it just stares at you hungrily. Its stomach growls...\n" + changeEnemy(use, "STARVING");
  } else if (e.quibblent == "GAMER" || e.quibblent == "MLG") {
    e.defence += 2;
    text += "The MORALITY is unable to penetrate the enemy's GAMER PRIDE! \n"
            "The attack bounces off and they gain +2 DEF!";
  } else {
    text += "...nothing happened. Damn, you'd think PURE MORALITY would\n"
            "be more useful in a situation like this!";
  }
}

}  // namespace

void addQuibblentExtraMoves(Creature& creature) {
  for (const ExtraMoveRow& row : kExtraMoves)
    if (creature.quibblent == row.quibblent) creature.actions.emplace_back(std::string(row.move), row.weight);
}

void useLsd(ItemUse& use) {
  if (use.onEnemy)
    lsdOnEnemy(use);
  else
    lsdOnPlayer(use);
  use.player.loseItem(use.storedName);
}

void useMorality(ItemUse& use) {
  if (use.onEnemy) {
    moralityOnEnemy(use);
    use.player.loseItem(use.storedName);
  } else {
    moralityOnPlayer(use);
  }
}
