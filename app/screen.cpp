#include "app/screen.h"

#include <cmath>
#include <climits>

#include "app/frame_rules.h"
#include "app/picture_words.h"
#include "app/status_lines.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

const char* const kItalicFontFile = "Font/Monego-Italic.otf";
const char* const kMonoFontFile = "Font/Monaco Regular.ttf";

const sf::Color kGrey(150, 150, 150, 255);
const sf::Color kBoxFill(40, 40, 40, 255);

// Compass tiles around the portrait, by direction 0 north then clockwise.
const sf::Vector2f kCompassPlaces[8] = {{430, 96},  {470, 96},  {470, 136}, {470, 176},
                                        {430, 176}, {390, 176}, {390, 136}, {390, 96}};

sf::Vector2f slotPlace(int i, float top) { return {24.f + 48.f * static_cast<float>(i), top}; }
sf::Vector2f achievementPlace(int k) {
  return {50.f + 100.f * static_cast<float>(k % 6), 32.f + 84.f * static_cast<float>(k / 6)};
}

void setUpText(sf::Text& text, const sf::Font& font, unsigned size, sf::Color colour, sf::Vector2f place,
               const std::string& content) {
  text.setFont(font);
  text.setCharacterSize(size);
  text.setFillColor(colour);
  text.setPosition(place);
  text.setString(content);
}

// A stat shown as a whole number: the value cut toward zero. A factor of 0
// can make a division endless, which is shown as the largest number rather
// than as garbage.
int shownStat(float value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<float>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<float>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

ClickArea areaOf(const sf::Sprite& sprite, sf::Vector2f place) {
  const sf::Texture* texture = sprite.getTexture();
  const sf::Vector2u size = texture ? texture->getSize() : sf::Vector2u(0, 0);
  return {place.x, place.y, static_cast<float>(size.x), static_cast<float>(size.y)};
}

// The hero's status, gear and gold are hidden while a name is asked for,
// at start-up or to load a save.
bool heroShown(const GameState& state) { return !state.namePromptOpen && !state.loadPromptOpen; }

bool skillLocked(const Action& skill) { return skill.cooldownLeft > 0 || skill.uses >= skill.useLimit; }

// Shows a loaded picture; one that failed to load leaves the sprite as it
// was. The first picture a sprite gets decides its rectangle; later ones
// keep it.
void showShared(sf::Sprite& sprite, const sf::Texture* texture) {
  if (texture) sprite.setTexture(*texture, false);
}

}  // namespace

void Screen::setPicture(sf::Sprite& sprite, const std::string& file) { showShared(sprite, textures_.texture(file)); }

void Screen::setWord(sf::Sprite& sprite, const std::string& word) { setPicture(sprite, picturePath(word)); }

void Screen::keepGlyphsSharp() {
  // Pixel fonts at these sizes look best unsmoothed. The font grows its glyph
  // pages (smoothed again) as new characters appear, so this is redone.
  const_cast<sf::Texture&>(italicFont_.getTexture(16)).setSmooth(false);
  const_cast<sf::Texture&>(monoFont_.getTexture(18)).setSmooth(false);
  const_cast<sf::Texture&>(monoFont_.getTexture(20)).setSmooth(false);
}

