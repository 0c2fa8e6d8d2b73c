#include "tools/assetgen/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string>

#include "tools/assetgen/faces.h"

namespace {

// Palette shared by the painters.
constexpr Rgba kWhite = rgb(240, 240, 232);
constexpr Rgba kBone = rgb(226, 218, 190);
constexpr Rgba kGold = rgb(236, 190, 48);
constexpr Rgba kGoldDark = rgb(176, 126, 30);
constexpr Rgba kSteel = rgb(186, 196, 210);
constexpr Rgba kSteelDark = rgb(110, 120, 138);
constexpr Rgba kWood = rgb(150, 96, 52);
constexpr Rgba kWoodDark = rgb(100, 62, 34);
constexpr Rgba kLeather = rgb(128, 78, 40);
constexpr Rgba kRed = rgb(214, 52, 52);
constexpr Rgba kGreen = rgb(86, 186, 72);
constexpr Rgba kBlue = rgb(70, 130, 230);
constexpr Rgba kWater = rgb(90, 170, 240);
constexpr Rgba kPurple = rgb(150, 80, 200);
constexpr Rgba kParchment = rgb(232, 214, 160);
constexpr Rgba kStone = rgb(140, 140, 150);
constexpr Rgba kOrange = rgb(240, 130, 30);
constexpr Rgba kYellow = rgb(250, 216, 70);

// ---------------------------------------------------------------- cards

// Columns: kind, fill at the top, fill at the bottom, border.
struct CardStyle {
  PictureKind kind;
  Rgba top, bottom, border;
};
const CardStyle kCardStyles[] = {
    {PictureKind::Item, rgb(40, 58, 104), rgb(22, 30, 60), rgb(96, 136, 214)},
    {PictureKind::Skill, rgb(96, 66, 24), rgb(54, 36, 14), rgb(226, 172, 64)},
    {PictureKind::TileFeature, rgb(44, 72, 44), rgb(24, 40, 26), rgb(112, 170, 96)},
    {PictureKind::Creature, rgb(92, 30, 30), rgb(50, 16, 18), rgb(200, 76, 64)},
    {PictureKind::Character, rgb(70, 38, 96), rgb(36, 20, 52), rgb(170, 110, 214)},
    {PictureKind::Portrait, rgb(28, 76, 84), rgb(14, 40, 46), rgb(96, 198, 200)},
    {PictureKind::SecretRoom, rgb(46, 46, 58), rgb(26, 26, 34), rgb(130, 130, 160)},
    {PictureKind::Achievement, rgb(92, 70, 18), rgb(48, 34, 8), rgb(246, 206, 70)},
    {PictureKind::Gear, rgb(60, 64, 74), rgb(34, 36, 44), rgb(150, 160, 178)},
    {PictureKind::Number, rgb(52, 52, 60), rgb(32, 32, 38), rgb(104, 104, 116)},
};

Canvas card(PictureKind kind) {
  Canvas c(kIconSide, kIconSide);
  for (const CardStyle& style : kCardStyles) {
    if (style.kind != kind) continue;
    c.roundRect(0, 0, 40, 40, style.border, 2);
    c.verticalGradient(2, 2, 36, 36, style.top, style.bottom);
    c.rect(2, 1, 36, 1, shade(style.border, 1.3f));
    if (kind == PictureKind::SecretRoom) {
      // Rough bricks: the room behind the wall.
      for (int row = 0; row < 6; ++row) {
        const int y = 3 + row * 6;
        c.rect(2, y, 36, 1, withAlpha(kInk, 110));
        for (int x = 2 + (row % 2) * 5; x < 38; x += 10) c.rect(x, y, 1, 6, withAlpha(kInk, 110));
      }
    }
    if (kind == PictureKind::Achievement) {
      for (int i = 0; i < 5; ++i) {
        c.ellipse(5 + i * 0.6f, 32 - i * 5, 1.5f, 2.5f, rgb(120, 170, 60));
        c.ellipse(35 - i * 0.6f, 32 - i * 5, 1.5f, 2.5f, rgb(120, 170, 60));
      }
    }
  }
  return c;
}

// ------------------------------------------------------------- shapes
// Drawings reused by several pictures; each draws on a clear layer.

void potionBottle(Canvas& c, Rgba liquid, float cx = 20) {
  c.rect(static_cast<int>(cx) - 3, 6, 6, 8, rgb(200, 220, 230, 200));
  c.rect(static_cast<int>(cx) - 4, 4, 8, 3, kWood);
  c.disc(cx, 24, 10, rgb(200, 220, 230, 200));
  c.ellipse(cx, 26, 9, 7.5f, liquid);
  c.rect(static_cast<int>(cx) - 8, 21, 16, 1, shade(liquid, 1.4f));
  c.disc(cx - 4, 20, 2, rgb(255, 255, 255, 180));
}

void bottleFace(Canvas& c, Rgba liquid, bool happy, bool tear) {
  potionBottle(c, liquid);
  c.rect(15, 24, 2, 3, kInk);
  c.rect(23, 24, 2, 3, kInk);
  if (happy) {
    c.rect(18, 30, 4, 1, kInk);
    c.plot(17, 29, kInk);
    c.plot(22, 29, kInk);
  } else {
    c.rect(18, 29, 4, 1, kInk);
    c.plot(17, 30, kInk);
    c.plot(22, 30, kInk);
  }
  if (tear) c.rect(14, 27, 2, 3, rgb(150, 210, 255));
}

void scrollRoll(Canvas& c) {
  c.rect(10, 10, 20, 20, kParchment);
  c.ellipse(20, 10, 12, 3, shade(kParchment, 0.85f));
  c.ellipse(20, 30, 12, 3, shade(kParchment, 0.85f));
  for (int y = 15; y < 27; y += 3) c.rect(13, y, 14 - (y % 2) * 4, 1, rgb(120, 90, 60));
  c.disc(24, 27, 2.5f, kRed);
}

void barrelShape(Canvas& c) {
  c.ellipse(20, 21, 12, 15, kWood);
  c.rect(8, 8, 24, 26, kWood);
  c.ellipse(20, 8, 12, 3, kWoodDark);
  c.ellipse(20, 8, 10, 2, rgb(70, 44, 24));
  for (int x = 13; x < 30; x += 5) c.rect(x, 10, 1, 24, kWoodDark);
  c.rect(7, 13, 26, 2, kSteelDark);
  c.rect(7, 28, 26, 2, kSteelDark);
}

void fountainShape(Canvas& c, bool water) {
  c.ellipse(20, 31, 16, 5, kStone);
  c.ellipse(20, 29, 14, 3, water ? kWater : rgb(90, 80, 70));
  c.rect(18, 14, 4, 15, kStone);
  c.ellipse(20, 14, 7, 2.5f, kStone);
  if (water) {
    c.line(20, 12, 20, 4, kWater, 2);
    c.line(20, 5, 12, 12, rgb(150, 210, 250), 1);
    c.line(20, 5, 28, 12, rgb(150, 210, 250), 1);
  } else {
    c.line(8, 30, 13, 33, kInk);
    c.line(26, 28, 29, 33, kInk);
    c.line(15, 18, 18, 22, shade(kStone, 0.6f));
  }
}

void coinPile(Canvas& c) {
  c.ellipse(20, 31, 15, 5, kGoldDark);
  c.ellipse(20, 27, 11, 6, kGold);
  c.ellipse(20, 22, 6, 4, kGold);
  for (const auto& [x, y] : {std::pair{12, 30}, {27, 29}, {19, 24}, {23, 20}, {15, 26}}) {
    c.ellipse(x, y, 3, 1.8f, shade(kGold, 1.2f));
    c.plot(x, y, kGoldDark);
  }
  c.plot(28, 15, kWhite);
  c.rect(27, 16, 3, 1, kWhite);
}

void chestShape(Canvas& c, bool open) {
  if (open) {
    c.rect(7, 10, 26, 8, kWoodDark);
    c.ellipse(20, 19, 12, 4, kGold);
    c.disc(15, 17, 2, shade(kGold, 1.2f));
    c.disc(25, 17, 2, shade(kGold, 1.2f));
  } else {
    c.ellipse(20, 17, 13, 5, kWood);
  }
  c.rect(7, 18, 26, 14, kWood);
  c.rect(7, 18, 26, 2, kGoldDark);
  c.rect(7, 30, 26, 2, kGoldDark);
  c.rect(18, 20, 4, 5, kGold);
  c.rect(19, 22, 2, 2, kInk);
}

void skullShape(Canvas& c, Rgba bone, Rgba eye, float cx = 20, float cy = 18, float size = 1.0f) {
  c.disc(cx, cy, 9 * size, bone);
  c.rect(static_cast<int>(cx - 5 * size), static_cast<int>(cy + 5 * size), static_cast<int>(10 * size), static_cast<int>(6 * size), bone);
  c.disc(cx - 3.5f * size, cy + 1, 2.5f * size, kInk);
  c.disc(cx + 3.5f * size, cy + 1, 2.5f * size, kInk);
  c.plot(static_cast<int>(cx - 3.5f * size), static_cast<int>(cy + 1), eye);
  c.plot(static_cast<int>(cx + 3.5f * size), static_cast<int>(cy + 1), eye);
  c.triangle(cx - 1, cy + 6 * size, cx + 1, cy + 6 * size, cx, cy + 4 * size, kInk);
  for (float x = cx - 4 * size; x < cx + 4 * size; x += 2) c.rect(static_cast<int>(x), static_cast<int>(cy + 8 * size), 1, static_cast<int>(3 * size), kInk);
}

// A blade from the hilt at (x0, y0) towards (x1, y1).
void blade(Canvas& c, float x0, float y0, float x1, float y1, Rgba metal, float width, Rgba guard, Rgba grip) {
  const float dx = x1 - x0, dy = y1 - y0;
  const float length = std::hypot(dx, dy);
  const float ux = dx / length, uy = dy / length;
  c.line(x0, y0, x1 - ux * 2, y1 - uy * 2, metal, width);
  c.line(x1 - ux * 3, y1 - uy * 3, x1, y1, metal, std::max(1.0f, width - 1));
  c.line(x0 + ux, y0 + uy, x1 - ux * 3, y1 - uy * 3, shade(metal, 1.35f), 1);
  c.line(x0 - uy * 5, y0 + ux * 5, x0 + uy * 5, y0 - ux * 5, guard, 2);
  c.line(x0, y0, x0 - ux * 7, y0 - uy * 7, grip, 2);
  c.disc(x0 - ux * 8, y0 - uy * 8, 1.5f, guard);
}

// A shirt-like body for the armors, `colour` with a darker trim.
void torso(Canvas& c, Rgba colour, bool sleeves) {
  std::vector<std::pair<float, float>> body = {{12, 6}, {16, 8}, {24, 8}, {28, 6}, {34, 10}, {31, 15}, {29, 14}, {29, 34}, {11, 34}, {11, 14}, {9, 15}, {6, 10}};
  if (!sleeves) body = {{12, 6}, {16, 8}, {24, 8}, {28, 6}, {30, 10}, {29, 34}, {11, 34}, {10, 10}};
  c.polygon(body, colour);
  c.ellipse(20, 8, 4, 2.5f, shade(colour, 0.55f));
  c.line(20, 10, 20, 33, shade(colour, 0.8f));
}

void bolt(Canvas& c, Rgba colour) {
  c.polygon({{24, 3}, {12, 22}, {19, 22}, {15, 37}, {29, 16}, {21, 16}, {26, 3}}, colour);
  c.line(22, 6, 15, 20, shade(colour, 1.5f));
}

void star(Canvas& c, float cx, float cy, float outer, float inner, Rgba colour) {
  std::vector<std::pair<float, float>> points;
  for (int i = 0; i < 10; ++i) {
    const float angle = -1.5708f + i * 0.6283f;
    const float r = i % 2 ? inner : outer;
    points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  c.polygon(points, colour);
}

void flame(Canvas& c, float cx, float cy, float size) {
  c.polygon({{cx - 6 * size, cy}, {cx - 4 * size, cy - 7 * size}, {cx - 1 * size, cy - 4 * size}, {cx, cy - 12 * size}, {cx + 3 * size, cy - 5 * size}, {cx + 5 * size, cy - 8 * size}, {cx + 6 * size, cy}}, kOrange);
  c.ellipse(cx, cy - 1 * size, 6 * size, 3 * size, kOrange);
  c.polygon({{cx - 3 * size, cy}, {cx - 1 * size, cy - 6 * size}, {cx + 1 * size, cy - 3 * size}, {cx + 3 * size, cy}}, kYellow);
}

void book(Canvas& c, Rgba cover) {
  c.rect(9, 6, 22, 28, cover);
  c.rect(9, 6, 3, 28, shade(cover, 0.7f));
  c.rect(12, 31, 19, 3, kParchment);
  c.rect(12, 33, 19, 1, shade(kParchment, 0.8f));
}

void hand(Canvas& c, Rgba skin) {
  c.roundRect(12, 16, 16, 16, skin, 2);
  for (int i = 0; i < 4; ++i) c.roundRect(12 + i * 4, 6 + (i == 1 || i == 2 ? -1 : 2), 3, 12, skin, 1);
  c.roundRect(5, 20, 9, 4, skin, 1);
  for (int i = 1; i < 4; ++i) c.rect(11 + i * 4, 12, 1, 6, shade(skin, 0.75f));
}


// A small sign over a portrait's shoulder: what the person offers.
void speechSign(Canvas& c, Rgba bubble, Rgba ink, std::string_view sign) {
  c.disc(33, 8, 6, bubble);
  c.triangle(28, 10, 32, 12, 25, 17, bubble);
  c.textCentred(34, 6, sign, ink);
}

void coinBadge(Canvas& c) {
  c.disc(33, 33, 5, kGold);
  c.ring(33, 33, 5, 1, kGoldDark);
  c.textCentred(34, 31, "$", kGoldDark);
}

// ------------------------------------------------------------- faces

// Columns: word, skin, head, clothes, eyes, eye colour, mouth, ears, top, top colour, extra, extra colour.
struct FaceRow {
  std::string_view word;
  FaceSpec face;
};

constexpr Rgba kSkin = rgb(238, 190, 150);
constexpr Rgba kPale = rgb(214, 210, 196);
constexpr Rgba kNone = kClear;

const FaceRow kFaces[] = {
    {"player", {kSkin, Head::Round, rgb(70, 110, 170), Eyes::Dots, kNone, Mouth::Smile, Ears::Round, Top::Hair, rgb(120, 74, 40), Extra::None, kNone}},
    {"dead", {kPale, Head::Skull, rgb(70, 70, 80), Eyes::Hollow, rgb(90, 90, 90), Mouth::Teeth, Ears::None, Top::None, kNone, Extra::None, kNone}},
    {"academic", {kSkin, Head::Round, rgb(60, 60, 80), Eyes::Glasses, rgb(40, 40, 50), Mouth::Flat, Ears::Round, Top::Mortarboard, rgb(36, 36, 44), Extra::None, kNone}},
    {"convict", {rgb(224, 170, 130), Head::Wide, kWhite, Eyes::Angry, kNone, Mouth::Frown, Ears::Round, Top::None, kNone, Extra::Stripes, kNone}},
    {"opportunist", {kSkin, Head::Long, rgb(40, 40, 60), Eyes::Dots, kNone, Mouth::Smile, Ears::Round, Top::TopHat, rgb(30, 30, 38), Extra::Moustache, rgb(90, 56, 30)}},
    {"zombie", {rgb(140, 180, 120), Head::Round, rgb(96, 80, 70), Eyes::Crossed, kNone, Mouth::Open, Ears::Round, Top::None, kNone, Extra::Stitches, kNone}},

    {"goblin", {rgb(120, 190, 80), Head::Round, rgb(110, 80, 50), Eyes::Angry, kNone, Mouth::Grin, Ears::Pointy, Top::None, kNone, Extra::None, kNone}},
    {"ogre", {rgb(170, 170, 90), Head::Wide, rgb(120, 90, 60), Eyes::Dots, kNone, Mouth::Tusks, Ears::Round, Top::None, kNone, Extra::BigNose, kNone}},
    {"wizard", {kSkin, Head::Long, rgb(60, 80, 170), Eyes::Dots, kNone, Mouth::Flat, Ears::None, Top::WizardHat, rgb(60, 80, 170), Extra::Beard, rgb(230, 230, 230)}},
    {"orc", {rgb(110, 140, 100), Head::Wide, rgb(90, 70, 60), Eyes::Angry, kNone, Mouth::Tusks, Ears::Pointy, Top::Helmet, kSteelDark, Extra::None, kNone}},
    {"accountant", {kSkin, Head::Round, rgb(80, 80, 96), Eyes::Glasses, rgb(40, 40, 50), Mouth::Flat, Ears::Round, Top::Combover, rgb(90, 70, 50), Extra::Tie, rgb(180, 40, 40)}},
    {"rogue", {kSkin, Head::Round, rgb(50, 50, 56), Eyes::Mask, kNone, Mouth::Smile, Ears::None, Top::Hood, rgb(60, 60, 66), Extra::None, kNone}},
    {"explorer", {kSkin, Head::Round, rgb(170, 150, 100), Eyes::Dots, kNone, Mouth::Smile, Ears::Round, Top::PithHelmet, rgb(214, 196, 140), Extra::Moustache, rgb(130, 80, 40)}},
    {"chef", {kSkin, Head::Round, kWhite, Eyes::Angry, kNone, Mouth::Open, Ears::Round, Top::ChefHat, kWhite, Extra::Moustache, rgb(60, 40, 30)}},
    {"warlock", {rgb(200, 190, 210), Head::Long, rgb(70, 30, 100), Eyes::Glow, rgb(170, 80, 240), Mouth::Flat, Ears::None, Top::Hood, rgb(80, 36, 120), Extra::None, kNone}},
    {"deepgoblin", {rgb(60, 120, 110), Head::Round, rgb(40, 40, 60), Eyes::Glow, rgb(250, 220, 60), Mouth::Fangs, Ears::Pointy, Top::None, kNone, Extra::None, kNone}},
    {"liche", {kBone, Head::Skull, rgb(60, 30, 80), Eyes::Hollow, rgb(80, 230, 230), Mouth::Teeth, Ears::None, Top::Crown, kGold, Extra::None, kNone}},
    {"troll", {rgb(110, 140, 170), Head::Wide, rgb(100, 80, 60), Eyes::Dots, kNone, Mouth::Tusks, Ears::Round, Top::None, kNone, Extra::BigNose, kNone}},
    {"demon", {rgb(200, 60, 50), Head::Round, rgb(60, 20, 20), Eyes::Glow, rgb(250, 220, 60), Mouth::Fangs, Ears::Pointy, Top::Horns, rgb(60, 40, 40), Extra::None, kNone}},
    {"archaccountant", {kSkin, Head::Round, rgb(40, 40, 50), Eyes::Glasses, kGold, Mouth::Grin, Ears::Round, Top::Crown, kGold, Extra::Tie, kGold}},
    {"necromancer", {rgb(190, 196, 180), Head::Long, rgb(30, 30, 36), Eyes::Glow, rgb(90, 240, 110), Mouth::Frown, Ears::None, Top::Hood, rgb(34, 34, 40), Extra::None, kNone}},
    {"cthuloid", {rgb(90, 150, 110), Head::Long, rgb(50, 70, 60), Eyes::Glow, rgb(250, 230, 80), Mouth::Flat, Ears::None, Top::None, kNone, Extra::Tentacles, rgb(70, 130, 90)}},
    {"deeptroll", {rgb(90, 70, 130), Head::Wide, rgb(50, 40, 60), Eyes::Glow, rgb(250, 120, 60), Mouth::Tusks, Ears::Round, Top::None, kNone, Extra::BigNose, kNone}},
    {"hellsatan", {rgb(180, 30, 30), Head::Round, rgb(40, 10, 10), Eyes::Glow, rgb(250, 240, 80), Mouth::Fangs, Ears::Pointy, Top::BigHorns, rgb(40, 30, 30), Extra::Flames, kNone}},

    {"worgleton", {rgb(190, 150, 210), Head::Wide, rgb(230, 230, 240), Eyes::Dots, kNone, Mouth::Grin, Ears::Pointy, Top::Combover, rgb(250, 120, 180), Extra::Bowtie, rgb(220, 40, 120)}},
    {"seer", {kSkin, Head::Long, rgb(110, 60, 140), Eyes::Sleepy, kNone, Mouth::Flat, Ears::None, Top::Hood, rgb(120, 70, 160), Extra::ThirdEye, rgb(80, 200, 240)}},
    {"nohat", {kSkin, Head::Round, kWhite, Eyes::Dots, kNone, Mouth::Frown, Ears::Round, Top::None, kNone, Extra::Tear, kNone}},
    {"groggum", {rgb(150, 200, 110), Head::Wide, rgb(120, 80, 50), Eyes::Dots, kNone, Mouth::Grin, Ears::Pointy, Top::Bandana, rgb(200, 50, 50), Extra::Apron, kNone}},
    {"flayer", {rgb(170, 120, 190), Head::Long, rgb(60, 30, 70), Eyes::Glow, rgb(250, 250, 250), Mouth::Flat, Ears::None, Top::None, kNone, Extra::Tentacles, rgb(150, 100, 170)}},

};

// ----------------------------------------------------- custom painters

using Paint = void (*)(Canvas&);

// Each of these draws on a clear 40x40 layer; the card and rim come later.
const struct {
  std::string_view word;
  Paint paint;
} kPainters[] = {
    // Items.
    {"potion", [](Canvas& c) { potionBottle(c, kRed); }},
    {"potion2", [](Canvas& c) {
       potionBottle(c, kPurple);
       star(c, 20, 26, 5, 2, kGold);
       c.plot(8, 10, kWhite); c.plot(31, 14, kWhite); c.plot(30, 32, kWhite);
     }},
    {"grog", [](Canvas& c) {
       c.rect(9, 12, 18, 22, kWood);
       for (int x = 12; x < 27; x += 5) c.rect(x, 12, 1, 22, kWoodDark);
       c.rect(9, 15, 18, 2, kSteelDark); c.rect(9, 29, 18, 2, kSteelDark);
       c.ring(28, 23, 6, 2, kWood);
       c.ellipse(18, 11, 11, 4, kWhite); c.disc(12, 9, 3, kWhite); c.disc(22, 8, 4, kWhite);
     }},
    {"match", [](Canvas& c) {
       c.line(12, 34, 26, 14, rgb(220, 190, 130), 3);
       c.disc(27, 12, 3, kRed);
       flame(c, 28, 9, 0.6f);
     }},
    {"kerosene", [](Canvas& c) {
       c.roundRect(9, 12, 22, 24, kRed, 2);
       c.rect(9, 12, 22, 2, shade(kRed, 0.7f));
       c.line(26, 11, 31, 5, kSteelDark, 3);
       c.rect(13, 8, 8, 4, shade(kRed, 0.7f));
       c.roundRect(13, 18, 14, 12, kYellow, 1);
       c.textCentred(20, 22, "K", kInk);
     }},
    {"lsd", [](Canvas& c) {
       const Rgba bands[] = {kRed, kOrange, kYellow, kGreen, kBlue, kPurple};
       c.rect(8, 8, 24, 24, kWhite);
       for (int i = 0; i < 6; ++i) c.ring(20, 20, 11.5f - i * 2, 2, bands[i]);
       c.disc(20, 20, 2, kWhite);
       c.rect(20, 8, 1, 24, withAlpha(kInk, 60)); c.rect(8, 20, 24, 1, withAlpha(kInk, 60));
     }},
    {"morality", [](Canvas& c) {
       c.rect(19, 8, 2, 24, kGold);
       c.rect(12, 32, 16, 3, kGold);
       c.rect(8, 10, 24, 2, kGold);
       c.line(9, 11, 6, 22, kGoldDark); c.line(9, 11, 12, 22, kGoldDark);
       c.line(31, 11, 28, 22, kGoldDark); c.line(31, 11, 34, 22, kGoldDark);
       c.ellipse(9, 23, 5, 2, kGold); c.ellipse(31, 23, 5, 2, kGold);
       c.ring(20, 6, 3, 1, kYellow);
     }},
    {"airhorn", [](Canvas& c) {
       c.roundRect(8, 16, 12, 20, kRed, 2);
       c.rect(8, 20, 12, 3, kWhite);
       c.rect(11, 12, 6, 4, kSteelDark);
       c.polygon({{16, 12}, {33, 4}, {35, 14}, {17, 15}}, kWhite);
       c.line(30, 20, 36, 24, kYellow); c.line(29, 24, 34, 30, kYellow);
     }},
    {"salt", [](Canvas& c) {
       c.polygon({{12, 34}, {28, 34}, {26, 12}, {14, 12}}, kWhite);
       c.ellipse(20, 11, 6, 4, kSteel);
       for (int x = 17; x < 24; x += 3) c.plot(x, 9, kInk);
       c.textCentred(20, 21, "S", rgb(100, 120, 150), 2);
     }},
    {"psnarrow", [](Canvas& c) {
       c.line(8, 32, 28, 12, kWood, 2);
       c.triangle(27, 9, 33, 7, 31, 13, kGreen);
       c.triangle(8, 32, 4, 30, 10, 26, kRed); c.triangle(8, 32, 10, 36, 14, 30, kRed);
       c.disc(33, 16, 1.5f, kGreen); c.disc(34, 20, 1, kGreen);
     }},
    {"pepper", [](Canvas& c) {
       c.polygon({{12, 10}, {22, 10}, {28, 20}, {30, 34}, {24, 28}, {14, 20}}, kRed);
       c.line(15, 12, 20, 20, shade(kRed, 1.4f));
       c.line(17, 10, 15, 4, kGreen, 2); c.rect(11, 8, 12, 3, kGreen);
       c.rect(17, 17, 2, 2, kInk); c.rect(22, 19, 2, 2, kInk);
     }},
    {"stapleremover", [](Canvas& c) {
       c.polygon({{6, 16}, {30, 14}, {34, 18}, {20, 20}, {6, 20}}, rgb(40, 40, 46));
       c.polygon({{6, 24}, {20, 22}, {34, 24}, {30, 28}, {6, 28}}, rgb(40, 40, 46));
       for (int x = 24; x < 34; x += 3) {
         c.triangle(x, 20, x + 2, 20, x + 1, 23, kSteel);
         c.triangle(x, 24, x + 2, 24, x + 1, 21, kSteel);
       }
       c.disc(7, 22, 3, kSteelDark);
     }},
    {"antibiotics", [](Canvas& c) {
       c.line(11, 29, 29, 11, kWhite, 10);
       c.line(11, 29, 20, 20, kRed, 10);
       c.line(13, 24, 18, 19, rgb(255, 255, 255, 160), 2);
     }},
    {"calculator", [](Canvas& c) {
       c.roundRect(9, 4, 22, 32, rgb(80, 84, 96), 2);
       c.rect(12, 7, 16, 7, rgb(160, 200, 150));
       c.text(17, 8, "42", rgb(40, 60, 40));
       for (int row = 0; row < 4; ++row)
         for (int col = 0; col < 3; ++col) c.rect(12 + col * 6, 17 + row * 5, 4, 3, row == 3 && col == 2 ? kOrange : kWhite);
     }},
    {"laughgas", [](Canvas& c) {
       c.roundRect(12, 10, 16, 26, kBlue, 3);
       c.rect(17, 5, 6, 5, kSteelDark);
       c.rect(22, 6, 6, 2, kSteelDark);
       c.disc(20, 23, 5, kYellow);
       c.plot(18, 21, kInk); c.plot(22, 21, kInk);
       c.rect(18, 25, 5, 1, kInk); c.plot(17, 24, kInk); c.plot(23, 24, kInk);
       c.disc(32, 6, 2, rgb(220, 230, 240, 180)); c.disc(35, 11, 1.5f, rgb(220, 230, 240, 180));
     }},
    {"contract", [](Canvas& c) {
       c.rect(9, 5, 22, 30, kParchment);
       for (int y = 9; y < 24; y += 3) c.rect(12, y, 16, 1, rgb(120, 100, 70));
       c.line(12, 29, 16, 26, kInk); c.line(16, 26, 19, 29, kInk); c.line(19, 29, 24, 26, kInk);
       c.disc(27, 31, 3.5f, kRed);
     }},
    {"wistome", [](Canvas& c) {
       book(c, rgb(50, 90, 190));
       star(c, 21, 18, 7, 3, kGold);
       c.rect(12, 8, 19, 1, kGold); c.rect(12, 28, 19, 1, kGold);
     }},
    {"vortex", [](Canvas& c) {
       for (float t = 0; t < 18; t += 0.05f) {
         const float r = 1 + t * 0.9f;
         const Rgba colour = static_cast<int>(t * 2) % 3 == 0 ? rgb(200, 150, 250) : kPurple;
         c.disc(20 + r * std::cos(t), 20 + r * std::sin(t), 1.6f, colour);
       }
       c.disc(20, 20, 2, kInk);
     }},
    {"necronomicon", [](Canvas& c) {
       book(c, rgb(70, 30, 30));
       skullShape(c, kBone, kRed, 21, 17, 0.7f);
       c.line(12, 7, 12, 32, rgb(130, 60, 50));
     }},
    {"teleporter", [](Canvas& c) {
       c.roundRect(10, 16, 20, 20, kSteelDark, 2);
       c.rect(13, 19, 14, 6, rgb(60, 220, 200));
       c.disc(15, 30, 2, kRed); c.disc(25, 30, 2, kGreen);
       c.line(20, 16, 20, 8, kSteel, 2);
       c.disc(20, 7, 2, kYellow);
       c.ring(20, 7, 6, 1, rgb(60, 220, 200, 200)); c.ring(20, 7, 10, 1, rgb(60, 220, 200, 120));
     }},
    {"ghostbuster", [](Canvas& c) {
       c.ellipse(20, 18, 9, 10, kWhite);
       c.rect(11, 18, 18, 10, kWhite);
       for (int x = 11; x < 29; x += 6) c.triangle(x, 28, x + 6, 28, x + 3, 32, kWhite);
       c.disc(17, 17, 1.5f, kInk); c.disc(23, 17, 1.5f, kInk);
       c.ring(20, 20, 17, 3, kRed);
       c.line(8, 32, 32, 8, kRed, 3);
     }},
    {"hat", [](Canvas& c) {
       c.rect(11, 22, 18, 10, kWhite);
       c.disc(13, 17, 6, kWhite); c.disc(20, 14, 7, kWhite); c.disc(27, 17, 6, kWhite);
       c.rect(11, 29, 18, 2, rgb(200, 200, 200));
       c.line(16, 20, 16, 28, rgb(210, 210, 210)); c.line(24, 20, 24, 28, rgb(210, 210, 210));
     }},

    // Skills.
    {"tackle", [](Canvas& c) {
       c.polygon({{4, 16}, {20, 16}, {20, 10}, {32, 20}, {20, 30}, {20, 24}, {4, 24}}, kOrange);
       c.rect(33, 6, 4, 28, kStone);
       c.line(28, 8, 33, 12, kYellow); c.line(28, 32, 33, 28, kYellow);
       c.line(2, 12, 10, 12, kWhite); c.line(2, 28, 10, 28, kWhite);
     }},
    {"pissoff", [](Canvas& c) {
       hand(c, kSkin);
       c.line(31, 8, 37, 4, kWhite, 2); c.line(33, 16, 38, 16, kWhite, 2); c.line(31, 24, 37, 28, kWhite, 2);
     }},
    {"megapunch", [](Canvas& c) {
       star(c, 27, 20, 13, 6, kYellow);
       c.roundRect(6, 12, 18, 16, kRed, 3);
       c.rect(4, 16, 5, 8, rgb(200, 40, 40));
       for (int i = 0; i < 3; ++i) c.rect(12 + i * 4, 13, 1, 6, shade(kRed, 0.6f));
       c.rect(10, 22, 10, 1, shade(kRed, 0.6f));
     }},
    {"examine", [](Canvas& c) {
       c.line(24, 24, 34, 34, kWoodDark, 4);
       c.disc(17, 17, 11, kSteelDark);
       c.disc(17, 17, 8.5f, rgb(170, 220, 250));
       c.disc(14, 14, 2.5f, kWhite);
     }},
    {"infer", [](Canvas& c) {
       c.disc(20, 16, 10, kYellow);
       c.rect(15, 24, 10, 5, kYellow);
       c.rect(15, 29, 10, 5, kSteelDark); c.rect(15, 31, 10, 1, kSteel);
       c.line(17, 21, 20, 15, kOrange); c.line(20, 15, 23, 21, kOrange);
       c.disc(16, 12, 2, kWhite);
     }},
    {"pickpocket", [](Canvas& c) {
       c.ellipse(14, 26, 11, 10, kLeather);
       c.rect(10, 14, 8, 4, shade(kLeather, 0.7f));
       c.textCentred(14, 23, "$", kGold, 2);
       c.polygon({{24, 8}, {36, 4}, {38, 10}, {30, 16}, {24, 18}}, kSkin);
       c.line(26, 18, 22, 22, kSkin, 2);
     }},
    {"negotiate", [](Canvas& c) {
       c.roundRect(3, 5, 20, 14, kWhite, 2);
       c.triangle(8, 18, 13, 18, 6, 23, kWhite);
       c.textCentred(13, 9, "$$", kGoldDark);
       c.roundRect(17, 19, 20, 14, kParchment, 2);
       c.triangle(27, 32, 32, 32, 34, 37, kParchment);
       c.textCentred(27, 23, "OK", kGreen);
     }},
    {"sneakatk", [](Canvas& c) {
       c.ellipse(20, 18, 14, 14, rgb(30, 30, 40));
       c.rect(13, 15, 4, 2, kYellow); c.rect(23, 15, 4, 2, kYellow);
       blade(c, 12, 32, 32, 22, kSteel, 2, kGoldDark, kWoodDark);
     }},
    {"magicbolt", [](Canvas& c) {
       c.line(4, 36, 18, 22, rgb(200, 150, 250, 160), 4);
       star(c, 24, 16, 13, 5, kPurple);
       star(c, 24, 16, 6, 2.5f, rgb(230, 200, 255));
     }},
    {"stunbolt", [](Canvas& c) { bolt(c, kYellow); }},
    {"firebolt", [](Canvas& c) {
       c.triangle(2, 38, 16, 18, 24, 28, rgb(240, 120, 30, 150));
       c.disc(24, 16, 10, kOrange);
       c.disc(26, 14, 6, kYellow);
       c.disc(27, 13, 2, kWhite);
     }},
    {"heal", [](Canvas& c) {
       c.rect(15, 6, 10, 28, kGreen);
       c.rect(6, 15, 28, 10, kGreen);
       c.rect(17, 8, 2, 24, shade(kGreen, 1.4f));
       c.plot(5, 6, kWhite); c.plot(33, 32, kWhite); c.plot(34, 7, kWhite);
     }},
    {"eat", [](Canvas& c) {
       c.ellipse(16, 16, 11, 9, rgb(170, 90, 40));
       c.ellipse(14, 14, 7, 5, rgb(200, 120, 60));
       c.line(23, 23, 31, 31, kBone, 3);
       c.disc(32, 30, 2.5f, kBone); c.disc(30, 33, 2.5f, kBone);
     }},
    {"preach", [](Canvas& c) {
       for (int i = 0; i < 7; ++i) {
         const float a = 3.1416f + i * 0.5236f;
         c.line(20, 22, 20 + 18 * std::cos(a), 22 + 18 * std::sin(a), rgb(250, 230, 120, 150), 2);
       }
       c.polygon({{4, 24}, {20, 28}, {36, 24}, {36, 34}, {20, 37}, {4, 34}}, kWhite);
       c.line(20, 28, 20, 37, rgb(170, 170, 170));
       c.rect(19, 10, 2, 12, kGold); c.rect(15, 13, 10, 2, kGold);
     }},
    {"swap", [](Canvas& c) {
       c.ring(20, 20, 13, 4, kGreen);
       for (int x = 4; x < 37; ++x)
         for (int y = 18; y < 22; ++y) c.put(x, y, kClear);
       c.triangle(30, 18, 38, 18, 34, 24, kGreen);
       c.triangle(2, 22, 10, 22, 6, 16, kGreen);
       c.textCentred(20, 16, "QBL", kWhite);
     }},
    {"piss", [](Canvas& c) {
       c.ellipse(20, 33, 14, 4, kYellow);
       c.disc(20, 18, 7, kYellow);
       c.triangle(13.5f, 16, 26.5f, 16, 20, 4, kYellow);
       c.disc(18, 17, 2, rgb(255, 250, 200));
       c.disc(9, 24, 2, kYellow); c.disc(31, 22, 2, kYellow);
     }},

    // Weapons and armor.
    {"dagger", [](Canvas& c) { blade(c, 14, 26, 28, 12, kSteel, 3, kGoldDark, kWoodDark); }},
    {"sword", [](Canvas& c) { blade(c, 12, 28, 33, 7, kSteel, 3, kGoldDark, kWoodDark); }},
    {"scimitar", [](Canvas& c) {
       c.polygon({{12, 27}, {20, 15}, {30, 8}, {35, 6}, {31, 12}, {24, 21}, {15, 29}}, kSteel);
       c.line(15, 25, 30, 9, shade(kSteel, 1.35f));
       c.line(8, 23, 16, 31, kGoldDark, 2);
       c.line(12, 28, 6, 34, kWoodDark, 2);
     }},
    {"rapier", [](Canvas& c) {
       c.line(13, 27, 35, 5, kSteel, 1.5f);
       c.ring(12, 28, 5, 1.5f, kGold);
       c.line(12, 28, 6, 34, kWoodDark, 2);
     }},
    {"katana", [](Canvas& c) {
       c.polygon({{13, 27}, {26, 15}, {34, 5}, {34, 8}, {28, 16}, {15, 29}}, kSteel);
       c.line(14, 27, 33, 6, kWhite);
       c.disc(12, 28, 3, kGoldDark);
       c.line(11, 29, 5, 35, rgb(40, 40, 60), 3);
       for (int i = 0; i < 3; ++i) c.plot(9 - i * 2, 31 + i * 2, kWhite);
     }},
    {"greatsword", [](Canvas& c) { blade(c, 11, 29, 34, 6, kSteel, 5, kSteelDark, kLeather); }},
    {"lsword", [](Canvas& c) {
       c.line(14, 26, 34, 6, rgb(80, 240, 250, 110), 6);
       c.line(14, 26, 34, 6, rgb(170, 250, 255), 3);
       c.line(14, 26, 34, 6, kWhite, 1);
       c.line(7, 33, 14, 26, kSteelDark, 4);
       c.line(8, 32, 13, 27, kSteel, 1);
       c.plot(11, 29, kRed);
     }},
    {"stablord", [](Canvas& c) {
       blade(c, 12, 28, 32, 8, rgb(220, 230, 250), 4, kPurple, rgb(40, 40, 40));
       c.text(3, 3, "TM", kYellow);
       c.plot(30, 22, kWhite); c.rect(29, 23, 3, 1, kWhite); c.plot(30, 24, kWhite);
     }},
    {"dragontongue", [](Canvas& c) {
       c.polygon({{12, 27}, {18, 18}, {17, 14}, {23, 14}, {25, 8}, {30, 8}, {35, 3}, {31, 12}, {27, 13}, {25, 19}, {20, 21}, {15, 29}}, kRed);
       c.line(14, 26, 30, 9, kOrange);
       c.line(8, 23, 16, 31, kGoldDark, 2);
       c.line(12, 28, 6, 34, kWoodDark, 2);
     }},
    {"kingsword", [](Canvas& c) {
       c.line(12, 28, 34, 6, rgb(255, 240, 160, 90), 8);
       blade(c, 12, 28, 33, 7, kGold, 3, kGoldDark, rgb(120, 30, 40));
       c.disc(12, 28, 2, kRed);
       c.plot(4, 6, kWhite); c.plot(30, 30, kWhite);
     }},
    {"empty", [](Canvas& c) {
       // Bare hands or bare skin: a faint open hand.
       hand(c, rgb(150, 150, 164, 170));
     }},
    {"tunic", [](Canvas& c) { torso(c, rgb(190, 170, 130), true); }},
    {"leather", [](Canvas& c) {
       torso(c, kLeather, false);
       for (int y = 14; y < 33; y += 5) c.rect(12, y, 16, 1, shade(kLeather, 0.7f));
       c.disc(17, 12, 1, kGold); c.disc(23, 12, 1, kGold);
     }},
    {"armor", [](Canvas& c) {
       torso(c, kSteelDark, false);
       c.ellipse(20, 18, 7, 6, kSteel);
       c.rect(11, 27, 18, 2, kSteel);
     }},
    {"chainmail", [](Canvas& c) {
       torso(c, kSteelDark, true);
       for (int y = 11; y < 34; y += 2)
         for (int x = 10 + (y % 4 == 1); x < 30; x += 2) c.plot(x, y, kSteel);
     }},
    {"platemail", [](Canvas& c) {
       torso(c, kSteel, false);
       c.ellipse(9, 10, 5, 4, kSteel); c.ellipse(31, 10, 5, 4, kSteel);
       c.line(14, 14, 26, 14, kWhite); c.rect(11, 22, 18, 1, kSteelDark); c.rect(11, 28, 18, 1, kSteelDark);
       c.disc(20, 18, 2, kGold);
     }},
    {"kevlar", [](Canvas& c) {
       torso(c, rgb(44, 50, 44), false);
       c.rect(12, 20, 7, 6, rgb(70, 80, 70)); c.rect(21, 20, 7, 6, rgb(70, 80, 70));
       c.rect(12, 20, 7, 1, rgb(100, 110, 100)); c.rect(21, 20, 7, 1, rgb(100, 110, 100));
       c.rect(11, 28, 18, 2, rgb(90, 100, 90));
       star(c, 16, 14, 3, 1.3f, kGold);
     }},

    // Tile features.
    {"item", [](Canvas& c) {
       c.ellipse(20, 26, 12, 10, rgb(180, 150, 100));
       c.polygon({{14, 17}, {26, 17}, {29, 10}, {11, 10}}, rgb(180, 150, 100));
       c.rect(14, 15, 12, 2, kWoodDark);
       c.textCentred(20, 22, "?", kInk, 2);
       c.plot(32, 8, kWhite); c.rect(31, 9, 3, 1, kWhite); c.plot(32, 10, kWhite);
     }},
    {"exit", [](Canvas& c) {
       c.roundRect(8, 5, 24, 31, rgb(20, 20, 24), 4);
       for (int i = 0; i < 5; ++i) c.rect(10 + i * 2, 14 + i * 4, 20 - i * 4, 3, shade(kStone, 1.0f - i * 0.12f));
       c.frame(7, 4, 26, 33, kStone, 1);
     }},
    {"truexit", [](Canvas& c) {
       c.roundRect(8, 5, 24, 31, rgb(255, 240, 170), 4);
       c.roundRect(11, 8, 18, 28, kWhite, 3);
       c.frame(7, 4, 26, 33, kGold, 1);
       for (int i = 0; i < 4; ++i) c.rect(11 + i * 2, 22 + i * 4, 18 - i * 4, 2, kGold);
       star(c, 20, 14, 4, 2, kGold);
     }},
    {"finaldoor", [](Canvas& c) {
       c.roundRect(7, 3, 26, 34, rgb(90, 20, 20), 6);
       c.rect(19, 6, 2, 31, rgb(50, 10, 10));
       for (int y = 10; y < 34; y += 8) c.rect(8, y, 24, 2, kSteelDark);
       c.disc(16, 22, 1.5f, kGold); c.disc(24, 22, 1.5f, kGold);
       c.disc(20, 6, 2.5f, rgb(250, 60, 60));
     }},
    {"hintman", [](Canvas& c) {
       paintFace(c, FaceSpec{kSkin, Head::Round, rgb(110, 100, 80), Eyes::Dots, kNone, Mouth::Smile, Ears::None, Top::Hood, rgb(120, 110, 90), Extra::Beard, rgb(220, 220, 220)});
       speechSign(c, kWhite, kInk, "?");
     }},
    {"doomhint", [](Canvas& c) {
       paintFace(c, FaceSpec{kBone, Head::Skull, rgb(60, 10, 10), Eyes::Hollow, rgb(250, 60, 40), Mouth::Teeth, Ears::None, Top::Hood, rgb(110, 20, 20), Extra::None, kNone});
       speechSign(c, kRed, kWhite, "!");
     }},
    {"wombleton", [](Canvas& c) {
       paintFace(c, FaceSpec{rgb(240, 200, 170), Head::Wide, rgb(70, 100, 70), Eyes::Glasses, kGold, Mouth::Smile, Ears::Round, Top::TopHat, rgb(70, 50, 40), Extra::Bowtie, rgb(60, 140, 220)});
       coinBadge(c);
     }},
    {"gerard", [](Canvas& c) {
       paintFace(c, FaceSpec{kSkin, Head::Round, rgb(150, 110, 70), Eyes::Dots, kNone, Mouth::Smile, Ears::Round, Top::Hair, rgb(50, 40, 30), Extra::Moustache, rgb(50, 40, 30)});
       coinBadge(c);
     }},
    {"jimmy", [](Canvas& c) { bottleFace(c, kRed, true, false); }},
    {"scroll", [](Canvas& c) { scrollRoll(c); }},
    {"barrel", [](Canvas& c) { barrelShape(c); }},
    {"fountain", [](Canvas& c) { fountainShape(c, true); }},
    {"dryfount", [](Canvas& c) { fountainShape(c, false); }},
    {"gold", [](Canvas& c) { coinPile(c); }},
    {"treasure", [](Canvas& c) { chestShape(c, true); }},
    {"statue", [](Canvas& c) {
       c.rect(10, 31, 20, 6, shade(kStone, 0.8f));
       c.rect(14, 19, 12, 12, kStone);
       c.disc(20, 13, 6, kStone);
       c.line(14, 21, 8, 10, kStone, 3);
       c.rect(17, 12, 2, 1, shade(kStone, 0.6f)); c.rect(22, 12, 2, 1, shade(kStone, 0.6f));
     }},

    // Creatures that are not a head.
    {"blob", [](Canvas& c) {
       c.ellipse(20, 26, 16, 11, rgb(110, 200, 90, 230));
       c.disc(13, 19, 5, rgb(110, 200, 90, 230)); c.disc(25, 16, 6, rgb(110, 200, 90, 230));
       c.disc(15, 22, 3, kWhite); c.disc(25, 20, 3.5f, kWhite);
       c.disc(16, 23, 1.5f, kInk); c.disc(26, 21, 1.5f, kInk);
       c.ellipse(20, 30, 5, 2, rgb(40, 90, 40));
       c.disc(9, 28, 1.5f, rgb(200, 250, 190)); c.disc(30, 30, 1, rgb(200, 250, 190));
     }},
    {"coelocanth", [](Canvas& c) {
       c.ellipse(19, 20, 15, 9, rgb(70, 90, 150));
       c.triangle(32, 20, 39, 12, 39, 28, rgb(70, 90, 150));
       c.triangle(16, 12, 24, 12, 22, 5, rgb(60, 80, 130)); c.triangle(16, 28, 24, 28, 20, 35, rgb(60, 80, 130));
       for (int i = 0; i < 6; ++i) c.disc(14 + i * 3.5f, 17 + (i % 2) * 5, 1.2f, rgb(230, 230, 250));
       c.disc(9, 18, 2.5f, kWhite); c.disc(8.5f, 18, 1.2f, kInk);
       c.rect(5, 23, 6, 1, kInk);
     }},
    {"ghast", [](Canvas& c) {
       c.ellipse(20, 17, 12, 13, rgb(210, 230, 240, 220));
       c.rect(8, 17, 24, 14, rgb(210, 230, 240, 220));
       for (int x = 8; x < 32; x += 6) c.triangle(x, 30, x + 6, 30, x + 3, 37, rgb(210, 230, 240, 220));
       c.ellipse(15, 16, 2.5f, 4, kInk); c.ellipse(25, 16, 2.5f, 4, kInk);
       c.ellipse(20, 26, 3, 3, kInk);
     }},
    {"dragon", [](Canvas& c) {
       const Rgba scale = rgb(60, 150, 70);
       c.polygon({{6, 14}, {14, 8}, {28, 10}, {36, 18}, {36, 26}, {24, 28}, {14, 32}, {6, 26}}, scale);
       c.triangle(14, 9, 18, 9, 10, 1, rgb(230, 220, 180)); c.triangle(22, 10, 26, 10, 24, 2, rgb(230, 220, 180));
       c.rect(20, 23, 16, 3, rgb(40, 100, 50));
       for (int x = 22; x < 36; x += 3) c.triangle(x, 23, x + 2, 23, x + 1, 26, kWhite);
       c.rect(14, 14, 5, 3, kYellow); c.rect(16, 14, 1, 3, kInk);
       c.disc(33, 19, 1, kInk);
       flame(c, 38, 36, 0.5f);
     }},
    {"johnny", [](Canvas& c) { bottleFace(c, rgb(80, 200, 90), false, false); c.line(13, 21, 17, 23, kInk); c.line(27, 21, 23, 23, kInk); }},
    {"generic", [](Canvas& c) {
       c.disc(20, 16, 9, rgb(120, 110, 130));
       c.ellipse(20, 37, 14, 10, rgb(120, 110, 130));
       c.textCentred(20, 9, "?", kWhite, 3);
     }},

    // Characters that are not a head.
    {"consoom", [](Canvas& c) {
       // A hungry little fire: all mouth.
       flame(c, 20, 26, 1.6f);
       c.ellipse(20, 27, 12, 10, kOrange);
       c.ellipse(20, 30, 7, 5, kInk);
       for (int x = 15; x < 26; x += 3) c.triangle(x, 25.5f, x + 2, 25.5f, x + 1, 28, kWhite);
       c.disc(15, 20, 2.5f, kWhite); c.disc(25, 20, 2.5f, kWhite);
       c.rect(15, 20, 2, 2, kInk); c.rect(24, 20, 2, 2, kInk);
     }},
    {"skull", [](Canvas& c) { skullShape(c, kBone, rgb(120, 200, 250), 20, 18, 0.85f); c.disc(31, 9, 2, rgb(250, 150, 190)); c.plot(8, 12, kWhite); }},
    {"peanut", [](Canvas& c) {
       c.disc(20, 12, 9, rgb(214, 170, 110));
       c.disc(20, 28, 10, rgb(214, 170, 110));
       c.ellipse(20, 20, 7, 5, rgb(214, 170, 110));
       for (int y = 6; y < 36; y += 4) {
         c.plot(15 + (y % 8) / 2, y, rgb(170, 130, 80));
         c.plot(25 - (y % 8) / 2, y + 2, rgb(170, 130, 80));
       }
       c.rect(16, 10, 2, 3, kInk); c.rect(22, 10, 2, 3, kInk);
       c.ellipse(20, 16, 2, 1.5f, kInk);
     }},
    {"tex", [](Canvas& c) {
       c.polygon({{20, 2}, {34, 20}, {20, 38}, {6, 20}}, rgb(110, 220, 230));
       c.polygon({{20, 6}, {30, 20}, {20, 34}, {10, 20}}, rgb(60, 160, 200));
       c.ellipse(20, 20, 7, 4, kWhite);
       c.disc(20, 20, 3, kPurple);
       c.rect(19, 19, 2, 2, kInk);
       c.plot(4, 6, kWhite); c.plot(35, 33, kWhite); c.plot(34, 5, kWhite);
     }},
    {"burger", [](Canvas& c) {
       c.ellipse(20, 14, 14, 8, rgb(210, 140, 60));
       c.rect(6, 14, 28, 3, rgb(210, 140, 60));
       for (int x = 12; x < 30; x += 5) c.plot(x, 10 + (x % 2), rgb(250, 240, 200));
       c.rect(5, 17, 30, 3, kGreen);
       c.polygon({{6, 20}, {34, 20}, {30, 25}, {24, 22}, {10, 22}}, kYellow);
       c.rect(6, 22, 28, 5, rgb(110, 60, 30));
       c.roundRect(6, 27, 28, 6, rgb(210, 140, 60), 2);
     }},
    {"evil", [](Canvas& c) {
       c.ellipse(20, 22, 15, 15, rgb(20, 10, 30, 220));
       const Rgba mark = rgb(210, 40, 60);
       for (float a = 3.4f; a < 7.3f; a += 0.05f) c.disc(20 + 7 * std::cos(a), 13 + 6 * std::sin(a), 1.8f, mark);
       c.line(20, 19, 20, 24, mark, 3.5f);
       c.disc(20, 30, 2.2f, mark);
       c.rect(9, 21, 4, 2, rgb(250, 200, 60)); c.rect(27, 21, 4, 2, rgb(250, 200, 60));
     }},

    // Secret rooms: what lies in the room, on its brick wall.
    {"sscroll", [](Canvas& c) { scrollRoll(c); }},
    {"strap", [](Canvas& c) {
       c.rect(4, 30, 32, 5, kStone);
       for (int x = 4; x < 36; x += 5) c.triangle(x, 30, x + 5, 30, x + 2.5f, 12 + (x % 3) * 3, kSteel);
       c.disc(12, 26, 2, kRed); c.disc(26, 28, 1.5f, kRed);
     }},
    {"sgold", [](Canvas& c) { coinPile(c); }},
    {"streasure", [](Canvas& c) { chestShape(c, false); }},
    {"sfount", [](Canvas& c) { fountainShape(c, true); }},
    {"sbarrel", [](Canvas& c) { barrelShape(c); }},
    {"sdry", [](Canvas& c) { fountainShape(c, false); }},
    {"scorpse", [](Canvas& c) {
       skullShape(c, kBone, kInk, 11, 24, 0.6f);
       c.line(16, 28, 34, 28, kBone, 2);
       for (int x = 19; x < 30; x += 3) c.line(x, 25, x, 31, kBone);
       c.line(30, 28, 36, 34, kBone, 2); c.line(24, 28, 28, 35, kBone, 2);
     }},
    {"scurse", [](Canvas& c) {
       c.ring(20, 20, 16, 2, rgb(160, 70, 220));
       skullShape(c, rgb(200, 170, 230), rgb(250, 60, 200), 20, 17, 0.9f);
     }},
    {"sgary", [](Canvas& c) {
       paintFace(c, FaceSpec{rgb(120, 190, 80), Head::Round, rgb(120, 50, 140), Eyes::Dots, kNone, Mouth::Grin, Ears::Pointy, Top::None, kNone, Extra::Bowtie, kGold});
     }},
    {"sgargle", [](Canvas& c) {
       paintFace(c, FaceSpec{kSkin, Head::Long, rgb(150, 40, 60), Eyes::Glasses, kGold, Mouth::Open, Ears::None, Top::WizardHat, rgb(150, 40, 60), Extra::Beard, rgb(190, 190, 190)});
     }},
    {"sempty", [](Canvas& c) {
       c.line(2, 2, 16, 16, rgb(220, 220, 220, 170)); c.line(2, 10, 12, 12, rgb(220, 220, 220, 170)); c.line(10, 2, 12, 12, rgb(220, 220, 220, 170));
       c.ring(4, 4, 6, 1, rgb(220, 220, 220, 140)); c.ring(4, 4, 10, 1, rgb(220, 220, 220, 110));
       c.disc(27, 31, 3, kStone); c.disc(32, 32, 2, shade(kStone, 0.8f));
     }},

    // Achievements of their own.
    {"jimmysad", [](Canvas& c) { bottleFace(c, kRed, false, true); }},
    {"undertale", [](Canvas& c) {
       c.disc(14, 15, 7, kRed); c.disc(26, 15, 7, kRed);
       c.triangle(7.5f, 17, 32.5f, 17, 20, 32, kRed);
       c.rect(11, 12, 3, 2, rgb(255, 150, 150));
     }},
    {"sgary2", [](Canvas& c) {
       paintFace(c, FaceSpec{rgb(120, 190, 80), Head::Round, rgb(120, 50, 140), Eyes::Dots, kNone, Mouth::Grin, Ears::Pointy, Top::Crown, kGold, Extra::Bowtie, kGold});
     }},
    {"sgargle2", [](Canvas& c) {
       paintFace(c, FaceSpec{kSkin, Head::Long, rgb(150, 40, 60), Eyes::Glasses, kGold, Mouth::Smile, Ears::None, Top::WizardHat, rgb(230, 190, 60), Extra::Beard, rgb(190, 190, 190)});
     }},
    {"lvl10", [](Canvas& c) {
       star(c, 20, 18, 16, 7, kYellow);
       c.textCentred(20, 14, "LV", kInk);
       c.textCentred(20, 21, "10", kInk);
     }},
    {"scurse2", [](Canvas& c) {
       c.ring(20, 20, 16, 2, kGold);
       skullShape(c, kGold, rgb(250, 60, 200), 20, 17, 0.9f);
     }},
};

// ------------------------------------------------------------- panel

// A cheap repeatable hash so the flagstones look irregular but never change.
std::uint32_t hashOf(int x, int y, std::uint32_t salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^ salt * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return h ^ (h >> 15);
}

Canvas floorBackground(Rgba stone, Rgba mortar, Rgba glow, std::uint32_t salt) {
  Canvas c(kBackgroundSide, kBackgroundSide, mortar);
  // Flagstones of 20 pixels, every other row shifted by half a stone.
  for (int row = 0; row < 10; ++row) {
    for (int col = -1; col < 10; ++col) {
      const int x = col * 20 + (row % 2) * 10;
      const float tint = 0.85f + (hashOf(col, row, salt) % 30) / 100.0f;
      c.rect(x + 1, row * 20 + 1, 18, 18, shade(stone, tint));
      c.rect(x + 1, row * 20 + 1, 18, 1, shade(stone, tint * 1.15f));
      if (hashOf(col, row, salt + 1) % 5 == 0) {
        const int cx = x + 4 + static_cast<int>(hashOf(col, row, salt + 2) % 10);
        c.line(cx, row * 20 + 4, cx + 4, row * 20 + 12, shade(stone, 0.6f));
      }
    }
  }
  // Light from the middle, where the player stands; darkness at the rim.
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const float d = std::hypot(x - 100.0f, y - 100.0f) / 141.0f;
      c.plot(x, y, withAlpha(kInk, static_cast<int>(std::clamp(d * d * 330.0f, 0.0f, 220.0f))));
      if (glow.a != 0 && hashOf(x / 2, y / 2, salt + 7) % 401 == 0) c.plot(x, y, glow);
    }
  }
  // The compass letters outside the 3x3 grid of tiles.
  // The 3x5 font has no clear N or W at this size, so these are drawn.
  c.rect(96, 24, 2, 10, rgb(220, 210, 170));
  c.rect(102, 24, 2, 10, rgb(220, 210, 170));
  c.line(97, 25, 103, 33, rgb(220, 210, 170), 2);
  c.textCentred(100, 166, "S", rgb(220, 210, 170), 2);
  c.line(17, 95, 19, 105, rgb(220, 210, 170), 2);
  c.line(19, 105, 22, 99, rgb(220, 210, 170), 2);
  c.line(22, 99, 25, 105, rgb(220, 210, 170), 2);
  c.line(25, 105, 27, 95, rgb(220, 210, 170), 2);
  c.textCentred(178, 95, "E", rgb(220, 210, 170), 2);
  c.frame(39, 39, 122, 122, withAlpha(kInk, 160), 1);
  return c;
}

