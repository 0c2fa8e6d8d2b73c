#pragma once
// The game draws into a fixed 640 by 480 area; these helpers fit that area into
// whatever window the player has, with black bands keeping its 4:3 shape.
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>

// Fractions of the window (0..1) that the view is drawn into.
struct Viewport {
  float left = 0.f;
  float top = 0.f;
  float width = 1.f;
  float height = 1.f;
};

// Where a view of the given size goes in a window of the given size: equal
// bands left and right when the window is wider than the view, above and
// below when it is taller. A window of no width or height (minimised on some
// desktops) has no shape to fit, so `current` is kept.
Viewport letterboxViewport(float viewWidth, float viewHeight, float windowWidth, float windowHeight,
                           Viewport current = Viewport{});

// The view refitted to the window; with `desktop` set the desktop's size stands
// in for the window's.
sf::View getLetterboxView(sf::View view, int windowWidth, int windowHeight, bool desktop);

// A closed rectangle: a point on the right or bottom edge of a picture is on it.
bool isPointOverArea(float x, float y, float left, float top, float width, float height);

// Whether the mouse, mapped through the window's current view, is over the
// area that the sprite's position and the texture's size give.
bool isMouseOverSprite(const sf::Sprite& sprite, const sf::Texture& texture, const sf::RenderWindow& window);

// Window size in pixels for a resolution setting.
struct WindowSize {
  unsigned width;
  unsigned height;
};
// 1, 2 and 3 give 640x480, 960x720 and 1280x960. Any other value can only come
// from a hand-edited settings file; it gets the smallest window rather than
// none at all, which would end the game without a word.
WindowSize windowSizeForResolution(int resolution);
