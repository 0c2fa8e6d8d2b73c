#pragma once
// A fight already under way in the records, played line by line through the
// command step: a hero with a plain weapon beside a GOBLIN on the north tile.
#include "tests/interpreter/prompt_play.h"

inline const std::string kEnemyTurnTail = "It is now the enemy's turn.\n"
                                          "[TYPE ANYTHING TO CONTINUE]";
inline const std::string kMenuTail = " dodges left.\n"
                                     "['1' = ATTACK, '2' = SKILL, '3' = ITEM, '4' = FLEE]";

class FightPlay : public PromptPlay {
 protected:
  void SetUp() override {
    player.name = "Bob";
    player.playerClass = "CONVICT";
    player.maxHp = 40;
    player.hp = 40;
    player.attack = 10;
    player.defence = 0;
    player.dodges = 3;
    player.equipment[0].name = "UNINTERESTING STICK";
    player.equipment[0].type = "STICK";
    player.equipment[0].quibblent = "UNINTERESTING";
    player.equipment[1].name = "UNINTERESTING RAG";
    player.equipment[1].quibblent = "UNINTERESTING";
    player.skills.clear();
    floorRecord.floorNumber = 2;
    state.pendingPrompt = 2;
    state.moveDirection = 0;
    goblin.type = "GOBLIN";
    goblin.quibblent = "UNINTERESTING";
    goblin.maxHp = 30;
    goblin.hp = 30;
    goblin.expReward = 12;
    goblin.goldReward = 4;
  }

  // Puts `enemy` on the north tile and starts the fight with it at `fightState`.
  void beginFight(const Creature& enemy, int fightState = 2) {
    floorRecord.tileKinds[0] = "Mon";
    floorRecord.tileTexts[0] = " stands a " + enemy.quibblent + " " + enemy.type + ".";
    floorRecord.tileCreatures[0] = enemy;
    state.currentEnemy = enemy;
    state.combatState = fightState;
  }

  Creature goblin;
};
