#include "app/music_player.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/captured_output.h"
#include "world/game_state.h"
#include "world/player_record.h"
#include "world/random_source.h"

namespace {

// A stream that plays nothing and remembers what was asked of it, with the
// library's rules: opening stops the stream, pausing only pauses a playing one.
class RecordingStream : public MusicStream {
 public:
  enum class Status { Stopped, Playing, Paused };

  explicit RecordingStream(const std::set<std::string>* missing) : missing_(missing) {}

  bool open(const std::string& path) override {
    opens.push_back(path);
    if (missing_->count(path)) return false;
    file = path;
    status = Status::Stopped;
    offset = 0.f;
    return true;
  }
  void setLoop(bool value) override { loop = value; }
  void setLoopSpan(float from, float length) override {
    loopFrom = from;
    loopLength = length;
  }
  void setPitch(float value) override { pitch = value; }
  void setVolume(float value) override { level = value; }
  float volume() const override { return level; }
  float playingOffset() const override { return offset; }
  void setPlayingOffset(float seconds) override { offset = seconds; }
  void play() override { status = Status::Playing; }
  void pause() override {
    if (status == Status::Playing) status = Status::Paused;
  }
  void stop() override {
    status = Status::Stopped;
    offset = 0.f;
  }
  bool paused() const override { return status == Status::Paused; }

  std::vector<std::string> opens;
  std::string file;
  bool loop = false;
  float loopFrom = -1.f;
  float loopLength = -1.f;
  float pitch = 1.f;
  float level = 100.f;
  float offset = 0.f;
  Status status = Status::Stopped;

 private:
  const std::set<std::string>* missing_;
};

using Status = RecordingStream::Status;

class MusicPlayer : public testing::Test {
 protected:
  // As the program leaves them before its first frame: silence in all three,
  // looping, unstarted, at volumes 0, 30 and 0.
  MusicPlayer() {
    RecordingStream* all[] = {&current, &previous, &combat};
    const float volumes[] = {0.f, 30.f, 0.f};
    for (int i = 0; i < 3; ++i) {
      all[i]->open("audio/blank.ogg");
      all[i]->setLoop(true);
      all[i]->setVolume(volumes[i]);
      all[i]->opens.clear();
    }
  }

  void frames(int count, int millis = 20) {
    for (int i = 0; i < count; ++i) musicFrameStep(state, player, streams, millis);
  }

  // Serves a request and lets its fade finish.
  void switchTo(int track) {
    requestMusic(state, track);
    frames(100);
  }

