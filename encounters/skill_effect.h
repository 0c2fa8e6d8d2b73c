#pragma once
// One skill's own effect in a fight, found by the skill's name. The turn
// hands each effect a working copy of the hero's skill, taken before the
// turn began: an effect may change the hero's quibblent and with it the
// skill list (EAT, QBL.SWAP, ANTIBIOTICS) or forget itself (PISS ON), so it
// never holds a reference into PlayerRecord::skills. It writes its text
// into `skill.narration` and its counters into `skill`; the turn stores
// them back into the entry found again by name, when there still is one.
#include <string>

struct Action;
struct GameState;
struct PlayerRecord;

using SkillEffect = void (*)(GameState& state, PlayerRecord& player, Action& skill);

struct SkillEffectRow {
  const char* name;
  SkillEffect effect;
};
