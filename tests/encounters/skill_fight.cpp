#include "skill_fight.h"

#include <gtest/gtest.h>

#include "world/random_source.h"

void playSkillCases(const std::vector<SkillCase>& cases) {
  for (const SkillCase& c : cases) {
    SCOPED_TRACE(c.label);
    SkillFight fight;
    fight.player.skills = {Action(c.skill, 1, true)};
    if (c.setUp) c.setUp(fight);
    dice::Script script(c.draws, c.crands);

    const std::string reply = resolvePlayerTurn(0, fight.player, fight.state);

    EXPECT_EQ(reply, c.narration);
    ASSERT_EQ(fight.player.skills.size(), 1u);
    const Action& skill = fight.player.skills[0];
    EXPECT_EQ(skill.narration, c.narration);
    EXPECT_EQ(skill.uses, 1);
    EXPECT_EQ(skill.cooldownLeft, c.cooldownLeft);
    EXPECT_EQ(fight.enemy().hp, c.enemyHp);
    EXPECT_EQ(fight.state.combatState, c.combatState);
    EXPECT_EQ(fight.player.hp, c.playerHp);
    EXPECT_EQ(fight.player.dodges, c.dodges);
    EXPECT_EQ(fight.enemy().quibblent, c.enemyQuibblent);
    EXPECT_EQ(fight.enemy().stunned, c.enemyStunned);
    EXPECT_EQ(fight.player.stunned, c.playerStunned);
    EXPECT_EQ(fight.enemy().goldReward, c.enemyGold);
    EXPECT_EQ(fight.state.pendingPrompt == 16, fight.player.hp < 1);
    EXPECT_EQ(script.drawsLeft(), 0u);
    EXPECT_EQ(script.crandsLeft(), 0u);
  }
}
