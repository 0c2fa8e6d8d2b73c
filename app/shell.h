#pragma once
// The window program's life: start-up, then one frame at a time until the
// window closes. Each frame takes the window's events (typed characters,
// clicks, resizes), runs the game step for a submitted line, lets waiting
// pages move on, draws, and plays the music.
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>
#include <SFML/Window/Event.hpp>

#include <chrono>
#include <string>

#include "app/screen.h"
#include "world/floor.h"

class Shell {
 public:
  using Clock = std::chrono::steady_clock;

  // Everything the program does before its first frame. Runs in the
  // program's folder, where graphics/, Font/, audio/ and saves/ are.
  void startUp();

  // One frame; false once the window has closed and the game is over.
  bool runFrame();

  // One window event; false when it closed the game.
  bool handleEvent(const sf::Event& event);

  // Hands the typed line to the game step and shows the reply.
  void submitLine(bool fromEnter);

  bool open() const { return open_; }
  const std::string& inputLine() const { return inputLine_; }
  int clickSelection() const { return clickSelection_; }
  Screen& screen() { return screen_; }
  sf::RenderWindow& window() { return window_; }
  Floor& floorRecord() { return floor_; }

 private:
  void takeClick();
  void runWaitingStep();
  void closeGame();
  void showInputLine();
  std::string step(const std::string& line);
  int nowMillis() const;

  sf::RenderWindow window_;
  sf::View mainView_;
  sf::View fullscreenView_;
  sf::Image windowIcon_;
  Floor floor_;
  Screen screen_;
  std::string inputLine_;
  int clickSelection_ = 0;
  bool clickLatch_ = false;
  int screenMode_ = 0;
  Clock::time_point lastInputTime_ = Clock::now();
  Clock::time_point started_ = Clock::now();
  bool open_ = false;
};
