#pragma once
// A small RGBA canvas with the few pixel-art primitives the picture painters
// need. It knows nothing of SFML, so the painters stay plain C++; main.cpp
// copies a finished canvas into an sf::Image to write it.
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

constexpr Rgba rgb(int r, int g, int b, int a = 255) {
  return Rgba{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
              static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)};
}
inline constexpr Rgba kClear = rgb(0, 0, 0, 0);
inline constexpr Rgba kInk = rgb(20, 16, 24);  // outlines and dark details

// A colour scaled towards black (factor < 1) or white (factor > 1).
Rgba shade(Rgba colour, float factor);
// The same colour with another opacity.
Rgba withAlpha(Rgba colour, int alpha);

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = kClear);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba at(int x, int y) const;
  const std::vector<Rgba>& pixels() const { return pixels_; }

  // Paints over what is there, blending by the colour's opacity; points off
  // the canvas are ignored, so shapes may run over the edges.
  void plot(int x, int y, Rgba colour);
  // Replaces the pixel, opacity included (for cutting holes).
  void put(int x, int y, Rgba colour);

  void rect(int x, int y, int w, int h, Rgba colour);
  void frame(int x, int y, int w, int h, Rgba colour, int thickness = 1);
  // A rectangle with its corner pixels left out.
  void roundRect(int x, int y, int w, int h, Rgba colour, int corner = 1);
  void disc(float cx, float cy, float radius, Rgba colour);
  void ellipse(float cx, float cy, float rx, float ry, Rgba colour);
  void ring(float cx, float cy, float radius, float thickness, Rgba colour);
  void line(float x0, float y0, float x1, float y1, Rgba colour, float thickness = 1.0f);
  void polygon(const std::vector<std::pair<float, float>>& points, Rgba colour);
  void triangle(float x0, float y0, float x1, float y1, float x2, float y2, Rgba colour);
  void verticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom);

  // Text in the built-in 3x5 pixel font, `scale` pixels per font pixel.
  void text(int x, int y, std::string_view words, Rgba colour, int scale = 1);
  // Same, centred horizontally on cx.
  void textCentred(int cx, int y, std::string_view words, Rgba colour, int scale = 1);

  // Gives every painted shape a one-pixel dark rim: each clear pixel that
  // touches a painted one (sideways or up/down) takes `colour`.
  void outline(Rgba colour = kInk);
  // Paints `layer` over this canvas at (x, y).
  void stamp(const Canvas& layer, int x = 0, int y = 0);
  // Each pixel becomes a `factor` by `factor` block of a canvas that much larger.
  Canvas scaledUp(int factor) const;

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// Width in pixels of a text in the 3x5 font at a scale.
int textWidth(std::string_view words, int scale = 1);
