// The game's levelmap files, built byte by byte from the layout.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "model/editor_session.h"
#include "model/game_format.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::ScriptedFrontend;

void put16(Bytes& b, std::size_t at, int v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

Bytes magicHeader(const char* magic) {
  Bytes b(398, 0);
  std::memcpy(b.data(), magic, 12);
  b[13] = 0xAB;  // reserved bytes must survive a load and save
  b[300] = 0xCD;
  return b;
}

// A version 2.0 block: 460-byte record and u16 rows, top row first.
void appendV20Block(Bytes& out, int w, int h, int firstCell, bool background = false,
                    const char* title = "") {
  Bytes rec(460, 0);
  rec[0] = static_cast<std::uint8_t>(w);
  rec[1] = static_cast<std::uint8_t>(h);
  rec[151] = 0x5A;  // reserved pad byte
  rec[359] = background ? 1 : 0;
  rec[169] = static_cast<std::uint8_t>(std::strlen(title));
  std::memcpy(&rec[170], title, std::strlen(title));
  out.insert(out.end(), rec.begin(), rec.end());
  for (int layer = 0; layer < (background ? 2 : 1); ++layer) {
    for (int i = 0; i < w * h; ++i) {
      out.push_back(static_cast<std::uint8_t>(firstCell + i + 100 * layer));
      out.push_back(layer == 0 && i == 0 ? 0x01 : 0);  // one cell above 255
    }
  }
}

Bytes v20File() {
  Bytes f = magicHeader(kMagicV20);
  appendV20Block(f, 4, 3, 10, false, "Start");
  appendV20Block(f, 3, 3, 20, true);
  for (int s = 3; s <= 100; ++s) appendV20Block(f, 1, 1, 0);
  return f;
}

TEST(GameFormat, ReadsVersion20AndWritesItBackByteForByte) {
  Levelmap map;
  const Bytes file = v20File();
  readGrot3Level(map, file, "v20.map");
  EXPECT_EQ(map.header(1).width(), 4);
  EXPECT_EQ(map.header(1).title(), "Start");
  EXPECT_EQ(map.header(1).author(), "Unknown");
  EXPECT_EQ(map.header(2).title(), "Level 1");
  EXPECT_EQ(map.header(100).title(), "Level 99");
  // Row order: cell (x, y) is the (y * w + x)-th value.
  EXPECT_EQ(map.cell(kGameLayer, 1, 0, 0), 10 + 256);
  EXPECT_EQ(map.cell(kGameLayer, 1, 1, 0), 11);
  EXPECT_EQ(map.cell(kGameLayer, 1, 0, 1), 14);
  EXPECT_EQ(map.cell(kBackgroundLayer, 2, 2, 2), 128);
  EXPECT_EQ(map.fileHeader[13], 0xAB);

  // Titles and authors were filled in on reading, so compare against a file
  // that has them: read, write, read, write must give the same bytes.
  ScriptedFrontend ui;
  const Bytes once = encodeLevelmap(map, ui);
  Levelmap again;
  readGrot3Level(again, once, "once.map");
  EXPECT_EQ(encodeLevelmap(again, ui), once);
  EXPECT_EQ(once[13], 0xAB);
  EXPECT_EQ(once[300], 0xCD);
  EXPECT_EQ(once[398 + 151], 0x5A);
  EXPECT_EQ(once.size(), 398u + (460 + 24) + (460 + 36) + 98 * 462);
}

// Rows are turned into the grid's columns in blocks of 8 x 8 and one cell
// at a time at the edges: a level that is neither, both ways, every cell.
TEST(GameFormat, CellsOfALevelOfOddSizeLandWhereTheRowsPutThem) {
  constexpr int w = 21, h = 13;
  Bytes f = magicHeader(kMagicV20);
  Bytes rec(460, 0);
  rec[0] = w;
  rec[1] = h;
  rec[359] = 1;  // both layers
  f.insert(f.end(), rec.begin(), rec.end());
  const auto value = [](int layer, int x, int y) { return 1000 * (layer + 1) + y * w + x; };
  for (int layer = 0; layer < 2; ++layer) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        f.push_back(static_cast<std::uint8_t>(value(layer, x, y)));
        f.push_back(static_cast<std::uint8_t>(value(layer, x, y) >> 8));
      }
    }
  }
  for (int s = 2; s <= 100; ++s) appendV20Block(f, 1, 1, 0);
  Levelmap map;
  readGrot3Level(map, f, "odd.map");
  int wrong = 0;
  for (int layer = 0; layer < 2; ++layer)
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < h; ++y) wrong += map.cell(layer, 1, x, y) != value(layer, x, y);
  EXPECT_EQ(wrong, 0);
  ScriptedFrontend ui;
  const Bytes written = encodeLevelmap(map, ui);
  const std::size_t cells = 398 + 460;
  ASSERT_GE(written.size(), cells + 4 * w * h);
  EXPECT_TRUE(
      std::equal(f.begin() + cells, f.begin() + cells + 4 * w * h, written.begin() + cells));
}

