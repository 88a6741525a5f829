// Supaplex level files: 1536-byte records laid out byte by byte (the map
// at 60y + x, the infotrons needed at byte 1470), unknown bytes, files that
// end early, and the real LEVELS.DAT of the corpus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/levelmap_files.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "support/levelset_calls.h"
#include "support/read_errors.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Bytes8 = std::vector<std::uint8_t>;
constexpr std::size_t kRecord = 1536;

// A record of base (code 2) with the given bytes set.
struct SupaplexRecord {
  Bytes8 bytes = Bytes8(kRecord, 0);
  SupaplexRecord() { std::fill(bytes.begin(), bytes.begin() + 1440, 2); }
  SupaplexRecord& at(int x, int y, std::uint8_t code) {
    bytes[static_cast<std::size_t>(60 * y + x)] = code;
    return *this;
  }
  SupaplexRecord& needed(std::uint8_t n) {
    bytes[1470] = n;
    return *this;
  }
  SupaplexRecord& title(const std::string& t) {
    std::copy(t.begin(), t.end(), bytes.begin() + 1446);
    return *this;
  }
};

Bytes8 supaplexFile(const std::vector<SupaplexRecord>& records) {
  Bytes8 out;
  for (const SupaplexRecord& r : records) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
  return out;
}

class SupaplexReaderTest : public ::testing::Test {
 protected:
  void read(const Bytes8& file) {
    testing::writeAll(path, file);
    readWith(session, readSupaplexLevels, path);
  }
  int cell(int x, int y, int slot = 1) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot = 1) const { return session.map.header(slot); }

  testing::TempDir dir;
  std::string path = dir.path("LEVELS.DAT");
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