void Screen::load(const std::string& firstReply) {
  italicFont_.loadFromFile(kItalicFontFile);
  monoFont_.loadFromFile(kMonoFontFile);

  setUpText(replyText_, italicFont_, 16, sf::Color::White, {18, 290}, firstReply);
  setUpText(inputText_, monoFont_, 20, kGrey, {28, 440}, "");
  setUpText(promptMarker_, monoFont_, 20, kGrey, {15, 440}, "> ");
  setUpText(playerStatusText_, monoFont_, 20, sf::Color::White, {48, 120}, "");
  setUpText(enemyStatusText_, monoFont_, 20, sf::Color::White, {48, 200}, "");
  setUpText(panelStatTextLeft_, monoFont_, 20, sf::Color::White, {392, 20}, ": ");
  setUpText(panelStatTextRight_, monoFont_, 20, sf::Color::White, {502, 20}, ": ");
  setUpText(panelCountText_, monoFont_, 18, sf::Color::White, {592, 56}, "");
  keepGlyphsSharp();

  replyBox_.setSize({620, 190});
  replyBox_.setPosition(10, 280);
  replyBox_.setFillColor(kBoxFill);
  replyBox_.setOutlineColor(kGrey);
  replyBox_.setOutlineThickness(5);
  inputSeparator_.setSize({620, 5});
  inputSeparator_.setPosition(10, 430);
  inputSeparator_.setFillColor(kGrey);

  backgroundSprite_.setPosition(350, 56);
  setWord(backgroundSprite_, "bground");
  helpPicture_.setPosition(170, 90);
  setWord(helpPicture_, "needHelp");
  const float effectLeft[2] = {28, 8};
  for (int i = 0; i < 2; ++i) {
    playerEffectIcons_[i].setPosition(effectLeft[i], 126);
    setWord(playerEffectIcons_[i], "blank");
    enemyEffectIcons_[i].setPosition(effectLeft[i], 206);
    setWord(enemyEffectIcons_[i], "blank");
  }
  // The numbers, the lock and the frame are read once and shared by every
  // sprite that shows them, so a missing one is reported once.
  std::array<const sf::Texture*, 18> numbers{};
  for (int k = 0; k < 18; ++k) numbers[k] = textures_.texture(picturePath(kNumberWords[k]));
  const sf::Texture* const lock = textures_.texture(picturePath("locked"));
  const sf::Texture* const frame = textures_.texture(picturePath("zero"));

  for (int i = 0; i < 6; ++i) {
    inventorySlotNumbers_[i].setPosition(slotPlace(i, 16));
    showShared(inventorySlotNumbers_[i], numbers[i]);
    skillSlotNumbers_[i].setPosition(slotPlace(i, 64));
    showShared(skillSlotNumbers_[i], numbers[i]);
  }
  weaponFrame_.setPosition(350, 12);
  showShared(weaponFrame_, frame);
  armorFrame_.setPosition(460, 12);
  showShared(armorFrame_, frame);
  for (int i = 0; i < 6; ++i) {
    inventoryIcons_[i].setPosition(slotPlace(i, 16));
    setWord(inventoryIcons_[i], "blank");
    skillIcons_[i].setPosition(slotPlace(i, 64));
    setWord(skillIcons_[i], "blank");
    skillLockOverlays_[i].setPosition(slotPlace(i, 64));
    showShared(skillLockOverlays_[i], lock);
  }
  weaponIcon_.setPosition(350, 12);
  setWord(weaponIcon_, "blank");
  armorIcon_.setPosition(460, 12);
  setWord(armorIcon_, "blank");
  goldIcon_.setPosition(573, 12);
  setWord(goldIcon_, "gcount");
  playerPortrait_.setPosition(430, 136);
  setWord(playerPortrait_, "player");
  for (int i = 0; i < 8; ++i) {
    compassIcons_[i].setPosition(kCompassPlaces[i]);
    setWord(compassIcons_[i], "blank");
  }
  secretIcon_.setPosition(573, 136);
  setWord(secretIcon_, "blank");
  for (int k = 0; k < 18; ++k) {
    achievementNumberIcons_[k].setPosition(achievementPlace(k));
    showShared(achievementNumberIcons_[k], numbers[k]);
    achievementPictures_[k].setPosition(achievementPlace(k));
    setWord(achievementPictures_[k], "locked");
  }
}

void Screen::showReply(const std::string& reply) { replyText_.setString(reply); }

void Screen::showInputLine(const std::string& line) { inputText_.setString(line); }

void Screen::buildStatusLines(const GameState& state, const PlayerRecord& player) {
  playerStatusText_.setString(playerStatusLine(player.name, player.quibblent, player.hp, player.maxHp));
  const Creature& enemy = state.currentEnemy;
  enemyStatusText_.setString(enemyStatusLine(enemy.type, enemy.quibblent, enemy.hp, enemy.maxHp));
}

void Screen::refreshPanel(const GameState& state, const PlayerRecord& player, const Floor& floorRecord,
                          int screenMode) {
  keepGlyphsSharp();
  panelStatTextLeft_.setString(
      player.wieldsSwordOfKings
          ? ": ??"
          : ": " + std::to_string(shownStat(static_cast<float>(player.attack) * player.attackFactor)));
  panelStatTextRight_.setString(
      ": " + std::to_string(shownStat(static_cast<float>(player.defence) / player.damageTakenFactor)));
  panelCountText_.setString(std::to_string(player.gold));
  panelCountText_.setOrigin(panelCountText_.getLocalBounds().width / 2.f, 0.f);

  if (const auto word = portraitWord(state, player)) setWord(playerPortrait_, *word);
  setWord(backgroundSprite_, backgroundWord(floorRecord.floorNumber));

  const EffectWords playerEffects = playerEffectWords(player);
  setWord(playerEffectIcons_[0], playerEffects.inner);
  if (playerEffects.outer) setWord(playerEffectIcons_[1], *playerEffects.outer);
  const EffectWords enemyEffects = enemyEffectWords(state);
  setWord(enemyEffectIcons_[0], enemyEffects.inner);
  if (enemyEffects.outer) setWord(enemyEffectIcons_[1], *enemyEffects.outer);

  for (std::size_t i = 0; i < 6; ++i) {
    // The counts and names are parallel lists; a damaged save could make
    // them disagree, so neither is read past its end.
    if (i < player.inventoryCounts.size() && player.inventoryCounts[i] > 0 && i < player.inventoryNames.size()) {
      if (const auto word = inventoryWord(player.inventoryNames[i])) setWord(inventoryIcons_[i], *word);
    }
    if (i < player.skills.size()) {
      if (const auto word = skillWord(player.skills[i].name)) setWord(skillIcons_[i], *word);
    }
  }

  if (heroShown(state)) {
    setWord(weaponIcon_, weaponWord(player));
    setWord(armorIcon_, armorWord(player));
  }

  for (int i = 0; i < 8; ++i) {
    const TilePicture picture = tilePicture(floorRecord, i, screenMode);
    compassIcons_[i].setColor(sf::Color(255, 255, 255, picture.alpha));
    setPicture(compassIcons_[i], picture.file);
  }

  if (const auto word = secretIconWord(floorRecord)) setWord(secretIcon_, *word);
}

