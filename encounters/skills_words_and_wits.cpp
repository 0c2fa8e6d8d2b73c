#include "encounters/skills_words_and_wits.h"

// Not in the game yet: these skills do nothing, and the enemy moves.
void effectNegotiate(GameState&, PlayerRecord&, Action&) {}
void effectPickpocket(GameState&, PlayerRecord&, Action&) {}
void effectPissOff(GameState&, PlayerRecord&, Action&) {}
void effectAntibiotics(GameState&, PlayerRecord&, Action&) {}
void effectInference(GameState&, PlayerRecord&, Action&) {}
void effectExamine(GameState&, PlayerRecord&, Action&) {}
void effectPreach(GameState&, PlayerRecord&, Action&) {}
void effectPissOn(GameState&, PlayerRecord&, Action&) {}
void effectEat(GameState&, PlayerRecord&, Action&) {}
void effectQblSwap(GameState&, PlayerRecord&, Action&) {}
