// Each enemy move from a set-up fight: the narration it tells and the fight
// it leaves behind.
#include <gtest/gtest.h>

#include <functional>

#include "../support/captured_output.h"
#include "../world/creature_moves.h"
#include "encounters/enemy_turn.h"
#include "enemy_fight_fixture.h"
#include "world/random_source.h"

namespace {

using Setup = std::function<void(EnemyFight&)>;
using Check = std::function<void(EnemyFight&, const std::string&)>;

struct MoveCase {
  const char* label;
  const char* move;
  Setup setup;
  std::vector<std::uint32_t> draws;
  std::string narration;  // the whole text; empty when the check looks at parts of it
  Check check;
};

void none(EnemyFight&) {}
void noCheck(EnemyFight&, const std::string&) {}

// Resolves the move as the dodge prompt does: the first entry of that name.
std::string resolveNamed(EnemyFight& fight, const std::string& name) {
  for (Action& move : fight.enemy().actions) {
    if (move.name == name) {
      resolveEnemyTurn(move, fight.hero, fight.state, fight.floor);
      return fight.state.messageBuffer;
    }
  }
  ADD_FAILURE() << "no move " << name;
  return "";
}

void runCases(const std::vector<MoveCase>& cases) {
  for (const MoveCase& row : cases) {
    SCOPED_TRACE(row.label);
    EnemyFight fight;
    fight.give(row.move, 5);
    row.setup(fight);
    dice::Script draws(row.draws);
    CapturedOutput out;
    const std::string text = resolveNamed(fight, row.move);
    EXPECT_EQ(draws.drawsLeft(), 0u);
    if (!row.narration.empty()) {
      EXPECT_EQ(text, row.narration);
    }
    row.check(fight, text);
  }
}

void expectDead(EnemyFight& fight, const std::string&) {
  EXPECT_EQ(fight.hero.hp, 0);
  EXPECT_EQ(fight.state.pendingPrompt, 16);
  EXPECT_EQ(fight.state.combatState, 2);
}

TEST(EnemyMoves, SpellsBreathsAndSelfEffects) {
  runCases({
      {"magicbolt", "MAGICBOLT", none, {}, "ELITE GOBLIN fires off a MAGICBOLT attack!\n"
                                           "You took 8 damage.\n" + kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.hero.hp, 12); }},
      {"firebolt on the damp", "FIREBOLT", [](EnemyFight& f) { f.hero.quibblent = "DAMP"; }, {},
       "ELITE GOBLIN fires off a FIREBOLT attack!\n"
       "You took 8 damage.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.hero.hp, 12); }},
      {"a killing firebolt does not defeat the enemy", "FIREBOLT", [](EnemyFight& f) { f.hero.hp = 5; }, {},
       "ELITE GOBLIN fires off a FIREBOLT attack!\n"
       "You took 16 damage.\n" + kGameOver, expectDead},
      {"fire claw on a thick hide", "FIRE CLAW", [](EnemyFight& f) { f.hero.defence = 20; }, {},
       "ELITE GOBLIN scratches with a FLAMING claw!\n"
       "You took 0 damage.\n" + kYourTurn, noCheck},
      {"fire breath on the highly flammable", "FIRE BREATH",
       [](EnemyFight& f) { f.hero.quibblent = "HIGHLY FLAMMABLE"; }, {},
       "ELITE GOBLIN breathes fire on you!\n"
       "KA-BOOOOOOOMMMM!!! You explode into a million pieces.\n" +
           kGameOver,
       expectDead},
      {"curse bolt on a frail hero", "CURSE BOLT",
       [](EnemyFight& f) {
         f.hero.maxHp = 3;
         f.hero.hp = 3;
         f.hero.attack = 1;
         f.hero.defence = 0;
       },
       {},
       "ELITE GOBLIN fires off a CURSE BOLT attack!\n"
       "You have permanently lost 5 HP, 1 ATK, and 1 DEF!!! Aw geez!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(f.hero.maxHp, 1);
         EXPECT_EQ(f.hero.hp, 1);
         EXPECT_EQ(f.hero.attack, 1);
         EXPECT_EQ(f.hero.defence, 0);
       }},
      {"heal what is missing", "HEAL", [](EnemyFight& f) { f.enemy().hp = 40; }, {},
       "ELITE GOBLIN casts HEAL on themself!\n"
       "They recovered 10 HP.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.enemy().hp, 50); }},
      {"mega heal keeps its full amount", "MEGA HEAL", [](EnemyFight& f) { f.enemy().hp = 45; }, {},
       "ELITE GOBLIN casts MEGA HEAL on themself!\n"
       "They recovered 5 HP.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.enemy().actions[0].amount, 50); }},
      {"run the numbers ii names the type", "RUN THE NUMBERS II", none, {},
       "GOBLIN runs the numbers... their stats \n"
       "have been optimized!! +40 HP! +4 ATK! +4 DEF!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(f.enemy().maxHp, 90);
         EXPECT_EQ(f.enemy().attack, 14);
       }},
      {"wind up gives way to its attack", "WIND UP", [](EnemyFight& f) { f.give("ATTACK", 3); }, {},
       "ELITE GOBLIN winds up for an attack!\n" + kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(movesOf(f.enemy()), (Moves{{"ATTACK", 3}, {"WINDUP-ATTACK", 5}}));
         EXPECT_TRUE(f.enemy().woundUp);
       }},
      {"the attack after a wind-up winds up again", "WINDUP-ATTACK", [](EnemyFight& f) { f.give("ATTACK", 3); },
       {}, "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(movesOf(f.enemy()), (Moves{{"ATTACK", 3}, {"WIND UP", 8}}));
       }},
      {"a hell claw after the wind-up", "HELL CLAW", [](EnemyFight& f) { f.enemy().woundUp = true; }, {},
       "ELITE GOBLIN crushes you with a HELL CLAW!\n"
       "You are now at 1 HP!!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(movesOf(f.enemy()), (Moves{{"WIND UP II", 2}}));
         EXPECT_EQ(f.hero.hp, 1);
       }},
      {"a hell claw without the wind-up stays", "HELL CLAW", none, {},
       "ELITE GOBLIN crushes you with a HELL CLAW!\n"
       "You are now at 1 HP!!\n" + kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(movesOf(f.enemy()), (Moves{{"HELL CLAW", 5}})); }},
      {"raise dead on a full floor", "RAISE DEAD",
       [](EnemyFight& f) { f.floor.tileKinds.fill("Item"); }, std::vector<std::uint32_t>(1000, 3),
       "ELITE GOBLIN casts an evil RAISE DEAD spell!\n"
       "Luckily, no ZOMBIES were raised.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.floor.monsterCount, 2); }},
  });
}