// The bubble's place on the screen begins above the lower edge of the skill
// slots' row, which reaches this many rows into the picture; those rows stay
// clear so the slots show through.
constexpr int kHelpClearRows = 14;

Canvas helpBubble() {
  Canvas c(kHelpWidth, kHelpHeight);
  const int top = kHelpClearRows;
  const int bodyHeight = kHelpHeight - 12 - top;
  c.roundRect(0, top, kHelpWidth, bodyHeight, kInk, 5);
  c.roundRect(2, top + 2, kHelpWidth - 4, bodyHeight - 4, rgb(250, 246, 226), 4);
  c.triangle(24, kHelpHeight - 14, 44, kHelpHeight - 14, 16, kHelpHeight - 1, kInk);
  c.triangle(27, kHelpHeight - 15, 40, kHelpHeight - 15, 20, kHelpHeight - 4, rgb(250, 246, 226));
  c.textCentred(kHelpWidth / 2, top + 7, "STUCK?", rgb(170, 40, 40), 3);
  c.textCentred(kHelpWidth / 2, top + 28, "TYPE HELP", rgb(40, 40, 60), 2);
  return c;
}

Canvas panelPicture(std::string_view word) {
  if (word == "bground") return floorBackground(rgb(92, 88, 96), rgb(34, 30, 36), kClear, 1);
  if (word == "bground_2") return floorBackground(rgb(120, 44, 36), rgb(250, 120, 30), rgb(250, 200, 60, 150), 2);
  if (word == "needHelp") return helpBubble();
  Canvas c(kIconSide, kIconSide);
  if (word == "blank") return c;
  Canvas layer(kIconSide, kIconSide);
  if (word == "zero") {
    // The weapon and armor frame: the icon is drawn inside it.
    c.roundRect(0, 0, 40, 40, kSteelDark, 2);
    c.roundRect(2, 2, 36, 36, rgb(28, 30, 38, 220), 1);
    c.rect(2, 1, 36, 1, kSteel);
    return c;
  }
  if (word == "locked") {
    // Laid over a skill icon or an achievement number: dim what is beneath
    // and hang a small padlock in the corner, so the number still reads.
    c.roundRect(0, 0, 40, 40, rgb(10, 10, 16, 120), 2);
    layer.ring(32, 31, 3.5f, 1.5f, kSteel);
    layer.rect(27, 31, 10, 7, kGold);
    layer.rect(27, 31, 10, 1, shade(kGold, 1.3f));
    layer.rect(31, 33, 2, 3, kInk);
  } else if (word == "gcount") {
    layer.ellipse(20, 31, 14, 5, kGoldDark);
    for (int i = 0; i < 4; ++i) layer.ellipse(16, 30 - i * 4, 10, 4, i % 2 ? kGold : shade(kGold, 1.15f));
    layer.ellipse(28, 28, 7, 7, kGold);
    layer.textCentred(28, 26, "$", kGoldDark);
  } else if (word == "secret") {
    // Also the window icon: a hidden door with a keyhole.
    c.roundRect(0, 0, 40, 40, rgb(60, 40, 90), 4);
    layer.roundRect(9, 5, 22, 32, kWood, 6);
    for (int x = 13; x < 29; x += 5) layer.rect(x, 8, 1, 28, kWoodDark);
    layer.disc(20, 18, 3.5f, kInk);
    layer.triangle(17, 27, 23, 27, 20, 19, kInk);
    layer.disc(20, 18, 1.5f, kGold);
  } else if (word == "regen") {
    // The mark sits in the top-left corner: effect icons overlap each other.
    layer.disc(6, 7, 4, rgb(80, 220, 110));
    layer.disc(12, 7, 4, rgb(80, 220, 110));
    layer.triangle(2.2f, 8.5f, 15.8f, 8.5f, 9, 16, rgb(80, 220, 110));
    layer.rect(8, 5, 2, 7, kWhite); layer.rect(6, 7, 6, 2, kWhite);
  } else if (word == "poison") {
    layer.disc(9, 11, 6, rgb(150, 70, 200));
    layer.triangle(3.5f, 9, 14.5f, 9, 9, 1, rgb(150, 70, 200));
    layer.rect(7, 10, 2, 2, rgb(120, 250, 80)); layer.rect(10, 10, 2, 2, rgb(120, 250, 80));
    layer.rect(8, 14, 3, 1, rgb(120, 250, 80));
  } else {
    throw std::logic_error("no panel picture for " + std::string(word));
  }
  layer.outline();
  c.stamp(layer);
  return c;
}

