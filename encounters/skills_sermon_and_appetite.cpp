// PREACH, PISS ON, EAT and QBL.SWAP: the skills that work on the enemy's
// soul, skin, flesh and quibblent.
#include <algorithm>
#include <string>

#include "encounters/fight_texts.h"
#include "encounters/fought_tile.h"
#include "encounters/skills_words_and_wits.h"
#include "world/game_state.h"

namespace {

// ---- PREACH ----------------------------------------------------------

// Which part of the enemy a sermon row looks at.
enum class Listener { kQuibblent, kType };

// Columns: what is tested, the words that match, what the sermon does and
// answers (Q and T are the enemy's quibblent and type as the text is built).
struct SermonRow {
  Listener listener;
  const char* const* words;
  std::string (*preach)(GameState& state, PlayerRecord& player, const std::string& q, const std::string& t);
};

// A sermon of 25 that an enemy can die of; 0 hit points is dead.
void sermonDamage(GameState& state) {
  Creature& enemy = state.currentEnemy;
  enemy.hp -= 25;
  if (enemy.hp <= 0) {
    enemy.hp = 0;
    state.combatState = 10;
  }
}

// An ACCOUNTANT that repents takes up cooking, and the tile keeps the cook.
std::string convertToChef(GameState& state, const std::string& q) {
  Creature& enemy = state.currentEnemy;
  turnIntoChef(enemy);
  if (q == "RAVENOUS") enemy.actions.emplace_back("EAT", 3);
  if (q == "STARVING") enemy.actions.emplace_back("EAT", 8);
  if (q == "GAMER") enemy.actions.emplace_back("GAMER", 3);
  keepEnemyOnItsTile(state);
  return "Listening to your speech, it realizes how sinful its life is!\n"
         "It vows to abandon ACCOUNTANCY and take up baking instead.\n"
         "The enemy is now a " +
         q + " CHEF!";
}

// A ROGUE that repents gives the hero all its gold and leaves.
std::string rogueRepents(GameState& state, PlayerRecord& player) {
  Creature& enemy = state.currentEnemy;
  state.combatState = 6;
  const std::string text =
      "As your words set in, the enemy's eyes widen.\n"
      "It seems horrified with its greedy nature... It thanks you \n"
      "for the perspective and gives you all " +
      std::to_string(enemy.goldReward) +
      " of its gold, vowing \n"
      "to live an ascetic's life from this day forward. You win!\n"
      "[TYPE ANYTHING TO CONTINUE]";
  player.gold += enemy.goldReward;
  enemy.goldReward = 0;
  keepEnemyOnItsTile(state);
  return text;
}

const char* const kLecherous[] = {"HORNY", "FLIRTATIOUS", "PERVERTED", nullptr};
const char* const kHippie[] = {"HIPPIE", nullptr};
const char* const kDamned[] = {"DAMNED", nullptr};
const char* const kConfused[] = {"CONFUSED", nullptr};
const char* const kExistential[] = {"EXISTENTIAL", nullptr};
const char* const kFundamentalist[] = {"FUNDAMENTALIST", nullptr};
const char* const kFrightened[] = {"FRIGHTENED", nullptr};
const char* const kMetalhead[] = {"METALHEAD", nullptr};
const char* const kAccountant[] = {"ACCOUNTANT", nullptr};
const char* const kRogue[] = {"ROGUE", nullptr};
const char* const kNecromancer[] = {"NECROMANCER", nullptr};
const char* const kDemon[] = {"DEMON", nullptr};
const char* const kHellish[] = {"HELLSATAN", "HELLFUCKER", nullptr};
const char* const kRavenous[] = {"RAVENOUS", nullptr};
const char* const kGamers[] = {"GAMER", "MLG", nullptr};

const SermonRow kSermons[] = {
    {Listener::kQuibblent, kLecherous,
     [](GameState& s, PlayerRecord&, const std::string&, const std::string&) -> std::string {
       s.combatState = 6;
       return "As your words set in, the enemy's eyes widen.\n"
              "It seems horrified with its lecherous nature... It thanks\n"
              "you for the perspective and runs off, vowing to live a\n"
              "life of penitence from this day forward. You win!\n"
              "[TYPE ANYTHING TO CONTINUE]";
     }},
    {Listener::kQuibblent, kHippie,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       Creature& enemy = s.currentEnemy;
       enemy.hp = enemy.hp + 10 > enemy.maxHp ? enemy.maxHp : enemy.hp + 10;
       enemy.attack -= 2;
       enemy.defence -= 2;
       return "The " + q + " " + t +
              " listens with rapt attention.\n"
              "It seems temporarily placated by the your powerful speech...\n"
              "+10 enemy HP! -2 enemy ATK and DEF!";
     }},
    {Listener::kQuibblent, kDamned,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       s.currentEnemy.hp = 0;
       s.combatState = 10;
       return "The " + q + " " + t +
              " screams as its body contorts \n"
              "into a picture of pure agony... It's gone. The fight is over.";
     }},
    {Listener::kQuibblent, kConfused,
     [](GameState& s, PlayerRecord&, const std::string&, const std::string&) -> std::string {
       return "Listening to your words, the enemy's confusion abates, \n"
              "replaced with absolute moral certainty.\n" +
              s.currentEnemy.changeQuibblent("FUNDAMENTALIST", s, false);
     }},
    {Listener::kQuibblent, kExistential,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       s.currentEnemy.stunned = true;
       return "The " + q + " " + t +
              " seems very interested in \n"
              "your words... Interested and, crucially, distracted from \n"
              "combat. The " +
              q + " " + t + " is now STUNNED!";
     }},
    {Listener::kQuibblent, kFundamentalist,
     [](GameState& s, PlayerRecord&, const std::string&, const std::string&) -> std::string {
       s.currentEnemy.hp = s.currentEnemy.maxHp;
       return "Your MORAL WORDS fill the enemy with a feeling of deep \n"
              "validation and contentment.\n"
              "The enemy has been fully healed! Oh shit!";
     }},
    {Listener::kQuibblent, kFrightened,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       s.combatState = 6;
       return "The " + q + " " + t +
              " screams and runs away!\n"
              "You, uh, weren't expecting your words to be so... powerful. \n"
              "You win...?";
     }},
    {Listener::kQuibblent, kMetalhead,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       sermonDamage(s);
       return "The " + q + " " + t +
              " clutches its chest in pain...\n"
              "Seems its HEAVY METAL LIFESTYLE left it unprepared for\n"
              "an attack of self-reflection! 25 damage!";
     }},
    {Listener::kType, kAccountant,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string&) { return convertToChef(s, q); }},
    {Listener::kType, kRogue,
     [](GameState& s, PlayerRecord& p, const std::string&, const std::string&) { return rogueRepents(s, p); }},
    {Listener::kType, kNecromancer,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       s.currentEnemy.stunned = true;
       return "The " + q + " " + t +
              " grits its teeth, shuddering. \n"
              "It seems to be trying not to listen to your words...\n"
              "The " +
              q + " " + t + " is now STUNNED!";
     }},
    {Listener::kType, kDemon,
     [](GameState& s, PlayerRecord&, const std::string& q, const std::string& t) -> std::string {
       sermonDamage(s);
       return "The " + q + " " + t +
              " screeches in pain!\n"
              "Your POWERFUL WORDS appear to be like kryptonite for this \n"
              "type of monster. 25 damage!";
     }},
    {Listener::kType, kHellish,
     [](GameState& s, PlayerRecord& p, const std::string&, const std::string& t) -> std::string {
       Creature& enemy = s.currentEnemy;
       // A sermon never banishes these two: they hang on at 1 hit point.
       enemy.hp = std::max(enemy.hp - 25, 1);
       p.stunned = true;
       return t + " screeches in pain at your words, taking 25 damage!\n"
                  "The horrible, bone - rattling sound shakes you to your very \n"
                  "core - you are now STUNNED.";
     }},
    {Listener::kQuibblent, kRavenous,
     [](GameState& s, PlayerRecord&, const std::string&, const std::string&) -> std::string {
       return "...it just stares at you hungrily. Its stomach growls...\n" +
              s.currentEnemy.changeQuibblent("STARVING", s, false);
     }},
    {Listener::kQuibblent, kGamers,
     [](GameState& s, PlayerRecord&, const std::string&, const std::string&) -> std::string {
       s.currentEnemy.defence += 2;
       return "Despite your best efforts, your speech is unable to \n"
              "penetrate the enemy's GAMER PRIDE! The attack bounces off \n"
              "and they gain +2 DEF!";
     }},
};

