#pragma once
// Paints every picture of the game's catalog in one pixel-art style: a card
// whose colour tells the kind (items blue, skills amber, monsters red, people
// purple, tile features green, secret rooms stone, achievements gold), with a
// dark-rimmed drawing on it.
#include <string_view>

#include "app/picture_catalog.h"
#include "tools/assetgen/canvas.h"

// The finished picture of a catalog row, at the row's size.
Canvas paintPicture(const PictureEntry& entry);
// Whether the generator knows how to draw this word (every catalog word must).
bool canPaint(std::string_view word);
