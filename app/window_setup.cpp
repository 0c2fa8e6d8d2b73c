#include "app/window_setup.h"

#include <SFML/Window/VideoMode.hpp>

#include "app/letterbox.h"
#include "world/game_state.h"

namespace {

constexpr unsigned kBitsPerPixel = 32;
constexpr unsigned kFrameLimit = 144;

sf::ContextSettings contextSettings() {
  return sf::ContextSettings(0, 0, 0, 1, 1, sf::ContextSettings::Default, false);
}

}  // namespace

void openStartWindow(sf::RenderWindow& window) {
  window.create(sf::VideoMode(640, 480, kBitsPerPixel), kWindowTitle, sf::Style::Default, contextSettings());
}

void setUpViews(sf::RenderWindow& window, sf::View& mainView, sf::View& fullscreenView) {
  for (sf::View* view : {&mainView, &fullscreenView}) {
    *view = window.getDefaultView();
    view->setSize(640, 480);
    view->setCenter(320, 240);
  }
  mainView = getLetterboxView(mainView, 640, 480, false);
  fullscreenView = getLetterboxView(fullscreenView, 640, 480, true);
  window.setView(mainView);
}

void applyWindowIcon(sf::RenderWindow& window, const sf::Image& icon) {
  const sf::Vector2u size = icon.getSize();
  // An icon that failed to load has no pixels to give.
  if (size.x == 0 || size.y == 0) return;
  window.setIcon(size.x, size.y, icon.getPixelsPtr());
}

void recreateWindow(sf::RenderWindow& window, GameState& state, sf::View& mainView, const sf::View& fullscreenView,
                    const sf::Image& icon) {
  state.recreateWindow = false;
  window.close();
  if (state.fullscreen) {
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    window.create(sf::VideoMode(desktop.width, desktop.height, kBitsPerPixel), kWindowTitle, sf::Style::Fullscreen,
                  contextSettings());
    window.setView(fullscreenView);
  } else {
    const WindowSize size = windowSizeForResolution(state.resolution);
    window.create(sf::VideoMode(size.width, size.height, kBitsPerPixel), kWindowTitle, sf::Style::Default,
                  contextSettings());
    mainView = getLetterboxView(mainView, static_cast<int>(size.width), static_cast<int>(size.height), false);
    window.setView(mainView);
  }
  window.setFramerateLimit(kFrameLimit);
  applyWindowIcon(window, icon);
}
