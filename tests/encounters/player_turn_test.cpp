// The frame around every skill: readiness, the use count, the dispatch by
// name, the end of the turn, and a skill list that changes under the skill.
#include <gtest/gtest.h>

#include <array>

#include "encounters/skill_table.h"
#include "skill_fight.h"
#include "world/random_source.h"

namespace {

struct ReadinessCase {
  const char* label;
  const char* skill;
  int cooldownLeft;
  int uses;
  const char* quibblent;
  std::string narration;
  int combatState;
  int cooldownLeftAfter;
  int usesAfter;
  int enemyHp;
};

TEST(PlayerTurn, ReadinessAndTheExtravagantRecharge) {
  const std::string bolt = "Hero fires off a MAGICBOLT!\n"
                           "UNINTERESTING GOBLIN took 6 damage. Nice!\n" +
                           kEnemyTurn;
  const std::vector<ReadinessCase> cases = {
      {"cooling down at 1 is refused and nothing changes", "MAGICBOLT", 1, 0, "UNINTERESTING",
       "You cannot use that skill, it is currently cooling down!\n" + dodgesLeft(3), 2, 1, 0, 20},
      {"a cooling-down refusal is not shortened for an EXTRAVAGANT hero", "MAGICBOLT", 3, 0, "EXTRAVAGANT",
       "You cannot use that skill, it is currently cooling down!\n" + dodgesLeft(3), 2, 3, 0, 20},
      {"0 lets it run", "MAGICBOLT", 0, 0, "UNINTERESTING", bolt, 7, 3, 1, 14},
      {"a negative count lets it run", "MAGICBOLT", -1, 0, "UNINTERESTING", bolt, 7, 2, 1, 14},
      {"used up runs straight on into the dodges", "PREACH", 0, 1, "UNINTERESTING",
       "You have already used PREACH too many times recently!\n"
       "Do something else.\n" +
           dodgesLeft(3),
       2, 0, 1, 20},
      {"an EXTRAVAGANT hero recharges 2 faster", "MAGICBOLT", 0, 0, "EXTRAVAGANT", bolt, 7, 1, 1, 14},
      {"an EXTRAVAGANT hero left at 1 ends at 0, not below", "MAGICBOLT", -2, 0, "EXTRAVAGANT", bolt, 7, 0, 1, 14},
      {"a name no skill answers to: empty reply, the enemy's turn, a use spent", "FOO", 0, 0, "UNINTERESTING", "",
       7, 0, 1, 20},
  };
  for (const ReadinessCase& c : cases) {
    SCOPED_TRACE(c.label);
    SkillFight fight;
    fight.player.quibblent = c.quibblent;
    fight.player.skills = {Action("HEAL", 1, true), Action(c.skill, 1, true)};
    fight.player.skills[1].cooldownLeft = c.cooldownLeft;
    fight.player.skills[1].uses = c.uses;
    dice::Script noRolls({});

    EXPECT_EQ(resolvePlayerTurn(1, fight.player, fight.state), c.narration);
    const Action& skill = fight.player.skills[1];
    EXPECT_EQ(skill.narration, c.narration);
    EXPECT_EQ(fight.state.combatState, c.combatState);
    EXPECT_EQ(skill.cooldownLeft, c.cooldownLeftAfter);
    EXPECT_EQ(skill.uses, c.usesAfter);
    EXPECT_EQ(fight.enemy().hp, c.enemyHp);
    EXPECT_EQ(fight.player.hp, 30);
    EXPECT_EQ(fight.player.skills[0].uses, 0);
  }
}

TEST(PlayerTurn, AnExtravagantHeroRechargesEvenASkillThatTookNoCooldown) {
  SkillFight fight;
  fight.player.quibblent = "EXTRAVAGANT";
  fight.player.wieldsSwordOfKings = true;
  fight.player.skills = {Action("MEGATON PUNCH", 1, true)};
  fight.player.skills[0].cooldownLeft = -1;
  resolvePlayerTurn(0, fight.player, fight.state);
  EXPECT_EQ(fight.player.skills[0].cooldownLeft, 0);
  EXPECT_EQ(fight.state.combatState, 7);
}

TEST(PlayerTurn, EverySkillOfTheGameIsFoundByItsName) {
  const std::array<const char*, 18> names = {"MAGICBOLT",   "STUNBOLT",  "FIREBOLT",      "APPLY SALT", "HEAL",
                                             "BODY TACKLE", "PISS OFF",  "MEGATON PUNCH", "EXAMINE",    "INFERENCE",
                                             "ANTIBIOTICS", "PICKPOCKET", "NEGOTIATE",    "SNEAK ATTACK", "QBL.SWAP",
                                             "EAT",         "PREACH",    "PISS ON"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    const SkillEffectRow* row = findSkillEffect(skillEffects(), name);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->name, name);
    EXPECT_NE(row->effect, nullptr);
  }
  EXPECT_EQ(findSkillEffect(skillEffects(), "magicbolt"), nullptr);
}

