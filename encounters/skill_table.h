#pragma once
// Which effect carries out which of the hero's skills.
#include <span>
#include <string>

#include "encounters/skill_effect.h"

// Every skill the hero can use in a fight, in the order the turn looks
// them up.
std::span<const SkillEffectRow> skillEffects();

// The row whose name equals `name` exactly, or nullptr.
const SkillEffectRow* findSkillEffect(std::span<const SkillEffectRow> rows, const std::string& name);
