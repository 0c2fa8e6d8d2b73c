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

const char kBuggedAdvice[] = "\nIt seems like this enemy is bugged. Or maybe the skill is.";

const AdviceRow kTypeAdvice[] = {
    {"GOBLIN", "\nIt seems weak and ineffectual."},
    {"MASS", "\nIt seems rather flammable."},
    {"COELOCANTH", "\nIt seems like a coelocanth. Uhhhhh"},
    {"OGRE", "\nIt seems strong, but slow. A good target for dodging."},
    {"WIZARD", "\nIt seems to have undodgeable magic powers."},
    {"ORC", "\nIt seems like a pretty typical enemy."},
    {"ACCOUNTANT", "\nIt seems smart, like it could empower itself with math."},
    {"ROGUE", "\nIt seems very agile... physical attacks may be dodged."},
    {"EXPLORER", "\nIt doesn't seem to want to fight. Maybe it'll try to escape?"},
    {"CHEF", "\nIt seems culinarily adept. Avoid SALT or you'll be eaten!"},
    {"WARLOCK", "\nIt seems to know fire magic. DAMPNESS may help."},
    {"DEEP GOBLIN", "\nIt seems hungry."},
    {"LICHE", "\nIt has a dangerous aura... it may be best avoided."},
    {"ZOMBIE", "\nIt seems alert to your presence. Best killed ASAP."},
    {"TROLL", "\nIt seems to have regenerative abilities."},
    {"DEMON", "\nIt seems capable of absorbing FIRE. DAMPNESS may help."},
    {"ARCH-ACCOUNTANT", "\nIt seems highly intelligent and entirely without mercy."},
    {"NECROMANCER", "\nIt seems powerful enough to raise the dead, if there's room."},
    {"CTHULOID", "\nYou cannot quite grasp this enemy... what is it...?"},
    {"DEEP TROLL", "\nIt seems very powerful. To kill it would be quite the feat!"},
    {"GHAST", "\nThis enemy is making you shake in your boots!!"},
    {"DRAGON", "\nIt seems like some kind of 'optional boss', so to speak."},
    {"CONVICT", "\nEgad! This ruffian has turned hostile!"},
    {"OPPORTUNIST", "\nEgad! This charlatan has turned hostile!"},
    {"POTION", "\nEgad! JOHNNY THE POTION is here to avenge his brother!"},
    {"HELLSATAN", "\nIt seems like the final boss, probably."},
    {"HELLFUCKER", "\nYou are definitely, totally HELLFUCKED."},
};

