// Choosing readers, the file history, saving and new levelmaps.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "support/read_errors.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::ScriptedFrontend;
using testing::TempDir;

class OpenSave : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedFrontend ui;
  EditorSession s{ui};

  // A levelmap file whose level 0 is titled `title`.
  std::string writeMap(const std::string& name, const std::string& title) {
    EditorSession other(ui);
    other.map.header(1).setWidth(8);
    other.map.header(1).setHeight(6);
    other.map.header(1).setTitle(title);
    const std::string path = dir.path(name);
    writeLevel(other.map, ui, path);
    return path;
  }
};

TEST_F(OpenSave, HistoryMovesEntriesToTheFront) {
  const std::string a = writeMap("a.map", "A"), b = writeMap("b.map", "B"),
                    c = writeMap("c.map", "C"), d = writeMap("d.map", "D"),
                    e = writeMap("e.map", "E");
  for (const auto& p : {a, b, c, d}) readLevelmap(s, p);
  EXPECT_EQ(s.history, (std::array<std::string, 4>{d, c, b, a}));
  readLevelmap(s, d);  // already entry 1: nothing changes
  EXPECT_EQ(s.history, (std::array<std::string, 4>{d, c, b, a}));
  readLevelmap(s, b);  // entry 3 becomes entry 1, entries 1 and 2 move down
  EXPECT_EQ(s.history, (std::array<std::string, 4>{b, d, c, a}));
  readLevelmap(s, e);  // a new path pushes the last one out
  EXPECT_EQ(s.history, (std::array<std::string, 4>{e, b, d, c}));
  EXPECT_EQ(s.map.fileName, "e.map");
  EXPECT_EQ(s.levelPath, e);
  EXPECT_EQ(s.map.header(1).title(), "E");
}

TEST_F(OpenSave, ExtensionsMatchWhateverTheirLetterCase) {
  const std::string lower = writeMap("levels.map", "Game");
  EXPECT_TRUE(readLevelmap(s, lower));  // a game magic: the game reader only (no 'd' after the dot)
  EXPECT_EQ(s.map.header(1).title(), "Game");

  const std::string upper = dir.path("X.MAP");
  std::filesystem::copy_file(writeMap("other.map", "Other"), upper);
  EditorSession fresh(ui);
  EXPECT_TRUE(readLevelmap(fresh, upper));
  EXPECT_EQ(fresh.map.header(1).title(), "Other");
}

TEST_F(OpenSave, ShortOrUnknownMapFilesAreErrors) {
  const std::string path = dir.path("short.map");
  testing::writeAll(path, {'G', 'r', 'o', 't'});
  EXPECT_FALSE(readLevelmap(s, path));
  const std::string other = dir.path("other.map");
  testing::writeAll(other, Bytes(64, 'x'));
  EXPECT_FALSE(readLevelmap(s, other));  // no magic matches: nothing is read
  EXPECT_EQ(s.map.header(1).width(), 1);
  // Opening it says which formats the name fits and that the contents fit none.
  const LevelError e = testing::errorOf([&] { openLevelmap(s, OpenSource::Path, other); });
  EXPECT_EQ(e.file(), other);
  EXPECT_NE(std::string(e.what()).find("Pyrovel levelmap"), std::string::npos);
  EXPECT_THROW(readLevelmap(s, dir.path("missing.map")), LevelError);
}

TEST_F(OpenSave, SaveFollowsTheFileOfTheLastSaveAs) {
  const std::string opened = writeMap("opened.map", "Opened");
  openLevelmap(s, OpenSource::Path, opened);
  EXPECT_EQ(s.map.currentLevel, 1);
  EXPECT_FALSE(s.map.modified);

  s.map.current().setTitle("Changed");
  const std::string copy = dir.path("copy.map");
  ui.saveAsChoices.push_back({copy, "map"});
  EXPECT_TRUE(saveLevelmapAs(s));
  EXPECT_EQ(s.map.fileName, "copy.map");
  EXPECT_EQ(s.levelPath, copy);
  EXPECT_EQ(s.history[0], copy);

  s.map.current().setTitle("Saved again");
  EXPECT_TRUE(saveLevelmap(s));
  EditorSession check(ui);
  readLevelmap(check, opened);
  EXPECT_EQ(check.map.header(1).title(), "Opened");
  readLevelmap(check, copy);
  EXPECT_EQ(check.map.header(1).title(), "Saved again");

  // A Save As that fails leaves the levelmap on its file.
  ui.saveAsChoices.push_back({dir.path("no-such-folder/x.map"), "map"});
  EXPECT_ANY_THROW(saveLevelmapAs(s));
  EXPECT_EQ(s.levelPath, copy);
  EXPECT_EQ(s.map.fileName, "copy.map");
}

