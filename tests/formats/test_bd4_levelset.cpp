// BD4 levelsets and BD4 version 2 levels: record bytes checked against the
// layout, reading hand-built records, and short or odd files.
#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "formats/bd4_levelset.h"
#include "formats/bd4_record.h"
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
using testing::putBe16;
using testing::putCell;
using testing::RecordBytes;

constexpr std::size_t kRecord = 2106;

struct Bd4Fixture : ::testing::Test {
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
  testing::TempDir dir;
};

TEST_F(Bd4Fixture, SmallLevelIsWalledAndHeaderBytesFollowTheLayout) {
  testing::makeSmallLevel(session.map, 1);
  session.map.cell(kGameLayer, 1, 30, 5) = 4;  // outside the level: walled over
  session.map.cell(kGameLayer, 1, 65, 0) = 4;  // beyond the map: left alone
  session.map.modified = true;
  const std::string path = dir.path("set.lev");
  saveWith(session, "bd4", path);

  const RecordBytes file = testing::readAll(path);
  ASSERT_EQ(file.size(), 80 * kRecord);
  const RecordBytes r(file.begin(), file.begin() + kRecord);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      const std::size_t at = static_cast<std::size_t>(64 * y + x);
      if (at >= 2046) continue;
      if (x >= 20 || y >= 10) {
        EXPECT_EQ(r[at], 131) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(r[2046], 't');
  EXPECT_EQ(r[2047], 't');
  EXPECT_EQ(r[0], 131);           // border
  EXPECT_EQ(r[64 * 1 + 1], 128);  // the player's cell is empty space
  EXPECT_EQ(r[64 * 1 + 2], 130);  // dirt
  EXPECT_EQ(r[64 * 4 + 3], 18);   // diamond
  EXPECT_EQ(r[64 * 8 + 18], 2);   // emerald
  // Yam patterns column by column: byte 2048 + 9p + 3c + r, EM yam codes.
  EXPECT_EQ(r[2048], 1);                   // p0 c0 r0 diamond
  EXPECT_EQ(r[2048 + 9 + 6 + 0], 3);       // p1 c2 r0 rock
  EXPECT_EQ(r[2048 + 27 + 3 + 2], 6);      // p3 c1 r2 bomb
  EXPECT_EQ(r[2048 + 27 + 2 * 3 + 1], 0);  // p3 c2 r1 empty (transposition check)
  EXPECT_EQ(r[2094], 150);
  testing::expectSmallLevelHeaderBytes(r);
  EXPECT_EQ(be16(r, 2104), 0x0304);

  // An empty slot is walled all over but for its one cell.
  const RecordBytes r2(file.begin() + kRecord, file.begin() + 2 * kRecord);
  EXPECT_EQ(r2[0], 128);
  EXPECT_EQ(r2[1], 131);
  EXPECT_EQ(r2[64], 131);

  // The walls are only in the file: the levelmap's cells beyond the level
  // stay as they were. The save shows level 0 and clears Modified.
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 64, 3), 0);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 5, 32), 0);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 65, 0), 4);
  EXPECT_EQ(session.map.fileName, "set.lev");
  EXPECT_EQ(session.map.currentLevel, 1);
  EXPECT_FALSE(session.map.modified);
}

TEST_F(Bd4Fixture, LargeLevelGivesItsTopLeftPart) {
  LevelHeader& h = session.map.header(1);
  h.setWidth(100);
  h.setHeight(40);
  session.map.clearLayer(kGameLayer, 1);
  session.map.cell(kGameLayer, 1, 63, 30) = 4;
  const Bd4Record r = writeBd4Record(session.map, 1, kGameLayer);
  EXPECT_EQ(r[64 * 30 + 63], 18);
  EXPECT_EQ(r[64 * 31 + 5], 130);                        // row 31 is still inside the level
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 64, 5), 1);  // nothing walled
}

TEST_F(Bd4Fixture, RecordsOfTheCurrentLayer) {
  testing::makeSmallLevel(session.map, 1, kBackgroundLayer);
  session.map.currentLayer = kBackgroundLayer;
  const Bd4Record r = writeBd4Record(session.map, 1, kBackgroundLayer);
  EXPECT_EQ(r[64 * 4 + 3], 18);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 30, 5), 0);  // game layer untouched
}

// A ".lev" levelset of 80 records; record k's map is all dirt.
RecordBytes dirtLevelset() {
  RecordBytes file;
  for (int k = 0; k < 80; ++k) {
    RecordBytes r = emRecord(kRecord, 130);
    putBe16(r, 2096, 64 * 1 + 1);
    file.insert(file.end(), r.begin(), r.end());
  }
  return file;
}

