#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cctype>
#include <cmath>

Rgba shade(Rgba colour, float factor) {
  auto channel = [factor](std::uint8_t value) {
    const float scaled = factor <= 1.0f ? value * factor : value + (255 - value) * (factor - 1.0f);
    return static_cast<std::uint8_t>(std::clamp(scaled, 0.0f, 255.0f));
  };
  return Rgba{channel(colour.r), channel(colour.g), channel(colour.b), colour.a};
}

Rgba withAlpha(Rgba colour, int alpha) {
  colour.a = static_cast<std::uint8_t>(std::clamp(alpha, 0, 255));
  return colour;
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

Rgba Canvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kClear;
  return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::put(int x, int y, Rgba colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

void Canvas::plot(int x, int y, Rgba colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || colour.a == 0) return;
  Rgba& under = pixels_[static_cast<std::size_t>(y * width_ + x)];
  if (colour.a == 255 || under.a == 0) {
    under = colour;
    return;
  }
  // Porter-Duff "over" on straight (not premultiplied) colours.
  const float top = colour.a / 255.0f;
  const float bottom = under.a / 255.0f * (1.0f - top);
  const float alpha = top + bottom;
  auto mix = [&](std::uint8_t a, std::uint8_t b) {
    return static_cast<std::uint8_t>(std::lround((a * top + b * bottom) / alpha));
  };
  under = Rgba{mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b),
               static_cast<std::uint8_t>(std::lround(alpha * 255.0f))};
}

void Canvas::rect(int x, int y, int w, int h, Rgba colour) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) plot(i, j, colour);
}

void Canvas::frame(int x, int y, int w, int h, Rgba colour, int thickness) {
  rect(x, y, w, thickness, colour);
  rect(x, y + h - thickness, w, thickness, colour);
  rect(x, y + thickness, thickness, h - 2 * thickness, colour);
  rect(x + w - thickness, y + thickness, thickness, h - 2 * thickness, colour);
}

void Canvas::roundRect(int x, int y, int w, int h, Rgba colour, int corner) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      const int dx = std::min(i - x, x + w - 1 - i);
      const int dy = std::min(j - y, y + h - 1 - j);
      if (dx + dy < corner) continue;
      plot(i, j, colour);
    }
  }
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, Rgba colour) {
  if (rx <= 0 || ry <= 0) return;
  for (int j = static_cast<int>(cy - ry) - 1; j <= static_cast<int>(cy + ry) + 1; ++j) {
    for (int i = static_cast<int>(cx - rx) - 1; i <= static_cast<int>(cx + rx) + 1; ++i) {
      const float dx = (i + 0.5f - cx) / rx;
      const float dy = (j + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f) plot(i, j, colour);
    }
  }
}

void Canvas::disc(float cx, float cy, float radius, Rgba colour) { ellipse(cx, cy, radius, radius, colour); }

void Canvas::ring(float cx, float cy, float radius, float thickness, Rgba colour) {
  for (int j = static_cast<int>(cy - radius) - 1; j <= static_cast<int>(cy + radius) + 1; ++j) {
    for (int i = static_cast<int>(cx - radius) - 1; i <= static_cast<int>(cx + radius) + 1; ++i) {
      const float d = std::hypot(i + 0.5f - cx, j + 0.5f - cy);
      if (d <= radius && d > radius - thickness) plot(i, j, colour);
    }
  }
}

void Canvas::line(float x0, float y0, float x1, float y1, Rgba colour, float thickness) {
  // Every pixel whose centre lies within half the thickness of the segment.
  const float half = std::max(thickness, 1.0f) / 2.0f;
  const int left = static_cast<int>(std::floor(std::min(x0, x1) - half)) - 1;
  const int right = static_cast<int>(std::ceil(std::max(x0, x1) + half)) + 1;
  const int top = static_cast<int>(std::floor(std::min(y0, y1) - half)) - 1;
  const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half)) + 1;
  const float dx = x1 - x0, dy = y1 - y0;
  const float lengthSquared = dx * dx + dy * dy;
  for (int j = top; j <= bottom; ++j) {
    for (int i = left; i <= right; ++i) {
      const float px = i + 0.5f, py = j + 0.5f;
      float t = lengthSquared > 0 ? ((px - x0) * dx + (py - y0) * dy) / lengthSquared : 0.0f;
      t = std::clamp(t, 0.0f, 1.0f);
      const float ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
      if (ex * ex + ey * ey <= half * half + 0.05f) plot(i, j, colour);
    }
  }
}

