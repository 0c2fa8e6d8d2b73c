// The window program's own behaviour, in a real window on the test display:
// what a frame reads from disk, typed keys and waiting pages reaching the
// game, the window made again from the settings, and the close path.
#include "app/shell.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Mouse.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>

#include "app/game_globals.h"
#include "app/frame_rules.h"
#include "app/letterbox.h"
#include "app/picture_words.h"
#include "interpreter/prompt_answers.h"
#include "tests/support/captured_output.h"
#include "tests/support/scratch_dir.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

namespace fs = std::filesystem;

int count(const std::string& text, const std::string& word) {
  int found = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++found;
  return found;
}

sf::Event typed(std::uint32_t code) {
  sf::Event event;
  event.type = sf::Event::TextEntered;
  event.text.unicode = code;
  return event;
}

class ShellInWindow : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test script runs under xvfb-run)";
    // The program's folder: the build's fonts and music, and pictures linked
    // one by one so a test can leave one out.
    const fs::path runtime = QUIBBLENT_RUNTIME_DIR;
    for (const char* folder : {"Font", "audio"}) fs::create_directory_symlink(runtime / folder, folder);
    fs::create_directory("graphics");
    for (const auto& entry : fs::directory_iterator(runtime / "graphics")) {
      fs::create_symlink(entry.path(), fs::path("graphics") / entry.path().filename());
    }
    if (gGameState) deleteGameState();
    gGameState = new GameState();
    gPlayer = PlayerRecord();
  }

  void TearDown() override {
    if (!gGameState) gGameState = new GameState();
  }

  void type(const std::string& keys) {
    for (char c : keys) shell.handleEvent(typed(static_cast<unsigned char>(c)));
  }
  std::string reply() const { return shell_.screen().replyText().getString().toAnsiString(); }

  ScratchDir scratch;
  Shell shell;
  Shell& shell_ = shell;
};

TEST_F(ShellInWindow, AFrameThatChangesNothingReadsNoFile) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  const long afterFirstFrame = shell.screen().textures().fileReads();
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.screen().textures().fileReads(), afterFirstFrame);

  // A game step renews the whole panel; pictures already seen are not read again.
  type("Tester\r");
  ASSERT_TRUE(shell.runFrame());
  const long afterName = shell.screen().textures().fileReads();
  type("look\r");
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.screen().textures().fileReads(), afterName);
}

TEST_F(ShellInWindow, AMissingPictureSaysErrorEachTimeItIsAskedFor) {
  fs::remove("graphics/Qbl_bground.png");
  CapturedOutput out;
  shell.startUp();
  EXPECT_EQ(count(out.text(), "error!"), 1);
  ASSERT_TRUE(shell.runFrame());  // the first frame renews the panel
  EXPECT_EQ(count(out.text(), "error!"), 2);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(count(out.text(), "error!"), 2) << "a quiet frame asks for nothing";
  type("Tester\r");
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(count(out.text(), "error!"), 3);
}

TEST_F(ShellInWindow, AMissingStartUpPictureIsReportedOncePerLoad) {
  // The numbers, the lock of the skill slots and the weapon and armor frame
  // are read once and shared; every other sprite reads its own picture.
  const std::pair<const char*, int> cases[] = {
      {"Qbl_bground.png", 1},  {"Qbl_one.png", 1},     {"Qbl_eighteen.png", 1}, {"Qbl_zero.png", 1},
      {"Qbl_locked.png", 19},  // the shared lock, then each achievement's own
      {"Qbl_blank.png", 27},   // effect markers, icon rows, weapon, armor, compass, secret room
      {"Qbl_secret.png", 1},   // the window icon
      {"Qbl_player.png", 1},
  };
  for (const auto& [file, errors] : cases) {
    SCOPED_TRACE(file);
    const fs::path picture = fs::path("graphics") / file;
    const fs::path target = fs::read_symlink(picture);
    fs::remove(picture);
    {
      CapturedOutput out;
      Shell fresh;
      fresh.startUp();
      EXPECT_EQ(count(out.text(), "error!"), errors);
    }
    fs::create_symlink(target, picture);
  }
}