TEST_F(SupaplexReaderTest, CellCodesAndTheirPlaces) {
  // Cell (x, y) is byte 60y + x; a few codes, the player and the last cell.
  SupaplexRecord r;
  r.at(10, 5, 0).at(11, 5, 1).at(12, 5, 17).at(13, 5, 40).at(7, 9, 3).at(59, 23, 6);
  read(supaplexFile({r}));
  EXPECT_EQ(cell(0, 0), 1);
  EXPECT_EQ(cell(10, 5), 0);
  EXPECT_EQ(cell(11, 5), 3);
  EXPECT_EQ(cell(12, 5), 151);
  EXPECT_EQ(cell(13, 5), 68);
  EXPECT_EQ(cell(7, 9), 2);
  EXPECT_EQ(header().playerX(), 7);
  EXPECT_EQ(header().playerY(), 9);
  EXPECT_EQ(cell(59, 23), 6);
  EXPECT_EQ(header().width(), 60);
  EXPECT_EQ(header().height(), 24);
  EXPECT_EQ(header().levelTime(), 200);
  EXPECT_EQ(header().emeraldScore(), 3);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(SupaplexReaderTest, InfotronsNeededFromTheRecordOrCounted) {
  SupaplexRecord counted, given;
  for (int i = 0; i < 7; ++i) counted.at(i, 1, 4);
  given.at(0, 0, 4).needed(250);
  read(supaplexFile({counted, given}));
  EXPECT_EQ(header(1).diamondsNeeded(), 7);
  EXPECT_EQ(header(2).diamondsNeeded(), 250);
  EXPECT_EQ(cell(6, 1, 1), 4);
}

TEST_F(SupaplexReaderTest, OnlyTheFirstUnknownByteAsks) {
  SupaplexRecord a, b;
  a.at(1, 1, 41).at(2, 1, 200);
  b.at(0, 0, 255);
  read(supaplexFile({a, b}));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Unknown character 41 in the file. Stop reading?");
  EXPECT_EQ(cell(1, 1), 15);
  EXPECT_EQ(cell(2, 1), 15);
  EXPECT_EQ(cell(0, 0, 2), 15);
  const std::vector<std::string> want = {"Unsupported at level 0:1,1 :41",
                                         "Unsupported at level 0:2,1 :200",
                                         "Unsupported at level 1:0,0 :255"};
  EXPECT_EQ(session.messages, want);
  EXPECT_TRUE(ui.changes & kMessages);
}

TEST_F(SupaplexReaderTest, YesStopsAfterTheLevelOfTheUnknownByte) {
  SupaplexRecord a, b;
  a.at(1, 1, 99).at(5, 5, 3).needed(9);
  ui.answers = {Answer::Yes};
  read(supaplexFile({a, b}));
  EXPECT_EQ(header(1).diamondsNeeded(), 9);
  EXPECT_EQ(header(1).playerX(), 5);  // the level is finished
  EXPECT_TRUE(session.map.isEmptyLevel(2));
}

TEST_F(SupaplexReaderTest, ShortFiles) {
  // Whole records only: one and a half records fail, and nothing changes.
  session.map.header(1).setTitle("before");
  Bytes8 file = supaplexFile({SupaplexRecord().at(0, 0, 1), SupaplexRecord()});
  file.resize(kRecord + kRecord / 2);
  const LevelError e = testing::errorOf([&] { read(file); });
  EXPECT_EQ(e.file(), path);
  EXPECT_EQ(e.level(), 1);
  EXPECT_EQ(e.offset(), kRecord);
  EXPECT_EQ(header(1).title(), "before");

  // A file that ends after a record holds fewer levels.
  read(supaplexFile({SupaplexRecord(), SupaplexRecord().at(0, 0, 0)}));
  EXPECT_EQ(cell(0, 0, 2), 0);
  EXPECT_TRUE(session.map.isEmptyLevel(3));

  EXPECT_THROW(read(Bytes8()), LevelError);
  EXPECT_THROW(read(Bytes8(100, 2)), LevelError);
}

TEST_F(SupaplexReaderTest, TheFirstHundredLevelsWithTheirTitlesAndANoteForTheRest) {
  std::vector<SupaplexRecord> records(111);
  records[0].title("----- FIRST  STEP -----");
  records[99].at(0, 0, 1).title("    THE LAST ONE HERE  ");
  records[100].at(0, 0, 7);
  read(supaplexFile(records));
  EXPECT_EQ(cell(0, 0, 100), 3);
  EXPECT_EQ(session.map.currentLevel, 1);
  EXPECT_EQ(header(1).title(), "FIRST  STEP");
  EXPECT_EQ(header(1).info(), "----- FIRST  STEP -----");  // kept whole
  EXPECT_EQ(header(100).title(), "THE LAST ONE HERE");
  EXPECT_EQ(
      session.messages,
      std::vector<std::string>{path + " holds 111 levels; the first 100 were read, 11 left out"});
}

TEST_F(SupaplexReaderTest, OpenedByAnyLevelsNameWithADExtension) {
  SupaplexRecord record;
  record.at(4, 5, 3);
  const Bytes8 file = supaplexFile({record});
  for (const std::string name : {"LEVELS_copy.DAT", "levels2.dat", "Levels.D01", "levels.d"}) {
    const std::string named = dir.path(name);
    testing::writeAll(named, file);
    EditorSession s(ui);
    EXPECT_TRUE(readLevelmap(s, named)) << name;
    EXPECT_EQ(s.map.header(1).playerX(), 4) << name;
    EXPECT_EQ(s.map.header(1).width(), 60) << name;
  }
  for (const std::string name : {"levels.dat.bak", "mylevels.dat", "level.dat", "levels.txt"}) {
    const std::string named = dir.path(name);
    testing::writeAll(named, file);
    EditorSession s(ui);
    EXPECT_FALSE(readLevelmap(s, named)) << name;
  }
}

TEST_F(SupaplexReaderTest, RealLevelsDat) {
  const std::string real = testing::corpusPath("supaplex/LEVELS.DAT");
  if (real.empty()) GTEST_SKIP() << "corpus LEVELS.DAT not present";
  const std::size_t size = testing::readAll(real).size();
  ASSERT_EQ(size % kRecord, 0u);
  const int levels = static_cast<int>(std::min<std::size_t>(size / kRecord, 100));
  // Through the dispatcher, which knows the file by its name.
  EXPECT_TRUE(readLevelmap(session, real));
  for (int slot = 1; slot <= levels; ++slot) {
    ASSERT_EQ(header(slot).width(), 60) << slot;
    ASSERT_EQ(header(slot).height(), 24) << slot;
  }
  // Level 0, read from the bytes by hand: Murphy at byte 1230 (row 20,
  // column 30), 19 infotrons needed and 19 on the map.
  EXPECT_EQ(header(1).playerX(), 30);
  EXPECT_EQ(header(1).playerY(), 20);
  EXPECT_EQ(cell(30, 20), 2);
  EXPECT_EQ(header(1).diamondsNeeded(), 19);
  EXPECT_EQ(cell(0, 0), 6);
  EXPECT_EQ(cell(1, 1), 1);
  // Level 1 asks for 0 in its record and has no infotrons.
  EXPECT_EQ(header(2).diamondsNeeded(), 0);
  EXPECT_EQ(header(2).playerX(), 58);
  EXPECT_TRUE(ui.questions.empty());
  // The titles, centred between dashes in the file.
  EXPECT_EQ(header(1).title(), "WARM UP");
  EXPECT_EQ(header(1).info(), "------- WARM UP -------");
  EXPECT_EQ(header(11).title(), "RUN FOR LIFE!");
  EXPECT_EQ(header(100).title(), "IQ!");
  if (size / kRecord > 100) {
    EXPECT_EQ(session.messages.size(), 1u);
    EXPECT_NE(session.messages[0].find("left out"), std::string::npos);
  } else {
    EXPECT_TRUE(session.messages.empty());
  }
}

}  // namespace
}  // namespace pyrovel