TEST(GameFormat, VersionOneOneRecordsAreConverted) {
  Bytes f = magicHeader(kMagicV11);
  for (int s = 1; s <= 100; ++s) {
    Bytes rec(358, 0);
    const int w = s == 1 ? 5 : 1, h = s == 1 ? 4 : 1;
    rec[0] = static_cast<std::uint8_t>(w);
    rec[1] = static_cast<std::uint8_t>(h);
    rec[2] = 3;
    rec[4] = 200;                     // diamonds
    rec[5 + 9 * 2 + 3 * 1 + 2] = 14;  // yam pattern 2, cell (1, 2)
    rec[77] = 99;                     // level time
    put16(rec, 80, 0x0304);           // wheel time
    rec[84] = 11;                     // emerald score
    rec[94] = 22;                     // key score
    rec[95] = 3;
    std::memcpy(&rec[96], "Old", 3);
    rec[250] = 44;              // pearl score (record offset 324)
    rec[265 + 3 * 2 + 1] = 57;  // well cell (2, 1)
    rec[274] = 1;
    f.insert(f.end(), rec.begin(), rec.end());
    for (int i = 0; i < w * h; ++i) f.push_back(static_cast<std::uint8_t>(250 + i % 6));
  }
  Levelmap map;
  readGrot2Level(map, f, "v11.map");
  const LevelHeader& h = map.header(1);
  EXPECT_EQ(h.width(), 5);
  EXPECT_EQ(h.playerX(), 3);
  EXPECT_EQ(h.diamondsNeeded(), 200);
  EXPECT_EQ(h.diamondsNeededHigh(), 0);
  EXPECT_EQ(h.yam(2, 1, 2), 14);
  EXPECT_EQ(h.levelTime(), 99);
  EXPECT_EQ(h.wheelTime(), 0x0304);
  EXPECT_EQ(h.emeraldScore(), 11);
  EXPECT_EQ(h.keyScore(), 22);
  EXPECT_EQ(h.title(), "Old");
  EXPECT_EQ(h.pearlScore(), 44);
  EXPECT_EQ(h.well(2, 1), 57);
  EXPECT_EQ(h.wellActive(), 1);
  EXPECT_EQ(h.hasBackgroundLayer(), 0);
  EXPECT_EQ(map.cell(kGameLayer, 1, 0, 0), 250);
  EXPECT_EQ(map.cell(kGameLayer, 1, 1, 1), 250 + 6 % 6);
  EXPECT_EQ(map.fileHeader[13], 0xAB);
}

TEST(GameFormat, OldestFilesStartAtSixteenAndStopAt256RecordBytes) {
  Bytes f(16, 0);
  std::memcpy(f.data(), kMagicOldest, 12);
  for (int s = 1; s <= 100; ++s) {
    Bytes rec(256, 0);
    rec[0] = 3;
    rec[1] = 3;
    rec[249] = 0x77;  // reserved byte 323 still inside the stored part
    f.insert(f.end(), rec.begin(), rec.end());
    f.insert(f.end(), 9, static_cast<std::uint8_t>(s));
  }
  Levelmap map;
  map.fileHeader[5] = 0x42;  // the oldest files leave the header alone
  readGrotLevel(map, f, "old.map");
  EXPECT_EQ(map.fileHeader[5], 0x42);
  EXPECT_EQ(map.header(100).width(), 3);
  EXPECT_EQ(map.header(1).bytes[323], 0x77);
  EXPECT_EQ(map.header(1).wellActive(), 0);
  EXPECT_EQ(map.cell(kGameLayer, 100, 2, 2), 100);
}