TEST_F(Bd4Fixture, ReadsHandBuiltRecordWithMarkersAndHeader) {
  RecordBytes file = dirtLevelset();
  RecordBytes r = emRecord(kRecord, 130);
  putCell(r, 5, 5, 36);              // magic wall active
  putCell(r, 6, 5, 40);              // wheel active
  putCell(r, 0, 3, 121);             // rock moving left at the left edge: stays
  putCell(r, 10, 2, 122);            // rock moving right ...
  putCell(r, 11, 2, 131);            // ... wins over the wall of the next byte
  putCell(r, 20, 2, 114);            // nut moving left
  putCell(r, 63, 4, 120);            // bomb moving right at the right edge: stays
  putCell(r, 7, 7, 1);               // unknown code
  r[2048 + 9 * 2 + 3 * 1 + 2] = 23;  // p2 c1 r2: exit open
  r[2048] = 24;                      // beyond the yam codes: empty
  for (int i = 0; i < 10; ++i)
    r[2084 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(30 + i);
  r[2094] = 99;
  r[2095] = 77;
  putBe16(r, 2096, 64 * 2 + 3);
  putBe16(r, 2098, 64 * 5 + 7);
  r[2101] = 5;
  putBe16(r, 2102, 0x0203);
  putBe16(r, 2104, 0x0405);
  std::copy(r.begin(), r.end(), file.begin());
  const std::string path = dir.path("hand.lev");
  testing::writeAll(path, file);

  session.map.header(1).setDiamondsNeededHigh(3);
  session.map.header(1).setIntermission(255);
  session.map.header(90).setWidth(0);
  session.map.header(90).setIntermission(1);
  readWith(session, readBd4Levelset, path);

  const Levelmap& m = session.map;
  auto at = [&](int x, int y) { return m.cell(kGameLayer, 1, x, y); };
  const LevelHeader& h = m.header(1);
  EXPECT_EQ(h.width(), 64);
  EXPECT_EQ(h.height(), 32);
  EXPECT_EQ(at(5, 5), 16);
  EXPECT_EQ(at(6, 5), 72);
  EXPECT_EQ(at(0, 3), 3);
  EXPECT_EQ(at(10, 2), 0);
  EXPECT_EQ(at(11, 2), 3);
  EXPECT_EQ(at(12, 2), 1);
  EXPECT_EQ(at(19, 2), 12);
  EXPECT_EQ(at(20, 2), 0);
  EXPECT_EQ(at(63, 4), 9);
  EXPECT_EQ(at(7, 7), 15);
  EXPECT_EQ(at(3, 2), 2);
  EXPECT_EQ(at(7, 5), 237);
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 32; ++y) EXPECT_GE(at(x, y), 0);
  }
  EXPECT_EQ(h.yam(2, 1, 2), 8);
  EXPECT_EQ(h.yam(0, 0, 0), 0);
  EXPECT_EQ(h.emeraldScore(), 30);
  EXPECT_EQ(h.diamondScore(), 31);
  EXPECT_EQ(h.robotScore(), 32);
  EXPECT_EQ(h.shipScore(), 33);
  EXPECT_EQ(h.bugScore(), 34);
  EXPECT_EQ(h.yamScore(), 35);
  EXPECT_EQ(h.nutScore(), 36);
  EXPECT_EQ(h.dynamiteScore(), 37);
  EXPECT_EQ(h.keyScore(), 38);
  EXPECT_EQ(h.timeScore(), 39);
  EXPECT_EQ(h.levelTime(), 99);
  EXPECT_EQ(h.diamondsNeeded(), 77);
  EXPECT_EQ(h.diamondsNeededHigh(), 0);
  EXPECT_EQ(h.playerX(), 3);
  EXPECT_EQ(h.playerY(), 2);
  EXPECT_EQ(h.player2X(), 7);
  EXPECT_EQ(h.player2Y(), 5);
  EXPECT_EQ(h.amoebaGrowth(), 5);
  EXPECT_EQ(h.magicTime(), 0x0203);
  EXPECT_EQ(h.wheelTime(), 0x0405);
  EXPECT_EQ(h.intermission(), 0);
  // Slots beyond the levelset: a zero size becomes 1, the flags are cleared.
  EXPECT_EQ(m.header(90).width(), 1);
  EXPECT_EQ(m.header(90).intermission(), 0);
  EXPECT_EQ(m.header(80).width(), 64);
  EXPECT_TRUE(session.messages.empty());  // the BD4 reader reports nothing
}

TEST_F(Bd4Fixture, ZeroSecondPlayerWordMeansNoSecondPlayer) {
  const std::string path = dir.path("dirt.lev");
  testing::writeAll(path, dirtLevelset());
  readWith(session, readBd4Levelset, path);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 0, 0), 1);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 1, 1), 2);
}

