// Rocks & Diamonds levels: header fields at their file offsets, the map
// inside its Solid Wall frame, the memo lines, and files that go wrong.
#include <gtest/gtest.h>

#include <algorithm>

#include "import/import_test_support.h"
#include "import/rnd_level_import.h"
#include "model/errors.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct RndLevel {
  Bytes b;
  int w, h;
  RndLevel(int width, int height)
      : b(150 + static_cast<std::size_t>(width * height), 0), w(width), h(height) {
    b[38] = static_cast<std::uint8_t>(width);
    b[39] = static_cast<std::uint8_t>(height);
    std::fill(b.begin() + 150, b.end(), 1);  // Dirt
  }
  void be16(std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v >> 8);
    b[at + 1] = static_cast<std::uint8_t>(v);
  }
  std::uint8_t& cell(int i, int j) { return b[150 + static_cast<std::size_t>(j * w + i)]; }
};

using RndImport = testing::ImportFixture;

TEST_F(RndImport, HeaderAndMapInsideAFrame) {
  RndLevel l(10, 5);
  l.be16(40, 1500);
  l.be16(42, 300);
  const std::string name = "Lava Lake";
  std::copy(name.begin(), name.end(), l.b.begin() + 44);
  for (int i = 0; i < 11; ++i)
    l.b[76 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(20 + i);
  l.b[92 + 5] = 4;   // pattern 0, code 5: row 2, column 1, rock
  l.b[92 + 27] = 6;  // pattern 3, code 0: diamond
  l.b[128] = 10;
  l.b[129] = 20;
  l.b[130] = 30;
  l.cell(0, 0) = 8;    // the player
  l.cell(2, 0) = 255;  // unsupported
  l.cell(3, 0) = 27;   // biomaze
  l.cell(4, 0) = 51;   // trapped amoeba
  l.cell(9, 4) = 13;   // steel
  at(6);
  header(6).setIntermission(255);
  importRndLevel(session, file("lava.lvl", l.b));

  const LevelHeader& h = header(6);
  EXPECT_EQ(h.width(), 12);
  EXPECT_EQ(h.height(), 7);
  EXPECT_EQ(h.levelTime(), 150);
  EXPECT_EQ(h.diamondsToCollect(), 300);
  EXPECT_EQ(h.title(), "Lava Lake");  // the zero bytes after the name are not part of it
  EXPECT_EQ(h.emeraldScore(), 20);
  EXPECT_EQ(h.diamondScore(), 21);
  EXPECT_EQ(h.bugScore(), 22);
  EXPECT_EQ(h.shipScore(), 23);
  EXPECT_EQ(h.yamScore(), 24);
  EXPECT_EQ(h.robotScore(), 25);
  EXPECT_EQ(h.nutScore(), 27);
  EXPECT_EQ(h.dynamiteScore(), 28);
  EXPECT_EQ(h.keyScore(), 29);
  EXPECT_EQ(h.timeScore(), 30);
  EXPECT_EQ(h.yam(0, 1, 2), 3);
  EXPECT_EQ(h.yam(3, 0, 0), 4);
  EXPECT_EQ(h.yam(1, 1, 1), 0);
  EXPECT_EQ(h.amoebaGrowth(), 10);
  EXPECT_EQ(h.magicTime(), 20);
  EXPECT_EQ(h.wheelTime(), 30);
  EXPECT_EQ(h.intermission(), 0);
  EXPECT_EQ(h.convertTrappedAmoeba(), 255);

  EXPECT_EQ(cell(6, 1, 1), 2);
  EXPECT_EQ(h.playerX(), 1);
  EXPECT_EQ(h.playerY(), 1);
  EXPECT_EQ(cell(6, 3, 1), 15);
  EXPECT_EQ(cell(6, 4, 1), 0);
  EXPECT_EQ(cell(6, 5, 1), 11);
  EXPECT_EQ(cell(6, 10, 5), 6);
  EXPECT_EQ(cell(6, 2, 1), 1);
  for (int x = 0; x < 12; ++x) {
    EXPECT_EQ(cell(6, x, 0), 6);
    EXPECT_EQ(cell(6, x, 6), 6);
  }
  for (int y = 0; y < 7; ++y) {
    EXPECT_EQ(cell(6, 0, y), 6);
    EXPECT_EQ(cell(6, 11, y), 6);
  }
  EXPECT_EQ(session.messages,
            (std::vector<std::string>{
                "Biomaze used at level 5:4,1 :27", "Unsupported at level 5:3,1 :255",
                "Rocks & Diamonds element 255 has no object: 1 cell at level 5 made Grover"}));
  EXPECT_EQ(session.map.currentLevel, 7);
}

TEST_F(RndImport, LongTimesHoldAtTheLargestByte) {
  RndLevel l(3, 3);
  l.be16(40, 9999);
  at(1);
  importRndLevel(session, file("long.lvl", l.b));
  EXPECT_EQ(header(1).levelTime(), 255);
}

TEST_F(RndImport, MapsWiderThanALevelWithItsFrameAreRefused) {
  at(1);
  RndLevel fits(126, 2);
  importRndLevel(session, file("fits.lvl", fits.b));
  EXPECT_EQ(header(1).width(), 128);
  EXPECT_EQ(cell(1, 127, 3), 6);

  RndLevel tall(3, 127);
  at(2);
  header(2).setWidth(30);
  try {
    importRndLevel(session, file("tall.lvl", tall.b));
    FAIL() << "a 127-row map was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 39u);
  }
  EXPECT_EQ(session.map.currentLevel, 2);
  EXPECT_EQ(header(2).width(), 30);
}

TEST_F(RndImport, CutFilesEndWithAnErrorLeavingTheLevelAlone) {
  at(1);
  EXPECT_THROW(importRndLevel(session, file("head.lvl", Bytes(149, 0))), LevelError);
  EXPECT_FALSE(session.map.modified);

  RndLevel l(4, 4);
  l.cell(1, 0) = 255;
  l.b.resize(150 + 6);
  try {
    importRndLevel(session, file("cut.lvl", l.b));
    FAIL() << "a cut map was taken";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.offset(), 156u);
    EXPECT_EQ(e.level(), 0);
  }
  EXPECT_EQ(cell(1, 2, 2), 0);
  EXPECT_TRUE(session.messages.empty());
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(session.map.currentLevel, 1);
}