// Test-only effects that do to the skill list what some skills of the game
// do: forget the skill in use, or reshape the list around it.
void forgetItself(GameState&, PlayerRecord& player, Action& skill) {
  skill.narration = player.forgetSkill(skill.name) + "\n" + kEnemyTurn;
  skill.cooldownLeft += skill.cooldown;
}

void forgetTheFirstAndLearnMore(GameState&, PlayerRecord& player, Action& skill) {
  player.forgetSkill("HEAL");
  player.learnSkill("FIREBOLT");
  player.learnSkill("STUNBOLT");
  player.learnSkill("MAGICBOLT");
  skill.narration = "The list moved under me.\n" + kEnemyTurn;
  skill.cooldownLeft += 4;
}

void knockTheHeroOut(GameState&, PlayerRecord& player, Action& skill) {
  player.hp = 0;
  skill.narration = "Ouch.";
}

void leaveTheEnemyAtZero(GameState& state, PlayerRecord&, Action& skill) {
  state.currentEnemy.hp = 0;
  skill.narration = "Down it goes.\n" + kEnemyTurn;
}

const SkillEffectRow kListChangingEffects[] = {
    {"PISS ON", forgetItself},
    {"EAT", forgetTheFirstAndLearnMore},
    {"MEGATON PUNCH", knockTheHeroOut},
    {"PREACH", leaveTheEnemyAtZero},
};

TEST(PlayerTurn, ASkillThatForgetsItselfKeepsItsNarration) {
  SkillFight fight;
  fight.player.skills = {Action("HEAL", 1, true), Action("PISS ON", 1, true), Action("EXAMINE", 1, true)};
  const std::string reply = resolvePlayerTurnWith(kListChangingEffects, 1, fight.player, fight.state);
  EXPECT_EQ(reply, "You forgot PISS ON!\n" + kEnemyTurn);
  ASSERT_EQ(fight.player.skills.size(), 2u);
  EXPECT_EQ(fight.player.skills[0].name, "HEAL");
  EXPECT_EQ(fight.player.skills[1].name, "EXAMINE");
  EXPECT_EQ(fight.player.skills[1].uses, 0);
  EXPECT_EQ(fight.player.skills[1].narration, "");
  EXPECT_EQ(fight.state.combatState, 7);
}

TEST(PlayerTurn, ASkillMovedByItsOwnEffectGetsItsCountersWhereItNowIs) {
  SkillFight fight;
  fight.player.skills = {Action("HEAL", 1, true), Action("EAT", 1, true)};
  const std::string reply = resolvePlayerTurnWith(kListChangingEffects, 1, fight.player, fight.state);
  const std::string expected = "The list moved under me.\n" + kEnemyTurn;
  EXPECT_EQ(reply, expected);
  ASSERT_EQ(fight.player.skills.size(), 4u);
  const Action& eat = fight.player.skills[0];
  EXPECT_EQ(eat.name, "EAT");
  EXPECT_EQ(eat.narration, expected);
  EXPECT_EQ(eat.uses, 1);
  EXPECT_EQ(eat.cooldownLeft, 4);
  for (std::size_t i = 1; i < fight.player.skills.size(); ++i) {
    EXPECT_EQ(fight.player.skills[i].uses, 0);
    EXPECT_EQ(fight.player.skills[i].narration, "");
  }
}

TEST(PlayerTurn, TheTurnEndsWithDeathOrDefeatAtZeroHitPoints) {
  {
    SkillFight fight;
    fight.player.skills = {Action("MEGATON PUNCH", 1, true)};
    EXPECT_EQ(resolvePlayerTurnWith(kListChangingEffects, 0, fight.player, fight.state), "Ouch.");
    EXPECT_EQ(fight.state.pendingPrompt, 16);
  }
  {
    // A skill that leaves the enemy at 0 without saying so still wins.
    SkillFight fight;
    fight.player.skills = {Action("PREACH", 1, true)};
    resolvePlayerTurnWith(kListChangingEffects, 0, fight.player, fight.state);
    EXPECT_EQ(fight.state.combatState, 10);
    EXPECT_NE(fight.state.pendingPrompt, 16);
  }
}

TEST(PlayerTurn, AChoiceBeyondTheSkillsListGoesBackToTheMenu) {
  SkillFight fight;
  fight.player.skills = {Action("MAGICBOLT", 1, true)};
  EXPECT_EQ(resolvePlayerTurn(3, fight.player, fight.state), dodgesLeft(3));
  EXPECT_EQ(fight.state.combatState, 2);
  EXPECT_EQ(fight.player.skills[0].uses, 0);
  EXPECT_EQ(fight.enemy().hp, 20);
}

}  // namespace