TEST_F(Bd4Fixture, StartWordOutsideTheMapIsReportedNotPlaced) {
  RecordBytes file = dirtLevelset();
  putBe16(file, 2096, 0xFFFF);
  const std::string path = dir.path("odd.lev");
  testing::writeAll(path, file);
  readWith(session, readBd4Levelset, path);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_EQ(session.messages[0], "Player start outside the map at level 0 :65535");
  EXPECT_TRUE(ui.changes & kMessages);
}

// A set put together from files of the original games keeps them encrypted,
// each record on its own.
TEST_F(Bd4Fixture, EncryptedOriginalRecordsAreReadDecrypted) {
  RecordBytes file;
  for (int k = 0; k < 80; ++k) {
    RecordBytes r = emRecord(kRecord, 130);
    for (int y = 0; y < 32; ++y) putCell(r, 63, y, 116);
    putCell(r, 4, 4, 123);  // acid in the original codes
    putBe16(r, 2096, 64 * 2 + 2);
    if (k % 2 == 0) r = testing::encryptEmOriginal(r);
    file.insert(file.end(), r.begin(), r.end());
  }
  const std::string path = dir.path("originals.lev");
  testing::writeAll(path, file);
  readLevelmap(session, path);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 4, 4), 62);  // decrypted, original codes
  EXPECT_EQ(session.map.cell(kGameLayer, 2, 4, 4), 0);   // plain, later codes
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 1, 0), 6);   // the level number's cell: steel
  EXPECT_EQ(session.map.cell(kGameLayer, 2, 1, 0), 1);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 2, 2), 2);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 5, 5), 1);
  EXPECT_TRUE(session.messages.empty()) << session.messages.front();
}

TEST_F(Bd4Fixture, LevelsLayoutSkipsHeadAndGaps) {
  RecordBytes file(100 + 80 * 2432, 0xEE);
  for (int k = 0; k < 80; ++k) {
    RecordBytes r = emRecord(kRecord, 130);
    if (k == 79) {
      putCell(r, 2, 2, 18);
      putBe16(r, 2096, 64 * 9 + 9);
    }
    std::copy(r.begin(), r.end(), file.begin() + 100 + k * 2432);
  }
  const std::string path = dir.path("set.levels");
  testing::writeAll(path, file);
  readLevelmap(session, path);
  EXPECT_EQ(session.map.cell(kGameLayer, 80, 2, 2), 4);
  EXPECT_EQ(session.map.cell(kGameLayer, 80, 9, 9), 2);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 30, 20), 1);
}

TEST_F(Bd4Fixture, ShortFileKeepsTheLevelsBeforeTheCut) {
  RecordBytes file = dirtLevelset();
  file.pop_back();
  const std::string path = dir.path("short.lev");
  testing::writeAll(path, file);
  session.map.header(80).setWidth(7);
  try {
    readWith(session, readBd4Levelset, path);
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.file(), path);
    EXPECT_EQ(e.level(), 79);
    EXPECT_EQ(e.offset(), 79 * kRecord);
  }
  // All or nothing: the levelmap is the one from before the read.
  EXPECT_NE(session.map.header(79).width(), 64);
  EXPECT_EQ(session.map.header(80).width(), 7);
  EXPECT_EQ(ui.changes & kMessages, 0u);
}

TEST_F(Bd4Fixture, EmptyAndMissingFilesEndWithAnError) {
  const std::string empty = dir.path("empty.lev");
  testing::writeAll(empty, {});
  session.map.header(1).setWidth(9);
  try {
    readWith(session, readBd4Levelset, empty);
    FAIL() << "no error";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 0);
    EXPECT_EQ(e.offset(), 0u);
  }
  EXPECT_EQ(session.map.header(1).width(), 9);
  EXPECT_THROW(readWith(session, readBd4Levelset, dir.path("missing.lev")), LevelError);
  // A ".levels" file shorter than its head.
  const std::string tiny = dir.path("tiny.levels");
  testing::writeAll(tiny, RecordBytes(50, 0));
  EXPECT_THROW(readWith(session, readBd4Levelset, tiny), LevelError);
}