TEST_F(RndImport, ClassicSetsElementsHaveTheirNearestObjects) {
  RndLevel l(8, 1);
  const std::uint8_t codes[] = {105, 106, 62, 67, 68, 69, 70, 200};
  for (int i = 0; i < 8; ++i) l.cell(i, 0) = codes[i];
  at(1);
  importRndLevel(session, file("bd.lvl", l.b));
  const int objects[] = {17, 3, 227, 3, 0, 3, 235, 15};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(cell(1, i + 1, 1), objects[i]) << int{codes[i]};
  // Sokoban's elements have no counterpart: each kind is named, never silent.
  const auto noted = [&](const std::string& line) {
    return std::find(session.messages.begin(), session.messages.end(), line) !=
           session.messages.end();
  };
  EXPECT_TRUE(
      noted("Rocks & Diamonds element 67 (Sokoban box) has no object in the game: 1 cell "
            "at level 0 made Rock"));
  EXPECT_TRUE(
      noted("Rocks & Diamonds element 68 (Sokoban target) has no object in the game: 1 "
            "cell at level 0 made Empty Space"));
  EXPECT_TRUE(
      noted("Rocks & Diamonds element 69 (Sokoban box on its target) has no object in the "
            "game: 1 cell at level 0 made Rock"));
}

