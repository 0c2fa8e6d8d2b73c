#pragma once
// The one game-state object: which prompt, fight step or dialogue step is
// open, the reply being gathered, the settings and achievements the meta save
// keeps, the music request, the play-time clocks, the things in play and the
// run's counters. Floor and player live elsewhere and are passed in.
#include <array>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "world/creature.h"
#include "world/floor.h"
#include "world/item_record.h"
#include "world/player_record.h"
#include "world/quibblent_offer.h"
#include "world/random_source.h"

// How many of the hint shop's hints and of HINT HELL's a run remembers as given.
inline constexpr std::size_t kShopHintCount = 12;
inline constexpr std::size_t kHellHintCount = 11;

struct GameState {
  using Clock = std::chrono::steady_clock;

  // Rolls the three traders' counters; every other field takes its default.
  GameState();
  GameState(const GameState&) = delete;
  GameState& operator=(const GameState&) = delete;

  // Streams and save loading.
  std::ofstream outFile;
  std::ifstream loadFile;
  std::string loadLine;
  int loadLineNumber = 0;

  // The typed line and the message.
  std::string typedName;
  int moveDirection = 0;
  std::string roomKey;
  std::string messageBuffer;

  // Clocks and play time.
  Clock::time_point clockStart = Clock::now();
  Clock::time_point clockNow = clockStart;
  double elapsedSeconds = 0.0;
  bool firstCombatHint = false;
  bool gameOver = false;
  double storedPlayTime = 0.0;
  bool namePromptOpen = false;
  bool loadPromptOpen = false;

  // Settings.
  bool autosave = true;
  bool fullscreen = false;
  bool musicOn = true;

  // Music request and window flags, polled by the shell every frame.
  int musicTrack = -10;
  int previousMusicTrack = -10;
  bool recreateWindow = true;
  bool refreshSprites = true;
  int resolution = 1;

  // Achievements and meta counters.
  std::array<std::string, 18> achievements;
  int deepestFloor = 1;
  int victoryCount = 0;
  int potionProgress = 0;
  // The meta save that stood there at start could not be read; it is never
  // replaced this session, and saveMeta only holds the values in memory.
  bool metaSaveHeld = false;
  // A change of this step to the meta save was not written (processCommand
  // tells the player and clears it).
  bool metaSaveMissed = false;

  // Prompt context and the state numbers.
  std::string pendingWord;
  bool loopFlag = false;
  bool closeRequested = false;
  int pendingPrompt = 1;
  int lastReplyKind = 1;
  int dialogueStage = 0;
  int achievementsViewerOpen = 0;
  int combatState = 0;
  int defeatCount = 0;
  int ambushScore = 0;

  // Things in play.
  QuibblentOffer currentOffer;
  Creature currentEnemy;
  ItemRecord offeredItem;
  ItemRecord offeredItem2;
  TileOccupant* currentFeature = nullptr;  // not owned
  Floor* level = nullptr;                  // not owned
  PlayerRecord* player = nullptr;          // not owned

  // Run numbers and trader counters.
  RandomDevice random;
  int fateValue = 0;
  int auxCounter = 0;
  int combatValue = 0;
  int enemyActionIndex = 0;
  int gerardDealsLeft = 1;
  int wombletonOffersLeft = 2;
  int garyOffersLeft = 5;
  int gerardRefusals = 0;
  int wombletonRefusals = 0;
  int weaponsFedToRats = 0;
  int potionsForSale = 0;
  int cousinGreeting = 0;
  std::vector<bool> shopHintsGiven = std::vector<bool>(kShopHintCount, false);
  std::vector<bool> hellHintsGiven = std::vector<bool>(kHellHintCount, false);

  // Text colours of the player's and the enemy's status lines (red, green, blue).
  std::vector<float> textColour1 = {255.0f, 255.0f, 255.0f};
  std::vector<float> textColour2 = {255.0f, 255.0f, 255.0f};

  // One game step: takes a typed line and answers with the reply text.
  std::string processCommand(std::string line, Floor& floorRecord, PlayerRecord& playerRecord);

  // Starting a run.
  void startNewRun(Floor& floorRecord, std::string heroName, bool firstRun);
  void resetPlayerForNewRun(PlayerRecord& playerRecord);
  // Each trader's patience, rolled in this order: GERARD, WOMBLETON, GARY.
  void rollTraderPatience();

  // Achievement `number` (1..18) takes the hero's name when nobody has
  // earned it yet; a slot that holds a name keeps it. Both answer whether
  // the slot was taken now; earnAchievement also writes the meta save then.
  bool claimAchievement(int number, const std::string& heroName);
  bool earnAchievement(int number, const std::string& heroName);
  // Achievement 7 is the one slot whose holder changes: each later deed of
  // the potion family (JOHNNY killed, his power swapped away) writes the
  // hero's name over whoever held it and moves potionProgress on to
  // `progress`, which picks the achievement's wording. Writes the meta save.
  void recordPotionDeed(int progress, const std::string& heroName);

  // Save files. saveMeta and saveRun report whether the file really was written.
  bool saveMeta(bool recreate);
  bool saveRun(Floor& floorRecord, PlayerRecord& playerRecord);
  int loadRun(Floor& floorRecord, PlayerRecord& playerRecord);
  std::string formatPlayTime(double seconds);

  // Encounters. Each leaves its reply in messageBuffer or returns it.
  // Plays out the tile in `direction` (0 north, clockwise); `roomKey` is a
  // copy of its kind.
  void handleTileEvent(int direction, std::string roomKey, Floor& floorRecord, PlayerRecord& playerRecord);
  // Enters the secret room `roomKey`.
  void handleSecretRoom(std::string roomKey, Floor& floorRecord, PlayerRecord& playerRecord);
  // The wizard's trade: imbues the hero with the item; answers with the reply.
  std::string castSpellOfImbuence(std::string itemName, int heldCount, PlayerRecord& playerRecord);
  // The enemy's turn: chooses its move and offers a dodge or carries it out.
  std::string runEnemyTurn(Floor& floorRecord, PlayerRecord& playerRecord);
};
