// Single levels in and out: the game's one-level file laid out byte by
// byte, the export formats by filter index, the import dispatch into
// consecutive levels and its stop at the last level.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/single_level_io.h"
#include "formats/single_level_file.h"
#include "import/import_filters.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "model/version.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

// An Atari cave: 12 bytes before the 440-byte map, some after it.
constexpr std::size_t kBytesOfAnAtariCave = 12 + 440 + 20;

using testing::readAll;
using testing::writeAll;

// A one-level file built from the layout: magic, 460-byte record, cells.
Bytes singleLevelFile(int w, int h, const std::string& title, const std::string& magic,
                      std::uint8_t fill = 1) {
  Bytes f(32, 0);
  std::memcpy(f.data(), magic.data(), std::min<std::size_t>(magic.size(), 32));
  Bytes record(460, 0);
  record[0] = static_cast<std::uint8_t>(w);
  record[1] = static_cast<std::uint8_t>(h);
  record[169] = static_cast<std::uint8_t>(title.size());  // Title: string[20]
  std::memcpy(&record[170], title.data(), title.size());
  f.insert(f.end(), record.begin(), record.end());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) f.push_back(static_cast<std::uint8_t>(x == 0 ? y : fill));
  }
  return f;
}

class SingleLevelIo : public ::testing::Test {
 protected:
  testing::ScriptedFrontend ui;
  EditorSession s{ui};
  testing::TempDir dir;

  void SetUp() override {
    s.map.resetLevelmap();
    s.selectLevel(1);
  }
  std::string file(const std::string& name, const Bytes& bytes) {
    const std::string p = dir.path(name);
    writeAll(p, bytes);
    return p;
  }
  void makeLevel(int slot, int w, int h, const std::string& title) {
    s.selectLevel(slot);
    s.map.current().setWidth(w);
    s.map.current().setHeight(h);
    s.map.current().setTitle(title);
    for (int x = 0; x < w; ++x)
      for (int y = 0; y < h; ++y) s.map.at(x, y) = (x + 10 * y) % 256;
  }
};

TEST_F(SingleLevelIo, ExportInTheGameFormatFollowsTheLayout) {
  makeLevel(1, 10, 5, "Cave");
  s.map.at(3, 2) = 0x1234;  // only the low byte is kept
  EXPECT_EQ(proposedExportName(s.map), "Cave.lev");
  const std::string p = dir.path("Cave.lev");
  s.map.modified = false;
  exportLevel(s.map, 1, p);
  const Bytes f = readAll(p);
  ASSERT_EQ(f.size(), 32u + 460u + 50u);
  EXPECT_EQ(std::string(f.begin(), f.begin() + 16), "Pyrovel Level V2");
  for (std::size_t i = 16; i < 32; ++i) EXPECT_EQ(f[i], 0) << i;
  EXPECT_EQ(f[32], 10);                // Width
  EXPECT_EQ(f[33], 5);                 // Height
  EXPECT_EQ(f[32 + 169], 4);           // Title length
  EXPECT_EQ(f[492 + 1], 1);            // (1, 0)
  EXPECT_EQ(f[492 + 10 * 4 + 9], 49);  // (9, 4): rows from the top
  EXPECT_EQ(f[492 + 10 * 2 + 3], 0x34);
  EXPECT_FALSE(s.map.modified);
  EXPECT_EQ(s.map.currentLevel, 1);
}

TEST_F(SingleLevelIo, ExportWritesEveryListedFormat) {
  const auto formats = levelExportFormats();
  ASSERT_EQ(formats.size(), 5u);
  EXPECT_EQ(exportFilterText(),
            "Pyrovel level|*.lev|Emerald Mine level V4|*.*|Emerald Mine level V6|*.*|"
            "Boulderdash Common File Format|*.bd|Boulderdash Common File Format XML|*.xml");
  makeLevel(1, 20, 10, "Lava");

  exportLevel(s.map, 2, dir.path("v4"));
  EXPECT_EQ(readAll(dir.path("v4")).size(), 2106u);

  exportLevel(s.map, 3, dir.path("v6"));
  const Bytes v6 = readAll(dir.path("v6"));
  ASSERT_EQ(v6.size(), 2172u);
  EXPECT_EQ(v6[2106], 255);
  EXPECT_EQ(v6[2107], '6');
  EXPECT_EQ(v6[2108], '0');
  EXPECT_EQ(v6[2109], '0');

  exportLevel(s.map, 4, dir.path("a.bd"));
  const Bytes bd = readAll(dir.path("a.bd"));
  EXPECT_EQ(std::string(bd.begin(), bd.begin() + 9), "[BDCFF]\r\n");

  exportLevel(s.map, 5, dir.path("a.xml"));
  const Bytes xml = readAll(dir.path("a.xml"));
  EXPECT_EQ(std::string(xml.begin(), xml.begin() + 9), "<bdcff>\r\n");

  EXPECT_THROW(exportLevel(s.map, 6, dir.path("x")), LevelError);
}

