#pragma once
// Everything drawn in the window: the reply box and typed line, the status
// lines, the panel of portraits and icons, and the achievements grid. The
// pictures are picked from the records after each game step; every other
// frame only draws what is already there.
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <string>

#include "app/click_selection.h"
#include "app/texture_cache.h"

struct Floor;
struct GameState;
struct PlayerRecord;

// What the frame needs besides the records.
struct FrameInputs {
  int screenMode = 0;
  double secondsSinceInput = 0.0;
  int frameMillis = 0;
};

class Screen {
 public:
  // Loads the fonts and the start-up pictures and places everything. Run
  // from the program's folder, with a window open.
  void load(const std::string& firstReply);

  void showReply(const std::string& reply);
  void showInputLine(const std::string& line);

  // Rebuilds both status lines from the records (every frame).
  void buildStatusLines(const GameState& state, const PlayerRecord& player);
  // Draws one frame; renews the pictures first when the game step asked for it.
  void draw(sf::RenderTarget& target, GameState& state, const PlayerRecord& player, const Floor& floorRecord,
            const FrameInputs& inputs);

  // The clickable pictures where they are now, sized by the pictures shown.
  ClickLayout clickLayout() const;

  TextureCache& textures() { return textures_; }
  const sf::Text& replyText() const { return replyText_; }
  const sf::Text& playerStatusText() const { return playerStatusText_; }
  const sf::Text& panelStatTextLeft() const { return panelStatTextLeft_; }
  const sf::Text& panelStatTextRight() const { return panelStatTextRight_; }
  const sf::Text& panelCountText() const { return panelCountText_; }
  const sf::Sprite& playerPortrait() const { return playerPortrait_; }

 private:
  void refreshPanel(const GameState& state, const PlayerRecord& player, const Floor& floorRecord, int screenMode);
  void refreshAchievements(const GameState& state);
  void drawPanel(sf::RenderTarget& target, GameState& state, const PlayerRecord& player, const FrameInputs& inputs);
  // Shows the picture in `file` on `sprite`; a picture that fails to load
  // leaves the sprite as it was.
  void setPicture(sf::Sprite& sprite, const std::string& file);
  void setWord(sf::Sprite& sprite, const std::string& word);
  void keepGlyphsSharp();

  TextureCache textures_;
  sf::Font italicFont_;
  sf::Font monoFont_;

  sf::Text replyText_;
  sf::RectangleShape replyBox_;
  sf::RectangleShape inputSeparator_;
  sf::Text inputText_;
  sf::Text promptMarker_;
  sf::Text playerStatusText_;
  sf::Text enemyStatusText_;
  sf::Text panelStatTextLeft_;
  sf::Text panelStatTextRight_;
  sf::Text panelCountText_;

  sf::Sprite backgroundSprite_;
  sf::Sprite helpPicture_;
  std::array<sf::Sprite, 2> playerEffectIcons_;  // inner, outer
  std::array<sf::Sprite, 2> enemyEffectIcons_;
  std::array<sf::Sprite, 6> inventorySlotNumbers_;
  std::array<sf::Sprite, 6> skillSlotNumbers_;
  sf::Sprite weaponFrame_;
  sf::Sprite armorFrame_;
  std::array<sf::Sprite, 6> inventoryIcons_;
  std::array<sf::Sprite, 6> skillIcons_;
  std::array<sf::Sprite, 6> skillLockOverlays_;
  sf::Sprite weaponIcon_;
  sf::Sprite armorIcon_;
  sf::Sprite goldIcon_;
  sf::Sprite playerPortrait_;
  std::array<sf::Sprite, 8> compassIcons_;
  sf::Sprite secretIcon_;
  std::array<sf::Sprite, 18> achievementNumberIcons_;
  std::array<sf::Sprite, 18> achievementPictures_;
};