TEST_F(OpenSave, SaveNeverWritesTheGameFormatIntoAnotherGamesFile) {
  const std::string lev = dir.path("set.lev");
  writeMap("seed.map", "Seed");
  ui.saveAsChoices.push_back({dir.path("seed.map"), "bd4"});  // a BD4 levelset of one level
  readLevelmap(s, dir.path("seed.map"));
  ASSERT_TRUE(saveLevelmapAs(s));
  std::filesystem::rename(dir.path("seed.lev"), lev);
  const Bytes before = testing::readAll(lev);

  EditorSession opened(ui);
  openLevelmap(opened, OpenSource::Path, lev);
  opened.map.current().setTitle("Edited");
  EXPECT_FALSE(saveLevelmap(opened));  // asked for a name, and the dialog was cancelled
  EXPECT_EQ(ui.saveAsProposals.back(), dir.path("set.map"));
  EXPECT_EQ(testing::readAll(lev), before);
}

TEST_F(OpenSave, AFileThatCannotBeReadChangesNothing) {
  const std::string good = writeMap("good.map", "Good");
  openLevelmap(s, OpenSource::Path, good);
  s.map.cell(kGameLayer, 1, 2, 2) = 7;
  s.map.modified = true;
  const auto history = s.history;

  const std::string random = dir.path("random.map");
  testing::writeAll(random, Bytes(4000, 0x5a));  // no reader takes it
  const std::string truncated = dir.path("truncated.map");
  const Bytes whole = testing::readAll(writeMap("whole.map", "Whole"));
  testing::writeAll(truncated, Bytes(whole.begin(), whole.begin() + 600));
  for (const std::string& path : {random, truncated, dir.path("missing.map")}) {
    EXPECT_THROW(openLevelmap(s, OpenSource::Path, path), LevelError) << path;
    EXPECT_EQ(s.map.header(1).title(), "Good");
    EXPECT_EQ(s.map.cell(kGameLayer, 1, 2, 2), 7);
    EXPECT_TRUE(s.map.modified);
    EXPECT_EQ(s.map.fileName, "good.map");
    EXPECT_EQ(s.levelPath, good);
    EXPECT_EQ(s.history, history);
  }
}

TEST_F(OpenSave, NothingOfTheLastLevelmapSurvivesTheNextOpen) {
  const std::string supaplex = testing::corpusPath("supaplex/LEVELS.DAT");
  if (supaplex.empty()) GTEST_SKIP() << "the shared corpus is not here";
  openLevelmap(s, OpenSource::Path, supaplex);
  ASSERT_EQ(s.map.header(9).width(), 60);

  const std::string demo = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
  openLevelmap(s, OpenSource::Path, demo);
  EditorSession fresh(ui);
  openLevelmap(fresh, OpenSource::Path, demo);
  for (int slot = 1; slot <= 100; ++slot) {
    EXPECT_EQ(s.map.header(slot).bytes, fresh.map.header(slot).bytes) << "level " << slot - 1;
    EXPECT_EQ(s.map.grid(kGameLayer, slot), fresh.map.grid(kGameLayer, slot))
        << "level " << slot - 1;
  }
}

TEST_F(OpenSave, SaveOfANewLevelmapAsksForAName) {
  EXPECT_FALSE(saveLevelmap(s));  // the dialog was cancelled
  ui.saveAsChoices.push_back({dir.path("fresh.map"), "map"});
  EXPECT_TRUE(saveLevelmap(s));
  EXPECT_TRUE(fileExists(dir.path("fresh.map")));
}

