// The recovery copy of a levelmap with unsaved changes: written, found,
// restored under its own name, removed, and damage that must not crash.
#include <gtest/gtest.h>

#include "editor/levelmap_files.h"
#include "editor/recovery_copy.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::ScriptedFrontend;
using testing::TempDir;

class Recovery : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedFrontend ui;
  EditorSession s{ui};
  RecoveryCopy copy{dir.path("recovery")};

  // Level 4 of cave.map edited and not saved.
  void editCave() {
    s.levelPath = dir.path("cave.map");
    s.map.fileName = "cave.map";
    s.map.header(5).setWidth(10);
    s.map.header(5).setHeight(8);
    s.map.header(5).setTitle("Lava");
    s.selectLevel(5);
    s.map.at(3, 2) = obj::Dirt;
    s.map.modified = true;
  }
};

TEST_F(Recovery, UnsavedChangesComeBackUnderTheirOwnName) {
  EXPECT_FALSE(copy.find());
  editCave();
  copy.keep(s, 1'700'000'000);
  const auto note = copy.find();
  ASSERT_TRUE(note);
  EXPECT_EQ(note->path, dir.path("cave.map"));
  EXPECT_EQ(note->fileName, "cave.map");
  EXPECT_EQ(note->writtenAt, 1'700'000'000);
  EXPECT_EQ(note->level, 5);

  // Nothing changed: the copy on disk is left alone.
  std::filesystem::remove(copy.copyPath());
  copy.keep(s, 1'700'000'030);
  EXPECT_FALSE(fileExists(copy.copyPath()));
  s.map.at(4, 2) = obj::Dirt;
  copy.keep(s, 1'700'000'060);
  EXPECT_EQ(copy.find()->writtenAt, 1'700'000'060);

  // The next start: no question, the name and path of the file, unsaved.
  ScriptedFrontend nextUi;
  EditorSession next(nextUi);
  RecoveryCopy(dir.path("recovery")).restore(next);
  EXPECT_TRUE(nextUi.questions.empty());
  EXPECT_EQ(next.map.fileName, "cave.map");
  EXPECT_EQ(next.levelPath, dir.path("cave.map"));
  EXPECT_TRUE(next.map.modified);
  EXPECT_EQ(next.map.currentLevel, 5);
  EXPECT_EQ(next.map.current().title(), "Lava");
  EXPECT_EQ(next.map.at(3, 2), obj::Dirt);
  EXPECT_EQ(next.map.at(4, 2), obj::Dirt);

  // Saved: the copy goes.
  s.map.modified = false;
  copy.keep(s, 1'700'000'090);
  EXPECT_FALSE(copy.find());
  EXPECT_FALSE(fileExists(copy.notePath()));
}

TEST_F(Recovery, DamageIsAnErrorAndLeavesTheSessionAlone) {
  editCave();
  copy.keep(s, 1'700'000'000);
  const Bytes whole = readFileBytes(copy.copyPath());
  ScriptedFrontend nextUi;
  EditorSession next(nextUi);
  next.map.fileName = "New.map";
  // Cut short, and no levelmap at all (no reader may be run on it).
  for (const Bytes& damaged : {Bytes(whole.begin(), whole.begin() + 400), Bytes(500, 0xAB)}) {
    writeFileAtomically(copy.copyPath(), damaged);
    EXPECT_THROW(copy.restore(next), LevelError);
    EXPECT_EQ(next.map.fileName, "New.map");
    EXPECT_FALSE(next.map.modified);
  }
  writeFileAtomically(copy.notePath(), std::string("[Recovery]\nName=cave.map\nWritten=soon\n"));
  EXPECT_THROW(copy.find(), LevelError);
}

}  // namespace
}  // namespace pyrovel