TEST_F(ShellInWindow, EveryPictureOfAFreshStartLoads) {
  CapturedOutput out;
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  type("Tester\r1\r");
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(out.text().find("error!"), std::string::npos) << out.text();
}

TEST_F(ShellInWindow, TypedKeysReachTheGame) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  const std::string namePrompt = reply();
  ASSERT_NE(namePrompt.find("Enter a name"), std::string::npos) << namePrompt;

  type("Tesx");
  shell.handleEvent(typed(8));
  type("ter");
  EXPECT_EQ(shell.inputLine(), "Tester");
  shell.handleEvent(typed(13));
  EXPECT_EQ(shell.inputLine(), "");
  EXPECT_NE(reply(), namePrompt);
  EXPECT_NE(reply().find("Tester"), std::string::npos) << reply();
  EXPECT_FALSE(gGameState->namePromptOpen);
}

TEST_F(ShellInWindow, WaitingPagesMoveOnByThemselves) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  using Clock = std::chrono::steady_clock;

  gGameState->pendingPrompt = 45;
  gGameState->clockNow = Clock::now() - std::chrono::milliseconds(1000);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(gGameState->pendingPrompt, 45) << "not yet: it waits two seconds";
  gGameState->clockNow = Clock::now() - std::chrono::milliseconds(2100);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_NE(gGameState->pendingPrompt, 45);

  // The trance's last pages throw away whatever was typed meanwhile.
  gGameState->pendingPrompt = 2;
  gGameState->dialogueStage = 66;
  gGameState->clockNow = Clock::now();
  ASSERT_TRUE(shell.runFrame());
  type("abc\r");
  EXPECT_EQ(shell.inputLine(), "abc\r") << "Enter is only a character on this page";
  gGameState->clockNow = Clock::now() - std::chrono::seconds(9);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.inputLine(), "");
}

TEST_F(ShellInWindow, TheWindowIsMadeAgainFromTheSettings) {
  shell.startUp();
  struct Case {
    int resolution;
    unsigned width, height;
  };
  // A resolution outside 1..3 gets the smallest window instead of ending the game.
  const Case cases[] = {{2, 960, 720}, {3, 1280, 960}, {1, 640, 480}, {7, 640, 480}, {0, 640, 480}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.resolution);
    gGameState->resolution = c.resolution;
    gGameState->recreateWindow = true;
    ASSERT_TRUE(shell.runFrame());
    EXPECT_TRUE(shell.window().isOpen());
    EXPECT_FALSE(gGameState->recreateWindow);
    EXPECT_EQ(shell.window().getSize(), sf::Vector2u(c.width, c.height));
    const sf::FloatRect viewport = shell.window().getView().getViewport();
    EXPECT_FLOAT_EQ(viewport.width, 1.f);
    EXPECT_FLOAT_EQ(viewport.height, 1.f);
  }

  // Full screen takes the desktop's size, letterboxed to keep the 4:3 shape.
  gGameState->fullscreen = true;
  gGameState->recreateWindow = true;
  ASSERT_TRUE(shell.runFrame());
  const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
  EXPECT_EQ(shell.window().getSize(), sf::Vector2u(desktop.width, desktop.height));
  const Viewport expected = letterboxViewport(640, 480, static_cast<float>(desktop.width),
                                              static_cast<float>(desktop.height));
  EXPECT_FLOAT_EQ(shell.window().getView().getViewport().width, expected.width);
  EXPECT_FLOAT_EQ(shell.window().getView().getViewport().height, expected.height);

  gGameState->fullscreen = false;
  gGameState->resolution = 2;
  gGameState->recreateWindow = true;
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.window().getSize(), sf::Vector2u(960, 720));
}