// The bare fists and the nudity that replace melted gear are loot the item
// catalogue rolls, so this fight is seeded rather than scripted.
TEST(EnemyMoves, FireBreathMeltsTheWeaponAndLightsTheArmor) {
  EnemyFight fight;
  fight.give("FIRE BREATH", 5);
  fight.hero.hp = 30;
  fight.hero.equipment[0].type = "SWORD";
  fight.hero.equipment[0].quibblent = "HIGHLY FLAMMABLE";
  fight.hero.equipment[0].attack = 5;
  fight.hero.attack = 9;
  fight.hero.equipment[1].type = "PLATE";
  fight.hero.equipment[1].quibblent = "OILY";
  dice::useSeed(11);
  const std::string text = resolveNamed(fight, "FIRE BREATH");
  dice::useDevice();
  EXPECT_EQ(text.rfind("ELITE GOBLIN breathes fire on you!\n"
                       "You took 25 damage.\n"
                       "Your SWORD melts... you must use your FISTS.\n",
                       0),
            0u);
  EXPECT_TRUE(text.ends_with(kYourTurn));
  EXPECT_EQ(fight.hero.hp, 5);
  EXPECT_EQ(fight.hero.equipment[0].type, "FISTS");
  EXPECT_EQ(fight.hero.attack, 4 + fight.hero.equipment[0].attack);
  EXPECT_EQ(fight.hero.equipment[1].quibblent, "FLAMING");
}