TEST_F(SingleLevelIo, ThreeFilesFillConsecutiveLevelsAndTheLastStaysShown) {
  s.selectLevel(5);
  const std::vector<std::string> files{
      file("a.lev", singleLevelFile(10, 5, "A", "Pyrovel Level V2")),
      file("b.lev", singleLevelFile(12, 6, "", "Pyrovel Level V2")),
      file("c.lev", singleLevelFile(4, 4, "C", "something else entirely"))};  // magic unchecked
  s.readerNote = "left by the last open";
  const LevelImportResult r = importLevel(s, 1, files);
  EXPECT_EQ(r.filledSlots, (std::vector<int>{5, 6, 7}));
  EXPECT_EQ(s.map.currentLevel, 7);
  EXPECT_TRUE(s.map.modified);
  EXPECT_EQ(s.readerNote, "left by the last open");  // the levelmap's own, for its other levels
  EXPECT_EQ(s.map.header(5).title(), "A");
  EXPECT_EQ(s.map.header(5).width(), 10);
  EXPECT_EQ(s.map.header(6).title(), "Level 5");  // untitled: the slot's level number
  EXPECT_EQ(s.map.header(6).author(), "Unknown");
  EXPECT_EQ(s.map.header(7).width(), 4);
  EXPECT_EQ(s.map.cell(kGameLayer, 6, 0, 3), 3);  // column 0 holds the row number
  EXPECT_EQ(s.map.cell(kGameLayer, 6, 11, 5), 1);
  EXPECT_TRUE(ui.changes & kLevelList);
}

TEST_F(SingleLevelIo, EachImportedLevelKeepsItsReaderNoteAndUndoAndItsFileHeadsItsNotes) {
  s.readerNote = "read by the levelset reader";
  const Bytes atari(kBytesOfAnAtariCave, 0x11);
  const std::vector<std::string> files{file("one.cav", atari), file("two.cav", atari)};
  s.messages = {"an earlier note"};
  s.selectLevel(3);
  const LevelImportResult r = importLevel(s, 4, files);
  ASSERT_EQ(r.filledSlots, (std::vector<int>{3, 4})) << ui.questions.size();
  const std::string note = "Imported with Atari importfilter. Editor version:" + std::string(kEditorVersion);
  // Both imported levels show the import's note, the others the levelmap's.
  for (int slot : {3, 4}) {
    s.selectLevel(slot);
    EXPECT_EQ(s.shownReaderNote(), note) << slot;
    EXPECT_EQ(s.undoName(), "Import") << slot;  // every filled level has its step
  }
  s.selectLevel(2);
  EXPECT_EQ(s.shownReaderNote(), "read by the levelset reader");
  // Undone, the import's note goes with it; redone, it comes back.
  s.selectLevel(3);
  s.beginStep("Draw");
  s.map.at(0, 0) = 6;
  s.endStep();
  EXPECT_EQ(s.shownReaderNote(), note);  // a later edit of the level keeps the note
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.shownReaderNote(), note);
  EXPECT_TRUE(s.undo());
  EXPECT_EQ(s.shownReaderNote(), "read by the levelset reader");
  EXPECT_TRUE(s.redo());
  EXPECT_EQ(s.shownReaderNote(), note);

  // Notes are grouped by file: the earlier one under no name.
  s.addMessages("three.cav", {"a note on three"});
  s.addMessages("three.cav", {"and another"});  // the same file: one group
  s.addMessages({}, {"a listing"});
  ASSERT_EQ(s.messageSources.size(), 2u);
  EXPECT_EQ(s.messageSources[0].first, 1u);
  EXPECT_EQ(s.messageSources[0].file, "three.cav");
  EXPECT_EQ(s.messageSources[1].first, 3u);
  EXPECT_EQ(s.messageSources[1].file, "");
  s.nameMessageSource(3, "four.cav");  // the notes were about a file after all
  ASSERT_EQ(s.messageSources.size(), 2u);
  EXPECT_EQ(s.messageSources[1].file, "four.cav");
  s.clearMessages();
  EXPECT_TRUE(s.messages.empty() && s.messageSources.empty());
}

