// Emerald Mine files: the V4 and V6 writers against the record layout, the
// import's size rule, its messages and warnings, and a V6 round trip.
#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "formats/em_formats.h"
#include "formats/levelset_io.h"
#include "formats/test_em_support.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "support/levelset_calls.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::be16;
using testing::emRecord;
using testing::encryptEmOriginal;
using testing::putBe16;
using testing::putCell;
using testing::RecordBytes;

constexpr std::size_t kV4 = 2106, kV6 = 2172;
const std::string kReaderInfo =
    "Imported with Emerald Mine importfilter V0.3 beta. Editor version:";

struct EmFixture : ::testing::Test {
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
  testing::TempDir dir;

  // Imports the bytes as a file into the given slot.
  void import(const RecordBytes& bytes, int slot = 1) {
    const std::string path = dir.path("level" + std::to_string(bytes.size()));
    testing::writeAll(path, bytes);
    session.map.currentLevel = slot;
    importEmLevel(session, path);
  }
  std::int32_t cell(int slot, int x, int y) const {
    return session.map.cell(kGameLayer, slot, x, y);
  }
};

// V6 yam pattern p, row r, column c.
std::size_t v6Yam(int p, int r, int c) {
  return (p < 4 ? 2048 + 9 * p : 2112 + 9 * (p - 4)) + 3 * r + c;
}

TEST_F(EmFixture, V6ExportOfSmallLevel) {
  testing::makeSmallLevel(session.map, 1);
  session.map.header(1).setYam(5, 2, 1, 13);  // pattern 5, column 2, row 1: emerald
  session.map.header(1).setWellDelay(40);
  const std::string path = dir.path("v6.lev");
  exportToEm(session.map, path, 6);
  const RecordBytes r = testing::readAll(path);
  ASSERT_EQ(r.size(), kV6);
  EXPECT_EQ(r[64 * 4 + 3], 18);
  EXPECT_EQ(r[64 * 9 + 25], 131);
  EXPECT_EQ(r[2046], 131);  // no "tt" in V6
  EXPECT_EQ(r[2047], 131);
  // Yam patterns row by row in EM cell codes.
  EXPECT_EQ(r[v6Yam(0, 0, 0)], 18);
  EXPECT_EQ(r[v6Yam(1, 0, 2)], 0);    // rock
  EXPECT_EQ(r[v6Yam(3, 2, 1)], 16);   // bomb
  EXPECT_EQ(r[v6Yam(3, 1, 2)], 128);  // empty space (transposition check)
  EXPECT_EQ(r[v6Yam(5, 1, 2)], 2);    // emerald
  EXPECT_EQ(r[2094], 0);
  testing::expectSmallLevelHeaderBytes(r);
  EXPECT_EQ(be16(r, 2104), 0);
  EXPECT_EQ(r[2106], 255);
  EXPECT_EQ(r[2107], 54);
  EXPECT_EQ(r[2108], 48);
  EXPECT_EQ(r[2109], 48);
  EXPECT_EQ(be16(r, 2110), 1500);                                    // level time in seconds
  for (std::size_t i = 2148; i < kV6; ++i) EXPECT_EQ(r[i], 0) << i;  // the well is not written
}

TEST_F(EmFixture, V4ExportIsTheBd4Record) {
  testing::makeSmallLevel(session.map, 1);
  const std::string path = dir.path("v4.lev");
  exportToEm(session.map, path, 4);
  const RecordBytes r = testing::readAll(path);
  ASSERT_EQ(r.size(), kV4);
  EXPECT_EQ(r[2046], 't');
  EXPECT_EQ(r[2094], 150);
  EXPECT_EQ(r[2048 + 9 + 6], 3);
  EXPECT_EQ(be16(r, 2104), 0x0304);

  const std::string other = dir.path("v5.lev");
  exportToEm(session.map, other, 5);
  EXPECT_TRUE(testing::readAll(other).empty());
}

TEST_F(EmFixture, V6LevelsetHoldsEightyRecords) {
  testing::makeSmallLevel(session.map, 3);
  session.map.currentLevel = 7;
  saveWith(session, "emv6", dir.path("all.lev"));
  const RecordBytes f = testing::readAll(dir.path("all.lev"));
  ASSERT_EQ(f.size(), 80 * kV6);
  EXPECT_EQ(f[2 * kV6 + 64 * 4 + 3], 18);
  EXPECT_EQ(f[79 * kV6 + 2106], 255);
  EXPECT_EQ(session.map.currentLevel, 7) << "the level shown stays";
  EXPECT_EQ(session.map.fileName, "all.lev");
}

