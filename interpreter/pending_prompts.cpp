#include "interpreter/pending_prompts.h"

#include <vector>

namespace {

// Columns: prompt number, handler.
const std::vector<PendingPromptRow> kPendingPrompts = {
    {45, nullptr},
};

}  // namespace

const PendingPromptRow* findPendingPrompt(int prompt) {
  for (const PendingPromptRow& row : kPendingPrompts) {
    if (row.prompt == prompt) return &row;
  }
  return nullptr;
}
