#include "app/shell.h"

#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Mouse.hpp>

#include <iostream>

#include "app/click_selection.h"
#include "app/frame_rules.h"
#include "app/game_globals.h"
#include "app/input_line.h"
#include "app/letterbox.h"
#include "app/music_player.h"
#include "app/window_setup.h"
#include "interpreter/session_start.h"
#include "interpreter/timed_steps.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

const char* const kIconFile = "graphics/Qbl_secret.png";
const char* const kSilenceFile = "audio/blank.ogg";

double secondsBetween(Shell::Clock::time_point from, Shell::Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

}  // namespace

int Shell::nowMillis() const {
  return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
}

void Shell::startUp() {
  openStartWindow(window_);
  setUpViews(window_, mainView_, fullscreenView_);
  if (!windowIcon_.loadFromFile(kIconFile)) std::cout << "error!";
  applyWindowIcon(window_, windowIcon_);
  lastInputTime_ = Clock::now();
  screen_.load("");

  // Silence in all three streams until the first frame asks for a track.
  const float volumes[] = {0.f, kMusicVolume, 0.f};
  SfmlMusicStream* streams[] = {&gCurrentMusic, &gPreviousMusic, &gCombatMusic};
  for (int i = 0; i < 3; ++i) {
    if (!streams[i]->open(kSilenceFile)) std::cout << "error!";
    streams[i]->setLoop(true);
    streams[i]->setVolume(volumes[i]);
  }

  floor_ = Floor();
  screen_.showReply(startSession(*gGameState));
  open_ = window_.isOpen();
}

std::string Shell::step(const std::string& line) {
  return gGameState->processCommand(line, floor_, gPlayer);
}

void Shell::showInputLine() { screen_.showInputLine(inputLine_); }

void Shell::submitLine(bool fromEnter) {
  screen_.showReply(step(inputLine_));
  inputLine_.clear();
  if (fromEnter && gGameState->firstCombatHint) lastInputTime_ = Clock::now();
}

void Shell::closeGame() {
  gGameState->closeRequested = true;
  deleteGameState();
  window_.close();
  open_ = false;
}

bool Shell::handleEvent(const sf::Event& event) {
  if (!open_ || !gGameState) return false;
  if (event.type == sf::Event::Closed || gGameState->closeRequested) {
    closeGame();
    return false;
  }
  switch (event.type) {
    case sf::Event::TextEntered: {
      clickSelection_ = 0;
      const LineAction action = editInputLine(inputLine_, event.text.unicode, screenMode_);
      if (action == LineAction::Submit) {
        submitLine(true);
      } else if (action == LineAction::SubmitEmpty) {
        inputLine_.clear();
        submitLine(false);
      }
      showInputLine();
      break;
    }
    case sf::Event::Resized:
      mainView_ = getLetterboxView(mainView_, static_cast<int>(event.size.width),
                                   static_cast<int>(event.size.height), false);
      window_.setView(mainView_);
      break;
    case sf::Event::MouseButtonReleased:
      clickLatch_ = false;
      break;
    default:
      break;
  }
  return true;
}

void Shell::takeClick() {
  const GameState& state = *gGameState;
  if (!clicksAllowed(sf::Mouse::isButtonPressed(sf::Mouse::Left), clickLatch_, state.namePromptOpen,
                     state.combatState, state.pendingPrompt, state.dialogueStage)) {
    return;
  }
  clickLatch_ = true;
  const sf::Vector2f at = window_.mapPixelToCoords(sf::Mouse::getPosition(window_));
  std::vector<std::string> skillNames;
  for (const Action& skill : gPlayer.skills) skillNames.push_back(skill.name);
  const std::vector<ClickTarget> targets = clickTargetsAt(at.x, at.y, screen_.clickLayout(), gPlayer.inventoryNames,
                                                          skillNames, floor_.directionNames, floor_.secretRoomKnown);
  std::string pending = inputLine_;
  for (const std::string& line : applyClickTargets(targets, clickSelection_, pending)) {
    inputLine_ = line;
    submitLine(false);
  }
  inputLine_ = pending;
  showInputLine();
}

void Shell::runWaitingStep() {
  const TimedStep standing = standingTimedStep(*gGameState);
  if (standing.kind == TimedStepKind::None) return;
  if (!timedStepDue(standing, secondsBetween(gGameState->clockNow, Clock::now()))) return;
  screen_.showReply(fireTimedStep(*gGameState, floor_, gPlayer));
  if (standing.emptiesTypedLine) {
    inputLine_.clear();
    showInputLine();
  }
}

bool Shell::runFrame() {
  if (!open_) return false;
  gFrameStart = nowMillis();

  sf::Event event;
  while (window_.pollEvent(event)) {
    if (!handleEvent(event)) return false;
  }
  takeClick();

  if (gGameState->closeRequested) {
    // The game has said goodbye; the next event of any kind closes the
    // window. Nothing is drawn meanwhile, and the loop need not spin hot.
    sf::sleep(sf::milliseconds(5));
    return true;
  }

  screenMode_ = screenModeFor(gGameState->dialogueStage);
  screen_.buildStatusLines(*gGameState, gPlayer);
  window_.clear(sf::Color::Black);
  if (gGameState->recreateWindow) {
    recreateWindow(window_, *gGameState, mainView_, fullscreenView_, windowIcon_);
    window_.clear(sf::Color::Black);
  }
  FrameInputs inputs;
  inputs.screenMode = screenMode_;
  inputs.secondsSinceInput = secondsBetween(lastInputTime_, Clock::now());
  inputs.frameMillis = gFrameMillis;
  screen_.draw(window_, *gGameState, gPlayer, floor_, inputs);

  runWaitingStep();
  window_.display();

  MusicStreams streams = musicStreams();
  musicFrameStep(*gGameState, gPlayer, streams, gFrameMillis);

  gFrameMillis = nowMillis() - gFrameStart;
  if (gFrameMillis > 0) gFramesPerSecond = 1000 / gFrameMillis;
  return true;
}
