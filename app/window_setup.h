#pragma once
// Opening the window, and opening it again whenever the settings change it:
// full screen at the desktop's size, or a window of 640x480, 960x720 or
// 1280x960, always drawing the same 640x480 view.
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/View.hpp>

struct GameState;

inline constexpr const char* kWindowTitle = "Quibblent Dungeons";

// The start-up window: 640x480 with title bar, resize box and close box, and
// no frame-rate limit yet (the first frame replaces it from the settings).
void openStartWindow(sf::RenderWindow& window);

// Both views, 640x480 around (320, 240): `mainView` fitted to a 640x480
// window, `fullscreenView` to the desktop. `mainView` is made current.
void setUpViews(sf::RenderWindow& window, sf::View& mainView, sf::View& fullscreenView);

// The icon, when it loaded.
void applyWindowIcon(sf::RenderWindow& window, const sf::Image& icon);

// Closes the window and opens it again from the settings, then clears the
// request; 144 frames a second at most.
void recreateWindow(sf::RenderWindow& window, GameState& state, sf::View& mainView, const sf::View& fullscreenView,
                    const sf::Image& icon);