const char kDeafEars[] = "...it's not listening. You'd think VICIOUS MONSTERS would\n"
                         "be more likely to respond to fundamentalist preaching!";

bool listens(const SermonRow& row, const Creature& enemy) {
  const std::string& word = row.listener == Listener::kQuibblent ? enemy.quibblent : enemy.type;
  for (const char* const* candidate = row.words; *candidate != nullptr; ++candidate) {
    if (word == *candidate) return true;
  }
  return false;
}

// ---- EAT -------------------------------------------------------------

// Creatures no hero could ever swallow.
bool inedible(const std::string& type) {
  return type == "DEEP TROLL" || type == "CTHULOID" || type == "HELLFUCKER" || type == "DRAGON";
}

int edibility(const Creature& enemy, const PlayerRecord& player) {
  int score = 0;
  if (enemy.quibblent == "LIGHTLY SALTED" || enemy.quibblent == "VOLUMINOUS") ++score;
  if (player.quibblent == "STARVING") ++score;
  if (player.playerClass == "ZOMBIE") ++score;
  if (enemy.hp <= enemy.maxHp / 2) ++score;
  return score;
}

// A meal eases hunger by one step: STARVING to RAVENOUS to UNINTERESTING.
void easeHunger(GameState& state, PlayerRecord& player) {
  if (player.quibblent == "STARVING") {
    player.changeQuibblent("RAVENOUS", state, false);
  } else if (player.quibblent == "RAVENOUS") {
    player.changeQuibblent("UNINTERESTING", state, false);
  }
}