void Canvas::polygon(const std::vector<std::pair<float, float>>& points, Rgba colour) {
  if (points.size() < 3) return;
  float top = points[0].second, bottom = points[0].second;
  for (const auto& p : points) {
    top = std::min(top, p.second);
    bottom = std::max(bottom, p.second);
  }
  for (int j = static_cast<int>(std::floor(top)); j <= static_cast<int>(std::ceil(bottom)); ++j) {
    const float y = j + 0.5f;
    std::vector<float> crossings;
    for (std::size_t k = 0; k < points.size(); ++k) {
      const auto [ax, ay] = points[k];
      const auto [bx, by] = points[(k + 1) % points.size()];
      if ((ay <= y && by > y) || (by <= y && ay > y)) crossings.push_back(ax + (y - ay) / (by - ay) * (bx - ax));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      for (int i = static_cast<int>(std::ceil(crossings[k] - 0.5f)); i + 0.5f <= crossings[k + 1]; ++i) plot(i, j, colour);
    }
  }
}

void Canvas::triangle(float x0, float y0, float x1, float y1, float x2, float y2, Rgba colour) {
  polygon({{x0, y0}, {x1, y1}, {x2, y2}}, colour);
}

void Canvas::verticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom) {
  for (int j = 0; j < h; ++j) {
    const float t = h > 1 ? static_cast<float>(j) / (h - 1) : 0.0f;
    auto mix = [t](std::uint8_t a, std::uint8_t b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    rect(x, y + j, w, 1, rgb(mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b), mix(top.a, bottom.a)));
  }
}

namespace {

// The 3x5 font: five rows of three cells per character, '#' lit.
struct Glyph {
  char letter;
  const char* rows[5];
};

// Columns: character, five rows from the top.
const Glyph kGlyphs[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"#.#", "###", "###", "###", "#.#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#.#", "#.#", "#.#", "###", "#.#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"##.", "..#", ".#.", "#..", "###"}}, {'3', {"##.", "..#", ".#.", "..#", "##."}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "##.", "..#", "##."}},
    {'6', {".##", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "##."}},
    {'?', {"##.", "..#", ".#.", "...", ".#."}}, {'!', {".#.", ".#.", ".#.", "...", ".#."}},
    {'.', {"...", "...", "...", "...", ".#."}}, {'-', {"...", "...", "###", "...", "..."}},
    {'+', {"...", ".#.", "###", ".#.", "..."}}, {':', {"...", ".#.", "...", ".#.", "..."}},
    {'/', {"..#", "..#", ".#.", "#..", "#.."}}, {'$', {".##", "##.", ".#.", ".##", "##."}},
    {'=', {"...", "###", "...", "###", "..."}}, {'%', {"#.#", "..#", ".#.", "#..", "#.#"}},
    {'x', {"...", "#.#", ".#.", "#.#", "..."}}, {'\'', {".#.", ".#.", "...", "...", "..."}},
    {' ', {"...", "...", "...", "...", "..."}},
};

const Glyph* glyphFor(char letter) {
  const char wanted = letter == 'x' ? 'x' : static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  for (const Glyph& glyph : kGlyphs)
    if (glyph.letter == wanted) return &glyph;
  return nullptr;
}

}  // namespace

int textWidth(std::string_view words, int scale) {
  if (words.empty()) return 0;
  return static_cast<int>(words.size()) * 4 * scale - scale;
}

void Canvas::text(int x, int y, std::string_view words, Rgba colour, int scale) {
  for (char letter : words) {
    if (const Glyph* glyph = glyphFor(letter)) {
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if (glyph->rows[row][col] == '#') rect(x + col * scale, y + row * scale, scale, scale, colour);
    }
    x += 4 * scale;
  }
}

void Canvas::textCentred(int cx, int y, std::string_view words, Rgba colour, int scale) {
  text(cx - textWidth(words, scale) / 2, y, words, colour, scale);
}

void Canvas::outline(Rgba colour) {
  const Canvas before = *this;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (before.at(x, y).a != 0) continue;
      if (before.at(x - 1, y).a > 64 || before.at(x + 1, y).a > 64 || before.at(x, y - 1).a > 64 ||
          before.at(x, y + 1).a > 64)
        put(x, y, colour);
    }
  }
}

void Canvas::stamp(const Canvas& layer, int x, int y) {
  for (int j = 0; j < layer.height(); ++j)
    for (int i = 0; i < layer.width(); ++i) plot(x + i, y + j, layer.at(i, j));
}

Canvas Canvas::scaledUp(int factor) const {
  Canvas big(width_ * factor, height_ * factor);
  for (int y = 0; y < big.height(); ++y)
    for (int x = 0; x < big.width(); ++x) big.put(x, y, at(x / factor, y / factor));
  return big;
}
