#include "tools/assetgen/faces.h"

namespace {

constexpr Rgba kWhite = rgb(240, 240, 232);
constexpr Rgba kGold = rgb(236, 190, 48);

struct HeadShape {
  float cx, cy, rx, ry;
  float eyeLeft, eyeRight, eyeY, mouthY;
};

HeadShape shapeOf(Head head) {
  switch (head) {
    case Head::Wide: return {20, 22, 13, 10, 14, 26, 20, 27};
    case Head::Long: return {20, 21, 9, 12, 16, 24, 19, 27};
    case Head::Skull: return {20, 19, 10, 10, 15.5f, 24.5f, 19, 27};
    case Head::Round: break;
  }
  return {20, 21, 10.5f, 11, 15.5f, 24.5f, 20, 27};
}

void paintBody(Canvas& c, const FaceSpec& f) {
  if (f.clothes.a == 0) return;
  c.ellipse(20, 41, 15, 8, f.clothes);
  c.ellipse(20, 39, 12, 3, shade(f.clothes, 1.15f));
  if (f.extra == Extra::Stripes) {
    for (int y = 34; y < 40; y += 3) c.rect(5, y, 30, 1, kInk);
  }
  if (f.extra == Extra::Tie) c.polygon({{19, 33}, {21, 33}, {22, 38}, {20, 40}, {18, 38}}, f.extraColour);
  if (f.extra == Extra::Bowtie) {
    c.triangle(20, 34.5f, 15, 32, 15, 37, f.extraColour);
    c.triangle(20, 34.5f, 25, 32, 25, 37, f.extraColour);
  }
  if (f.extra == Extra::Apron) c.rect(14, 34, 12, 6, kWhite);
}

void paintBehindHead(Canvas& c, const FaceSpec& f, const HeadShape& h) {
  if (f.extra == Extra::Flames) {
    const Rgba orange = rgb(240, 120, 30), yellow = rgb(250, 210, 60);
    for (int i = 0; i < 5; ++i) {
      const float x = 8 + i * 6;
      c.triangle(x - 4, 24, x + 4, 24, x + (i % 2 ? 1 : -1), 3 + (i % 2) * 4, orange);
      c.triangle(x - 2, 24, x + 2, 24, x, 9 + (i % 2) * 4, yellow);
    }
  }
  if (f.top == Top::Hood) c.ellipse(h.cx, h.cy - 1, h.rx + 4, h.ry + 5, f.topColour);
  if (f.ears == Ears::Pointy) {
    c.triangle(h.cx - h.rx + 2, h.eyeY - 2, h.cx - h.rx + 2, h.eyeY + 4, h.cx - h.rx - 7, h.eyeY - 6, f.skin);
    c.triangle(h.cx + h.rx - 2, h.eyeY - 2, h.cx + h.rx - 2, h.eyeY + 4, h.cx + h.rx + 7, h.eyeY - 6, f.skin);
  } else if (f.ears == Ears::Round) {
    c.disc(h.cx - h.rx, h.eyeY + 1, 3, f.skin);
    c.disc(h.cx + h.rx, h.eyeY + 1, 3, f.skin);
  }
  if (f.top == Top::Hair) c.ellipse(h.cx, h.cy - 3, h.rx + 1, h.ry - 1, f.topColour);
}

void paintHead(Canvas& c, const FaceSpec& f, const HeadShape& h) {
  c.ellipse(h.cx, h.cy, h.rx, h.ry, f.skin);
  if (f.head == Head::Skull) c.rect(14, 24, 12, 7, f.skin);
  // A soft shadow on the lower right gives the head some roundness.
  c.ellipse(h.cx + 3, h.cy + 4, h.rx - 4, h.ry - 5, withAlpha(shade(f.skin, 0.8f), 90));
  if (f.top == Top::Hair) c.ellipse(h.cx, h.cy - h.ry + 4, h.rx, 5, f.topColour);
}

void paintEye(Canvas& c, const FaceSpec& f, float x, float y, bool left) {
  const int ix = static_cast<int>(x), iy = static_cast<int>(y);
  switch (f.eyes) {
    case Eyes::Dots:
      c.rect(ix - 1, iy - 1, 2, 3, kInk);
      c.plot(ix - 1, iy - 1, kWhite);
      break;
    case Eyes::Angry:
      c.rect(ix - 1, iy, 2, 2, kInk);
      if (left) c.line(x - 3, y - 3, x + 2, y - 1, kInk);
      else c.line(x - 2, y - 1, x + 3, y - 3, kInk);
      break;
    case Eyes::Glow:
      c.rect(ix - 2, iy - 1, 4, 3, f.eyeColour);
      c.rect(ix - 1, iy, 2, 1, shade(f.eyeColour, 1.6f));
      break;
    case Eyes::Glasses:
      c.ring(x, y + 0.5f, 3.5f, 1, f.eyeColour);
      c.rect(ix - 1, iy, 2, 2, kInk);
      if (left) c.line(x + 3, y, x + 6, y, f.eyeColour);
      break;
    case Eyes::Mask:
      c.rect(ix - 4, iy - 2, 8, 5, rgb(30, 30, 36));
      c.rect(ix - 1, iy, 2, 1, kWhite);
      break;
    case Eyes::Crossed:
      c.line(x - 1.5f, y - 1.5f, x + 1.5f, y + 1.5f, kInk);
      c.line(x - 1.5f, y + 1.5f, x + 1.5f, y - 1.5f, kInk);
      break;
    case Eyes::Sleepy:
      c.rect(ix - 2, iy, 4, 1, kInk);
      break;
    case Eyes::Hollow:
      c.disc(x, y, 3, kInk);
      c.rect(ix - 1, iy - 1, 2, 2, f.eyeColour);
      break;
  }
}

void paintMouth(Canvas& c, const FaceSpec& f, const HeadShape& h) {
  const float y = h.mouthY;
  const int iy = static_cast<int>(y);
  switch (f.mouth) {
    case Mouth::Smile:
      c.rect(17, iy + 1, 6, 1, kInk);
      c.plot(16, iy, kInk);
      c.plot(23, iy, kInk);
      break;
    case Mouth::Frown:
      c.rect(17, iy, 6, 1, kInk);
      c.plot(16, iy + 1, kInk);
      c.plot(23, iy + 1, kInk);
      break;
    case Mouth::Fangs:
      c.rect(15, iy, 10, 2, kInk);
      c.triangle(16, iy + 1, 18.5f, iy + 1, 17.2f, iy + 4, kWhite);
      c.triangle(21.5f, iy + 1, 24, iy + 1, 22.8f, iy + 4, kWhite);
      break;
    case Mouth::Tusks:
      c.rect(15, iy + 1, 10, 1, kInk);
      c.triangle(14.5f, iy + 2, 17, iy + 2, 15, iy - 3, kWhite);
      c.triangle(23, iy + 2, 25.5f, iy + 2, 25, iy - 3, kWhite);
      break;
    case Mouth::Grin:
      c.rect(14, iy - 1, 12, 4, kInk);
      c.rect(15, iy - 1, 10, 1, kWhite);
      for (int x = 15; x < 25; x += 2) c.plot(x, iy + 2, kWhite);
      break;
    case Mouth::Flat:
      c.rect(17, iy, 6, 1, kInk);
      break;
    case Mouth::Open:
      c.ellipse(20, y + 0.5f, 3, 2.5f, kInk);
      c.rect(19, iy + 1, 2, 1, rgb(200, 70, 80));
      break;
    case Mouth::Teeth:
      for (int x = 15; x < 25; x += 2) c.rect(x, iy, 1, 3, kInk);
      c.rect(15, iy + 1, 10, 1, kInk);
      break;
  }
}

void paintTop(Canvas& c, const FaceSpec& f, const HeadShape& h) {
  const float top = h.cy - h.ry;
  const Rgba colour = f.topColour;
  switch (f.top) {
    case Top::None:
    case Top::Hair:
      break;
    case Top::WizardHat:
      c.ellipse(20, top + 3, 15, 3, colour);
      c.triangle(10, top + 3, 30, top + 3, 25, -2, colour);
      c.plot(22, static_cast<int>(top) - 4, kGold);
      c.rect(21, static_cast<int>(top) - 3, 3, 1, kGold);
      c.plot(22, static_cast<int>(top) - 2, kGold);
      break;
    case Top::ChefHat:
      c.rect(12, static_cast<int>(top) - 1, 16, 5, colour);
      c.disc(14, top - 3, 4, colour);
      c.disc(20, top - 5, 5, colour);
      c.disc(26, top - 3, 4, colour);
      c.rect(12, static_cast<int>(top) + 2, 16, 1, shade(colour, 0.8f));
      break;
    case Top::TopHat:
      c.rect(7, static_cast<int>(top) + 2, 26, 3, colour);
      c.rect(12, 0, 16, static_cast<int>(top) + 3, colour);
      c.rect(12, static_cast<int>(top) - 1, 16, 2, rgb(170, 40, 50));
      break;
    case Top::Mortarboard:
      c.rect(13, static_cast<int>(top), 14, 4, colour);
      c.polygon({{20, top - 6}, {35, top - 1}, {20, top + 3}, {5, top - 1}}, colour);
      c.line(20, top - 1, 31, top + 1, kGold);
      c.line(31, top + 1, 31, top + 8, kGold);
      break;
    case Top::Hood:
      c.ellipse(20, top + 3, h.rx + 2, 6, colour);
      c.rect(static_cast<int>(h.cx - h.rx) - 3, static_cast<int>(top) + 3, 4, static_cast<int>(h.ry) + 8, colour);
      c.rect(static_cast<int>(h.cx + h.rx) - 1, static_cast<int>(top) + 3, 4, static_cast<int>(h.ry) + 8, colour);
      break;
    case Top::Horns:
      c.triangle(12, top + 5, 16, top + 3, 9, top - 5, colour);
      c.triangle(28, top + 5, 24, top + 3, 31, top - 5, colour);
      break;
    case Top::BigHorns:
      c.polygon({{13, top + 6}, {17, top + 3}, {8, top - 6}, {3, top - 3}, {6, top - 9}}, colour);
      c.polygon({{27, top + 6}, {23, top + 3}, {32, top - 6}, {37, top - 3}, {34, top - 9}}, colour);
      break;
    case Top::Crown:
      c.polygon({{11, top + 3}, {11, top - 5}, {15, top - 1}, {20, top - 7}, {25, top - 1}, {29, top - 5}, {29, top + 3}}, colour);
      c.plot(20, static_cast<int>(top) - 1, rgb(220, 40, 60));
      c.plot(14, static_cast<int>(top) + 1, rgb(60, 120, 230));
      c.plot(26, static_cast<int>(top) + 1, rgb(60, 120, 230));
      break;
    case Top::PithHelmet:
      c.ellipse(20, top + 4, 15, 3, shade(colour, 0.85f));
      c.ellipse(20, top + 3, 10, 7, colour);
      c.rect(10, static_cast<int>(top) + 3, 20, 2, shade(colour, 0.7f));
      break;
    case Top::Bandana:
      c.rect(static_cast<int>(h.cx - h.rx), static_cast<int>(top) + 2, static_cast<int>(2 * h.rx), 5, colour);
      c.ellipse(20, top + 3, h.rx, 4, colour);
      c.triangle(h.cx + h.rx - 1, top + 4, h.cx + h.rx + 6, top + 1, h.cx + h.rx + 5, top + 8, colour);
      for (int x = 13; x < 28; x += 4) c.plot(x, static_cast<int>(top) + 4, kWhite);
      break;
    case Top::Helmet:
      c.ellipse(20, top + 5, h.rx + 1, 7, colour);
      c.rect(static_cast<int>(h.cx - h.rx) - 1, static_cast<int>(top) + 5, static_cast<int>(2 * h.rx) + 2, 3, colour);
      c.rect(19, static_cast<int>(top) + 5, 2, 9, colour);
      c.rect(15, static_cast<int>(top) + 1, 10, 1, shade(colour, 1.3f));
      break;
    case Top::Combover:
      c.ellipse(20, top + 3, h.rx - 1, 3, colour);
      for (int x = 13; x < 27; x += 3) c.line(x, top + 1, x + 3, top + 4, shade(colour, 0.7f));
      break;
  }
}

void paintExtra(Canvas& c, const FaceSpec& f, const HeadShape& h) {
  const Rgba colour = f.extraColour;
  switch (f.extra) {
    case Extra::Beard:
      c.polygon({{11, h.mouthY - 3}, {29, h.mouthY - 3}, {27, h.mouthY + 6}, {20, h.mouthY + 11}, {13, h.mouthY + 6}}, colour);
      c.rect(16, static_cast<int>(h.mouthY), 8, 1, kInk);
      break;
    case Extra::Moustache:
      c.ellipse(17, h.mouthY - 1.5f, 3.5f, 1.5f, colour);
      c.ellipse(23, h.mouthY - 1.5f, 3.5f, 1.5f, colour);
      break;
    case Extra::Tentacles:
      for (int i = 0; i < 4; ++i) {
        const float x = 14 + i * 4;
        c.line(x, h.mouthY - 1, x + (i % 2 ? 2 : -2), h.mouthY + 5, colour, 2);
        c.line(x + (i % 2 ? 2 : -2), h.mouthY + 5, x, h.mouthY + 10, colour, 2);
      }
      break;
    case Extra::Stitches:
      c.line(11, h.cy - 5, 22, h.cy - 2, kInk);
      for (int x = 12; x < 22; x += 3) c.line(x, h.cy - 6.5f + (x - 11) * 0.27f, x, h.cy - 2.5f + (x - 11) * 0.27f, kInk);
      break;
    case Extra::Stubble:
      for (int y = static_cast<int>(h.mouthY) - 2; y < h.cy + h.ry - 1; y += 2)
        for (int x = 13 + (y % 4 == 0); x < 28; x += 2) c.plot(x, y, withAlpha(kInk, 120));
      break;
    case Extra::ThirdEye:
      c.ellipse(20, h.eyeY - 6, 2.5f, 1.8f, kWhite);
      c.rect(19, static_cast<int>(h.eyeY) - 7, 2, 2, colour);
      break;
    case Extra::BigNose:
      c.ellipse(20, (h.eyeY + h.mouthY) / 2 + 1, 3.5f, 3, shade(f.skin, 0.85f));
      break;
    case Extra::Tear:
      c.rect(static_cast<int>(h.eyeLeft) - 1, static_cast<int>(h.eyeY) + 2, 1, 3, rgb(110, 180, 250));
      c.rect(static_cast<int>(h.eyeLeft) - 1, static_cast<int>(h.eyeY) + 5, 2, 2, rgb(110, 180, 250));
      break;
    default:
      break;
  }
}

}  // namespace

void paintFace(Canvas& layer, const FaceSpec& face) {
  const HeadShape h = shapeOf(face.head);
  paintBody(layer, face);
  paintBehindHead(layer, face, h);
  paintHead(layer, face, h);
  if (face.extra == Extra::BigNose || face.extra == Extra::Beard) paintExtra(layer, face, h);
  paintEye(layer, face, h.eyeLeft, h.eyeY, true);
  paintEye(layer, face, h.eyeRight, h.eyeY, false);
  paintMouth(layer, face, h);
  if (face.extra != Extra::BigNose && face.extra != Extra::Beard) paintExtra(layer, face, h);
  paintTop(layer, face, h);
}