int hungerDiscount(const PlayerRecord& player) {
  if (player.quibblent == "STARVING") return 2;
  if (player.quibblent == "RAVENOUS") return 1;
  return 0;
}

bool sitsBadly(const Creature& enemy) {
  const std::string& t = enemy.type;
  return t == "LICHE" || t == "GHAST" || t == "ZOMBIE" || t == "NECROMANCER" || enemy.quibblent == "NOXIOUS" ||
         t == "HELLSATAN";
}

// What the eaten enemy does to the hero; a meal never kills.
std::string digest(GameState& state, PlayerRecord& player, Action& skill) {
  const Creature& enemy = state.currentEnemy;
  if (sitsBadly(enemy)) {
    int loss = enemy.hp / 2;
    if (player.hp <= loss) loss = player.hp - 1;
    player.hp -= loss;
    skill.attackValue = loss;
    return "Oof, that doesn't go down easy... you lose " + std::to_string(loss) + " HP.";
  }
  if (enemy.type == "DEMON" || enemy.quibblent == "FLAMING") {
    player.changeQuibblent("FLAMING", state, false);
    return "Ooh, very spicy! You are now FLAMING.";
  }
  const int gain = enemy.hp / 2;
  player.heal(gain);
  return "Mmm... delicious! You gained " + std::to_string(gain) + " HP.";
}


// ---- QBL.SWAP --------------------------------------------------------

// Words a swap can never take from the enemy.
bool unswappable(const std::string& word) {
  return word == "ALMIGHTY" || word == "SLEEPING" || word == "ENRAGED" || word == "GHASTLY";
}

constexpr int kJohnnySwapped = 2;

// Taking JOHNNY's power is the last deed of the potion family: it takes the
// potion achievement from JIMMY's or JOHNNY's killer, and once taken it stays.
void earnJohnnification(GameState& state, const PlayerRecord& player) {
  if (state.potionProgress >= kJohnnySwapped) return;
  state.recordPotionDeed(kJohnnySwapped, player.name);
}

std::string swapQuibblents(GameState& state, PlayerRecord& player) {
  Creature& enemy = state.currentEnemy;
  const std::string w = enemy.quibblent;
  const std::string p = player.quibblent;
  if (w == p) return "The QBL.SWAP had no effect! Your QUIBBLENTS are identical!\n";
  if (player.imbuement == "GROG") {
    return enemy.changeQuibblent(p, state, true) + "\n" + "Your GROGGINESS remains stubbornly persistent!\n";
  }
  if (p == "CURSED") {
    return "Attempting to QBL.SWAP makes you shudder, feeling weak... \n"
           "You won't be getting rid of the CURSE that easily.\n";
  }
  if (enemy.type == "HELLFUCKER") return "HELLFUCKER is immune to QBL.SWAP!!\n";
  if (enemy.type == "POTION") {
    enemy.changeQuibblent(p, state, true);
    player.changeQuibblent(w, state, true);
    earnJohnnification(state, player);
    return "Aha! The QBL.SWAP has taken the power of INCREDIBLE POTION \n"
           "DEXTERITY from JOHNNY! He's now " +
           enemy.quibblent + "!\n";
  }
  if (unswappable(w)) return "The QBL.SWAP failed; you cannot have the " + w + " QUIBBLENT!\n";
  const std::string enemyMessage = enemy.changeQuibblent(p, state, true);
  const std::string playerMessage = player.changeQuibblent(w, state, true);
  return enemyMessage + "\n" + playerMessage + "\n";
}

}  // namespace

