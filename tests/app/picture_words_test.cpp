#include "app/picture_words.h"

#include <gtest/gtest.h>

#include "app/picture_catalog.h"
#include "world/floor.h"
#include "world/game_state.h"
#include "world/player_record.h"

namespace {

TEST(PictureWords, EveryWordTheScreenCanShowIsAPictureTheBuildMakes) {
  for (const std::string& word : allPictureWords()) {
    EXPECT_NE(findPicture(word), nullptr) << "no picture for \"" << word << "\"";
  }
}

TEST(PictureWords, ItemsAndSkillsByName) {
  struct Case {
    std::string name;
    std::optional<std::string> item, skill;
  };
  const Case cases[] = {
      {"TELEPOROMETER", "teleporter", std::nullopt},
      {"POISON DART", "psnarrow", std::nullopt},
      {"ANTIBIOTICS?", "antibiotics", std::nullopt},
      {"ANTIBIOTICS", "antibiotics", "antibiotics"},
      {"SPECIAL POTION", "potion2", std::nullopt},
      {"QBL.SWAP", std::nullopt, "swap"},
      {"INFERENCE", std::nullopt, "infer"},
      {"potion", std::nullopt, std::nullopt},  // names match case and all
      {"NONE", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(inventoryWord(c.name), c.item);
    EXPECT_EQ(skillWord(c.name), c.skill);
  }
}

TEST(PictureWords, CreaturesByTypeWithAGenericFallback) {
  const std::pair<const char*, const char*> cases[] = {
      {"MASS", "blob"},          {"POTION", "johnny"}, {"HELLFUCKER", "hellsatan"}, {"DEEP TROLL", "deeptroll"},
      {"ARCH-ACCOUNTANT", "archaccountant"}, {"SLIME KING", "generic"}, {"", "generic"},
  };
  for (const auto& [type, word] : cases) {
    SCOPED_TRACE(type);
    EXPECT_EQ(creatureWord(type), word);
  }
}

TEST(PictureWords, WeaponAndArmorByType) {
  struct Case {
    std::string weapon, armor;
    bool swordOfKings;
    std::string weaponWord, armorWord;
  };
  const Case cases[] = {
      {"LASER SWORD", "SHIRT", false, "lsword", "tunic"},
      {"FISTS", "NUDITY", false, "empty", "empty"},
      {"STABLORD(TM)", "LOINCLOTH", false, "stablord", "empty"},
      {"DAGGER", "KEVLAR", true, "kingsword", "kevlar"},
      {"SPOON", "BARREL", false, "blank", "blank"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.weapon + " / " + c.armor);
    PlayerRecord player;
    player.equipment[0].type = c.weapon;
    player.equipment[1].type = c.armor;
    player.wieldsSwordOfKings = c.swordOfKings;
    EXPECT_EQ(weaponWord(player), c.weaponWord);
    EXPECT_EQ(armorWord(player), c.armorWord);
  }
}

TEST(PictureWords, PortraitIsDeadAtZeroOrBelowWhateverTheClass) {
  struct Case {
    std::string playerClass;
    int hp;
    bool gameOver;
    std::optional<std::string> word;
  };
  const Case cases[] = {
      {"", 30, false, "player"},
      {"ACADEMIC", 1, false, "academic"},
      {"ZOMBIE", 30, false, "zombie"},
      {"CONVICT", 0, false, "dead"},
      {"OPPORTUNIST", -7, false, "dead"},  // a blow can leave the hit points below zero
      {"ACADEMIC", 30, true, "dead"},
      {"WIZARD", 30, false, std::nullopt},  // no such class: the portrait stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.playerClass + " hp " + std::to_string(c.hp));
    GameState state;
    state.gameOver = c.gameOver;
    PlayerRecord player;
    player.playerClass = c.playerClass;
    player.hp = c.hp;
    EXPECT_EQ(portraitWord(state, player), c.word);
  }
}

TEST(PictureWords, BackgroundChangesOnTheLastFloor) {
  EXPECT_EQ(backgroundWord(1), "bground");
  EXPECT_EQ(backgroundWord(15), "bground");
  EXPECT_EQ(backgroundWord(16), "bground_2");
}

TEST(PictureWords, EffectMarkers) {
  struct Case {
    bool poisoned, regenerating;
    std::string inner;
    std::optional<std::string> outer;
  };
  const Case cases[] = {
      {false, false, "blank", std::nullopt},
      {false, true, "regen", "blank"},
      {true, false, "poison", "blank"},
      {true, true, "poison", "regen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "poisoned " << c.poisoned << " regenerating " << c.regenerating);
    const EffectWords words = effectWords(c.poisoned, c.regenerating);
    EXPECT_EQ(words.inner, c.inner);
    EXPECT_EQ(words.outer, c.outer);
  }

  PlayerRecord player;
  player.imbuement = "POTION";
  EXPECT_EQ(playerEffectWords(player).inner, "regen");

  GameState state;
  state.currentEnemy.poisoned = true;
  state.currentEnemy.regenPerTurn = 1;
  EXPECT_EQ(enemyEffectWords(state).inner, "blank") << "no markers for an enemy outside a fight";
  EXPECT_EQ(enemyEffectWords(state).outer, "blank");
  state.combatState = 2;
  EXPECT_EQ(enemyEffectWords(state).inner, "poison");
  EXPECT_EQ(enemyEffectWords(state).outer, "regen");
}

TEST(PictureWords, CompassTilesByKindAndWhatStandsThere) {
  struct Case {
    const char* what;
    std::string kind;
    int screenMode;
    std::string file;
    int alpha;
  };
  Floor floorRecord;
  floorRecord.tileCreatures[0].type = "MASS";
  floorRecord.tileCreatures[1].type = "GHAST";
  floorRecord.tileCreatures[1].ghastly = true;
  floorRecord.tileCreatures[2].type = "ORC";
  floorRecord.tileCreatures[2].holographic = true;
  floorRecord.tileOccupants[3] = TileOccupant{};
  floorRecord.tileOccupants[3].key = "BabyGhast";
  floorRecord.tileOccupants[3].portraitFile = "Qbl_skull.png";
  floorRecord.tileOccupants[4].key = "Flayer";
  floorRecord.tileOccupants[4].portraitFile = "Qbl_flayer.png";
  floorRecord.tileOffers[5].timesUsed = 3;
  floorRecord.tileOffers[6].timesUsed = 2;

  const struct {
    int tile;
    Case c;
  } cases[] = {
      {0, {"a monster by its type", "Mon", 0, "graphics/Qbl_blob.png", 255}},
      {0, {"the stairs' monster", "MonExit", 0, "graphics/Qbl_blob.png", 255}},
      {1, {"a ghastly monster is see-through", "FinalMon", 0, "graphics/Qbl_ghast.png", 128}},
      {2, {"a holographic monster is see-through", "Mon", 0, "graphics/Qbl_orc.png", 128}},
      {3, {"a character's own portrait", "NPC", 0, "graphics/Qbl_skull.png", 128}},
      {4, {"the mind flayer", "NPC", 0, "graphics/Qbl_flayer.png", 255}},
      {5, {"a fountain drunk dry", "Fount", 0, "graphics/Qbl_dryfount.png", 255}},
      {6, {"a fountain with a drink left", "Fount", 0, "graphics/Qbl_fountain.png", 255}},
      {7, {"a bonus item is see-through", "BonusItem", 0, "graphics/Qbl_item.png", 128}},
      {7, {"final stairs", "FinalExit", 0, "graphics/Qbl_truexit.png", 255}},
      {7, {"dragon's gold", "DragTreasure", 0, "graphics/Qbl_gold.png", 255}},
      {7, {"healer", "Heal2", 0, "graphics/Qbl_jimmy.png", 255}},
      {7, {"a wall shows nothing", "Wall", 0, "graphics/Qbl_blank.png", 255}},
      {7, {"an empty tile", "", 0, "graphics/Qbl_blank.png", 255}},
      {0, {"the trance hides monsters", "Mon", 2, "graphics/Qbl_blank.png", 255}},
      {4, {"but not the mind flayer", "NPC", 6, "graphics/Qbl_flayer.png", 255}},
      {4, {"trance page 1 hides nothing yet", "Exit", 1, "graphics/Qbl_exit.png", 255}},
  };
  for (const auto& [tile, c] : cases) {
    SCOPED_TRACE(c.what);
    floorRecord.tileKinds[tile] = c.kind;
    const TilePicture picture = tilePicture(floorRecord, tile, c.screenMode);
    EXPECT_EQ(picture.file, c.file);
    EXPECT_EQ(picture.alpha, c.alpha);
  }
}

TEST(PictureWords, SecretRoomIcon) {
  struct Case {
    bool known, entered;
    std::string kind;
    std::optional<std::string> word;
  };
  const Case cases[] = {
      {false, false, "Scroll", "blank"},     {true, false, "Scroll", "secret"},
      {true, true, "Scroll3", "sscroll"},    {true, true, "Goblin11", "sgary"},
      {true, true, "BarrelUsed", "sempty"},  {true, true, "FountUsed", "sdry"},
      {true, true, "Nothing", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Floor floorRecord;
    floorRecord.secretRoomKnown = c.known;
    floorRecord.secretRoomEntered = c.entered;
    floorRecord.secretRoomKind = c.kind;
    EXPECT_EQ(secretIconWord(floorRecord), c.word);
  }
}

TEST(PictureWords, AchievementSlots) {
  GameState state;
  EXPECT_EQ(achievementWord(state, 0), std::nullopt) << "an empty slot keeps its lock";
  state.achievements[0] = "Bob";
  state.achievements[17] = "Ann";
  EXPECT_EQ(achievementWord(state, 0), "player");
  EXPECT_EQ(achievementWord(state, 17), "stapleremover");

  // Slot 6 follows the potion's story once earned.
  state.achievements[6] = "Bob";
  const std::pair<int, std::optional<std::string>> progress[] = {
      {0, "jimmysad"}, {1, "johnny"}, {2, "swap"}, {3, std::nullopt}};
  for (const auto& [value, word] : progress) {
    state.potionProgress = value;
    EXPECT_EQ(achievementWord(state, 6), word) << "progress " << value;
  }

  // Unearned, it shows the potion only when every other slot is earned.
  state.achievements[6].clear();
  for (int k = 0; k < 18; ++k) {
    if (k != 6 && k != 9) state.achievements[k] = "Bob";
  }
  EXPECT_EQ(achievementWord(state, 6), std::nullopt);
  state.achievements[9] = "Bob";
  EXPECT_EQ(achievementWord(state, 6), "jimmy");
}

}  // namespace
