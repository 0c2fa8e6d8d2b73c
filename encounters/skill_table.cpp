#include "encounters/skill_table.h"

#include <algorithm>

#include "encounters/skills_spells.h"
#include "encounters/skills_strikes.h"
#include "encounters/skills_words_and_wits.h"

namespace {

// Columns: skill name as the hero knows it, the effect that carries it out.
const SkillEffectRow kSkillEffects[] = {
    {"MAGICBOLT", effectMagicbolt},
    {"STUNBOLT", effectStunbolt},
    {"FIREBOLT", effectFirebolt},
    {"APPLY SALT", effectApplySalt},
    {"HEAL", effectHeal},
    {"BODY TACKLE", effectBodyTackle},
    {"PISS OFF", effectPissOff},
    {"MEGATON PUNCH", effectMegatonPunch},
    {"EXAMINE", effectExamine},
    {"INFERENCE", effectInference},
    {"ANTIBIOTICS", effectAntibiotics},
    {"PICKPOCKET", effectPickpocket},
    {"NEGOTIATE", effectNegotiate},
    {"SNEAK ATTACK", effectSneakAttack},
    {"QBL.SWAP", effectQblSwap},
    {"EAT", effectEat},
    {"PREACH", effectPreach},
    {"PISS ON", effectPissOn},
};

}  // namespace

std::span<const SkillEffectRow> skillEffects() { return kSkillEffects; }

const SkillEffectRow* findSkillEffect(std::span<const SkillEffectRow> rows, const std::string& name) {
  const auto found =
      std::find_if(rows.begin(), rows.end(), [&](const SkillEffectRow& row) { return name == row.name; });
  return found == rows.end() ? nullptr : &*found;
}
