#include "app/frame_rules.h"

#include "interpreter/class_choice.h"
#include "interpreter/start_prompts.h"

int screenModeFor(int dialogueStage) {
  const int mode = dialogueStage - 61;
  return mode > 6 ? 0 : mode;
}

void fadeStatusColour(std::vector<float>& colour, int frameMillis) {
  for (float& component : colour) {
    if (component < 255.f) component += 0.3f * static_cast<float>(frameMillis);
    if (component > 255.f) component = 255.f;
  }
}

std::array<std::uint8_t, 4> statusColourBytes(const std::vector<float>& colour) {
  std::array<std::uint8_t, 4> bytes = {255, 255, 255, 255};
  for (std::size_t i = 0; i < 3 && i < colour.size(); ++i) {
    const float c = colour[i] < 0.f ? 0.f : (colour[i] > 255.f ? 255.f : colour[i]);
    bytes[i] = static_cast<std::uint8_t>(c);
  }
  return bytes;
}

bool helpPictureDue(bool firstCombatHint, bool namePromptOpen, int pendingPrompt, double secondsSinceInput) {
  return firstCombatHint && !namePromptOpen && pendingPrompt != kClassChoicePrompt &&
         pendingPrompt != kStartKitPrompt && secondsSinceInput > 30.0;
}