TEST(EnemyMoves, RaiseDeadGuardsTheStairs) {
  EnemyFight fight;
  fight.give("RAISE DEAD", 5);
  fight.floor.tileKinds.fill("Item");
  fight.floor.tileKinds[5] = "Exit";
  dice::useSeed(7);
  CapturedOutput out;
  const std::string text = resolveNamed(fight, "RAISE DEAD");
  dice::useDevice();
  const Creature& zombie = fight.floor.tileCreatures[5];
  EXPECT_EQ(fight.floor.tileKinds[5], "MonExit");
  EXPECT_EQ(zombie.type, "ZOMBIE");
  EXPECT_EQ(fight.floor.tileTexts[5], " stands a " + zombie.quibblent + " ZOMBIE.");
  EXPECT_EQ(text, "ELITE GOBLIN casts an evil RAISE DEAD spell!\n"
                  "A " +
                      zombie.quibblent + " ZOMBIE has been raised to the southwest! \n" + kYourTurn);
  EXPECT_EQ(out.text(), "loaded a " + zombie.quibblent + " ZOMBIE at southwest\n");
  EXPECT_EQ(fight.floor.monsterCount, 1);
}

TEST(EnemyMoves, WordsStunsAndEscapes) {
  runCases({
      {"gibberish stuns", "CONFUSING TERMINOLOGY", none, {},
       "ELITE GOBLIN spits out some incomprehensible \n"
       "statistics! You have been STUNNED by the gibberish!\n" +
           kEnemyTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_TRUE(f.hero.stunned);
         EXPECT_EQ(f.state.combatState, 7);
       }},
      {"an accountant's gibberish on a tripping hero", "CONFUSING TERMINOLOGY",
       [](EnemyFight& f) {
         f.enemy().type = "ARCH-ACCOUNTANT";
         f.hero.imbuement = "LSD";
         f.hero.playerClass = "ZOMBIE";
       },
       {},
       "ARCH-ACCOUNTANT spits out some incomprehensible \n"
       "statistics! You are tripping too hard to notice!!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_FALSE(f.hero.stunned); }},
      {"a zombie does not hear the shriek", "BANSHEE SHRIEK", [](EnemyFight& f) { f.hero.playerClass = "ZOMBIE"; },
       {},
       "ELITE GOBLIN released an ear-piercing, \n"
       "bone-rattling SHRIEK! You aren't listening. Need flesh.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 2); }},
      {"madness overwhelms the tripping confused", "MADNESS",
       [](EnemyFight& f) {
         f.hero.quibblent = "CONFUSED";
         f.hero.lsdLevel = 2;
       },
       {}, "",
       [](EnemyFight& f, const std::string& text) {
         EXPECT_TRUE(text.ends_with("YOU SEE THE DEEP INNER TRUTH OF ALL THINGS IN YOUR THIRD EYE"));
         EXPECT_EQ(f.state.pendingPrompt, 16);
         EXPECT_EQ(f.hero.hp, 20);
       }},
      {"a deal offered", "NEGOTIATION", none, {},
       "ELITE GOBLIN is offering to negotiate a deal for \n"
       "the peaceful resolution of this conflict!\n"
       "They are offering 7 GOLD if you give them the chance to \n"
       "leave the dungeon quietly. Will you accept? (Y/N)",
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(f.state.combatState, 5);
         EXPECT_EQ(f.state.combatValue, 7);
       }},
      {"a deal under contract", "NEGOTIATION", [](EnemyFight& f) { f.hero.imbuement = "CONTRACT"; }, {}, "",
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatValue, 9); }},
      {"a convict wants no deal", "NEGOTIATION", [](EnemyFight& f) { f.hero.playerClass = "CONVICT"; }, {},
       "ELITE GOBLIN attempts to offer you a deal...\n"
       "You are not interested in its puny words.\n"
       "Kill it now.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 2); }},
      {"the enemy runs", "FLEE", none, {}, "ELITE GOBLIN runs away in cowardice!! \n"
                                           "You gained 0 EXP.",
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(f.state.combatState, 6);
         EXPECT_EQ(f.enemy().actions[0].cooldown, 3);
       }},
      {"the enemy runs from the airhorn", "FLEE", [](EnemyFight& f) { f.hero.imbuement = "AIRHORN"; }, {},
       "ELITE GOBLIN runs away, awed by your gamer skillz!! \n"
       "You gained 0 EXP.", noCheck},
      {"no escaping the voluminous", "FLEE", [](EnemyFight& f) { f.hero.quibblent = "VOLUMINOUS"; }, {},
       "ELITE GOBLIN attempts to run away...\n"
       "Stupid little thing. There is no escaping you.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 2); }},
      {"an accountant's gamer skills", "GAMER", [](EnemyFight& f) { f.enemy().type = "ARCH-ACCOUNTANT"; }, {},
       "ARCH-ACCOUNTANT shows off some COOL AND RAD GAMER SKILLZ!!\n"
       "Nothing happened!\n" + kYourTurn, noCheck},
      {"splashing", "SPLASH", none, {}, "ELITE GOBLIN splashes around uselessly!\n"
                                        "Nothing happened!\n" + kYourTurn,
       noCheck},
      {"the academic's stare", "EXAMINE-E", none, {},
       "ELITE GOBLIN EXAMINES you... you feel seen.\n"
       "Nothing happened!\n" + kYourTurn, noCheck},
      {"a move nobody knows", "FOO", none, {}, "The skill the enemy tried (FOO) doesn't exist yet!\n" + kYourTurn,
       noCheck},
  });
}

