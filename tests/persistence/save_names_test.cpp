#include "persistence/save_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameRow {
  std::string name;
  SaveNameProblem expected;
};

TEST(SaveNames, EachNameGetsItsVerdict) {
  const NameRow rows[] = {
      // name, verdict
      {"Bob", SaveNameProblem::kFine},
      {"ABCDEFGH", SaveNameProblem::kFine},  // exactly eight
      {"a b", SaveNameProblem::kFine},       // spaces are allowed
      {"~!@#$%^&", SaveNameProblem::kFine},
      {"COM0", SaveNameProblem::kFine},      // only COM1..COM9 are devices
      {"CONSOLE", SaveNameProblem::kFine},
      {"...", SaveNameProblem::kFine},
      {"", SaveNameProblem::kEmpty},
      {"ABCDEFGHI", SaveNameProblem::kTooLong},
      {"../../../etc/passwd", SaveNameProblem::kTooLong},
      {"../x", SaveNameProblem::kForbiddenCharacter},
      {"a/b", SaveNameProblem::kForbiddenCharacter},
      {"a\\b", SaveNameProblem::kForbiddenCharacter},
      {"C:x", SaveNameProblem::kForbiddenCharacter},
      {"a*", SaveNameProblem::kForbiddenCharacter},
      {"a?", SaveNameProblem::kForbiddenCharacter},
      {"\"q\"", SaveNameProblem::kForbiddenCharacter},
      {"<a>", SaveNameProblem::kForbiddenCharacter},
      {"a|b", SaveNameProblem::kForbiddenCharacter},
      {"a\n"
       "b",
       SaveNameProblem::kUnprintable},
      {"a\rb", SaveNameProblem::kUnprintable},
      {"tab\t", SaveNameProblem::kUnprintable},
      {std::string("a\0b", 3), SaveNameProblem::kUnprintable},
      {"\x7f", SaveNameProblem::kUnprintable},
      {"caf\xc3\xa9", SaveNameProblem::kUnprintable},
      {".", SaveNameProblem::kDotsOnly},
      {"..", SaveNameProblem::kDotsOnly},
      {"CON", SaveNameProblem::kReservedDeviceName},
      {"con", SaveNameProblem::kReservedDeviceName},
      {"Nul", SaveNameProblem::kReservedDeviceName},
      {"aux", SaveNameProblem::kReservedDeviceName},
      {"PRN", SaveNameProblem::kReservedDeviceName},
      {"com1", SaveNameProblem::kReservedDeviceName},
      {"COM9", SaveNameProblem::kReservedDeviceName},
      {"lpt5", SaveNameProblem::kReservedDeviceName},
      {"CON.x", SaveNameProblem::kReservedDeviceName},
      {"nul .a", SaveNameProblem::kReservedDeviceName},
      {"meta-save", SaveNameProblem::kMetaSaveName},
      {"META-SAVE", SaveNameProblem::kMetaSaveName},
  };
  for (const NameRow& row : rows) {
    EXPECT_EQ(checkSaveName(row.name), row.expected) << "name: \"" << row.name << "\"";
    EXPECT_EQ(isSafeSaveName(row.name), row.expected == SaveNameProblem::kFine)
        << "name: \"" << row.name << "\"";
  }
}

TEST(SaveNames, PathIsInsideTheSavesFolder) {
  EXPECT_EQ(savePathFor("Bob"), "saves/Bob.txt");
  EXPECT_EQ(savePathFor("a b"), "saves/a b.txt");
}

}  // namespace