TEST_F(SingleLevelIo, LevelNinetyNineTakesOneFileAndTheRestAreNamed) {
  s.selectLevel(99);  // level 98
  std::vector<std::string> files;
  for (const char* n : {"a.lev", "b.lev", "c.lev", "d.lev"}) {
    files.push_back(file(n, singleLevelFile(5, 5, n, "Pyrovel Level V2")));
  }
  const LevelImportResult r = importLevel(s, 1, files);
  EXPECT_EQ(r.filledSlots, (std::vector<int>{99, 100}));
  EXPECT_EQ(r.notImported, (std::vector<std::string>{files[2], files[3]}));
  EXPECT_EQ(s.map.header(100).title(), "b.lev");  // not overwritten by c or d
  EXPECT_EQ(s.map.currentLevel, 100);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0],
            "2 file(s) not imported, for want of a level to put them in (c.lev, d.lev)");
}

TEST_F(SingleLevelIo, BadFilesEndTheImportAndKeepWhatWasFilled) {
  s.selectLevel(3);
  Bytes tooBig = singleLevelFile(5, 5, "Big", "x");
  tooBig[32] = 200;  // Width beyond the grid
  Bytes truncated = singleLevelFile(10, 10, "Short", "x");
  truncated.resize(truncated.size() - 1);
  const std::string good = file("good.lev", singleLevelFile(6, 6, "Good", "x"));
  s.map.header(4).setWidth(5);  // not an empty slot, whose title the list resets
  s.map.header(4).setHeight(5);
  s.map.header(4).setTitle("Kept");

  EXPECT_THROW(importLevel(s, 1, {good, file("big.lev", tooBig)}), LevelError);
  EXPECT_EQ(s.map.header(3).title(), "Good");
  EXPECT_EQ(s.map.header(4).title(), "Kept");  // refused before anything changed
  EXPECT_EQ(s.map.currentLevel, 3);            // the last level filled

  s.selectLevel(4);
  ui.answers = {Answer::Yes};  // replace "Kept": the broken file gives it back
  try {
    importLevel(s, 1, {file("short.lev", truncated)});
    FAIL() << "a short file must end the import";
  } catch (const LevelError& e) {
    EXPECT_EQ(e.level(), 3);
    EXPECT_EQ(e.offset(), 492u);
  }
  EXPECT_EQ(s.map.header(4).title(), "Kept");
  EXPECT_EQ(s.map.currentLevel, 4);  // nothing filled: the import's first level
  EXPECT_THROW(importLevel(s, 1, {dir.path("missing.lev")}), std::exception);
}

TEST_F(SingleLevelIo, AnEmptyFileLeavesTheLevelWhicheverFilterTakesIt) {
  const std::string empty = file("empty.map", Bytes{});
  makeLevel(5, 8, 6, "Mine");
  const auto before = s.map.header(5).bytes;
  for (const ImportFilter& f : importFilters()) {
    s.selectLevel(5);
    ui.answers = {Answer::Yes};  // replace "Mine" when asked
    bool failed = false;
    try {
      failed = !importLevel(s, f.index, {empty}).turnedDown.empty();
    } catch (const LevelError&) {
      failed = true;
    }
    EXPECT_TRUE(failed) << f.name;
    EXPECT_EQ(s.map.header(5).bytes, before) << f.name;
    EXPECT_EQ(s.map.cell(kGameLayer, 5, 3, 2), 23) << f.name;
  }
}

TEST_F(SingleLevelIo, AMapOnlyEmeraldMineFileComesInAtTheMapsSize) {
  // 2110 bytes: the 64 x 32 map and no header. The import clears the level
  // first, so the size must come from the map, or nothing of it is seen.
  Bytes mapOnly(2110, 130);    // dirt
  mapOnly[64 * 31 + 63] = 18;  // a diamond in the last cell
  s.selectLevel(7);
  const LevelImportResult r = importLevel(s, 8, {file("map.only", mapOnly)});
  ASSERT_EQ(r.filledSlots, std::vector<int>{7});
  EXPECT_EQ(s.map.header(7).width(), 64);
  EXPECT_EQ(s.map.header(7).height(), 32);
  EXPECT_EQ(s.map.cell(kGameLayer, 7, 63, 31), 4);
  ASSERT_FALSE(s.messages.empty());
  EXPECT_NE(s.messages.back().find("no header (2110 bytes)"), std::string::npos)
      << s.messages.back();
}