TEST(EnemyMoves, EatPreachAndFlirt) {
  runCases({
      {"a starving enemy eats and is sated", "EAT",
       [](EnemyFight& f) {
         f.enemy().quibblent = "STARVING";
         f.enemy().actions.insert(f.enemy().actions.begin(), Action("ATTACK", 5));
       },
       {},
       "STARVING GOBLIN attempts to EAT you!!\n"
       "The attempt was an overwhelming success. Well, fuck.\n"
       "You die!! Game over.\n"
       "[TYPE ANYTHING TO CONTINUE]",
       [](EnemyFight& f, const std::string& text) {
         expectDead(f, text);
         EXPECT_EQ(f.enemy().quibblent, "RAVENOUS");
       }},
      {"the voluminous survive being eaten", "EAT",
       [](EnemyFight& f) {
         f.enemy().quibblent = "RAVENOUS";
         f.hero.quibblent = "VOLUMINOUS";
         f.hero.hp = 15;
       },
       {},
       "RAVENOUS GOBLIN attempts to EAT you!!\n"
       "The attempt was an overwhelming success.\n"
       "You have lost your VOLUMINOSITY!! The enemy is less hungry.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_NE(f.hero.quibblent, "VOLUMINOUS");
         EXPECT_EQ(f.hero.hp, 15);
         EXPECT_EQ(f.enemy().actions[0].cooldownLeft, 9);
       }},
      {"a zombie's grasp is slipped", "EAT", [](EnemyFight& f) { f.enemy().type = "ZOMBIE"; }, {},
       "The ELITE ZOMBIE attempts to EAT you!!\n"
       "Luckily, you are able to slip out of their grasp.\n"
       "The enemy glares at you hungrily...\n" +
           kYourTurn,
       noCheck},
      {"a sermon heals the faithful", "PREACH",
       [](EnemyFight& f) {
         f.hero.quibblent = "FUNDAMENTALIST";
         f.hero.hp = 1;
       },
       {},
       "ELITE GOBLIN preaches the good word at you!!\n"
       "The enemy's words of wisdom fill you with a feeling of \n"
       "profound validation and contentment.\n"
       "You have been fully healed! Huzzah!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.hero.hp, 30); }},
      {"a sermon kills a metalhead without defeating the enemy", "PREACH",
       [](EnemyFight& f) {
         f.hero.quibblent = "METALHEAD";
         f.hero.hp = 15;
       },
       {},
       "ELITE GOBLIN preaches the good word at you!!\n"
       "The enemy's piercing words hit you right in the chest!\n"
       "Unprepared for an attack of MORALITY, you take 15 damage.\n" +
           kYourTurn,
       expectDead},
      {"the damned cannot bear it", "PREACH", [](EnemyFight& f) { f.hero.quibblent = "DAMNED"; }, {},
       "ELITE GOBLIN preaches the good word at you!!\n"
       "Oh no. Oh no no no no NO NO NO NO NO NO NO STOP TALKING STOP \n"
       "TALKING STOP TALKING MAKE THE HORRIBLE WORDS *STOP*\n"
       "[TYPE ANYTHING TO CONTINUE]",
       expectDead},
      {"the frightened are stunned", "PREACH", [](EnemyFight& f) { f.hero.quibblent = "FRIGHTENED"; }, {},
       "ELITE GOBLIN preaches the good word at you!!\n"
       "You find the enemy's words to be ABSOLUTELY TERRIFYING!!\n"
       "You are STUNNED into petrified silence by the preaching." +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 7); }},
      {"a gamer's morality never goes below nothing", "PREACH",
       [](EnemyFight& f) {
         f.hero.quibblent = "GAMER";
         f.enemy().attackFactor = 0.3f;
       },
       {}, "",
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.enemy().attackFactor, 0.0f); }},
      {"perverted pair", "FLIRT",
       [](EnemyFight& f) {
         f.hero.quibblent = "PERVERTED";
         f.enemy().quibblent = "PERVERTED";
         f.enemy().type = "DRAGON";
       },
       {},
       "PERVERTED DRAGON attempts to FLIRT with you!!\n"
       "You flirt back... the enemy seems receptive!!\n"
       "The two of you start talking, and combat begins to seem \n"
       "like a distant memory...\n"
       "[TYPE ANYTHING TO CONTINUE]",
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 9); }},
      {"the confident and a zombie", "FLIRT",
       [](EnemyFight& f) {
         f.hero.quibblent = "CONFIDENT";
         f.enemy().type = "ZOMBIE";
       },
       {},
       "ELITE ZOMBIE attempts to FLIRT with you!!\n"
       "You find this attempt to be faintly disturbing.\n"
       "Nothing happened!\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 2); }},
      {"the confident and a goblin", "FLIRT", [](EnemyFight& f) { f.hero.quibblent = "CONFIDENT"; }, {}, "",
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 9); }},
      {"the horny are stunned", "FLIRT", [](EnemyFight& f) { f.hero.quibblent = "HORNY"; }, {},
       "ELITE GOBLIN attempts to FLIRT with you!!\n"
       "The attempt was an overwhelming success!! You are STUNNED.\n" +
           kEnemyTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_TRUE(f.hero.stunned);
         EXPECT_EQ(f.state.combatState, 7);
       }},
  });
}