TEST_F(OpenSave, OpeningAsksToSaveChangesFirst) {
  const std::string a = writeMap("a.map", "A");
  s.startupComplete = true;
  s.map.modified = true;
  ui.answers = {Answer::No};
  openLevelmap(s, OpenSource::History, a);
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0],
            "This will erase changes you have made. Do you want to save the current levelmap?");
  EXPECT_EQ(s.map.header(1).title(), "A");
  // A cancelled dialog changes nothing, the unsaved mark included.
  s.map.modified = true;
  s.selectLevel(7);
  ui.answers = {Answer::No};
  openLevelmap(s, OpenSource::Dialog);
  EXPECT_EQ(s.map.currentLevel, 7);
  EXPECT_TRUE(s.map.modified);
  // Cancel at the question opens nothing.
  ui.answers = {Answer::Cancel};
  openLevelmap(s, OpenSource::History, writeMap("b.map", "B"));
  EXPECT_EQ(s.map.header(1).title(), "A");
  EXPECT_TRUE(s.map.modified);
}

TEST_F(OpenSave, NewLevelmapLeavesOneClearedLevel) {
  const std::string a = writeMap("a.map", "A");
  readLevelmap(s, a);
  s.map.cell(kBackgroundLayer, 2, 0, 0) = 5;
  s.map.bdcffMemo[3].append("Colors=Orange");
  s.map.bdcffGame.append("Name=Last file");
  s.selectLevel(1);
  newLevelmap(s);
  EXPECT_EQ(s.map.fileName, "New.map");
  EXPECT_TRUE(s.levelPath.empty());
  EXPECT_EQ(s.map.header(1).width(), 64);
  EXPECT_EQ(s.map.header(1).height(), 32);
  EXPECT_EQ(s.map.header(1).title(), "A");  // the texts the panel still showed
  EXPECT_EQ(s.map.at(1, 1), obj::LittleFellow);
  EXPECT_EQ(s.map.header(2).width(), 0);
  EXPECT_EQ(s.map.header(2).title(), "Empty");
  EXPECT_EQ(s.map.cell(kBackgroundLayer, 2, 0, 0), 5);  // background cells stay
  EXPECT_TRUE(s.map.bdcffMemo[3].empty());                // kept BDCFF lines go
  EXPECT_TRUE(s.map.bdcffGame.empty());
  EXPECT_FALSE(s.map.modified);
  // Slots of width and height 0 are written as bare records and read as 1 x 1.
  const Bytes b = encodeLevelmap(s.map, ui);
  EXPECT_EQ(b.size(), 398u + (460 + 64 * 32 * 2) + 99 * 460);
  Levelmap back;
  readGrot3Level(back, b, "new.map");
  EXPECT_EQ(back.header(2).width(), 1);
  EXPECT_EQ(back.header(2).height(), 1);
}

TEST_F(OpenSave, AppendedLevelsJoinTheLevelmapInItsOwnFile) {
  const std::string mine = writeMap("mine.map", "Mine");
  openLevelmap(s, OpenSource::Path, mine);
  const std::string other = writeMap("other.map", "Other");
  ui.openChoices.push_back(other);
  openLevelmap(s, OpenSource::AppendDialog);
  EXPECT_EQ(s.levelPath, mine) << "Save still goes to the levelmap's own file";
  EXPECT_EQ(s.map.fileName, "mine.map");
  EXPECT_TRUE(s.map.modified) << "the appended levels are in no file of this levelmap";
}

TEST_F(OpenSave, ASaveSaysWhatTheFormatCouldNotHold) {
  s.map.header(3).setWidth(100);
  s.map.header(3).setHeight(40);
  s.map.header(91).setWidth(10);
  s.map.header(91).setHeight(10);
  ui.saveAsChoices.push_back({dir.path("set.lev"), "bd4"});
  ASSERT_TRUE(saveLevelmapAs(s));
  ASSERT_EQ(s.messages.size(), 3u);
  EXPECT_EQ(s.messages[0],
            "Level 2 is 100 x 40 cells; a BD4 levelset holds 64 x 32: the file has its top-left "
            "64 x 32.");
  EXPECT_EQ(s.messages[1],
            "Level 2: the player is not at (0, 0), where the file starts the player.");
  EXPECT_NE(s.messages[2].find("Level 90 and the levels after it are not in the file"),
            std::string::npos);
  EXPECT_EQ(s.map.header(3).width(), 100) << "the levelmap keeps the whole level";
}