TEST_F(SingleLevelIo, OtherFiltersUseTheirRoutines) {
  // A plain Construction Kit cave: 498 bytes, the map after two bytes; the
  // first stored row is the bottom row.
  Bytes cav(498, 0xFF);  // nibble 15: Empty Space
  cav[0] = 7;            // "Unknown1", 16 bits
  cav[1] = 0;
  cav[2 + 20] = 0xE7;  // row 1, byte 0: Little Fellow then Dirt at row 0
  s.selectLevel(2);
  std::vector<std::string> shown;
  bool cleared = false;
  LevelImportOptions options;
  options.unknownBytes.viewUnknown = true;
  options.unknownBytes.clearInBetween = true;
  options.unknownBytes.viewOnly = true;
  options.unknownBytes.onlyKey = "UNKNOWN1";
  options.unknownBytes.show = [&](bool clear, const std::vector<std::string>& lines) {
    cleared = clear;
    shown.insert(shown.end(), lines.begin(), lines.end());
  };
  const std::string tooShort = file("tiny.cav", Bytes(497, 0));
  const LevelImportResult r =
      importLevel(s, 3, {file("one.cav", cav), tooShort, file("two.INT", cav)}, options);
  EXPECT_EQ(r.filledSlots, (std::vector<int>{2, 3}));
  EXPECT_EQ(r.turnedDown, (std::vector<std::string>{tooShort}));
  EXPECT_EQ(s.map.currentLevel, 3);
  EXPECT_EQ(s.map.header(2).width(), 40);
  EXPECT_EQ(s.map.cell(kGameLayer, 2, 0, 0), 2);
  EXPECT_EQ(s.map.cell(kGameLayer, 2, 1, 0), 1);
  EXPECT_EQ(s.map.header(3).intermission(), 255);
  EXPECT_TRUE(cleared);
  EXPECT_EQ(shown, (std::vector<std::string>{"Unknown1: 7", "Unknown1: 7"}));
  EXPECT_TRUE(findImportFilter("3") != nullptr);
}

TEST_F(SingleLevelIo, DiamondCavesTwoIsRefusedOnTheOneComputer) {
  EXPECT_TRUE(dc2ImportDisabledOn("velma"));
  EXPECT_FALSE(dc2ImportDisabledOn("VELMAR"));
  s.selectLevel(2);
  s.map.modified = false;
  LevelImportOptions options;
  options.computerName = "Velma";
  const LevelImportResult r = importLevel(s, 5, {dir.path("whatever")}, options);
  EXPECT_TRUE(r.refused);
  EXPECT_EQ(ui.messages, (std::vector<std::string>{kDc2DisabledMessage}));
  EXPECT_FALSE(s.map.modified);
  EXPECT_EQ(s.map.currentLevel, 2);
  EXPECT_THROW(importLevel(s, 11, {}), LevelError);
}

TEST_F(SingleLevelIo, AnImportNeverMixesWithOrSilentlyReplacesALevel) {
  makeLevel(3, 8, 8, "Mine");
  s.map.header(3).setLevelTime(77);
  const std::string small = file("small.lev", singleLevelFile(5, 5, "Small", "x"));

  // The level shown holds something: No puts the file into the first empty level.
  s.selectLevel(3);
  ui.answers = {Answer::No};
  EXPECT_EQ(importLevel(s, 1, {small}).filledSlots, std::vector<int>{4});
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_NE(ui.questions[0].find("Level 2 (Mine) is not empty"), std::string::npos);
  EXPECT_EQ(s.map.header(3).title(), "Mine");

  // Yes replaces it, from a cleared level: nothing of "Mine" stays.
  s.selectLevel(3);
  ui.answers = {Answer::Yes};
  importLevel(s, 1, {small});
  EXPECT_EQ(s.map.header(3).title(), "Small");
  EXPECT_NE(s.map.header(3).levelTime(), 77);
  EXPECT_EQ(s.map.cell(kGameLayer, 3, 7, 7), 0);
  // ... and the cells come back with one undo.
  EXPECT_TRUE(s.undo());
  EXPECT_NE(s.map.cell(kGameLayer, 3, 7, 7), 0);

  // Cancel imports nothing.
  makeLevel(5, 8, 8, "Other");
  ui.answers = {Answer::Cancel};
  EXPECT_TRUE(importLevel(s, 1, {small}).filledSlots.empty());
  EXPECT_EQ(s.map.header(5).title(), "Other");
}

}  // namespace
}  // namespace pyrovel