TEST_F(Bd4Fixture, SavedLevelsetReadsBack) {
  testing::makeSmallLevel(session.map, 1);
  session.map.cell(kGameLayer, 1, 5, 5) = 237;
  const std::string path = dir.path("round.lev");
  saveWith(session, "bd4", path);
  EditorSession other(ui);
  readLevelmap(other, path);
  const LevelHeader& a = session.map.header(1);
  const LevelHeader& b = other.map.header(1);
  for (int x = 0; x < 64; ++x) {
    for (int y = 0; y < 32; ++y) {
      int expected = session.map.cell(kGameLayer, 1, x, y);
      if (x >= a.width() || y >= a.height()) expected = 6;  // walled off in the file only
      if (expected == 237) expected = 0;                    // the record keeps only one start
      if (64 * y + x >= 2046) expected = 6;                 // "tt" reads as wall
      EXPECT_EQ(other.map.cell(kGameLayer, 1, x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(b.diamondsNeeded(), 44);
  for (std::size_t off : {LevelHeader::oEmeraldScore, LevelHeader::oKeyScore,
                          LevelHeader::oTimeScore, LevelHeader::oLevelTime}) {
    EXPECT_EQ(b.u8(off), a.u8(off)) << off;
  }
  EXPECT_EQ(b.amoebaGrowth(), 0x34);
  EXPECT_EQ(b.magicTime(), a.magicTime());
  EXPECT_EQ(b.wheelTime(), a.wheelTime());
  for (int p = 0; p < 4; ++p) {
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) EXPECT_EQ(b.yam(p, c, r), a.yam(p, c, r));
    }
  }
}

TEST_F(Bd4Fixture, SaveAsDialogTypeTwoWritesLev) {
  ui.saveAsChoices.push_back({dir.path("chosen.map"), "bd4"});
  ASSERT_TRUE(saveLevelmapAs(session));
  EXPECT_EQ(testing::readAll(dir.path("chosen.lev")).size(), 80 * kRecord);
  EXPECT_EQ(session.map.fileName, "chosen.lev");
}

// --- BD4 version 2 -------------------------------------------------------------

constexpr std::size_t kV2Map = 108, kV2Row = 129, kV2Yams = 108 + 32 * 129;

RecordBytes v2File(const char* fill) {
  RecordBytes f(kV2Yams + 84, '#');  // the separators may hold anything
  for (std::size_t i = 0; i < kV2Map; ++i) f[i] = static_cast<std::uint8_t>(i * 7);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      f[kV2Map + y * kV2Row + 2 * x] = static_cast<std::uint8_t>(fill[0]);
      f[kV2Map + y * kV2Row + 2 * x + 1] = static_cast<std::uint8_t>(fill[1]);
    }
  }
  for (int g = 0; g < 12; ++g) {
    for (int r = 0; r < 3; ++r) {
      f[kV2Yams + g * 7 + 2 * r] = '.';
      f[kV2Yams + g * 7 + 2 * r + 1] = '.';
    }
  }
  return f;
}

void putPair(RecordBytes& f, std::size_t at, const char* pair) {
  f[at] = static_cast<std::uint8_t>(pair[0]);
  f[at + 1] = static_cast<std::uint8_t>(pair[1]);
}

TEST_F(Bd4Fixture, Bd4V2ReadsPairsAndSkipsSeparators) {
  RecordBytes f = v2File("..");
  putPair(f, kV2Map, "WW");                        // (0, 0)
  putPair(f, kV2Map + 3 * kV2Row + 2 * 63, "ZZ");  // (63, 3): unlisted
  putPair(f, kV2Map + 31 * kV2Row + 2 * 63, "$1");
  putPair(f, kV2Yams + (3 * 2 + 1) * 7 + 2 * 2, ".o");  // p2 c1 r2
  const std::string path = dir.path("one.bd4");
  testing::writeAll(path, f);
  session.map.header(1).setPlayerX(9);
  session.map.header(50).setHeight(0);
  readLevelmap(session, path);
  const Levelmap& m = session.map;
  EXPECT_EQ(m.header(1).width(), 64);
  EXPECT_EQ(m.header(1).height(), 32);
  EXPECT_EQ(m.cell(kGameLayer, 1, 0, 0), 6);
  EXPECT_EQ(m.cell(kGameLayer, 1, 1, 0), 1);
  EXPECT_EQ(m.cell(kGameLayer, 1, 63, 3), 0);
  EXPECT_EQ(m.cell(kGameLayer, 1, 63, 31), 4);
  EXPECT_EQ(m.header(1).yam(2, 1, 2), 3);
  EXPECT_EQ(m.header(1).yam(2, 2, 1), 1);
  EXPECT_EQ(m.header(1).playerX(), 0);  // no other field is read
  EXPECT_EQ(m.header(50).height(), 1);
}

TEST_F(Bd4Fixture, Bd4V2ShortFileLeavesTheLevelAlone) {
  RecordBytes f = v2File("WW");
  f.pop_back();  // the last separator is not needed
  const std::string ok = dir.path("ok.bd4");
  testing::writeAll(ok, f);
  readWith(session, readBd4V2Level, ok);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 63, 31), 6);

  f.pop_back();
  const std::string cut = dir.path("cut.bd4");
  testing::writeAll(cut, f);
  session.map.cell(kGameLayer, 1, 63, 31) = 4;
  EXPECT_THROW(readWith(session, readBd4V2Level, cut), LevelError);
  EXPECT_EQ(session.map.cell(kGameLayer, 1, 63, 31), 4);
}

}  // namespace
}  // namespace pyrovel
