// INFERENCE and EXAMINE: the skills that study the enemy instead of
// hurting it.
#include <string>

#include "encounters/fight_texts.h"
#include "encounters/skills_words_and_wits.h"
#include "world/game_state.h"
#include "world/whole_numbers.h"

namespace {

// Columns: word, the line EXAMINE adds for it.
struct AdviceRow {
  const char* word;
  const char* advice;
};

const char kBuggedAdvice[] = "\n"
                             "It seems like this enemy is bugged. Or maybe the skill is.";

const AdviceRow kTypeAdvice[] = {
    {"GOBLIN", "\n"
               "It seems weak and ineffectual."},
    {"MASS", "\n"
             "It seems rather flammable."},
    {"COELOCANTH", "\n"
                   "It seems like a coelocanth. Uhhhhh"},
    {"OGRE", "\n"
             "It seems strong, but slow. A good target for dodging."},
    {"WIZARD", "\n"
               "It seems to have undodgeable magic powers."},
    {"ORC", "\n"
            "It seems like a pretty typical enemy."},
    {"ACCOUNTANT", "\n"
                   "It seems smart, like it could empower itself with math."},
    {"ROGUE", "\n"
              "It seems very agile... physical attacks may be dodged."},
    {"EXPLORER", "\n"
                 "It doesn't seem to want to fight. Maybe it'll try to escape?"},
    {"CHEF", "\n"
             "It seems culinarily adept. Avoid SALT or you'll be eaten!"},
    {"WARLOCK", "\n"
                "It seems to know fire magic. DAMPNESS may help."},
    {"DEEP GOBLIN", "\n"
                    "It seems hungry."},
    {"LICHE", "\n"
              "It has a dangerous aura... it may be best avoided."},
    {"ZOMBIE", "\n"
               "It seems alert to your presence. Best killed ASAP."},
    {"TROLL", "\n"
              "It seems to have regenerative abilities."},
    {"DEMON", "\n"
              "It seems capable of absorbing FIRE. DAMPNESS may help."},
    {"ARCH-ACCOUNTANT", "\n"
                        "It seems highly intelligent and entirely without mercy."},
    {"NECROMANCER", "\n"
                    "It seems powerful enough to raise the dead, if there's room."},
    {"CTHULOID", "\n"
                 "You cannot quite grasp this enemy... what is it...?"},
    {"DEEP TROLL", "\n"
                   "It seems very powerful. To kill it would be quite the feat!"},
    {"GHAST", "\n"
              "This enemy is making you shake in your boots!!"},
    {"DRAGON", "\n"
               "It seems like some kind of 'optional boss', so to speak."},
    {"CONVICT", "\n"
                "Egad! This ruffian has turned hostile!"},
    {"OPPORTUNIST", "\n"
                    "Egad! This charlatan has turned hostile!"},
    {"POTION", "\n"
               "Egad! JOHNNY THE POTION is here to avenge his brother!"},
    {"HELLSATAN", "\n"
                  "It seems like the final boss, probably."},
    {"HELLFUCKER", "\n"
                   "You are definitely, totally HELLFUCKED."},
};

// In the order they are tried; the three words nobody understands stand
// between the common words and the rarer ones.
const AdviceRow kQuibblentAdvice[] = {
    {"UNINTERESTING", "\n"
                      "It seems pretty normal."},
    {"POISONED", "\n"
                 "It is poisoned!! This fight will likely go in your favor."},
    {"CONFUSED", "\n"
                 "It is confused!! It may sometimes waste its turn."},
    {"DAMP", "\n"
             "Fire will not be an effective tactic here."},
    {"FLAMMABLE", "\n"
                  "It could be set alight by a MATCH."},
    {"FLAMING", "\n"
                "It is on fire! Be careful that you aren't set alight."},
    {"EXISTENTIAL", "\n"
                    "It seems vulnerable to psychedelic intervention."},
    {"INEFFECTUAL", "\n"
                    "It is weaker than most of its kind. Easy prey."},
    {"LIGHTLY SALTED", "\n"
                       "It looks delicious."},
    {"RAVENOUS", "\n"
                 "It may attempt to EAT you! Be wary."},
    {"POISONOUS", "\n"
                  "Avoid its touch lest you become POISONED!!"},
    {"NOXIOUS", "\n"
                "It may POISON you, unless you set it alight."},
    {"GHASTLY", "\n"
                "It's a ghost!! It has very high DAMAGE RESISTANCE."},
    {"HORNY", "\n"
              "It should be weak to FLIRT-type attacks."},
    {"FLIRTATIOUS", "\n"
                    "It should be weak to PERVERT-type attacks."},
    {"PERVERTED", "\n"
                  "It's a PERVERT! Maybe if you can MORALIZE it...?"},
    {"SLEEPING", "\n"
                 "If you wake it up, it'll be PISSED."},
    {"GAMER", "\n"
              "Oh shit, a GAMER!! Watch out for its RAD MOVES!!!"},
    {"FRIGHTENED", "\n"
                   "It looks like it could run away at any moment."},
    {"HIPPIE", "\n"
               "It looks physically weak, like it is against conflict."},
    {"METALHEAD", "\n"
                  "Don't underestimate it; it may have a surprise on death."},
    {"VOLUMINOUS", "\n"
                   "It's too huge to flee from."},
    {"KNOWLEDGEABLE", "\n"
                      "Kill this enemy and great secrets will be yours."},
    {"NIHILIST", "\n"
                 "It seems resistant to moral and existential ideas."},
    {"VORPAL", "\n"
               "What is this thing???"},
    {"FRUMIOUS", "\n"
                 "What is this thing???"},
    {"WHIFFLING", "\n"
                  "What is this thing???"},
    {"OILY", "\n"
             "Blech, avoid its oil - it'll make you FLAMMABLE."},
    {"HOLOGRAPHIC", "\n"
                    "It's not actually real, so you won't gain experience."},
    {"HIGHLY FLAMMABLE", "\n"
                         "Use caution against this enemy, especially around fire..."},
    {"STARVING", "\n"
                 "It will EAT you if you're not quick."},
    {"MLG", "\n"
            "It's a MAJOR LEAGUE GAMER! Look at those RAD DODGING SKILLZ!"},
    {"ELITE", "\n"
              "It is unusually powerful for its kind."},
    {"DAMNED", "\n"
               "This enemy is *too* powerful - it cannot maintain itself."},
    {"EXTRAVAGANT", "\n"
                    "This enemy is show-offish; it will use more special skills."},
    {"CURSED", "\n"
               "THIS SHOULD NOT HAPPEN. WHAT ARE YOU A HACKER"},
    {"ALMIGHTY", "\n"
                 "You won't be able to change its QUIBBLENT... yet."},
    {"ENRAGED", "\n"
                "It is too pissed off to use special skills."},
    {"CONFIDENT", "\n"
                  "It appears to be looking to pick a fight."},
    {"FUNDAMENTALIST", "\n"
                       "It seems liable to PREACH to you!! How unpleasant..."},
    {"CHARRED", "\n"
                "All that fire has made it vulnerable to attack."},
    {"GROGGY", "\n"
               "It seems bleary-eyed, slow, and unable to DODGE."},
    {"JOHNNY THE", "\n"
                   "Watch out for his INCREDIBLE POTION DEXTERITY!!"},
};

template <std::size_t N>
const char* adviceFor(const AdviceRow (&rows)[N], const std::string& word) {
  for (const AdviceRow& row : rows) {
    if (word == row.word) return row.advice;
  }
  return kBuggedAdvice;
}

// What INFERENCE may find out. Columns: what it does to the fight, the line
// it adds.
struct InsightRow {
  void (*apply)(GameState& state, PlayerRecord& player, Action& skill);
  const char* text;
};

const char kTwoFreeTurns[] = "\n"
                             "You infer the enemy's movements... you get two free turns!";

// An enemy that cannot dodge anyway loses its next turn instead.
void halveDodgeOrStun(GameState& state, PlayerRecord&, Action& skill) {
  Creature& enemy = state.currentEnemy;
  if (enemy.dodge > 0.0f) {
    enemy.dodge = enemy.dodge / 2;
    return;
  }
  state.combatState = 2;
  enemy.stunned = true;
  state.loopFlag = true;
  skill.enemyTurnPrompt = std::string("It is now your turn.\n") + kCombatMenu;
}

const InsightRow kInsights[] = {
    {halveDodgeOrStun, "\n"
                       "You infer the enemy's movements... dodge chance is halved!"},
    {[](GameState&, PlayerRecord& player, Action&) { player.dodges += 2; },
     "\n"
     "You infer the enemy's attack patterns... +2 dodges!"},
    {[](GameState& state, PlayerRecord&, Action&) { state.currentEnemy.defence -= 2; },
     "\n"
     "You infer the best way to attack... enemy defense -2!"},
    {[](GameState& state, PlayerRecord&, Action&) {
       Creature& enemy = state.currentEnemy;
       enemy.expReward = truncatedWhole(enemy.expReward * 1.5);
     },
     "\n"
     "You infer the mechanics of combat... you will get more EXP!"},
    {[](GameState&, PlayerRecord&, Action&) {}, "\n"
                                                "You don't infer anything interesting. Aww geez."},
};

const char kSwordForbidsStaring[] = "Your SWORD OF KINGS blocks the skill!\n"
                                    "'Oh, how despicable. I suppose you're *fascinated* by this \n"
                                    "common lowlife, are you? Hmm? Absolutely wretched. \n"
                                    "Arrest your eyes from such filth at once!'\n"
                                    "[TYPE ANYTHING TO CONTINUE]";

// The defence as the hero's blows meet it. An enemy that takes no damage at
// all has no such figure; its plain defence is shown rather than dividing
// by nothing.
int apparentDefence(const Creature& enemy) {
  if (enemy.damageTakenFactor <= 0.0f) return enemy.defence;
  return truncatedQuotient(enemy.defence, enemy.damageTakenFactor);
}

std::string enemyFigures(const Creature& enemy) {
  const int attack = truncatedProduct(enemy.attack, enemy.attackFactor);
  std::string figures = "\n"
                        "The enemy has: " +
                        std::to_string(attack) + " ATK; " + std::to_string(apparentDefence(enemy)) + " DEF; " +
                        std::to_string(enemy.goldReward) + " gold; " + std::to_string(enemy.expReward) + " EXP.";
  if (enemy.dodge > 0.0f) figures += " Dodge " + std::to_string(static_cast<int>(enemy.dodge * 10)) + "%.";
  return figures;
}

}  // namespace

void effectInference(GameState& state, PlayerRecord& player, Action& skill) {
  skill.attackValue = static_cast<int>(state.random() % 5);
  skill.narration = player.name + skill.message;
  const InsightRow& insight = kInsights[skill.attackValue];
  const bool twoFreeTurns = skill.attackValue == 0 && state.currentEnemy.dodge <= 0.0f;
  insight.apply(state, player, skill);
  skill.narration += twoFreeTurns ? kTwoFreeTurns : insight.text;
  skill.narration += "\n" + skill.enemyTurnPrompt;
  skill.cooldownLeft += skill.cooldown;
}

void effectExamine(GameState& state, PlayerRecord& player, Action& skill) {
  if (player.wieldsSwordOfKings) {
    skill.narration = kSwordForbidsStaring;
    return;
  }
  const Creature& enemy = state.currentEnemy;
  skill.narration = player.name + skill.message + enemyFigures(enemy) + adviceFor(kTypeAdvice, enemy.type) +
                    adviceFor(kQuibblentAdvice, enemy.quibblent) + "\n" + kEnemyTurnPrompt;
  skill.cooldownLeft += skill.cooldown;
}