TEST_F(EmFixture, V6RoundTripGivesBackEveryField) {
  LevelHeader& h = session.map.header(1);
  testing::makeSmallLevel(session.map, 1);
  h.setDiamondsToCollect(200);
  h.setLevelTime(255);
  h.setAmoebaGrowth(90);
  for (int p = 0; p < 8; ++p) {
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) h.setYam(p, c, r, (p * 9 + c * 3 + r) % 2 ? 61 : 4);
    }
  }
  h.setYam(7, 2, 2, 72);
  const std::string path = dir.path("trip.lev");
  exportToEm(session.map, path, 6);

  session.map.currentLevel = 5;
  importEmLevel(session, path);
  const LevelHeader& g = session.map.header(5);
  EXPECT_EQ(session.map.currentLevel, 6);
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 32; ++y) {
      // Beyond the level the file holds walls; the exported levelmap kept its cells.
      const bool beyond = x >= h.width() || y >= h.height();
      EXPECT_EQ(cell(5, x, y), beyond ? 6 : cell(1, x, y)) << x << "," << y;
    }
  }
  for (int p = 0; p < 8; ++p) {
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) EXPECT_EQ(g.yam(p, c, r), h.yam(p, c, r)) << p << c << r;
    }
  }
  EXPECT_EQ(g.emeraldScore(), h.emeraldScore());
  EXPECT_EQ(g.diamondScore(), h.diamondScore());
  EXPECT_EQ(g.robotScore(), h.robotScore());
  EXPECT_EQ(g.shipScore(), h.shipScore());
  EXPECT_EQ(g.bugScore(), h.bugScore());
  EXPECT_EQ(g.yamScore(), h.yamScore());
  EXPECT_EQ(g.nutScore(), h.nutScore());
  EXPECT_EQ(g.dynamiteScore(), h.dynamiteScore());
  EXPECT_EQ(g.keyScore(), h.keyScore());
  EXPECT_EQ(g.timeScore(), h.timeScore());
  EXPECT_EQ(g.diamondsNeeded(), 200);
  EXPECT_EQ(g.levelTime(), 255);
  EXPECT_EQ(g.amoebaGrowth(), 90);
  EXPECT_EQ(g.magicTime(), h.magicTime());
  EXPECT_EQ(g.playerX(), 1);
  EXPECT_EQ(g.playerY(), 1);
  EXPECT_EQ(g.width(), 64);
  EXPECT_EQ(g.height(), 32);
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(EmFixture, SizeRuleDecidesTheVersion) {
  // Below 2106: not a level; the level stays and stays current.
  session.map.header(1).setWidth(9);
  import(RecordBytes(2000, 0));
  EXPECT_EQ(session.map.currentLevel, 1);
  EXPECT_EQ(session.map.header(1).width(), 9);
  EXPECT_EQ(cell(1, 0, 0), 0);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("2000 bytes"), std::string::npos);
  EXPECT_EQ(session.readerNote.rfind(kReaderInfo, 0), 0u);

  // 2110 bytes: the map alone. It comes in at the map's own 64 x 32 (a
  // cleared level has no size to keep), with a note; the rest stays.
  session.map.header(2).setWidth(1);
  session.map.header(2).setHeight(1);
  session.map.header(2).setLevelTime(7);
  import(emRecord(2110, 130), 2);
  EXPECT_EQ(cell(2, 40, 20), 1);
  EXPECT_EQ(session.map.header(2).width(), 64);
  EXPECT_EQ(session.map.header(2).height(), 32);
  EXPECT_EQ(session.map.header(2).levelTime(), 7);
  EXPECT_EQ(session.map.currentLevel, 3);
  EXPECT_TRUE(session.map.modified);
  ASSERT_EQ(session.messages.size(), 2u);
  EXPECT_EQ(session.messages[1].rfind("Map only at level 1: ", 0), 0u) << session.messages[1];
  EXPECT_NE(session.messages[1].find("64 x 32"), std::string::npos);

  // 2111..2171: too short for V6; nothing is filled.
  session.map.cell(kGameLayer, 3, 40, 20) = 4;
  try {
    import(emRecord(2150, 130), 3);
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 2);
    EXPECT_EQ(e.offset(), 2150u);
  }
  EXPECT_EQ(cell(3, 40, 20), 4);
  EXPECT_EQ(session.map.currentLevel, 3);

  EXPECT_THROW(importEmLevel(session, dir.path("missing")), LevelError);
}