// A chunk file: "RND1", the size of the rest, "CAVE", then the chunks.
struct ChunkFile {
  // Built from a string: a braced list of 12 bytes trips GCC's
  // maybe-uninitialized warning at -O2.
  Bytes b = [] {
    const std::string start("RND1\0\0\0\0CAVE", 12);
    return Bytes(start.begin(), start.end());
  }();
  void chunk(const char* id, const Bytes& data) {
    b.insert(b.end(), id, id + 4);
    for (int shift : {24, 16, 8, 0}) b.push_back(static_cast<std::uint8_t>(data.size() >> shift));
    b.insert(b.end(), data.begin(), data.end());
    const std::size_t rest = b.size() - 8;
    for (int i = 0; i < 4; ++i)
      b[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(rest >> (24 - 8 * i));
  }
};

Bytes text(const std::string& s, std::size_t size) {
  Bytes out(size, 0);
  std::copy(s.begin(), s.end(), out.begin());
  return out;
}

TEST_F(RndImport, ChunkFilesGiveSizeNamesTimesScoresAndBody) {
  // HEAD: the classic header's fields in order; here 112 bytes.
  Bytes head(112, 0);
  head[0] = 5;
  head[1] = 3;
  head[2] = 0x01;  // 400 seconds
  head[3] = 0x90;
  head[4] = 0;
  head[5] = 42;
  for (int i = 0; i < 11; ++i)
    head[38 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(50 + i);
  head[54] = 6;  // pattern 0, first cell: a diamond
  head[91] = 12;
  ChunkFile f;
  f.chunk("VERS", Bytes(8, 3));
  f.chunk("DATE", {0x07, 0xE6, 2, 2});
  f.chunk("NAME", text("Crystal Hall", 32));
  f.chunk("AUTH", text("A. Builder", 32));
  f.chunk("HEAD", head);
  Bytes body(15, 1);  // dirt
  body[0] = 80;       // the player
  body[6] = 106;      // a boulder at (1, 1)
  body[14] = 63;      // no object
  f.chunk("BODY", body);
  f.chunk("CONT", Bytes(76, 0));
  at(2);
  importRndLevel(session, file("hall.level", f.b));

  const LevelHeader& h = header(2);
  EXPECT_EQ(h.width(), 7);
  EXPECT_EQ(h.height(), 5);
  EXPECT_EQ(h.levelTime(), 40);
  EXPECT_EQ(h.diamondsToCollect(), 42);
  EXPECT_EQ(h.title(), "Crystal Hall");
  EXPECT_EQ(h.author(), "A. Builder");
  EXPECT_EQ(h.emeraldScore(), 50);
  EXPECT_EQ(h.timeScore(), 60);
  EXPECT_EQ(h.yam(0, 0, 0), 4);
  EXPECT_EQ(h.magicTime(), 12);
  EXPECT_EQ(cell(2, 1, 1), 2);
  EXPECT_EQ(cell(2, 2, 2), 3);
  EXPECT_EQ(cell(2, 5, 3), 15);
  EXPECT_EQ(cell(2, 6, 4), 6);  // the frame
  EXPECT_EQ(session.messages.back(),
            "Rocks & Diamonds element 63 has no object: 1 cell at level 1 made Grover");
}

TEST_F(RndImport, LaterFilesKeepTheirSettingsInLists) {
  // Size, time and gems as INFO entries of a one-byte type (here the
  // two-byte kind, 0x41..0x44), the rest kept in a note; ELEM and CUSX
  // hold one element's settings; elements may take two bytes in BODY.
  ChunkFile g;
  g.chunk("VERS", {4, 1, 0, 0, 4, 1, 0, 0});
  g.chunk("NAME", text("Later", 32));
  g.chunk("AUTH", text("Someone", 32));
  g.chunk("INFO", {0x01, 0x01, 0x41, 0x00, 0x11, 0x42, 0x00, 0x11, 0x43, 0x00, 0x96, 0x44, 0x00,
                   0x1b, 0x0b, 0x01});
  g.chunk("ELEM", {0x00, 0x3f, 0x02, 0x05, 0xC3, 0x00, 0x02, 0xAA, 0xBB});
  Bytes body(2 * 17 * 17, 0);
  for (std::size_t i = 1; i < body.size(); i += 2) body[i] = 1;  // dirt
  body[1] = 8;                                                   // the player at (0, 0)
  body[2] = 0x01;                                                // element 256 at (1, 0)
  body[3] = 0x00;
  g.chunk("BODY", body);
  g.chunk("CUSX", {0x01, 0x68, 0x80, 0x00, 0x00, 0x00, 0x07});
  at(3);
  importRndLevel(session, file("later.level", g.b));
  const LevelHeader& h = header(3);
  EXPECT_EQ(h.width(), 19);
  EXPECT_EQ(h.height(), 19);
  EXPECT_EQ(h.levelTime(), 15);
  EXPECT_EQ(h.diamondsToCollect(), 27);
  EXPECT_EQ(h.title(), "Later");
  EXPECT_EQ(h.author(), "Someone");
  EXPECT_EQ(cell(3, 1, 1), 2);
  EXPECT_EQ(cell(3, 2, 1), 15);  // element 256
  EXPECT_EQ(cell(3, 17, 17), 1);
  const std::vector<std::string> settings{
      "Rocks & Diamonds settings at level 2 not converted: INFO: 01=1, 0b=1",
      "Rocks & Diamonds settings at level 2 not converted: ELEM element 63: 02=5, c3=(2 bytes)",
      "Rocks & Diamonds settings at level 2 not converted: CUSX element 360: 80=7"};
  ASSERT_GE(session.messages.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(session.messages.begin(), session.messages.begin() + 3),
            settings);

  // Without INFO entries for them, the game's defaults: 64 x 32, 100 seconds.
  ChunkFile d;
  d.chunk("INFO", {0x0b, 0x01});
  d.chunk("BODY", Bytes(64 * 32, 1));
  at(4);
  importRndLevel(session, file("defaults.level", d.b));
  EXPECT_EQ(header(4).width(), 66);
  EXPECT_EQ(header(4).height(), 34);
  EXPECT_EQ(header(4).levelTime(), 10);
}

TEST_F(RndImport, Version2FilesHoldMoreHeadThanTheySay) {
  // File version 2.0: HEAD says 80 bytes but holds the classic 112; the next
  // chunk starts after them.
  Bytes head(112, 0);
  head[0] = 4;
  head[1] = 2;
  head[3] = 200;  // 200 seconds
  head[5] = 9;
  const std::string name = "Old Chunks";
  std::copy(name.begin(), name.end(), head.begin() + 6);
  head[38] = 77;  // emerald score
  head[91] = 33;  // magic wall time, beyond the 80 bytes said
  ChunkFile f;
  f.chunk("VERS", {2, 0, 0, 0, 2, 0, 0, 0});
  f.chunk("HEAD", head);
  f.b[12 + 8 + 8 + 4 + 3] = 80;  // the size HEAD gives
  f.chunk("BODY", Bytes(8, 4));  // rocks
  at(1);
  importRndLevel(session, file("v2.level", f.b));
  const LevelHeader& h = header(1);
  EXPECT_EQ(h.width(), 6);
  EXPECT_EQ(h.height(), 4);
  EXPECT_EQ(h.levelTime(), 20);
  EXPECT_EQ(h.diamondsToCollect(), 9);
  EXPECT_EQ(h.title(), "Old Chunks");
  EXPECT_EQ(h.emeraldScore(), 77);
  EXPECT_EQ(h.magicTime(), 33);
  EXPECT_EQ(cell(1, 4, 2), 3);

  // The same bytes in a file of another version are taken at their word:
  // after 80 bytes the reader meets HEAD's own bytes, which are no chunk
  // name, and says so without printing them raw.
  f.b[12 + 8] = 3;
  at(2);
  try {
    importRndLevel(session, file("v3.level", f.b));
    FAIL() << "bytes that are no chunk name were taken for one";
  } catch (const LevelError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("the bytes 00 00 00 00 are not a chunk name"), std::string::npos) << what;
    EXPECT_EQ(what.find('\0'), std::string::npos);
    EXPECT_EQ(e.offset(), 12u + 16 + 8 + 80);
  }
}

TEST_F(RndImport, DamagedChunkFilesAreRefusedWithTheirOffset) {
  auto refusal = [&](const Bytes& bytes) -> std::string {
    try {
      importRndLevel(session, file("bad.level", bytes));
    } catch (const LevelError& e) {
      return e.what();
    }
    return "taken";
  };
  at(1);
  ChunkFile cut;
  cut.chunk("HEAD", Bytes(112, 2));
  cut.b.resize(cut.b.size() - 10);
  EXPECT_NE(refusal(cut.b).find("chunk HEAD of 112 bytes runs past the end"), std::string::npos);
  ChunkFile nobody;
  nobody.chunk("HEAD", Bytes(112, 2));
  EXPECT_NE(refusal(nobody.b).find("no BODY chunk"), std::string::npos);
  ChunkFile wrong;
  wrong.chunk("HEAD", Bytes(112, 2));
  wrong.chunk("BODY", Bytes(5, 1));
  EXPECT_NE(refusal(wrong.b).find("BODY of 5 bytes does not hold a 2 x 2 map"), std::string::npos);
  EXPECT_FALSE(session.map.modified);
  EXPECT_EQ(session.map.currentLevel, 1);
}

}  // namespace
}  // namespace pyrovel