TEST(GameFormat, TruncatedFileNamesOffsetAndKeepsEarlierLevels) {
  Bytes f = v20File();
  f.resize(398 + 460 + 24 + 100);  // inside the second level's record
  Levelmap map;
  try {
    readGrot3Level(map, f, "cut.map");
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.file(), "cut.map");
    EXPECT_EQ(e.level(), 1);
    EXPECT_EQ(e.offset(), 398u + 460 + 24);
    EXPECT_NE(std::string(e.what()).find("unexpected end of file"), std::string::npos);
  }
  EXPECT_EQ(map.header(1).width(), 4);  // the first level was read
  EXPECT_EQ(map.header(2).width(), 1);  // the second is as it was
}

TEST(GameFormat, LevelsLargerThanTheGridAreRefused) {
  Bytes f = magicHeader(kMagicV20);
  appendV20Block(f, 3, 3, 1);
  Bytes rec(460, 0);
  rec[0] = 200;
  rec[1] = 10;
  f.insert(f.end(), rec.begin(), rec.end());
  f.insert(f.end(), 200 * 10 * 2, 0);
  Levelmap map;
  try {
    readGrot3Level(map, f, "big.map");
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 1);
    EXPECT_NE(std::string(e.what()).find("200 x 10"), std::string::npos);
  }
  EXPECT_EQ(map.header(2).width(), 1);
}

// The first example of the save rules: one 64 x 32 level.
TEST(GameFormat, OneLevelLevelmapSizeAndLevelCount) {
  Levelmap map;
  map.header(1).setWidth(64);
  map.header(1).setHeight(32);
  map.clearLayer(kGameLayer, 1);
  ScriptedFrontend ui;
  const Bytes b = encodeLevelmap(map, ui);
  EXPECT_EQ(b.size(), 398u + (460 + 4096) + 99 * 462);
  EXPECT_EQ(b[12], 255);  // slot 2 is the lowest empty slot
  EXPECT_EQ(std::string(b.begin(), b.begin() + 12), "GrotPRV V2.0");
  Levelmap back;
  readGrot3Level(back, b, "one.map");
  EXPECT_EQ(back.header(1).width(), 64);
  EXPECT_EQ(back.cell(kGameLayer, 1, 1, 1), obj::LittleFellow);
  EXPECT_EQ(back.cell(kGameLayer, 1, 63, 31), obj::SolidWall);
}

TEST(GameFormat, LevelCountTakesTheLowestEmptySlot) {
  Levelmap map;
  for (int s = 1; s <= 100; ++s) map.header(s).setWidth(10), map.header(s).setHeight(10);
  EXPECT_EQ(computeLevelCount(map), 100);
  map.header(11).setWidth(1), map.header(11).setHeight(1);
  map.header(50).setWidth(1), map.header(50).setHeight(1);
  EXPECT_EQ(computeLevelCount(map), 8);
  // Visiting a slot makes it 3 x 3, and it then counts as a level.
  map.header(11).setWidth(3), map.header(11).setHeight(3);
  EXPECT_EQ(computeLevelCount(map), 47);
}

int kindWith(std::initializer_list<int> objects) {
  Levelmap map;
  map.header(1).setWidth(10);
  map.header(1).setHeight(1);
  int x = 0;
  for (int o : objects) map.cell(kGameLayer, 1, x++, 0) = o;
  return surveyObjects(map, 100).gameKind;
}

