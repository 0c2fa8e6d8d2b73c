#include "interpreter/prompt_answers.h"

YesNoAnswer readYesNo(const std::string& line) {
  if (line == "y" || line == "1") return YesNoAnswer::kYes;
  if (line == "n" || line == "2") return YesNoAnswer::kNo;
  return YesNoAnswer::kNeither;
}
