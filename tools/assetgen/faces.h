#pragma once
// Heads of people and monsters, built from a few parts so that a row of data
// describes a whole portrait: skin, head shape, eyes, mouth, ears, headwear
// and one extra feature.
#include "tools/assetgen/canvas.h"

enum class Head { Round, Wide, Long, Skull };
enum class Eyes { Dots, Angry, Glow, Glasses, Mask, Crossed, Sleepy, Hollow };
enum class Mouth { Smile, Frown, Fangs, Tusks, Grin, Flat, Open, Teeth };
enum class Ears { None, Pointy, Round };
enum class Top { None, Hair, WizardHat, ChefHat, TopHat, Mortarboard, Hood, Horns, BigHorns, Crown, PithHelmet, Bandana, Helmet, Combover };
enum class Extra { None, Beard, Moustache, Tie, Tentacles, Stitches, Stubble, Stripes, ThirdEye, BigNose, Flames, Bowtie, Apron, Tear };

struct FaceSpec {
  Rgba skin;
  Head head;
  Rgba clothes;  // shoulders; fully clear for none
  Eyes eyes;
  Rgba eyeColour;
  Mouth mouth;
  Ears ears;
  Top top;
  Rgba topColour;
  Extra extra;
  Rgba extraColour;
};

// Paints the face on a clear 40x40 layer (not yet outlined).
void paintFace(Canvas& layer, const FaceSpec& face);