TEST_F(OpenSave, SaveWritesOverABdcffFileOnlyWhenItHoldsEverything) {
  // A BDCFF file made by the editor, opened and saved unchanged: in place.
  readLevelmap(s, writeMap("seed.map", "Seed"));
  ui.saveAsChoices.push_back({dir.path("caves.bd"), "bdcff"});
  ASSERT_TRUE(saveLevelmapAs(s));
  const std::string bd = dir.path("caves.bd");
  openLevelmap(s, OpenSource::Path, bd);
  EXPECT_TRUE(saveLevelmap(s));
  EXPECT_TRUE(ui.questions.empty()) << ui.questions.front();
  EXPECT_FALSE(s.map.modified);

  // Grover has no BDCFF code: nothing is written, and the user is told what
  // would be lost and offered NAME.map.
  const Bytes before = testing::readAll(bd);
  s.beginStep("Pen");
  s.placeObject(2, 2, obj::Grover);
  s.endStep();
  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(saveLevelmap(s));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_NE(ui.questions[0].find("caves.bd"), std::string::npos) << ui.questions[0];
  EXPECT_NE(ui.questions[0].find("caves.map"), std::string::npos) << ui.questions[0];
  EXPECT_EQ(testing::readAll(bd), before);
  EXPECT_TRUE(s.map.modified);
  EXPECT_EQ(s.levelPath, bd);

  ui.answers.push_back(Answer::Yes);
  ui.saveAsChoices.push_back({dir.path("caves.map"), "map"});
  EXPECT_TRUE(saveLevelmap(s));
  EXPECT_EQ(ui.saveAsProposals.back(), dir.path("caves.map"));
  EXPECT_EQ(testing::readAll(bd), before);
  EXPECT_EQ(s.levelPath, dir.path("caves.map"));
  EXPECT_FALSE(s.map.modified);
  EditorSession back(ui);
  readLevelmap(back, dir.path("caves.map"));
  EXPECT_EQ(back.map.cell(kGameLayer, 1, 2, 2), obj::Grover);
}

TEST_F(OpenSave, ALossyExportLeavesTheLevelmapUnsaved) {
  s.map.header(3).setWidth(100);
  s.map.header(3).setHeight(40);
  s.map.modified = true;
  ui.saveAsChoices.push_back({dir.path("set.lev"), "bd4"});
  ASSERT_TRUE(saveLevelmapAs(s));
  EXPECT_TRUE(s.map.modified) << "the file holds a cut level: closing must still ask";
  // ... so a New after a Yes whose save could not hold everything keeps it.
  ui.answers = {Answer::Yes};
  ui.saveAsChoices.push_back({dir.path("set2.lev"), "bd4"});
  EXPECT_FALSE(newLevelmap(s));
  EXPECT_EQ(s.map.header(3).width(), 100);
}

TEST_F(OpenSave, SaveAsAsksAboutTheFileItReallyWrites) {
  const std::string map = writeMap("Tutorial.map", "Kept");
  const Bytes before = testing::readAll(map);
  s.map.current().setTitle("New");
  // "Tutorial.bd" typed with the levelmap type: the file written is Tutorial.map.
  ui.saveAsChoices.push_back({dir.path("Tutorial.bd"), "map"});
  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(saveLevelmapAs(s));
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0], "Tutorial.map already exists. Do you want to replace it?");
  EXPECT_EQ(testing::readAll(map), before);
  EXPECT_FALSE(std::filesystem::exists(dir.path("Tutorial.bd")));

  // A name that exists in no type asks nothing.
  ui.saveAsChoices.push_back({dir.path("Fresh.bd"), "map"});
  EXPECT_TRUE(saveLevelmapAs(s));
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(dir.path("Fresh.map")));
}

