#include "app/letterbox.h"

#include <gtest/gtest.h>

namespace {

struct LetterboxCase {
  float windowWidth;
  float windowHeight;
  Viewport expected;
};

TEST(Letterbox, KeepsTheFourByThreeShapeWithEqualBands) {
  const LetterboxCase cases[] = {
      {1280, 960, {0.f, 0.f, 1.f, 1.f}},       // same shape: the whole window
      {640, 480, {0.f, 0.f, 1.f, 1.f}},
      {800, 480, {0.1f, 0.f, 0.8f, 1.f}},      // wider: bands left and right
      {1920, 1080, {0.125f, 0.f, 0.75f, 1.f}}, // a wide desktop
      {640, 640, {0.f, 0.125f, 1.f, 0.75f}},   // taller: bands above and below
      {480, 960, {0.f, 0.3125f, 1.f, 0.375f}},
  };
  for (const LetterboxCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.windowWidth << "x" << c.windowHeight);
    const Viewport v = letterboxViewport(640, 480, c.windowWidth, c.windowHeight);
    EXPECT_NEAR(v.left, c.expected.left, 1e-5);
    EXPECT_NEAR(v.top, c.expected.top, 1e-5);
    EXPECT_NEAR(v.width, c.expected.width, 1e-5);
    EXPECT_NEAR(v.height, c.expected.height, 1e-5);
  }
}

TEST(Letterbox, AWindowWithNoSizeKeepsTheViewportItHad) {
  const Viewport before{0.1f, 0.f, 0.8f, 1.f};
  const float sizes[][2] = {{800, 0}, {0, 600}, {0, 0}, {-5, 480}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1]);
    const Viewport v = letterboxViewport(640, 480, size[0], size[1], before);
    EXPECT_EQ(v.left, before.left);
    EXPECT_EQ(v.top, before.top);
    EXPECT_EQ(v.width, before.width);
    EXPECT_EQ(v.height, before.height);
  }
}

TEST(Letterbox, TheFittedViewKeepsItsCentreAndSize) {
  sf::View view(sf::Vector2f(320, 240), sf::Vector2f(640, 480));
  view = getLetterboxView(view, 640, 640, false);
  EXPECT_EQ(view.getCenter(), sf::Vector2f(320, 240));
  EXPECT_EQ(view.getSize(), sf::Vector2f(640, 480));
  EXPECT_NEAR(view.getViewport().top, 0.125f, 1e-5);
  EXPECT_NEAR(view.getViewport().height, 0.75f, 1e-5);

  // A zero-height resize (a minimised window) must not turn the view into NaNs.
  view = getLetterboxView(view, 800, 0, false);
  EXPECT_NEAR(view.getViewport().top, 0.125f, 1e-5);
  EXPECT_NEAR(view.getViewport().height, 0.75f, 1e-5);
}

TEST(Letterbox, APictureIncludesItsEdges) {
  struct HitCase {
    float x, y;
    bool over;
  };
  // A 40x40 picture at (430, 136).
  const HitCase cases[] = {
      {430, 136, true},   {470, 176, true},   {450, 150, true},  {470, 136, true},
      {429.9f, 150, false}, {470.1f, 150, false}, {450, 135.9f, false}, {450, 176.1f, false},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(isPointOverArea(c.x, c.y, 430, 136, 40, 40), c.over);
  }
}

TEST(Letterbox, ResolutionSettingsGiveWindowSizes) {
  struct SizeCase {
    int resolution;
    unsigned width, height;
  };
  // Values outside 1..3 come only from a hand-edited settings file; they get
  // the smallest window instead of none.
  const SizeCase cases[] = {{1, 640, 480}, {2, 960, 720}, {3, 1280, 960},
                            {0, 640, 480}, {4, 640, 480}, {-2, 640, 480}};
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.resolution);
    const WindowSize size = windowSizeForResolution(c.resolution);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
  }
}

}  // namespace