  std::set<std::string> missing;
  RecordingStream current{&missing};
  RecordingStream previous{&missing};
  RecordingStream combat{&missing};
  MusicStreams streams{current, previous, combat};
  GameState state;
  PlayerRecord player;
};

TEST_F(MusicPlayer, TheFirstFrameStartsTheDungeonThemeAndFadesItIn) {
  frames(1);
  EXPECT_EQ(state.musicTrack, 10);
  EXPECT_EQ(current.file, "audio/QuibblentDungeon.ogg");
  EXPECT_EQ(current.status, Status::Playing);
  EXPECT_EQ(current.pitch, 1.f);
  EXPECT_EQ(previous.file, "audio/blank.ogg") << "nothing played before: silence fades out";
  EXPECT_EQ(previous.status, Status::Stopped);
  EXPECT_TRUE(combat.opens.empty()) << "the theme has no fight layer";

  // 0 to 30 in 1.5 s, whatever the frame rate.
  frames(73);
  EXPECT_LT(current.level, 30.f);
  EXPECT_GT(current.level, 29.f);
  frames(2);
  EXPECT_FLOAT_EQ(current.level, 30.f);
  frames(10);
  EXPECT_FLOAT_EQ(current.level, 30.f) << "never above 30";
}

TEST_F(MusicPlayer, TheOutgoingTrackGoesOnFromTheSamePlaceAndFadesOut) {
  switchTo(10);
  current.offset = 12.5f;
  {
    dice::Script draws({4});  // 4 mod 3: ambient track 1
    requestMusic(state, 9);
    frames(1);
  }
  EXPECT_EQ(state.musicTrack, 1);
  EXPECT_EQ(current.file, "audio/TwistedLanguage.ogg");
  EXPECT_EQ(combat.file, "audio/TwistedLanguage-D.ogg");
  EXPECT_EQ(combat.status, Status::Playing);
  EXPECT_FLOAT_EQ(combat.level, 0.f) << "the fight layer is silent outside a fight";
  EXPECT_EQ(previous.file, "audio/QuibblentDungeon.ogg");
  EXPECT_EQ(previous.status, Status::Playing);
  EXPECT_FLOAT_EQ(previous.offset, 12.5f);
  // The cross-fade's first step has been taken.
  EXPECT_NEAR(previous.level, 29.6f, 1e-4);
  EXPECT_NEAR(current.level, 0.4f, 1e-4);

  frames(80);
  EXPECT_FLOAT_EQ(previous.level, 0.f);
  EXPECT_EQ(previous.status, Status::Stopped);
  EXPECT_FLOAT_EQ(current.level, 30.f);
}

TEST_F(MusicPlayer, TwoRandomAmbientRequestsNeverRepeatATrack) {
  switchTo(10);
  {
    dice::Script draws({4});
    switchTo(9);
  }
  EXPECT_EQ(state.musicTrack, 1);
  {
    // 1 and 7 give the track already playing and are drawn again.
    dice::Script draws({1, 7, 5});
    switchTo(9);
    EXPECT_EQ(draws.drawsLeft(), 0u);
  }
  EXPECT_EQ(state.musicTrack, 2);
  EXPECT_EQ(current.file, "audio/Hexicon.ogg");
  EXPECT_EQ(combat.file, "audio/Hexicon-D.ogg");
}

TEST_F(MusicPlayer, SilenceThenTheAmbientTrackComesBack) {
  {
    dice::Script draws({2});
    switchTo(9);
  }
  ASSERT_EQ(state.musicTrack, 2);
  switchTo(99);
  EXPECT_EQ(current.file, "audio/blank.ogg");
  EXPECT_EQ(state.musicTrack, 99);
  EXPECT_EQ(combat.file, "audio/Hexicon-D.ogg") << "silence keeps the last fight layer";

  switchTo(3);
  EXPECT_EQ(state.musicTrack, 2);
  EXPECT_EQ(current.file, "audio/Hexicon.ogg");

  switchTo(10);
  EXPECT_EQ(previous.opens.back(), "audio/Hexicon.ogg") << "a later switch fades Hexicon out";
}

TEST_F(MusicPlayer, AskingForTheTrackThatPlaysOnlyResetsItsLoop) {
  switchTo(10);
  current.loopFrom = 13.3f;
  current.opens.clear();
  previous.opens.clear();
  switchTo(10);
  EXPECT_TRUE(current.opens.empty());
  EXPECT_TRUE(previous.opens.empty());
  EXPECT_EQ(state.musicTrack, 10);
  EXPECT_FLOAT_EQ(current.loopFrom, 0.f);
  EXPECT_FLOAT_EQ(current.loopLength, 9999.f);
}

TEST_F(MusicPlayer, BringingBackAnAmbientTrackIsComparedWithWhatPlays) {
  {
    dice::Script draws({1});
    switchTo(9);
  }
  ASSERT_EQ(state.musicTrack, 1);
  // Track 1 is ambient index 0, not the ambient index 1 now playing.
  switchTo(1);
  EXPECT_EQ(state.musicTrack, 0);
  EXPECT_EQ(current.file, "audio/SomewhatSpooked.ogg");

  // And ambient index 0 asked for again keeps playing where it is.
  current.opens.clear();
  switchTo(1);
  EXPECT_TRUE(current.opens.empty());
  EXPECT_EQ(state.musicTrack, 0);
}

TEST_F(MusicPlayer, VictoryLoopsFromItsLaterPartAndASlowThemePlaysAtHalfPitch) {
  struct Case {
    std::string playerClass;
    float pitch;
  };
  for (const Case& c : {Case{"ZOMBIE", 0.5f}, Case{"CONVICT", 1.f}}) {
    SCOPED_TRACE(c.playerClass);
    player.playerClass = c.playerClass;
    switchTo(10);
    switchTo(12);
    EXPECT_EQ(current.file, "audio/Victory.ogg");
    EXPECT_FLOAT_EQ(current.pitch, c.pitch);
    EXPECT_FLOAT_EQ(current.loopFrom, 13.3f);
    EXPECT_FLOAT_EQ(current.loopLength, 9999.f);
    switchTo(11);
    EXPECT_EQ(current.file, "audio/QuibblentDungeon.ogg");
    EXPECT_FLOAT_EQ(current.pitch, 0.5f);
    EXPECT_FLOAT_EQ(current.loopFrom, 0.f);
    EXPECT_EQ(previous.opens.back(), "audio/Victory.ogg");
    EXPECT_FLOAT_EQ(previous.pitch, 1.f) << "the outgoing victory plays at its own pitch";
    switchTo(10);
    EXPECT_FLOAT_EQ(current.pitch, 1.f);
    EXPECT_FLOAT_EQ(previous.pitch, 0.5f) << "the outgoing slow theme stays slow";
  }
}

TEST_F(MusicPlayer, TheFightLayerFollowsTheFight) {
  {
    dice::Script draws({0});
    switchTo(9);
  }
  state.combatState = 1;
  frames(75);
  EXPECT_NEAR(combat.level, 30.f, 1e-3) << "in within 1.5 s";
  state.pendingPrompt = 16;  // the death page: the fight is not over, its music is
  frames(38);
  EXPECT_FLOAT_EQ(combat.level, 0.f) << "out within 0.75 s";
  state.pendingPrompt = 2;
  frames(1);
  EXPECT_GT(combat.level, 0.f);
  state.combatState = 0;
  frames(38);
  EXPECT_FLOAT_EQ(combat.level, 0.f);
}

TEST_F(MusicPlayer, MusicOffStillSwitchesButPausesEverything) {
  switchTo(10);
  {
    dice::Script draws({0});
    state.musicOn = false;
    requestMusic(state, 9);
    frames(1);
  }
  EXPECT_EQ(current.file, "audio/SomewhatSpooked.ogg");
  EXPECT_EQ(current.status, Status::Paused);
  EXPECT_EQ(combat.status, Status::Paused);
  EXPECT_EQ(previous.status, Status::Stopped) << "the outgoing track is not started with the music off";
  const float levelWhenOff = current.level;
  frames(20);
  EXPECT_EQ(current.level, levelWhenOff) << "no fading while off";

  state.musicOn = true;
  frames(1);
  EXPECT_EQ(current.status, Status::Playing);
  EXPECT_EQ(combat.status, Status::Playing);
}

TEST_F(MusicPlayer, ALongFrameEndsAFadeInsteadOfPushingBelowSilence) {
  switchTo(10);
  switchTo(99);
  requestMusic(state, 10);
  frames(1);
  previous.level = 1.5f;
  previous.status = Status::Playing;
  frames(1, 200);  // a step of 4
  EXPECT_FLOAT_EQ(previous.level, 0.f);
  EXPECT_EQ(previous.status, Status::Stopped);
  for (RecordingStream* s : {&current, &previous, &combat}) {
    EXPECT_GE(s->level, 0.f);
    EXPECT_LE(s->level, 30.f);
  }
}

TEST_F(MusicPlayer, AMissingFileSaysErrorAndTheSwitchGoesOn) {
  missing.insert("audio/QuibblentDungeon.ogg");
  std::string printed;
  {
    CapturedOutput out;
    frames(1);
    printed = out.text();
  }
  EXPECT_EQ(printed, "error!");
  EXPECT_EQ(state.musicTrack, 10);
  EXPECT_EQ(current.status, Status::Playing) << "the stream keeps its old file";
}

TEST_F(MusicPlayer, AnUnknownRequestKeepsWhatPlays) {
  switchTo(10);
  current.opens.clear();
  for (int unknown : {4, 8, 13, 98, 100}) {
    SCOPED_TRACE(unknown);
    requestMusic(state, unknown);
    frames(1);
    EXPECT_EQ(state.musicTrack, 10);
    EXPECT_TRUE(current.opens.empty());
  }
}

}  // namespace