TEST_F(OpenSave, SaveNeverWritesOverAnotherGamesMapFile) {
  // A Brel Boulder levelset: a .map that the game's reader does not take.
  Bytes brel(256 + 2304, 1);
  std::memcpy(brel.data(), "BPBD", 4);
  const std::string path = dir.path("brel.map");
  testing::writeAll(path, brel);
  openLevelmap(s, OpenSource::Path, path);
  s.beginStep("Pen");
  s.placeObject(1, 1, obj::Diamond);
  s.endStep();
  EXPECT_FALSE(saveLevelmap(s));  // a name is asked for, and the dialog is cancelled
  EXPECT_EQ(testing::readAll(path), brel);
  // Taking the proposed name asks before replacing the other game's file.
  ui.saveAsChoices.push_back({ui.saveAsProposals.back(), "map"});
  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(saveLevelmap(s));
  EXPECT_EQ(ui.questions.back(), "brel.map already exists. Do you want to replace it?");
  EXPECT_EQ(testing::readAll(path), brel);
}

TEST_F(OpenSave, OldestLevelmapsOpenWithTheirOwnReader) {
  Bytes f(16, 0);
  std::memcpy(f.data(), kMagicOldest, 12);
  for (int slot = 1; slot <= 100; ++slot) {
    Bytes record(256, 0);
    record[0] = 3;
    record[1] = 3;
    f.insert(f.end(), record.begin(), record.end());
    f.insert(f.end(), 9, static_cast<std::uint8_t>(slot));
  }
  const std::string path = dir.path("old.map");
  testing::writeAll(path, f);
  openLevelmap(s, OpenSource::Path, path);
  EXPECT_EQ(s.map.header(100).width(), 3);
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 2, 2), 1);
  EXPECT_EQ(s.map.cell(kGameLayer, 100, 2, 2), 100);
}

TEST_F(OpenSave, NewFollowsTheAnswerToTheSaveQuestion) {
  readLevelmap(s, writeMap("work.map", "Work"));
  s.beginStep("Pen");
  s.placeObject(3, 3, obj::Diamond);
  s.endStep();
  const auto unchanged = [&] {
    return s.map.cell(kGameLayer, 1, 3, 3) == obj::Diamond && s.map.modified &&
           s.map.fileName == "work.map" && s.canUndo();
  };
  ui.answers = {Answer::Cancel};  // Cancel, and Esc, which answers Cancel
  EXPECT_FALSE(newLevelmap(s));
  EXPECT_TRUE(unchanged());
  ui.answers = {Answer::Yes};  // Yes, then the save is cancelled... (no file: Save As)
  s.levelPath.clear();
  EXPECT_FALSE(newLevelmap(s));
  EXPECT_TRUE(unchanged());
  ui.answers = {Answer::Yes};  // ... or fails
  ui.saveAsChoices.push_back({dir.path("no-such-folder/x.map"), "map"});
  EXPECT_ANY_THROW(newLevelmap(s));
  EXPECT_TRUE(unchanged());
  ui.answers = {Answer::No};
  EXPECT_TRUE(newLevelmap(s));
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 3, 3), obj::Dirt);
  EXPECT_EQ(s.map.fileName, "New.map");
}

TEST_F(OpenSave, PipesAndDevicesAreTurnedDownBeforeAnythingReadsThem) {
  readLevelmap(s, writeMap("work.map", "Work"));
  const std::string fifo = dir.path("pipe.map");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const LevelError e = testing::errorOf([&] { openLevelmap(s, OpenSource::Path, fifo); });
  EXPECT_NE(std::string(e.what()).find("named pipe"), std::string::npos) << e.what();
  EXPECT_EQ(s.map.header(1).title(), "Work");
  EXPECT_ANY_THROW(readLevelmap(s, "/dev/null"));
  ui.saveAsChoices.push_back({fifo, "map"});
  EXPECT_ANY_THROW(saveLevelmapAs(s));
}

}  // namespace
}  // namespace pyrovel