TEST(GameFormat, GameKindFollowsTheFamiliesPresent) {
  EXPECT_EQ(kindWith({1, 2, 3}), 1);
  EXPECT_EQ(kindWith({5}), 2);          // family 2
  EXPECT_EQ(kindWith({20}), 6);         // family 6
  EXPECT_EQ(kindWith({5, 20}), 6);      // 2 and 6 are not mixed: 6 wins
  EXPECT_EQ(kindWith({99}), 3);         // family 3
  EXPECT_EQ(kindWith({242}), 3);        // family 4 gives 3
  EXPECT_EQ(kindWith({157}), 5);        // family 5
  EXPECT_EQ(kindWith({157, 5}), 7);     // mixed
  EXPECT_EQ(kindWith({99, 20}), 7);     // 6 and 3 are mixed
  EXPECT_EQ(kindWith({170}), 7);        // family 8 counts as mixed
  EXPECT_EQ(kindWith({18}), 7);         // family 7 itself
  EXPECT_EQ(kindWith({261, -251}), 1);  // beyond 255 (even 5 in the low byte): ordinary
}

TEST(GameFormat, TwoPlayerQuestionOnlyWhenSomeLevelsHaveTwo) {
  auto build = [](std::initializer_list<bool> twoPlayers) {
    auto map = std::make_unique<Levelmap>();
    int slot = 1;
    for (bool two : twoPlayers) {
      map->header(slot).setWidth(5);
      map->header(slot).setHeight(5);
      if (two) map->cell(kGameLayer, slot, 2, 2) = obj::Fellow2;
      ++slot;
    }
    return map;
  };
  {
    auto map = build({true, true, false, false, false});  // LevelCount 3: slots 1, 2
    ScriptedFrontend ui;
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 2);
    EXPECT_TRUE(ui.questions.empty());
  }
  {
    auto map = build({true, true});  // LevelCount 0: no slot lies below it
    ScriptedFrontend ui;
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 1);
    EXPECT_TRUE(ui.questions.empty());
  }
  {
    auto map = build({true, false, true, true, true});  // LevelCount 3: slots 1 and 2
    ScriptedFrontend ui;
    ui.answers = {Answer::Yes};
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 2);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0],
              "Some levels have 2 players and some have 1. Save the levelmap as a 2-player map? "
              "The file holds one player count for all levels: Yes writes 2, No writes 1.");
    ui.answers = {Answer::No};
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 1);
  }
  {
    auto map = build({false, false, false});
    ScriptedFrontend ui;
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 1);
    EXPECT_TRUE(ui.questions.empty());
  }
  {
    // Saved while the background layer is shown: the players are counted
    // on the game layer all the same.
    auto map = build({true, true, false, false});
    map->currentLayer = kBackgroundLayer;
    ScriptedFrontend ui;
    EXPECT_EQ(encodeLevelmap(*map, ui)[270], 2);
  }
}

TEST(GameFormat, ABackgroundLayerIsWrittenOnlyWhenItHoldsSomething) {
  Levelmap map;
  for (int slot : {1, 2}) {
    map.header(slot).setWidth(3);
    map.header(slot).setHeight(3);
  }
  map.cell(kBackgroundLayer, 2, 1, 1) = 9;  // drawn on level 1's background only
  ScriptedFrontend ui;
  const Bytes b = encodeLevelmap(map, ui);
  EXPECT_EQ(b.size(), 398u + (460 + 18) + (460 + 18 + 18) + 98 * 462);  // 3 x 3 cells of 2 bytes
}

TEST(GameFormat, SaveTurnsYamRandomIntoYamUpAndWritesBackground) {
  Levelmap map;
  map.header(1).setWidth(3);
  map.header(1).setHeight(3);
  map.header(1).setYam(7, 2, 2, obj::YamRandom);
  map.header(1).setHasBackgroundLayer(1);
  map.cell(kBackgroundLayer, 1, 2, 1) = 77;
  ScriptedFrontend ui;
  const Bytes b = encodeLevelmap(map, ui);
  EXPECT_EQ(map.header(1).yam(7, 2, 2), obj::YamRandom) << "only the file changes";
  EXPECT_EQ(b[398 + 6 + 18 * 7 + 12 + 4], obj::YamUp);
  // Background grid right after the 9 game cells; cell (2, 1) is value 5.
  EXPECT_EQ(b[398 + 460 + 18 + 2 * 5], 77);
  EXPECT_EQ(b.size(), 398u + (460 + 36) + 99 * 462);
}

