#include "world/action.h"

#include <string_view>
#include <utility>

namespace {

struct MoveRow {
  std::string_view name;
  int cooldown;
  int useLimit;
  int amount;
  bool dodgeable;
  std::string_view message;
};

// The move list. Messages start with the blank (or "'s") that joins them to
// the actor's name. ATTACK, WINDUP-ATTACK and EAT keep placeholder texts: the
// fight code writes their narration itself.
// Columns: name, cooldown, use limit, amount, dodgeable, message.
constexpr MoveRow kMoves[] = {
    {"BODY TACKLE", 2, 99, 1, true, " performs a full-body tackle!"},
    {"PISS OFF", 5, 1, 1, true, " goads the enemy into attacking!"},
    {"MEGATON PUNCH", 5, 99, 1, true, " unleashes a punch at full force!"},
    {"EXAMINE", 0, 99, 1, true, " examines the enemy..."},
    {"INFERENCE", 0, 1, 1, true, " makes an inference..."},
    {"ANTIBIOTICS", 6, 99, 1, true, " takes some antibiotics."},
    {"PICKPOCKET", 2, 99, 1, true, " attempts to pick the enemy's pocket!"},
    {"NEGOTIATE", 4, 99, 1, false, " offers a peaceful solution!"},
    {"SNEAK ATTACK", 5, 99, 1, true, " stabs the enemy in the back, using 1 dodge!"},
    {"QBL.SWAP", 11, 99, 1, true, " unleashes the terrible power of the QBL.SWAP..."},
    {"PISS ON", 0, 99, 0, false, " pisses on the enemy! Yeah!"},
    {"ATTACK", 0, 99, 1, true, "NONE"},
    {"WINDUP-ATTACK", 0, 99, 1, true, "NONE"},
    {"MAGICBOLT", 2, 99, 8, false, " fires off a MAGICBOLT attack!"},
    {"STUNBOLT", 8, 99, 0, false, " fires off a STUNBOLT attack!"},
    {"FIREBOLT", 3, 99, 16, false, " fires off a FIREBOLT attack!"},
    {"APPLY SALT", 3, 1, 0, false, " applies a light dose of salt!"},
    {"EAT", 5, 99, 0, true, "TO BE DONE"},
    {"HEAL", 5, 2, 25, false, " casts HEAL on themself!"},
    {"MEGA HEAL", 4, 1, 50, false, " casts MEGA HEAL on themself!"},
    {"WIND UP", 0, 99, 0, false, " winds up for an attack!"},
    {"CONFUSING TERMINOLOGY", 4, 99, 0, false,
     " spits out some incomprehensible \n"
     "statistics!"},
    {"RUN THE NUMBERS", 4, 2, 0, false,
     " runs the numbers... their stats \n"
     "have been optimized!! +20 HP! +2 ATK! +2 DEF!"},
    {"NEGOTIATION", 2, 1, 0, false, " offers to negotiate a peaceful solution. Accept? (Y/N)"},
    {"FLEE", 2, 1, 0, false, " runs away in cowardice!!"},
    {"POISON GAS", 6, 99, 0, false, " releases a horrid POISON GAS!"},
    {"CURSE BOLT", 99, 1, 0, false, " fires off a CURSE BOLT attack!"},
    {"FIRE CLAW", 2, 99, 15, true, " scratches with a FLAMING claw!"},
    {"RUN THE NUMBERS II", 4, 2, 0, false,
     " runs the numbers... their stats \n"
     "have been optimized!! +40 HP! +4 ATK! +4 DEF!"},
    {"RAISE DEAD", 2, 1, 0, false, " casts an evil RAISE DEAD spell!"},
    {"MADNESS", 5, 99, 0, false, "'s pure existence is enough to drive most sane men MAD!"},
    {"BANSHEE SHRIEK", 4, 3, 0, false, " released an ear-piercing, bone-rattling SHRIEK!"},
    {"FIRE BREATH", 0, 99, 25, true, " breathes fire on you!"},
    {"KEROSENE BREATH", 2, 99, 25, false, " breathes kerosene on you!?"},
    {"DRINK SELF", 0, 1, 0, false, " takes a swig of himself, somehow!"},
    {"WIND UP II", 2, 2, 0, false, " winds up for an incredibly strong attack!"},
    {"HELL CLAW", 0, 99, 0, false, " crushes you with a HELL CLAW!"},
    {"UNSTABLE", 2, 99, 0, false, " seems lost in a haze of confusion..."},
    {"GAMER", 3, 99, 0, false, " shows off some COOL AND RAD GAMER SKILLZ!!"},
    {"FLIRT", 6, 99, 0, false, " attempts to FLIRT with you!!"},
    {"SPLASH", 0, 99, 0, false, " splashes around uselessly!"},
    {"EXAMINE-E", 2, 99, 0, false, " EXAMINES you... you feel seen."},
    {"SLEEP", 0, 99, 0, false, " is sleeping peacefully..."},
    {"PREACH", 7, 1, 0, false, " preaches the good word at you!!"},
    {"STUNNED", 0, 99, 0, false, " is STUNNED!"},
};

// Skills the player learns recharge at their own pace: the spells a little
// slower, the sermon faster. Columns: name, cooldown change for the player.
struct PlayerCooldownRow {
  std::string_view name;
  int change;
};
constexpr PlayerCooldownRow kPlayerCooldownChanges[] = {
    {"MAGICBOLT", 1}, {"FIREBOLT", 1}, {"EAT", 1}, {"HEAL", 1}, {"PREACH", -2},
};

}  // namespace

Action::Action(std::string moveName, int choiceWeight, bool forPlayer)
    : name(std::move(moveName)), weight(choiceWeight) {
  for (const MoveRow& row : kMoves) {
    if (row.name != name) continue;
    message = row.message;
    cooldown = row.cooldown;
    useLimit = row.useLimit;
    amount = row.amount;
    dodgeable = row.dodgeable;
    break;
  }
  if (!forPlayer) return;
  for (const PlayerCooldownRow& row : kPlayerCooldownChanges) {
    if (row.name == name) cooldown += row.change;
  }
}