TEST_F(EmFixture, V4ImportReadsTheBd4Header) {
  RecordBytes r = emRecord(2108, 130);
  r[2048 + 3 * 2 + 1] = 1;  // p0 c2 r1: diamond
  r[2048 + 9] = 30;         // beyond the yam codes
  r[2094] = 120;
  r[2095] = 33;
  putBe16(r, 2096, 64 * 3 + 4);
  putBe16(r, 2098, 0);
  putBe16(r, 2104, 500);
  session.map.header(1).setDiamondsNeededHigh(2);
  session.map.header(1).setIntermission(255);
  import(r);
  const LevelHeader& h = session.map.header(1);
  EXPECT_EQ(h.yam(0, 2, 1), 4);
  EXPECT_EQ(h.yam(1, 0, 0), 0);
  EXPECT_EQ(h.levelTime(), 120);
  EXPECT_EQ(h.diamondsNeeded(), 33);
  EXPECT_EQ(h.diamondsNeededHigh(), 2);  // the import keeps the high byte
  EXPECT_EQ(h.wheelTime(), 500);
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(cell(1, 4, 3), 2);
  EXPECT_EQ(cell(1, 0, 0), 1);  // no second player at (0, 0)
}

TEST_F(EmFixture, WarningsAndUnsupportedCodesWithTheirTexts) {
  RecordBytes r = emRecord(kV4, 130);
  putCell(r, 5, 7, 1);      // unknown
  putCell(r, 2, 9, 36);     // magic wall active
  putCell(r, 3, 9, 40);     // wheel active
  putCell(r, 10, 10, 121);  // rock left
  putCell(r, 20, 10, 122);  // rock right
  putCell(r, 30, 10, 114);  // nut left
  putCell(r, 40, 10, 115);  // nut right
  putCell(r, 50, 10, 119);  // bomb left
  putCell(r, 60, 10, 120);  // bomb right
  putBe16(r, 2096, 64 * 1 + 1);
  session.map.currentLevel = 5;  // level number 4
  import(r, 5);

  const std::vector<std::string> expected{
      "Unsupported at level 4:5,7 :1",
      "Warning: Magic Wall active used",
      "Warning: Wheel active used",
      "Warning: Rock Move left used in level 4",
      "Warning: Rock Move right used in level 4",
      "Warning: Nut Move left used in level 4",
      "Warning: Nut Move right used in level 4",
      "Warning: Bomb Move left used in level 4",
      "Warning: Bomb Move right used in level 4",
  };
  EXPECT_EQ(session.messages, expected);
  EXPECT_TRUE(ui.changes & kMessages);
  EXPECT_EQ(cell(5, 5, 7), 15);
  EXPECT_EQ(cell(5, 2, 9), 16);
  EXPECT_EQ(cell(5, 3, 9), 72);
  EXPECT_EQ(cell(5, 10, 10), 0);
  EXPECT_EQ(cell(5, 9, 10), 3);
  EXPECT_EQ(cell(5, 20, 10), 0);
  EXPECT_EQ(cell(5, 21, 10), 3);
  EXPECT_EQ(cell(5, 29, 10), 12);
  EXPECT_EQ(cell(5, 41, 10), 12);
  EXPECT_EQ(cell(5, 49, 10), 9);
  EXPECT_EQ(cell(5, 61, 10), 9);
  EXPECT_EQ(session.map.currentLevel, 6);
}

