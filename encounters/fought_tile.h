#pragma once
// The tile a fight stands on (GameState::moveDirection), for the effects
// that change the enemy for good.
struct Creature;
struct Floor;
struct GameState;

// The creature being fought, as it now is, is what the tile keeps; a fight
// that stands on no tile keeps it only in the fight.
void keepEnemyOnItsTile(GameState& state);
// The same on a floor at hand (the command step's own).
void keepEnemyOnItsTile(GameState& state, Floor& floorRecord);

// A repentant ACCOUNTANT takes up cooking: a CHEF's figures and moves, its
// hit points, gold and word kept.
void turnIntoChef(Creature& enemy);
