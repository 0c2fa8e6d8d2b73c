#include "app/letterbox.h"

#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/VideoMode.hpp>

Viewport letterboxViewport(float viewWidth, float viewHeight, float windowWidth, float windowHeight,
                           Viewport current) {
  if (windowWidth <= 0.f || windowHeight <= 0.f || viewWidth <= 0.f || viewHeight <= 0.f) {
    return current;
  }
  const float windowRatio = windowWidth / windowHeight;
  const float viewRatio = viewWidth / viewHeight;
  Viewport fitted;
  if (viewRatio <= windowRatio) {
    fitted.width = viewRatio / windowRatio;
    fitted.left = (1.f - fitted.width) / 2.f;
  } else {
    fitted.height = windowRatio / viewRatio;
    fitted.top = (1.f - fitted.height) / 2.f;
  }
  return fitted;
}

sf::View getLetterboxView(sf::View view, int windowWidth, int windowHeight, bool desktop) {
  float width = static_cast<float>(windowWidth);
  float height = static_cast<float>(windowHeight);
  if (desktop) {
    const sf::VideoMode mode = sf::VideoMode::getDesktopMode();
    width = static_cast<float>(mode.width);
    height = static_cast<float>(mode.height);
  }
  const sf::FloatRect old = view.getViewport();
  const Viewport fitted = letterboxViewport(view.getSize().x, view.getSize().y, width, height,
                                            Viewport{old.left, old.top, old.width, old.height});
  view.setViewport(sf::FloatRect(fitted.left, fitted.top, fitted.width, fitted.height));
  return view;
}

bool isPointOverArea(float x, float y, float left, float top, float width, float height) {
  return y >= top && x >= left && top + height >= y && left + width >= x;
}

bool isMouseOverSprite(const sf::Sprite& sprite, const sf::Texture& texture, const sf::RenderWindow& window) {
  const sf::Vector2f mouse = window.mapPixelToCoords(sf::Mouse::getPosition(window));
  const sf::Vector2u size = texture.getSize();
  return isPointOverArea(mouse.x, mouse.y, sprite.getPosition().x, sprite.getPosition().y,
                         static_cast<float>(size.x), static_cast<float>(size.y));
}

WindowSize windowSizeForResolution(int resolution) {
  switch (resolution) {
    case 2:
      return {960, 720};
    case 3:
      return {1280, 960};
    default:
      return {640, 480};
  }
}