TEST_F(EmFixture, MovingObjectsAtTheEdgesAndInARow) {
  RecordBytes r = emRecord(kV4, 130);
  putCell(r, 0, 3, 119);   // bomb moving left at x = 0: stays
  putCell(r, 63, 3, 122);  // rock moving right at x = 63: stays
  putCell(r, 10, 4, 122);  // two rocks moving right in a row
  putCell(r, 11, 4, 122);
  putCell(r, 20, 5, 115);  // a nut moving right into a wheel's byte: the nut wins
  putCell(r, 21, 5, 40);
  putBe16(r, 2096, 64 * 1 + 1);
  import(r);
  EXPECT_EQ(cell(1, 0, 3), 9);
  EXPECT_EQ(cell(1, 63, 3), 3);
  EXPECT_EQ(cell(1, 64, 3), 0);  // nothing beyond the map
  EXPECT_EQ(cell(1, 10, 4), 0);
  EXPECT_EQ(cell(1, 11, 4), 3);
  EXPECT_EQ(cell(1, 12, 4), 3);
  EXPECT_EQ(cell(1, 21, 5), 12);
  EXPECT_EQ(session.messages.size(), 6u);
}

TEST_F(EmFixture, V6HeaderTimeWellAndMarkersInPatterns) {
  RecordBytes r = emRecord(kV6, 130);
  putBe16(r, 2096, 64 * 2 + 2);
  putBe16(r, 2098, 64 * 2 + 2);  // same as the player: no Fellow2
  r[2110] = 0;
  r[2111] = 200;            // 200 seconds
  r[v6Yam(0, 1, 2)] = 122;  // rock moving right: a rock
  r[v6Yam(6, 2, 0)] = 36;   // magic wall active
  r[v6Yam(7, 0, 0)] = 1;    // unknown
  r[2159] = 40;             // the well gives out a wheel (active)
  putBe16(r, 2160, 77);
  r[2162] = 9;
  r[2163] = 4;  // row 0, column 1
  import(r);
  const LevelHeader& h = session.map.header(1);
  EXPECT_EQ(h.levelTime(), 20);
  EXPECT_EQ(h.yam(0, 2, 1), 3);
  EXPECT_EQ(h.yam(6, 0, 2), 16);
  EXPECT_EQ(h.yam(7, 0, 0), 15);
  EXPECT_EQ(h.well(1, 0), 72);
  EXPECT_EQ(h.wellDelay(), 77);
  EXPECT_EQ(h.wellActive(), 1);
  EXPECT_EQ(cell(1, 2, 2), 2);
  EXPECT_EQ(h.player2X(), 2);

  r[2110] = 0xFF;
  r[2111] = 0xFF;
  r[2163] = 9;  // no such direction
  putBe16(r, 2098, 64 * 4 + 6);
  session.map.header(2).setWell(2, 2, 5);
  import(r, 2);
  EXPECT_EQ(session.map.header(2).levelTime(), 255);
  EXPECT_EQ(session.map.header(2).well(2, 2), 5);
  EXPECT_EQ(cell(2, 6, 4), 237);
}

TEST_F(EmFixture, WellDirectionsNameTheirCells) {
  // Direction d puts the well object at (row, column).
  const int rows[] = {2, 1, 0, 0, 0, 1, 2, 2};
  const int columns[] = {2, 2, 2, 1, 0, 0, 0, 1};
  for (int d = 1; d <= 8; ++d) {
    RecordBytes r = emRecord(kV6, 130);
    r[2159] = 18;  // diamond
    r[2163] = static_cast<std::uint8_t>(d);
    session.map.header(d).clear();
    import(r, d);
    EXPECT_EQ(session.map.header(d).well(columns[d - 1], rows[d - 1]), 4) << d;
  }
}

TEST_F(EmFixture, GarbageStartWordsAreReported) {
  RecordBytes r = emRecord(kV6, 130);
  putBe16(r, 2096, 4096);
  putBe16(r, 2098, 65535);
  import(r);
  const std::vector<std::string> expected{"Player start outside the map at level 0 :4096",
                                          "Player 2 start outside the map at level 0 :65535"};
  EXPECT_EQ(session.messages, expected);
}

