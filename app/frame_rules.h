#pragma once
// Small rules of the frame that depend only on numbers: the trance's screen
// mode, the fading of a flashed status line, and when the idle help appears.
#include <array>
#include <cstdint>
#include <vector>

// The last pages of the mind flayer's trance (dialogue stages 62..67) hide the
// screen piece by piece: 1..6 there, negative before, 0 for later stages.
int screenModeFor(int dialogueStage);

// A status line flashed in a colour turns back to white: each component
// below 255 grows by 0.3 per millisecond of the last frame, and stops at 255.
void fadeStatusColour(std::vector<float>& colour, int frameMillis);
// The colour drawn for the components (their integer parts), fully opaque.
std::array<std::uint8_t, 4> statusColourBytes(const std::vector<float>& colour);

// The help picture shows when a new player has stood idle for over 30 s
// (never at the name prompt, the class choice or the start kit's page).
bool helpPictureDue(bool firstCombatHint, bool namePromptOpen, int pendingPrompt, double secondsSinceInput);