TEST_F(ShellInWindow, AResizeToNothingKeepsAUsableView) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  sf::Event resize;
  resize.type = sf::Event::Resized;
  resize.size.width = 800;
  resize.size.height = 480;
  shell.handleEvent(resize);
  EXPECT_NEAR(shell.window().getView().getViewport().width, 0.8f, 1e-5);
  resize.size.height = 0;
  shell.handleEvent(resize);
  const sf::FloatRect viewport = shell.window().getView().getViewport();
  EXPECT_TRUE(std::isfinite(viewport.left) && std::isfinite(viewport.width) && std::isfinite(viewport.height));
  EXPECT_NEAR(viewport.width, 0.8f, 1e-5);
}

TEST_F(ShellInWindow, AfterGoodbyeTheNextEventClosesTheGame) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  sf::Event pending;
  while (shell.window().pollEvent(pending)) {
  }
  gGameState->closeRequested = true;
  // No event came yet: the loop goes on without drawing, the window stays.
  shell.runFrame();
  EXPECT_TRUE(shell.window().isOpen());
  sf::Event anything;
  anything.type = sf::Event::MouseMoved;
  EXPECT_FALSE(shell.handleEvent(anything));
  EXPECT_EQ(gGameState, nullptr);
  EXPECT_FALSE(shell.window().isOpen());
  EXPECT_FALSE(shell.runFrame());
  EXPECT_FALSE(shell.handleEvent(anything)) << "nothing reads the game state once it is gone";
}

// The real pointer, pressed and released on the test display.
void pressLeftButton(bool down) {
  ASSERT_EQ(std::system(down ? "xdotool mousedown 1" : "xdotool mouseup 1"), 0);
  sf::sleep(sf::milliseconds(50));
}

TEST_F(ShellInWindow, ClickingThePortraitTwiceAsksForTheStatus) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  type("Tester\r1\r\r");
  ASSERT_TRUE(shell.runFrame());
  ASSERT_TRUE(gGameState->pendingPrompt == 0 || gGameState->pendingPrompt == 2) << gGameState->pendingPrompt;
  const std::string before = reply();

  sf::Mouse::setPosition({450, 156}, shell.window());  // the portrait's middle
  pressLeftButton(true);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.inputLine(), "status");
  EXPECT_EQ(shell.clickSelection(), 1);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.inputLine(), "status") << "a held button is one click";
  EXPECT_EQ(reply(), before);

  // A typed character forgets the selection: the next click types again.
  pressLeftButton(false);
  ASSERT_TRUE(shell.runFrame());
  type("x");
  EXPECT_EQ(shell.clickSelection(), 0);
  pressLeftButton(true);
  ASSERT_TRUE(shell.runFrame());
  EXPECT_EQ(shell.inputLine(), "status");
  EXPECT_EQ(reply(), before);

  pressLeftButton(false);
  ASSERT_TRUE(shell.runFrame());
  pressLeftButton(true);
  ASSERT_TRUE(shell.runFrame());
  pressLeftButton(false);
  EXPECT_EQ(shell.inputLine(), "");
  EXPECT_EQ(shell.clickSelection(), 0);
  EXPECT_NE(reply(), before) << "the second click submits";
}

// One frame of the screen drawn off-window, as a picture.
sf::Image drawnFrame(Screen& screen, GameState& state, const PlayerRecord& player, const Floor& floorRecord,
                     double secondsSinceInput = 0.0) {
  sf::RenderTexture target;
  EXPECT_TRUE(target.create(640, 480));
  target.clear(sf::Color::Black);
  FrameInputs inputs;
  inputs.screenMode = screenModeFor(state.dialogueStage);
  inputs.secondsSinceInput = secondsSinceInput;
  screen.draw(target, state, player, floorRecord, inputs);
  target.display();
  return target.getTexture().copyToImage();
}

bool isBlack(sf::Color colour) { return colour.r == 0 && colour.g == 0 && colour.b == 0; }