// In the order they are tried; the three words nobody understands stand
// between the common words and the rarer ones.
const AdviceRow kQuibblentAdvice[] = {
    {"UNINTERESTING", "\nIt seems pretty normal."},
    {"POISONED", "\nIt is poisoned!! This fight will likely go in your favor."},
    {"CONFUSED", "\nIt is confused!! It may sometimes waste its turn."},
    {"DAMP", "\nFire will not be an effective tactic here."},
    {"FLAMMABLE", "\nIt could be set alight by a MATCH."},
    {"FLAMING", "\nIt is on fire! Be careful that you aren't set alight."},
    {"EXISTENTIAL", "\nIt seems vulnerable to psychedelic intervention."},
    {"INEFFECTUAL", "\nIt is weaker than most of its kind. Easy prey."},
    {"LIGHTLY SALTED", "\nIt looks delicious."},
    {"RAVENOUS", "\nIt may attempt to EAT you! Be wary."},
    {"POISONOUS", "\nAvoid its touch lest you become POISONED!!"},
    {"NOXIOUS", "\nIt may POISON you, unless you set it alight."},
    {"GHASTLY", "\nIt's a ghost!! It has very high DAMAGE RESISTANCE."},
    {"HORNY", "\nIt should be weak to FLIRT-type attacks."},
    {"FLIRTATIOUS", "\nIt should be weak to PERVERT-type attacks."},
    {"PERVERTED", "\nIt's a PERVERT! Maybe if you can MORALIZE it...?"},
    {"SLEEPING", "\nIf you wake it up, it'll be PISSED."},
    {"GAMER", "\nOh shit, a GAMER!! Watch out for its RAD MOVES!!!"},
    {"FRIGHTENED", "\nIt looks like it could run away at any moment."},
    {"HIPPIE", "\nIt looks physically weak, like it is against conflict."},
    {"METALHEAD", "\nDon't underestimate it; it may have a surprise on death."},
    {"VOLUMINOUS", "\nIt's too huge to flee from."},
    {"KNOWLEDGEABLE", "\nKill this enemy and great secrets will be yours."},
    {"NIHILIST", "\nIt seems resistant to moral and existential ideas."},
    {"VORPAL", "\nWhat is this thing???"},
    {"FRUMIOUS", "\nWhat is this thing???"},
    {"WHIFFLING", "\nWhat is this thing???"},
    {"OILY", "\nBlech, avoid its oil - it'll make you FLAMMABLE."},
    {"HOLOGRAPHIC", "\nIt's not actually real, so you won't gain experience."},
    {"HIGHLY FLAMMABLE", "\nUse caution against this enemy, especially around fire..."},
    {"STARVING", "\nIt will EAT you if you're not quick."},
    {"MLG", "\nIt's a MAJOR LEAGUE GAMER! Look at those RAD DODGING SKILLZ!"},
    {"ELITE", "\nIt is unusually powerful for its kind."},
    {"DAMNED", "\nThis enemy is *too* powerful - it cannot maintain itself."},
    {"EXTRAVAGANT", "\nThis enemy is show-offish; it will use more special skills."},
    {"CURSED", "\nTHIS SHOULD NOT HAPPEN. WHAT ARE YOU A HACKER"},
    {"ALMIGHTY", "\nYou won't be able to change its QUIBBLENT... yet."},
    {"ENRAGED", "\nIt is too pissed off to use special skills."},
    {"CONFIDENT", "\nIt appears to be looking to pick a fight."},
    {"FUNDAMENTALIST", "\nIt seems liable to PREACH to you!! How unpleasant..."},
    {"CHARRED", "\nAll that fire has made it vulnerable to attack."},
    {"GROGGY", "\nIt seems bleary-eyed, slow, and unable to DODGE."},
    {"JOHNNY THE", "\nWatch out for his INCREDIBLE POTION DEXTERITY!!"},
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

const char kTwoFreeTurns[] = "\nYou infer the enemy's movements... you get two free turns!";

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
    {halveDodgeOrStun, "\nYou infer the enemy's movements... dodge chance is halved!"},
    {[](GameState&, PlayerRecord& player, Action&) { player.dodges += 2; },
     "\nYou infer the enemy's attack patterns... +2 dodges!"},
    {[](GameState& state, PlayerRecord&, Action&) { state.currentEnemy.defence -= 2; },
     "\nYou infer the best way to attack... enemy defense -2!"},
    {[](GameState& state, PlayerRecord&, Action&) {
       Creature& enemy = state.currentEnemy;
       enemy.expReward = truncatedWhole(enemy.expReward * 1.5);
     },
     "\nYou infer the mechanics of combat... you will get more EXP!"},
    {[](GameState&, PlayerRecord&, Action&) {}, "\nYou don't infer anything interesting. Aww geez."},
};

const char kSwordForbidsStaring[] =
    "Your SWORD OF KINGS blocks the skill!\n'Oh, how despicable. I suppose you're *fascinated* by this \ncommon "
    "lowlife, are you? Hmm? Absolutely wretched. \nArrest your eyes from such filth at once!'\n[TYPE ANYTHING TO "
    "CONTINUE]";

// The defence as the hero's blows meet it. An enemy that takes no damage at
// all has no such figure; its plain defence is shown rather than dividing
// by nothing.
int apparentDefence(const Creature& enemy) {
  if (enemy.damageTakenFactor <= 0.0f) return enemy.defence;
  return truncatedQuotient(enemy.defence, enemy.damageTakenFactor);
}

std::string enemyFigures(const Creature& enemy) {
  const int attack = truncatedProduct(enemy.attack, enemy.attackFactor);
  std::string figures = "\nThe enemy has: " + std::to_string(attack) + " ATK; " +
                        std::to_string(apparentDefence(enemy)) + " DEF; " + std::to_string(enemy.goldReward) +
                        " gold; " + std::to_string(enemy.expReward) + " EXP.";
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