TEST(EnemyMoves, ArmorThatAbsorbsOrEats) {
  runCases({
      {"extravagant armor absorbs an attack", "ATTACK",
       [](EnemyFight& f) {
         f.hero.equipment[1].type = "PLATE";
         f.hero.equipment[1].quibblent = "EXTRAVAGANT";
       },
       {0},
       "The enemy attempts to use ATTACK, but your EXTRAVAGANT\n"
       "PLATE leaps to absorb the attack! Its effects are\n"
       "negated. Sadly, its EXTRAVAGANCE is used up in the process.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) {
         EXPECT_EQ(f.hero.hp, 20);
         EXPECT_EQ(f.hero.equipment[1].quibblent, "UNINTERESTING");
       }},
      {"an absorbed wind-up attack winds up again", "WINDUP-ATTACK",
       [](EnemyFight& f) { f.hero.equipment[1].quibblent = "EXTRAVAGANT"; }, {0}, "",
       [](EnemyFight& f, const std::string& text) {
         EXPECT_EQ(text.rfind("The enemy attempts to attack, but your EXTRAVAGANT\n", 0), 0u);
         EXPECT_EQ(movesOf(f.enemy()), (Moves{{"WIND UP", 8}}));
       }},
      {"extravagant armor lets a heal through", "HEAL",
       [](EnemyFight& f) {
         f.hero.equipment[1].quibblent = "EXTRAVAGANT";
         f.enemy().hp = 40;
       },
       {0},
       "ELITE GOBLIN casts HEAL on themself!\n"
       "They recovered 10 HP.\n" +
           kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.hero.equipment[1].quibblent, "EXTRAVAGANT"); }},
      {"starving armor eats a dying foe", "ATTACK",
       [](EnemyFight& f) {
         f.hero.equipment[1].name = "STARVING PLATE";
         f.hero.equipment[1].quibblent = "STARVING";
         f.enemy().hp = 11;
       },
       {0}, "",
       [](EnemyFight& f, const std::string& text) {
         EXPECT_EQ(text.rfind("Your STARVING PLATE jumps to EAT the dying foe! \n", 0), 0u);
         EXPECT_EQ(f.enemy().hp, 0);
         EXPECT_EQ(f.state.combatState, 10);
         EXPECT_EQ(f.hero.hp, 20);
         EXPECT_EQ(f.hero.equipment[1].quibblent, "RAVENOUS");
       }},
      {"a foe at exactly a quarter is not eaten", "ATTACK",
       [](EnemyFight& f) {
         f.hero.equipment[1].quibblent = "STARVING";
         f.enemy().hp = 12;
       },
       {0}, "The ELITE GOBLIN attacks, dealing 6 damage!\n" + kYourTurn,
       [](EnemyFight& f, const std::string&) { EXPECT_EQ(f.state.combatState, 2); }},
  });
}

}  // namespace