TEST_F(ShellInWindow, TheTranceHidesTheScreenPieceByPiece) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  gGameState->namePromptOpen = false;
  struct Case {
    int dialogueStage;
    bool replyBox, background, portrait;
  };
  const Case cases[] = {
      {0, true, true, true},     {62, true, true, true},    {63, true, false, true},
      {65, true, false, false},  {66, false, false, false}, {67, false, false, false},
      {70, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialogueStage);
    gGameState->dialogueStage = c.dialogueStage;
    gGameState->refreshSprites = true;
    const sf::Image frame = drawnFrame(shell.screen(), *gGameState, gPlayer, shell.floorRecord());
    EXPECT_EQ(frame.getPixel(600, 420) == sf::Color(40, 40, 40), c.replyBox);
    EXPECT_EQ(!isBlack(frame.getPixel(360, 240)), c.background);
    EXPECT_EQ(!isBlack(frame.getPixel(450, 156)), c.portrait);
  }
}

TEST_F(ShellInWindow, TheAchievementsViewerShowsOnlyItsGrid) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  gGameState->namePromptOpen = false;
  gGameState->achievementsViewerOpen = 1;
  gGameState->achievements[0] = "Tester";
  gGameState->refreshSprites = true;
  const sf::Image frame = drawnFrame(shell.screen(), *gGameState, gPlayer, shell.floorRecord());
  EXPECT_TRUE(isBlack(frame.getPixel(360, 240))) << "no panel behind the grid";
  EXPECT_FALSE(gGameState->refreshSprites);
  // Slot 0 earned shows its picture over the number; slot 1 stays locked.
  const sf::Image earned = shell.screen().textures().texture(picturePath("player"))->copyToImage();
  EXPECT_EQ(frame.getPixel(50 + 20, 32 + 20), earned.getPixel(20, 20));
  EXPECT_NE(frame.getPixel(150 + 20, 32 + 20), earned.getPixel(20, 20));
}

TEST_F(ShellInWindow, ThePanelShowsTheRecords) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  type("Tester\r1\r");
  ASSERT_TRUE(shell.runFrame());

  struct Case {
    const char* what;
    int attack, defence, gold;
    float attackFactor, damageTakenFactor;
    bool swordOfKings;
    int hp;
    std::string left, right, count, portrait;
  };
  const Case cases[] = {
      {"attack times its factor, cut", 3, 0, 0, 1.25f, 1.f, false, 30, ": 3", ": 0", "0", "academic"},
      {"defence over its factor", 4, 5, 1234, 1.f, 0.5f, false, 30, ": 4", ": 10", "1234", "academic"},
      {"the talking sword hides its power", 4, 0, 7, 1.f, 1.f, true, 30, ": ??", ": 0", "7", "academic"},
      {"dead at zero", 4, 0, 0, 1.f, 1.f, false, 0, ": 4", ": 0", "0", "dead"},
      {"dead below zero", 4, 0, 0, 1.f, 1.f, false, -6, ": 4", ": 0", "0", "dead"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gPlayer.attack = c.attack;
    gPlayer.defence = c.defence;
    gPlayer.gold = c.gold;
    gPlayer.attackFactor = c.attackFactor;
    gPlayer.damageTakenFactor = c.damageTakenFactor;
    gPlayer.wieldsSwordOfKings = c.swordOfKings;
    gPlayer.hp = c.hp;
    gGameState->refreshSprites = true;
    ASSERT_TRUE(shell.runFrame());
    const Screen& screen = shell.screen();
    EXPECT_EQ(screen.panelStatTextLeft().getString().toAnsiString(), c.left);
    EXPECT_EQ(screen.panelStatTextRight().getString().toAnsiString(), c.right);
    EXPECT_EQ(screen.panelCountText().getString().toAnsiString(), c.count);
    // The gold count is centred on its place.
    EXPECT_FLOAT_EQ(screen.panelCountText().getOrigin().x, screen.panelCountText().getLocalBounds().width / 2.f);
    EXPECT_EQ(screen.playerPortrait().getTexture(), shell.screen().textures().texture(picturePath(c.portrait)));
  }
}

