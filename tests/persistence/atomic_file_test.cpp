// A write cut off between making its temporary file and the rename (the
// game killed, the power gone) leaves that file in saves/; a new one would
// pile up at every such crash unless a later write clears them away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "persistence/atomic_file.h"
#include "tests/support/odd_files.h"
#include "tests/support/scratch_dir.h"

namespace {

// The number of a process that has come and gone.
pid_t finishedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

std::string temporaryOf(const std::string& file, pid_t writer) {
  return file + "." + std::to_string(writer) + "-0.tmp";
}

TEST(AtomicFile, TheNextWriteClearsWhatWritersThatAreGoneLeftOfTheSameFile) {
  ScratchDir scratch;
  ASSERT_TRUE(ensureFolder("saves"));
  const pid_t gone = finishedProcess();
  ASSERT_GT(gone, 0);

  // Columns: the file left in saves/, whether the write of Bob's save
  // clears it.
  struct Row {
    std::string name;
    bool cleared;
  };
  const std::vector<Row> rows = {
      {temporaryOf("Bob.txt", gone), true},
      {"Bob.txt." + std::to_string(gone) + "-17.tmp", true},
      // A process of this number that ran before this one.
      {temporaryOf("Bob.txt", ::getpid()), true},
      // Another window of the game, still writing.
      {temporaryOf("Bob.txt", ::getppid()), false},
      // Not a file the game made: the player's, left as it is.
      {temporaryOf("Bob.txt", gone) + "x", false},
      {"Bob.txt.tmp", false},
      {"Bob.txt.notes-1.tmp", false},
      {"Bob.txt.1-.tmp", false},
      {temporaryOf("Ann.txt", gone), false},
  };
  for (const Row& row : rows) spit("saves/" + row.name, "half a save");
  ASSERT_TRUE(writeFileAtomically("saves/Bob.txt", "the save"));

  std::vector<std::string> expected = {"Bob.txt"};
  for (const Row& row : rows) {
    if (!row.cleared) expected.push_back(row.name);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(filesIn("saves"), expected);
  EXPECT_EQ(slurp("saves/Bob.txt"), "the save");
}

TEST(AtomicFile, AnOddThingUnderATemporaryNameIsLeftAsItIs) {
  ScratchDir scratch;
  ASSERT_TRUE(ensureFolder("saves"));
  const std::string left = "saves/" + temporaryOf("Bob.txt", finishedProcess());
  ASSERT_TRUE(makeOddFile(OddFile::kPipe, left));
  ASSERT_TRUE(writeFileAtomically("saves/Bob.txt", "the save"));
  EXPECT_EQ(whatStandsAt(left), "pipe");
}

}  // namespace
