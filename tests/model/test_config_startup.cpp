// Start-up: the settings folder, the image library lookup, the empty levelmap.
#include <gtest/gtest.h>

#include <fstream>

#include "model/startup.h"
#include "support/test_support.h"

using namespace pyrovel;

TEST(Startup, SettingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly) {
  EXPECT_EQ(chooseSettingsFolder("/usr/lib/prvl", "/home/u/.config/prvl", false),
            "/home/u/.config/prvl");
  EXPECT_EQ(chooseSettingsFolder("/opt/prvl", "/home/u/.config/prvl", true), "/opt/prvl");
  pyrovel::testing::TempDir dir;
  EXPECT_TRUE(folderIsWritable(dir.dir().string()));
  EXPECT_FALSE(folderIsWritable(dir.path("does-not-exist")));
  EXPECT_TRUE(std::filesystem::is_empty(dir.dir()));  // the probe is gone again
}

TEST(Startup, ImageLibraryIsTakenFromTheGameFolderOnlyWhenBothFilesAreThere) {
  pyrovel::testing::TempDir dir;
  std::ofstream(dir.path("Emerald.iml")) << "x";
  auto files = findImageLibrary(dir.dir().string());
  EXPECT_EQ(files.iml, "Emerald.iml");  // bare names: the working folder is tried
  EXPECT_FALSE(files.found);
  std::ofstream(dir.path("Emerald.bam")) << "x";
  files = findImageLibrary(dir.dir().string());
  EXPECT_EQ(files.iml, dir.path("Emerald.iml"));
  EXPECT_EQ(files.bam, dir.path("Emerald.bam"));
  EXPECT_TRUE(files.found);
}

TEST(Startup, SpriteSetsAreListedSorted) {
  pyrovel::testing::TempDir dir;
  for (const char* n : {"b.iml", "a.iml", "c.bam", "Z.iml"}) std::ofstream(dir.path(n)) << "x";
  EXPECT_EQ(listSpriteSets(dir.dir().string()),
            (std::vector<std::string>{"Z.iml", "a.iml", "b.iml"}));
}

TEST(Startup, TheEditorStartsWithACleared64x32LevelZero) {
  pyrovel::testing::ScriptedFrontend ui;
  EditorSession s(ui);
  prepareEmptyLevelmap(s);
  const LevelHeader& h = s.map.header(1);
  EXPECT_EQ(h.width(), 64);
  EXPECT_EQ(h.height(), 32);
  EXPECT_EQ(h.title(), "Empty");
  EXPECT_EQ(h.author(), "");
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 0, 0), obj::SolidWall);
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 1, 1), obj::LittleFellow);
  EXPECT_EQ(s.map.cell(kGameLayer, 1, 5, 5), obj::Dirt);
  EXPECT_EQ(s.map.header(2).width(), 1);
  EXPECT_EQ(s.map.header(100).title(), "Empty");
  EXPECT_EQ(s.map.fileName, "New.map");
  EXPECT_EQ(s.map.currentLevel, 1);
  EXPECT_FALSE(s.map.modified);
  EXPECT_FALSE(s.canUndo());
  EXPECT_EQ(s.levelCaption(), "New.map Level 0: Empty");  // no author, no " by"
  s.map.current().setAuthor("Ann");
  EXPECT_EQ(s.levelCaption(), "New.map Level 0: Empty by Ann");
}

TEST(Startup, BackgroundLayerSwitchStaysAcrossLevelsAndMarksNothing) {
  pyrovel::testing::ScriptedFrontend ui;
  EditorSession s(ui);
  prepareEmptyLevelmap(s);
  showBackgroundLayer(s);
  EXPECT_EQ(s.map.currentLayer, kBackgroundLayer);
  EXPECT_EQ(s.map.header(1).hasBackgroundLayer(), 0);  // looking is not drawing
  s.nextLevel();
  EXPECT_EQ(s.map.currentLayer, kBackgroundLayer);
  EXPECT_EQ(s.map.header(2).hasBackgroundLayer(), 0);
  showGameLayer(s);
  EXPECT_EQ(s.map.currentLayer, kGameLayer);
}