TEST_F(ShellInWindow, ASkillIsLockedWhileCoolingDownOrUsedUp) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  type("Tester\r1\r");
  ASSERT_TRUE(shell.runFrame());
  ASSERT_FALSE(gPlayer.skills.empty());

  // The first skill slot as drawn, pixel by pixel.
  const auto slotPixels = [&] {
    gGameState->refreshSprites = true;
    const sf::Image frame = drawnFrame(shell.screen(), *gGameState, gPlayer, shell.floorRecord());
    std::vector<sf::Uint32> pixels;
    for (unsigned y = 64; y < 104; ++y)
      for (unsigned x = 24; x < 64; ++x) pixels.push_back(frame.getPixel(x, y).toInteger());
    return pixels;
  };
  Action& skill = gPlayer.skills[0];
  skill.cooldownLeft = 0;
  skill.uses = 0;
  skill.useLimit = 5;
  const std::vector<sf::Uint32> ready = slotPixels();

  struct Case {
    int cooldownLeft, uses, useLimit;
    bool locked;
  };
  const Case cases[] = {
      {0, 5, 5, true},   // used up, even with the cooldown over
      {0, 6, 5, true},
      {2, 0, 5, true},   // cooling down
      {1, 5, 5, true},
      {0, 4, 5, false},
      {0, 0, 5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cooldown " << c.cooldownLeft << " uses " << c.uses << "/" << c.useLimit);
    skill.cooldownLeft = c.cooldownLeft;
    skill.uses = c.uses;
    skill.useLimit = c.useLimit;
    EXPECT_EQ(slotPixels() != ready, c.locked);
  }
}

TEST_F(ShellInWindow, TheIdleHelpBubbleLeavesEverySkillSlotUncovered) {
  shell.startUp();
  ASSERT_TRUE(shell.runFrame());
  type("Tester\r1\r");
  ASSERT_TRUE(shell.runFrame());
  ASSERT_FALSE(gPlayer.skills.empty());
  // Every slot holds a skill, so each one shows an icon the bubble could hide.
  gPlayer.skills.resize(6, gPlayer.skills[0]);
  gGameState->firstCombatHint = true;
  gGameState->pendingPrompt = kNoPrompt;
  const double idle = 3600.0;
  ASSERT_TRUE(helpPictureDue(gGameState->firstCombatHint, gGameState->namePromptOpen, gGameState->pendingPrompt, idle));

  const auto frame = [&](double secondsSinceInput) {
    gGameState->refreshSprites = true;
    return drawnFrame(shell.screen(), *gGameState, gPlayer, shell.floorRecord(), secondsSinceInput);
  };
  const sf::Image withoutHelp = frame(0.0);
  const sf::Image withHelp = frame(idle);
  ASSERT_NE(std::vector<sf::Uint8>(withHelp.getPixelsPtr(), withHelp.getPixelsPtr() + 640 * 480 * 4),
            std::vector<sf::Uint8>(withoutHelp.getPixelsPtr(), withoutHelp.getPixelsPtr() + 640 * 480 * 4))
      << "the bubble is drawn";

  const ClickLayout layout = shell.screen().clickLayout();
  for (std::size_t slot = 0; slot < layout.skillSlots.size(); ++slot) {
    const ClickArea& area = layout.skillSlots[slot];
    ASSERT_GT(area.width, 0.f);
    int covered = 0;
    for (unsigned y = static_cast<unsigned>(area.top); y < static_cast<unsigned>(area.top + area.height); ++y)
      for (unsigned x = static_cast<unsigned>(area.left); x < static_cast<unsigned>(area.left + area.width); ++x)
        if (withHelp.getPixel(x, y) != withoutHelp.getPixel(x, y)) ++covered;
    EXPECT_EQ(covered, 0) << "skill slot " << slot + 1 << " has pixels under the bubble";
  }
}

}  // namespace