// A slot or achievement number, in the 3x5 numerals.
Canvas numberPicture(int number) {
  const std::string numeral = std::to_string(number);
  Canvas c = card(PictureKind::Number);
  c.textCentred(21, 13, numeral, kInk, 3);
  c.textCentred(20, 12, numeral, rgb(210, 210, 220), 3);
  return c;
}

const FaceRow* faceOf(std::string_view word) {
  for (const FaceRow& row : kFaces)
    if (row.word == word) return &row;
  return nullptr;
}

Paint painterOf(std::string_view word) {
  for (const auto& row : kPainters)
    if (row.word == word) return row.paint;
  return nullptr;
}

// The number a number word stands for, or 0 for any other word.
int numberOf(std::string_view word) {
  for (std::size_t i = 0; i < std::size(kNumberWords); ++i)
    if (kNumberWords[i] == word) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

bool canPaint(std::string_view word) {
  const PictureEntry* entry = findPicture(word);
  if (!entry) return false;
  if (entry->kind == PictureKind::Panel) return true;
  if (entry->kind == PictureKind::Number) return numberOf(word) != 0;
  return faceOf(word) != nullptr || painterOf(word) != nullptr;
}

Canvas paintPicture(const PictureEntry& entry) {
  if (entry.kind == PictureKind::Panel) return panelPicture(entry.word);
  if (entry.kind == PictureKind::Number) {
    const int number = numberOf(entry.word);
    if (number == 0) throw std::logic_error("no numeral for " + std::string(entry.word));
    return numberPicture(number);
  }
  Canvas layer(kIconSide, kIconSide);
  if (const FaceRow* row = faceOf(entry.word)) {
    paintFace(layer, row->face);
  } else if (Paint paint = painterOf(entry.word)) {
    paint(layer);
  } else {
    throw std::logic_error("no painter for " + std::string(entry.word));
  }
  layer.outline();
  Canvas result = card(entry.kind);
  result.stamp(layer);
  return result;
}