TEST_F(EmFixture, OriginalFilesAreDecryptedAndReadWithTheirOwnCodes) {
  // A walled level as the original games keep it: the wall at the right
  // edge of row 30 is what leaves byte 1983 at 0x1B once encrypted, and the
  // second map byte holds the level's own number.
  RecordBytes plain = emRecord(kV4, 130);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      if (x == 0 || y == 0 || x == 63 || y == 31) putCell(plain, x, y, 116);
    }
  }
  plain[1] = 0;               // level number 0, the code of a rock: not a cell
  putCell(plain, 5, 5, 158);  // the closed exit every level has
  putCell(plain, 5, 6, 64);   // the open exit
  putCell(plain, 6, 6, 123);  // acid
  putCell(plain, 6, 7, 175);  // plain dynamite
  putCell(plain, 7, 7, 18);   // diamond, the same in every version
  plain[2094] = 90;
  putBe16(plain, 2096, 64 * 2 + 2);
  const RecordBytes encrypted = encryptEmOriginal(plain);
  ASSERT_EQ(encrypted[1983], 0x1B);

  import(encrypted, 1);
  EXPECT_TRUE(session.messages.empty()) << session.messages.front();
  EXPECT_EQ(cell(1, 1, 0), 6);  // the steel border, not the level number
  EXPECT_EQ(cell(1, 5, 5), 7);
  EXPECT_EQ(cell(1, 5, 6), 8);
  EXPECT_EQ(cell(1, 6, 6), 62);
  EXPECT_EQ(cell(1, 6, 7), 71);
  EXPECT_EQ(cell(1, 7, 7), 4);
  EXPECT_EQ(cell(1, 63, 30), 6);
  EXPECT_EQ(cell(1, 2, 2), 2);
  EXPECT_EQ(session.map.header(1).levelTime(), 90);

  // The same record unencrypted is a later V4 file: its second byte is a
  // cell like any other.
  import(plain, 2);
  EXPECT_EQ(cell(2, 1, 0), 3);
  EXPECT_EQ(cell(2, 5, 5), 7);
  EXPECT_EQ(cell(2, 7, 7), 4);
  EXPECT_EQ(session.map.header(2).levelTime(), 90);
}

TEST_F(EmFixture, V6SizedRecordsWithoutTheMarkAreReadAsV6) {
  RecordBytes r = emRecord(kV6, 130);
  std::fill(r.begin() + 2106, r.begin() + 2110, std::uint8_t{0});
  r[2048 + 3 * 1 + 2] = 18;  // V6: pattern 0, row 1, column 2 as an EM cell code (diamond)
  r[2094] = 120;             // where V4 keeps its time: not read
  r[2095] = 33;
  putBe16(r, 2096, 64 * 3 + 4);
  putBe16(r, 2110, 100);  // V6 time in seconds, 10 a unit
  import(r);
  EXPECT_EQ(session.map.header(1).levelTime(), 10);
  EXPECT_EQ(session.map.header(1).diamondsNeeded(), 33);
  EXPECT_EQ(session.map.header(1).yam(0, 2, 1), 4);
  EXPECT_EQ(cell(1, 4, 3), 2);

  // A set of 81 such records opens as a levelset, each level read the same way.
  RecordBytes set;
  for (int i = 0; i < 81; ++i) set.insert(set.end(), r.begin(), r.end());
  ASSERT_TRUE(isEmV6LevelsetSize(set.size()));
  readIntoSession(session, readEmV6Levelset, Bytes(set.begin(), set.end()), "set.lev", false);
  for (int slot : {1, 40, 80}) {
    const LevelHeader& h = session.map.header(slot);
    EXPECT_EQ(h.levelTime(), 10) << slot;
    EXPECT_EQ(h.diamondsNeeded(), 33) << slot;
    EXPECT_EQ(cell(slot, 4, 3), 2) << slot;
  }
}

TEST_F(EmFixture, ExportNotesACutOnlyBeyondTheMap) {
  for (int version : {4, 6}) {
    const std::string path = dir.path("v" + std::to_string(version) + ".lev");
    session.map.currentLevel = 1;
    session.map.header(1).setWidth(64);
    session.map.header(1).setHeight(32);
    EXPECT_FALSE(exportToEm(session.map, path, version).has_value()) << version;
    session.map.header(1).setWidth(65);
    EXPECT_TRUE(exportToEm(session.map, path, version).has_value()) << version;
    session.map.header(1).setWidth(64);
    session.map.header(1).setHeight(33);
    const auto note = exportToEm(session.map, path, version);
    ASSERT_TRUE(note.has_value()) << version;
    EXPECT_NE(note->find("64 x 33"), std::string::npos) << *note;
  }
}

}  // namespace
}  // namespace pyrovel
