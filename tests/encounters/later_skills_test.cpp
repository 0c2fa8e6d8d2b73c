// The skills that talk, steal, cure, study, preach, eat and swap, each on a
// working copy of the hero's skill as a fight turn hands it over.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "encounters/player_turn.h"
#include "encounters/skills_words_and_wits.h"
#include "tests/support/scratch_dir.h"
#include "world/action.h"
#include "world/game_state.h"
#include "world/quibblent_tables.h"
#include "world/random_source.h"

namespace {

const std::string kEnemyTurn = "It is now the enemy's turn.\n"
                               "[TYPE ANYTHING TO CONTINUE]";

class LaterSkills : public ::testing::Test {
 protected:
  void SetUp() override {
    buildQuibblentTables();
    hero.name = "Zed";
    hero.quibblent = "UNINTERESTING";
    hero.killScore = 3;
    enemy().type = "ORC";
    enemy().quibblent = "UNINTERESTING";
    enemy().maxHp = 40;
    enemy().hp = 40;
    state.level = &floorRecord;
    state.moveDirection = 2;
    state.combatState = 7;
  }
  Creature& enemy() { return state.currentEnemy; }
  Action use(SkillEffect effect, const std::string& name, std::vector<std::uint32_t> draws = {}) {
    dice::Script script(std::move(draws));
    Action skill(name, 1, true);
    effect(state, hero, skill);
    return skill;
  }
  GameState state;
  Floor floorRecord;
  PlayerRecord hero;
};

TEST_F(LaterSkills, NegotiatedPricesFollowTheRewardTheContractAndTheHerosRecord) {
  struct Case {
    const char* type;
    int goldReward;
    std::uint32_t roll;  // the price percentage is 80 + roll % 41
    const char* imbuement;
    int killScore;
    int price;
  };
  const Case cases[] = {
      {"ORC", 10, 20, "", 3, 20},          {"ORC", 10, 20, "CONTRACT", 3, 13},
      {"ORC", 10, 20, "", 0, 10},          {"ORC", 10, 20, "CONTRACT", 0, 6},
      {"ORC", 50, 33, "", 1, 112},         {"HELLSATAN", 7, 0, "CONTRACT", 1, 1500},
      {"HELLSATAN", 7, 0, "", 0, 333},     {"ORC", 0, 40, "", 1, 0},
  };
  for (const Case& c : cases) {
    enemy().type = c.type;
    enemy().goldReward = c.goldReward;
    hero.imbuement = c.imbuement;
    hero.killScore = c.killScore;
    state.combatState = 7;
    const Action skill = use(effectNegotiate, "NEGOTIATE", {c.roll});
    EXPECT_EQ(state.combatState, 8) << c.type;
    EXPECT_EQ(state.combatValue, c.price) << c.type << " " << c.goldReward << " " << c.imbuement;
    EXPECT_EQ(skill.narration, "Zed offers a peaceful solution!\n"
                               "The UNINTERESTING " +
                                   std::string(c.type) +
                                   " thinks your offer over...\n"
                                   "They are willing to leave you alone if you can give them a \n"
                                   "minimum of " +
                                   std::to_string(c.price) + " gold. Will you accept? (Y/N)");
    EXPECT_EQ(skill.cooldownLeft, 4);
  }
}

TEST_F(LaterSkills, ATheftStealsAShareAndSpoilsEveryLaterDeal) {
  enemy().goldReward = 100;
  Action skill = use(effectPickpocket, "PICKPOCKET", {7});  // 57%
  EXPECT_EQ(skill.narration, "Zed attempts to pick the enemy's pocket!\n"
                             "You stole 56 gold!!\n" +
                                 kEnemyTurn);
  EXPECT_EQ(hero.gold, 56);
  EXPECT_EQ(enemy().goldReward, 44);
  EXPECT_EQ(skill.cooldownLeft, 2);

  enemy().goldReward = 7;
  use(effectPickpocket, "PICKPOCKET", {0});  // 50%
  EXPECT_EQ(enemy().goldReward, 4) << "a second theft still works";

  skill = use(effectNegotiate, "NEGOTIATE");
  EXPECT_TRUE(skill.narration.find("They realize your THIEVING ways") != std::string::npos) << skill.narration;
  EXPECT_EQ(state.combatState, 7);
  enemy().quibblent = "SLEEPING";
  skill = use(effectNegotiate, "NEGOTIATE");
  EXPECT_EQ(skill.narration, "Zed offers a peaceful solution!\n"
                             "...The enemy doesn't respond. They're SLEEPING, stupid!\n" +
                                 kEnemyTurn);
}

TEST_F(LaterSkills, PocketsThatCannotBePicked) {
  enemy().goldReward = 0;
  EXPECT_EQ(use(effectPickpocket, "PICKPOCKET").narration, "Zed attempts to pick the enemy's pocket!\n"
                                                           "Hey, what's the deal here!? This enemy doesn't even HAVE \n"
                                                           "any gold! What a waste of time!\n" +
                                                               kEnemyTurn);
  enemy().type = "DRAGON";
  enemy().goldReward = 500;
  EXPECT_TRUE(use(effectPickpocket, "PICKPOCKET").narration.find("dragons don't HAVE any pockets!") !=
              std::string::npos);
  hero.wieldsSwordOfKings = true;
  const Action blocked = use(effectPickpocket, "PICKPOCKET");
  EXPECT_TRUE(blocked.narration.starts_with("Your SWORD OF KINGS blocks the skill!\n"));
  EXPECT_EQ(blocked.cooldownLeft, 2) << "the sword still lets the cooldown start";
  EXPECT_EQ(enemy().goldReward, 500);
}

TEST_F(LaterSkills, GoadingEnragesAllButTheCalmAndTheMighty) {
  EXPECT_TRUE(use(effectPissOff, "PISS OFF").narration.starts_with("Zed goads the enemy into attacking!\n"));
  EXPECT_EQ(enemy().quibblent, "ENRAGED");
  enemy().quibblent = "HIPPIE";
  EXPECT_EQ(use(effectPissOff, "PISS OFF").narration, "Zed goads the enemy into attacking!\n"
                                                      "The HIPPIE ORC just laughs at you dumbly.\n" +
                                                          kEnemyTurn);
  enemy().type = "NECROMANCER";
  enemy().quibblent = "UNINTERESTING";
  const Action skill = use(effectPissOff, "PISS OFF");
  EXPECT_EQ(skill.narration, "Zed goads the enemy into attacking!\n"
                             "The UNINTERESTING NECROMANCER doesn't care!!\n" +
                                 kEnemyTurn);
  EXPECT_EQ(skill.cooldownLeft, 5);
}

TEST_F(LaterSkills, AntibioticsCureConfusionAndPoisonUntilTheBacteriaResist) {
  hero.quibblent = "CONFUSED";
  hero.poisoned = true;
  hero.antibioticsUsed = 3;
  Action skill = use(effectAntibiotics, "ANTIBIOTICS");
  EXPECT_EQ(hero.quibblent, "UNINTERESTING");
  EXPECT_FALSE(hero.poisoned);
  EXPECT_TRUE(skill.narration.starts_with("Zed takes some antibiotics.\n"));
  EXPECT_TRUE(skill.narration.ends_with("\n"
                                        "Your POISON has been cured!\n" +
                                        kEnemyTurn))
      << skill.narration;
  EXPECT_EQ(skill.cooldownLeft, 6);

  hero.quibblent = "CONFUSED";
  skill = use(effectAntibiotics, "ANTIBIOTICS");
  EXPECT_EQ(skill.narration, "Zed takes some antibiotics.\n"
                             "\n"
                             "The bacteria in your body have developed ANTIBIOTIC \n"
                             "RESISTANCE! The antibiotics do nothing.\n" +
                                 kEnemyTurn);
  EXPECT_EQ(hero.quibblent, "CONFUSED");
  EXPECT_EQ(hero.antibioticsUsed, 5);

  hero.antibioticsUsed = 0;
  hero.quibblent = "FLAMING";
  hero.poisoned = true;
  skill = use(effectAntibiotics, "ANTIBIOTICS");
  EXPECT_EQ(skill.narration, "Zed takes some antibiotics.\n"
                             "Your POISON has been cured!\n" +
                                 kEnemyTurn);
  skill = use(effectAntibiotics, "ANTIBIOTICS");
  EXPECT_TRUE(skill.narration.find("The ANTIBIOTICS are powerless against FIRE!") != std::string::npos);

  hero.wieldsSwordOfKings = true;
  skill = use(effectAntibiotics, "ANTIBIOTICS");
  EXPECT_TRUE(skill.narration.starts_with("Your SWORD OF KINGS blocks the skill!\n"));
  EXPECT_EQ(skill.cooldownLeft, 0);
  EXPECT_EQ(hero.antibioticsUsed, 2) << "a blocked dose is not counted";
}

TEST_F(LaterSkills, InferenceDrawsOneOfFiveInsights) {
  struct Case {
    std::uint32_t roll;
    float dodge;
    const char* line;
  };
  const Case cases[] = {
      {0, 3.0f, "\n"
                "You infer the enemy's movements... dodge chance is halved!"},
      {1, 0.0f, "\n"
                "You infer the enemy's attack patterns... +2 dodges!"},
      {2, 0.0f, "\n"
                "You infer the best way to attack... enemy defense -2!"},
      {3, 0.0f, "\n"
                "You infer the mechanics of combat... you will get more EXP!"},
      {4, 0.0f, "\n"
                "You don't infer anything interesting. Aww geez."},
  };
  for (const Case& c : cases) {
    enemy().dodge = c.dodge;
    enemy().expReward = 25;
    enemy().defence = 1;
    hero.dodges = 3;
    const Action skill = use(effectInference, "INFERENCE", {c.roll});
    EXPECT_EQ(skill.narration, "Zed makes an inference..." + std::string(c.line) + "\n" + kEnemyTurn) << c.roll;
    EXPECT_EQ(state.combatState, 7);
  }
  EXPECT_EQ(enemy().expReward, 25);
  enemy().dodge = 3.0f;
  use(effectInference, "INFERENCE", {0});
  EXPECT_FLOAT_EQ(enemy().dodge, 1.5f);
  use(effectInference, "INFERENCE", {1});
  EXPECT_EQ(hero.dodges, 5);
  use(effectInference, "INFERENCE", {2});
  EXPECT_EQ(enemy().defence, -1) << "defence may go below 0";
  use(effectInference, "INFERENCE", {3});
  EXPECT_EQ(enemy().expReward, 37);
}

TEST_F(LaterSkills, InferenceAgainstAnEnemyThatCannotDodgeGivesTwoTurns) {
  enemy().dodge = 0.0f;
  const Action skill = use(effectInference, "INFERENCE", {5});
  EXPECT_EQ(skill.narration, "Zed makes an inference...\n"
                             "You infer the enemy's movements... you get two free turns!\n"
                             "It is now your turn.\n"
                             "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]");
  EXPECT_EQ(state.combatState, 2);
  EXPECT_TRUE(enemy().stunned);
  EXPECT_TRUE(state.loopFlag);
}

TEST_F(LaterSkills, ExamineShowsTheFiguresAndAdvice) {
  struct Case {
    const char* type;
    const char* quibblent;
    float dodge;
    float damageTaken;
    std::string shown;
  };
  const Case cases[] = {
      {"GOBLIN", "UNINTERESTING", 0.0f, 0.25f,
       "\n"
       "The enemy has: 6 ATK; 12 DEF; 4 gold; 20 EXP.\n"
       "It seems weak and ineffectual.\n"
       "It seems pretty normal."},
      {"GOBLIN", "GROGGY", 0.5f, 0.25f,
       "\n"
       "The enemy has: 6 ATK; 12 DEF; 4 gold; 20 EXP. Dodge 5%.\n"
       "It seems weak and ineffectual.\n"
       "It seems bleary-eyed, slow, and unable to DODGE."},
      {"GOBLIN", "WHIFFLING", 0.0f, 0.25f,
       "\n"
       "The enemy has: 6 ATK; 12 DEF; 4 gold; 20 EXP.\n"
       "It seems weak and ineffectual.\n"
       "What is this thing???"},
      {"BLOB", "SPARKLY", 0.0f, 0.25f,
       "\n"
       "The enemy has: 6 ATK; 12 DEF; 4 gold; 20 EXP.\n"
       "It seems like this enemy is bugged. Or maybe the skill is.\n"
       "It seems like this enemy is bugged. Or maybe the skill is."},
      // An enemy that takes no damage shows its plain defence.
      {"GHAST", "GHASTLY", 0.0f, 0.0f,
       "\n"
       "The enemy has: 6 ATK; 3 DEF; 4 gold; 20 EXP.\n"
       "This enemy is making you shake in your boots!!\n"
       "It's a ghost!! It has very high DAMAGE RESISTANCE."},
  };
  for (const Case& c : cases) {
    enemy().type = c.type;
    enemy().quibblent = c.quibblent;
    enemy().attack = 5;
    enemy().attackFactor = 1.25f;
    enemy().defence = 3;
    enemy().damageTakenFactor = c.damageTaken;
    enemy().goldReward = 4;
    enemy().expReward = 20;
    enemy().dodge = c.dodge;
    const Action skill = use(effectExamine, "EXAMINE");
    EXPECT_EQ(skill.narration, "Zed examines the enemy..." + c.shown + "\n" + kEnemyTurn) << c.type << c.quibblent;
    EXPECT_EQ(skill.cooldownLeft, 0);
  }
}

TEST_F(LaterSkills, PreachingMovesEachListenerItsOwnWay) {
  struct Case {
    const char* type;
    const char* quibblent;
    int hp;
    const char* start;  // of the text after "You PREACH at the Q T...\n"
    int combatState;
    int hpAfter;
  };
  const Case cases[] = {
      {"ACCOUNTANT", "HORNY", 40,
       "As your words set in, the enemy's eyes widen.\n"
       "It seems horrified with its lecherous",
       6, 40},
      {"ORC", "HIPPIE", 40, "The HIPPIE ORC listens with rapt attention.", 7, 40},
      {"ORC", "HIPPIE", 25, "The HIPPIE ORC listens with rapt attention.", 7, 35},
      {"ORC", "DAMNED", 40, "The DAMNED ORC screams as its body contorts", 10, 0},
      {"ORC", "FUNDAMENTALIST", 3, "Your MORAL WORDS fill the enemy", 7, 40},
      {"ORC", "FRIGHTENED", 40, "The FRIGHTENED ORC screams and runs away!", 6, 40},
      {"ORC", "METALHEAD", 25, "The METALHEAD ORC clutches its chest in pain...", 10, 0},
      {"ORC", "METALHEAD", 24, "The METALHEAD ORC clutches its chest in pain...", 10, 0},
      {"DEMON", "UNINTERESTING", 30, "The UNINTERESTING DEMON screeches in pain!", 7, 5},
      {"HELLSATAN", "UNINTERESTING", 20, "HELLSATAN screeches in pain at your words, taking 25 damage!", 7, 1},
      {"HELLSATAN", "UNINTERESTING", 25, "HELLSATAN screeches in pain at your words, taking 25 damage!", 7, 1},
      {"HELLFUCKER", "UNINTERESTING", 25, "HELLFUCKER screeches in pain at your words, taking 25 damage!", 7, 1},
      {"HELLFUCKER", "UNINTERESTING", 40, "HELLFUCKER screeches in pain at your words, taking 25 damage!", 7, 15},
      {"ORC", "GAMER", 40, "Despite your best efforts, your speech is unable", 7, 40},
      {"ORC", "UNINTERESTING", 40, "...it's not listening.", 7, 40},
  };
  for (const Case& c : cases) {
    enemy().type = c.type;
    enemy().quibblent = c.quibblent;
    enemy().hp = c.hp;
    enemy().attack = 5;
    enemy().defence = 1;
    state.combatState = 7;
    hero.stunned = false;
    const Action skill = use(effectPreach, "PREACH");
    const std::string opening = "You PREACH at the " + std::string(c.quibblent) + " " + c.type + "...\n";
    EXPECT_TRUE(skill.narration.starts_with(opening + c.start)) << skill.narration;
    EXPECT_EQ(skill.narration.ends_with("\n" + kEnemyTurn), c.combatState != 6) << c.type << c.quibblent;
    EXPECT_EQ(state.combatState, c.combatState) << c.type << c.quibblent << c.hp;
    EXPECT_EQ(enemy().hp, c.hpAfter) << c.type << c.quibblent << c.hp;
    EXPECT_EQ(skill.cooldownLeft, 5);
    EXPECT_EQ(hero.stunned, std::string(c.type).starts_with("HELL"));
  }
}

TEST_F(LaterSkills, ASermonNeverBanishesTheLordsOfHellWholeTurnThrough) {
  // Columns: type, hit points before, after.
  const std::tuple<const char*, int, int> cases[] = {
      {"HELLSATAN", 25, 1}, {"HELLFUCKER", 25, 1}, {"HELLSATAN", 3, 1}, {"HELLFUCKER", 26, 1},
  };
  for (const auto& [type, hp, hpAfter] : cases) {
    SCOPED_TRACE(std::string(type) + " at " + std::to_string(hp));
    enemy().type = type;
    enemy().hp = hp;
    hero.skills = {Action("PREACH", 1, true)};
    state.combatState = 7;
    resolvePlayerTurn(0, hero, state);
    EXPECT_EQ(enemy().hp, hpAfter);
    EXPECT_EQ(state.combatState, 7);
  }
}

TEST_F(LaterSkills, APreachedAccountantBecomesACookOnItsTileToo) {
  enemy().type = "ACCOUNTANT";
  enemy().quibblent = "STARVING";
  enemy().goldReward = 12;
  const Action skill = use(effectPreach, "PREACH");
  EXPECT_TRUE(skill.narration.find("The enemy is now a STARVING CHEF!") != std::string::npos);
  const Creature& onTile = floorRecord.tileCreatures[2];
  EXPECT_EQ(onTile.type, "CHEF");
  EXPECT_EQ(onTile.attack, 9);
  EXPECT_EQ(onTile.defence, 4);
  EXPECT_EQ(onTile.expReward, 90);
  EXPECT_EQ(onTile.goldReward, 12);
  std::vector<std::pair<std::string, int>> moves;
  for (const Action& move : onTile.actions) moves.emplace_back(move.name, move.weight);
  EXPECT_EQ(moves, (std::vector<std::pair<std::string, int>>{{"ATTACK", 6}, {"APPLY SALT", 9}, {"EAT", 6}, {"EAT", 8}}));
}

TEST_F(LaterSkills, APreachedRogueHandsOverItsGoldAndLeaves) {
  enemy().type = "ROGUE";
  enemy().goldReward = 31;
  hero.gold = 4;
  const Action skill = use(effectPreach, "PREACH");
  EXPECT_TRUE(skill.narration.find("gives you all 31 of its gold") != std::string::npos);
  EXPECT_EQ(hero.gold, 35);
  EXPECT_EQ(floorRecord.tileCreatures[2].goldReward, 0);
  EXPECT_EQ(state.combatState, 6);
}

TEST_F(LaterSkills, PissingOnTheEnemyIsForgottenAtOnceButKeepsItsText) {
  hero.skills = {Action("PISS ON", 1, true), Action("MAGICBOLT", 1, true)};
  Action copy = hero.skills[0];
  effectPissOn(state, hero, copy);
  ASSERT_EQ(hero.skills.size(), 1u);
  EXPECT_EQ(hero.skills[0].name, "MAGICBOLT");
  EXPECT_EQ(enemy().quibblent, "DAMP");
  EXPECT_TRUE(copy.narration.starts_with("Zed pisses on the enemy! Yeah!\n"));
  EXPECT_TRUE(copy.narration.ends_with("\n"
                                       "You feel like you don't need to piss anymore.\n" +
                                       kEnemyTurn));
}

TEST_F(LaterSkills, EatingNeedsTwoReasonsAndNeverKills) {
  struct Case {
    const char* type;
    const char* quibblent;
    const char* heroWord;
    const char* heroClass;
    int hp;
    int combatState;
    const char* line;  // a line the narration holds
  };
  const Case cases[] = {
      {"DRAGON", "LIGHTLY SALTED", "STARVING", "ZOMBIE", 1, 2, "There is no way you will be able to EAT this enemy."},
      {"ORC", "UNINTERESTING", "UNINTERESTING", "CONVICT", 40, 2,
       "they're still too \n"
       "active and slippery!"},
      {"ORC", "UNINTERESTING", "UNINTERESTING", "CONVICT", 20, 2, "not appetizing enough to eat!!"},
      {"ORC", "SLEEPING", "UNINTERESTING", "CONVICT", 21, 2, "not appetizing enough to eat!!"},
      {"ORC", "LIGHTLY SALTED", "UNINTERESTING", "CONVICT", 21, 2,
       "too \n"
       "active and slippery!"},
      {"ORC", "LIGHTLY SALTED", "UNINTERESTING", "CONVICT", 20, 10, "Mmm... delicious! You gained 10 HP."},
      {"ORC", "UNINTERESTING", "STARVING", "ZOMBIE", 40, 10, "Mmm... delicious! You gained 20 HP."},
      {"ZOMBIE", "UNINTERESTING", "STARVING", "ZOMBIE", 30, 10, "Oof, that doesn't go down easy... you lose 2 HP."},
      {"DEMON", "UNINTERESTING", "STARVING", "ZOMBIE", 30, 10, "Ooh, very spicy! You are now FLAMING."},
      {"HELLSATAN", "UNINTERESTING", "STARVING", "ZOMBIE", 30, 10, "you lose 2 HP."},
  };
  for (const Case& c : cases) {
    enemy().type = c.type;
    enemy().quibblent = c.quibblent;
    enemy().hp = c.hp;
    hero.quibblent = c.heroWord;
    hero.playerClass = c.heroClass;
    hero.hp = 3;
    hero.maxHp = 30;
    hero.dodges = 2;
    state.combatState = 7;
    const Action skill = use(effectEat, "EAT");
    EXPECT_EQ(state.combatState, c.combatState) << c.type << " " << c.hp;
    EXPECT_NE(skill.narration.find(c.line), std::string::npos) << skill.narration;
    if (c.combatState == 2) {
      EXPECT_TRUE(skill.narration.ends_with("\n"
                                            "You have 2 dodges left.\n"
                                            "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]"));
      EXPECT_EQ(skill.cooldownLeft, 0);
    } else {
      EXPECT_EQ(enemy().hp, 0);
      EXPECT_GE(hero.hp, 1);
      EXPECT_TRUE(skill.narration.ends_with("\n"
                                            "You win the battle!!!\n"
                                            "[TYPE ANYTHING TO CONTINUE]"));
    }
  }
}

TEST_F(LaterSkills, HungerShortensTheMealsCooldown) {
  hero.quibblent = "STARVING";
  hero.playerClass = "ZOMBIE";
  Action skill = use(effectEat, "EAT");
  EXPECT_EQ(hero.quibblent, "RAVENOUS");
  EXPECT_EQ(skill.cooldownLeft, skill.cooldown - 2);

  hero.quibblent = "STARVING";
  enemy().quibblent = "VOLUMINOUS";
  enemy().hp = 40;
  state.combatState = 7;
  skill = use(effectEat, "EAT");
  EXPECT_EQ(state.combatState, 7) << "a bite, not a meal";
  EXPECT_EQ(hero.quibblent, "RAVENOUS");
  EXPECT_EQ(enemy().quibblent, "UNINTERESTING");
  EXPECT_EQ(skill.cooldownLeft, skill.cooldown - 1);
  EXPECT_EQ(skill.narration, "Zed attempts to EAT the UNINTERESTING ORC!\n"
                             "The attempt was an overwhelming success. Tastes like flesh!\n"
                             "The enemy is now much less VOLUMINOUS.\n"
                             "You are now RAVENOUS.\n" +
                                 kEnemyTurn);
}

TEST_F(LaterSkills, SwappingQuibblentsAndItsRefusals) {
  struct Case {
    const char* heroWord;
    const char* enemyWord;
    const char* type;
    const char* imbuement;
    const char* heroAfter;
    const char* enemyAfter;
    const char* line;
  };
  const Case cases[] = {
      {"DAMP", "DAMP", "ORC", "", "DAMP", "DAMP", "The QBL.SWAP had no effect!"},
      {"CURSED", "DAMP", "ORC", "GROG", "CURSED", "CURSED", "Your GROGGINESS remains stubbornly persistent!"},
      {"CURSED", "DAMP", "ORC", "", "CURSED", "DAMP", "You won't be getting rid of the CURSE that easily."},
      {"DAMP", "ELITE", "HELLFUCKER", "", "DAMP", "ELITE", "HELLFUCKER is immune to QBL.SWAP!!"},
      {"DAMP", "SLEEPING", "ORC", "", "DAMP", "SLEEPING", "you cannot have the SLEEPING QUIBBLENT!"},
      {"DAMP", "ELITE", "ORC", "", "ELITE", "DAMP", ""},
  };
  for (const Case& c : cases) {
    hero.quibblent = c.heroWord;
    hero.imbuement = c.imbuement;
    enemy().quibblent = c.enemyWord;
    enemy().type = c.type;
    hero.skills = {Action("QBL.SWAP", 1, true)};
    Action copy = hero.skills[0];
    effectQblSwap(state, hero, copy);
    EXPECT_EQ(hero.quibblent, c.heroAfter) << c.heroWord << "/" << c.enemyWord;
    EXPECT_EQ(enemy().quibblent, c.enemyAfter) << c.heroWord << "/" << c.enemyWord;
    EXPECT_NE(copy.narration.find(c.line), std::string::npos) << copy.narration;
    EXPECT_TRUE(copy.narration.starts_with("Zed unleashes the terrible power of the QBL.SWAP...\n"));
    EXPECT_TRUE(copy.narration.ends_with(kEnemyTurn));
    EXPECT_EQ(copy.cooldownLeft, 11);
  }
}

TEST_F(LaterSkills, TakingJohnnysPowerTakesThePotionAchievementUntilItIsTaken) {
  // Columns: what, slot 7 before, progress before, slot 7 after, progress
  // after, whether the meta save is written.
  struct Case {
    const char* what;
    const char* holder;
    int progress;
    const char* holderAfter;
    int progressAfter;
    bool saved;
  };
  const Case cases[] = {
      {"an empty slot", "", 0, "Zed", 2, true},
      {"JIMMY's killer gives way", "Amy", 0, "Zed", 2, true},
      {"JOHNNY's killer gives way", "Amy", 1, "Zed", 2, true},
      {"a swap already made stays", "Amy", 2, "Amy", 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir scratch;
    state.achievements[6] = c.holder;
    state.potionProgress = c.progress;
    enemy().type = "POTION";
    enemy().quibblent = "JOHNNY THE";
    hero.quibblent = "DAMP";
    Action copy("QBL.SWAP", 1, true);
    effectQblSwap(state, hero, copy);
    EXPECT_EQ(hero.quibblent, "JOHNNY THE");
    EXPECT_NE(copy.narration.find("He's now DAMP!"), std::string::npos) << copy.narration;
    EXPECT_EQ(state.achievements[6], c.holderAfter);
    EXPECT_EQ(state.potionProgress, c.progressAfter);
    EXPECT_EQ(std::filesystem::exists("saves/meta-save.txt"), c.saved);
  }
}

TEST_F(LaterSkills, EveryQblSwapTheHeroKnowsCoolsDownWhicheverWasUsed) {
  // A ZOMBIE may learn a skill twice; using either copy cools both.
  hero.playerClass = "ZOMBIE";
  hero.quibblent = "DAMP";
  enemy().quibblent = "ELITE";
  for (std::size_t used = 0; used < 2; ++used) {
    hero.skills = {Action("QBL.SWAP", 1, true), Action("ATTACK", 1, true), Action("QBL.SWAP", 1, true)};
    const std::size_t index = used == 0 ? 0 : 2;
    state.combatState = 7;
    resolvePlayerTurn(index, hero, state);
    EXPECT_EQ(hero.skills[0].cooldownLeft, 11) << "used " << index;
    EXPECT_EQ(hero.skills[1].cooldownLeft, 0) << "used " << index;
    EXPECT_EQ(hero.skills[2].cooldownLeft, 11) << "used " << index;
    std::swap(hero.quibblent, enemy().quibblent);
  }
}

}  // namespace