void effectPreach(GameState& state, PlayerRecord& player, Action& skill) {
  const Creature& enemy = state.currentEnemy;
  const std::string q = enemy.quibblent;
  const std::string t = enemy.type;
  skill.narration = "You PREACH at the " + q + " " + t + "...\n";
  std::string answer = kDeafEars;
  for (const SermonRow& row : kSermons) {
    if (listens(row, enemy)) {
      answer = row.preach(state, player, q, t);
      break;
    }
  }
  skill.narration += answer;
  if (state.combatState != 6) skill.narration += std::string("\n") + kEnemyTurnPrompt;
  skill.cooldownLeft += skill.cooldown;
}

void effectPissOn(GameState& state, PlayerRecord& player, Action& skill) {
  player.forgetSkill("PISS ON");
  skill.enemyTurnPrompt = kEnemyTurnPrompt;
  skill.narration = player.name + " pisses on the enemy! Yeah!\n";
  skill.narration += state.currentEnemy.changeQuibblent("DAMP", state, false) +
                     "\n"
                     "You feel like you don't need to piss anymore.\n" +
                     kEnemyTurnPrompt;
}

void effectEat(GameState& state, PlayerRecord& player, Action& skill) {
  Creature& enemy = state.currentEnemy;
  skill.attackValue = edibility(enemy, player);
  const std::string dodgesLeft = "\n" + playerTurnText(player);
  if (inedible(enemy.type)) {
    state.combatState = 2;
    skill.narration = "Ok, I appreciate the attempt, but come on.\n"
                      "There is no way you will be able to EAT this enemy." +
                      dodgesLeft;
    return;
  }
  if (skill.attackValue < 2) {
    state.combatState = 2;
    skill.narration = (enemy.hp <= enemy.maxHp / 2 || enemy.quibblent == "SLEEPING")
                          ? "This enemy is not appetizing enough to eat!! Try applying \n"
                            "some SALT on them first."
                          : "You would like to eat this enemy, but they're still too \n"
                            "active and slippery! Try weakening them first.";
    skill.narration += dodgesLeft;
    return;
  }
  if (enemy.quibblent == "VOLUMINOUS") {
    skill.cooldownLeft += skill.cooldown;
    enemy.changeQuibblent("UNINTERESTING", state, false);
    easeHunger(state, player);
    skill.cooldownLeft -= hungerDiscount(player);
    skill.narration = player.name + " attempts to EAT the " + enemyFullName(enemy) +
                      "!\n"
                      "The attempt was an overwhelming success. Tastes like flesh!\n"
                      "The enemy is now much less VOLUMINOUS.\n"
                      "You are now " +
                      player.quibblent + ".\n" + kEnemyTurnPrompt;
    return;
  }
  skill.cooldownLeft += skill.cooldown - hungerDiscount(player);
  state.combatState = 10;
  easeHunger(state, player);
  skill.narration = player.name + " attempts to EAT the " + enemyFullName(enemy) +
                    "!\n"
                    "The attempt was an overwhelming success. Tastes like flesh!\n";
  skill.narration += digest(state, player, skill);
  enemy.hp = 0;
  skill.narration += "\n"
                     "You win the battle!!!\n"
                     "[TYPE ANYTHING TO CONTINUE]";
}

void effectQblSwap(GameState& state, PlayerRecord& player, Action& skill) {
  skill.narration = player.name + skill.message + "\n";
  skill.narration += swapQuibblents(state, player);
  skill.narration += kEnemyTurnPrompt;
  // Every QBL.SWAP the hero knows cools down together. The entry that was
  // used is overwritten by this working copy once the turn is over, so it
  // takes the same cooldown; whichever of several copies was used, none of
  // the others is left out.
  skill.cooldownLeft += skill.cooldown;
  for (Action& known : player.skills) {
    if (known.name == "QBL.SWAP") known.cooldownLeft += skill.cooldown;
  }
}