TEST(GameFormat, FailedSaveLeavesTheOldFile) {
  testing::TempDir dir;
  const std::string path = dir.path("keep.map");
  testing::writeAll(path, {1, 2, 3});
  Levelmap map;
  ScriptedFrontend ui;
  // A folder in the way of the temporary file's rename target: write into a
  // path whose folder does not exist.
  EXPECT_THROW(writeLevel(map, ui, dir.path("missing/x.map")), LevelError);
  writeLevel(map, ui, path);
  EXPECT_EQ(testing::readAll(path).size(), 398u + 100 * 462);
  EXPECT_FALSE(map.modified);
}

// A full levelmap goes to the file in pieces, its header last: the file is
// the encoding byte for byte and reads back cell for cell. A save stopped
// after the levels were written (here at the two-player question) leaves the
// old file and no temporary file beside it.
TEST(GameFormat, FullLevelmapStreamsToTheFileAndBack) {
  auto map = std::make_unique<Levelmap>();
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    map->header(slot).setWidth(kMaxLevelSide);
    map->header(slot).setHeight(kMaxLevelSide);
    map->header(slot).setHasBackgroundLayer(1);
    for (int x = 0; x < kMaxLevelSide; ++x)
      for (int y = 0; y < kMaxLevelSide; ++y) {
        map->cell(kGameLayer, slot, x, y) = 256 + (x * 131 + y * 7 + slot) % 60000;
        map->cell(kBackgroundLayer, slot, x, y) = (x ^ y) + slot;
      }
    map->cell(kGameLayer, slot, 0, 0) = -2;
  }
  map->cell(kGameLayer, 5, 10, 10) = obj::Fellow2;  // one level of two players: asked
  testing::TempDir dir;
  const std::string path = dir.path("full.map");
  testing::writeAll(path, {1, 2, 3});

  struct Stopping : ScriptedFrontend {
    Answer ask(std::string_view, bool) override {
      throw LevelError("full.map", std::nullopt, std::nullopt, "stopped");
    }
  } stopping;
  EXPECT_THROW(writeLevel(*map, stopping, path), LevelError);
  EXPECT_EQ(testing::readAll(path), (Bytes{1, 2, 3}));
  const auto files = std::distance(std::filesystem::directory_iterator(dir.dir()), {});
  EXPECT_EQ(files, 1);

  ScriptedFrontend ui;
  ui.answers = {Answer::Yes, Answer::Yes};
  writeLevel(*map, ui, path);
  const Bytes file = testing::readAll(path);
  EXPECT_EQ(file.size(), 398u + 100 * (460 + 2 * 2 * 128 * 128));
  EXPECT_TRUE(file == encodeLevelmap(*map, ui));
  EXPECT_EQ(file[270], 2);
  EXPECT_EQ(map->fileHeader[270], 2);
  Levelmap back;
  readGrot3Level(back, file, path);
  int wrong = 0;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
    for (int layer : {kGameLayer, kBackgroundLayer})
      for (int x = 0; x < kMaxLevelSide; ++x)
        for (int y = 0; y < kMaxLevelSide; ++y)
          wrong += back.cell(layer, slot, x, y) != (map->cell(layer, slot, x, y) & 0xffff);
  EXPECT_EQ(wrong, 0);
}

TEST(GameFormat, TestLevelFileHoldsOneLevelOfTheEditedLayer) {
  Levelmap map;
  map.currentLevel = 4;
  map.currentLayer = kBackgroundLayer;
  map.header(4).setWidth(3);
  map.header(4).setHeight(3);
  map.header(4).setHasBackgroundLayer(1);
  map.header(4).setYam(0, 0, 0, obj::YamRandom);
  map.cell(kBackgroundLayer, 4, 1, 1) = 42;
  const Bytes b = encodeTestLevel(map);
  EXPECT_EQ(b.size(), 398u + 460 + 18);
  EXPECT_EQ(b[398 + 460 + 8], 42);
  EXPECT_EQ(b[398 + 6], obj::YamRandom);  // no yam replacement here
}

}  // namespace
}  // namespace pyrovel