void Screen::refreshAchievements(const GameState& state) {
  for (int k = 0; k < 18; ++k) {
    if (const auto word = achievementWord(state, k)) setWord(achievementPictures_[k], *word);
  }
}

void Screen::draw(sf::RenderTarget& target, GameState& state, const PlayerRecord& player,
                  const Floor& floorRecord, const FrameInputs& inputs) {
  if (inputs.screenMode < 5) {
    target.draw(replyBox_);
    target.draw(inputSeparator_);
    target.draw(inputText_);
    target.draw(promptMarker_);
  }
  target.draw(replyText_);

  if (state.achievementsViewerOpen > 0) {
    if (state.refreshSprites) {
      state.refreshSprites = false;
      refreshAchievements(state);
    }
    for (int k = 0; k < 18; ++k) {
      target.draw(achievementNumberIcons_[k]);
      target.draw(achievementPictures_[k]);
    }
    return;
  }

  if (heroShown(state) && inputs.screenMode < 3) target.draw(playerStatusText_);
  if (state.combatState > 0) target.draw(enemyStatusText_);
  if (state.refreshSprites) {
    state.refreshSprites = false;
    refreshPanel(state, player, floorRecord, inputs.screenMode);
  }
  drawPanel(target, state, player, inputs);
}

void Screen::drawPanel(sf::RenderTarget& target, GameState& state, const PlayerRecord& player,
                       const FrameInputs& inputs) {
  const int mode = inputs.screenMode;
  if (mode < 2) target.draw(backgroundSprite_);
  if (mode < 4) target.draw(playerPortrait_);
  if (mode < 1) {
    target.draw(playerEffectIcons_[0]);
    target.draw(playerEffectIcons_[1]);
    target.draw(enemyEffectIcons_[0]);
    target.draw(enemyEffectIcons_[1]);
  }

  // The colour shows from the next frame on; then it fades toward white.
  const auto player1 = statusColourBytes(state.textColour1);
  const auto enemy2 = statusColourBytes(state.textColour2);
  playerStatusText_.setFillColor(sf::Color(player1[0], player1[1], player1[2], player1[3]));
  enemyStatusText_.setFillColor(sf::Color(enemy2[0], enemy2[1], enemy2[2], enemy2[3]));
  fadeStatusColour(state.textColour1, inputs.frameMillis);
  fadeStatusColour(state.textColour2, inputs.frameMillis);

  if (mode < 1) {
    for (std::size_t i = 0; i < 6; ++i) {
      target.draw(inventorySlotNumbers_[i]);
      target.draw(skillSlotNumbers_[i]);
      if (i < player.inventoryCounts.size() && player.inventoryCounts[i] > 0) target.draw(inventoryIcons_[i]);
      if (i < player.skills.size()) {
        target.draw(skillIcons_[i]);
        if (skillLocked(player.skills[i])) target.draw(skillLockOverlays_[i]);
      }
    }
  }

  if (heroShown(state) && mode < 1) {
    target.draw(weaponFrame_);
    target.draw(armorFrame_);
    target.draw(weaponIcon_);
    target.draw(armorIcon_);
    target.draw(goldIcon_);
    target.draw(panelStatTextLeft_);
    target.draw(panelStatTextRight_);
    target.draw(panelCountText_);
  }

  for (const sf::Sprite& icon : compassIcons_) target.draw(icon);
  if (mode < 1) target.draw(secretIcon_);
  if (helpPictureDue(state.firstCombatHint, state.namePromptOpen, state.pendingPrompt, inputs.secondsSinceInput)) {
    target.draw(helpPicture_);
  }
}

ClickLayout Screen::clickLayout() const {
  ClickLayout layout;
  layout.portrait = areaOf(playerPortrait_, playerPortrait_.getPosition());
  for (int i = 0; i < 6; ++i) {
    layout.inventorySlots[i] = areaOf(inventoryIcons_[i], inventorySlotNumbers_[i].getPosition());
    layout.skillSlots[i] = areaOf(skillIcons_[i], skillSlotNumbers_[i].getPosition());
  }
  for (int i = 0; i < 8; ++i) layout.compassTiles[i] = areaOf(compassIcons_[i], compassIcons_[i].getPosition());
  layout.secret = areaOf(secretIcon_, secretIcon_.getPosition());
  return layout;
}
