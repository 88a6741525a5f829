// Edit.ini: the keys the editor reads at start and writes at close.
#include <gtest/gtest.h>

#include "model/configuration.h"

using namespace pyrovel;

TEST(EditIni, MissingKeysGiveTheDefaults) {
  Configuration c;
  c.read(IniFile{});
  EXPECT_EQ(c.gameDir, "");
  EXPECT_EQ(c.testTarget, TestTarget::Pyrovel);
  EXPECT_EQ(c.propertiesState, DockState::Invisible);
  EXPECT_EQ(c.toolsState, DockState::Left);
  EXPECT_EQ(c.objectsState, DockState::Left);  // the palette beside the level
  EXPECT_EQ(c.levelListState, DockState::Right);
  EXPECT_TRUE(c.statusBarVisible);
  EXPECT_EQ(c.paletteIconSize, 16);
  EXPECT_FALSE(c.gridShown);
  EXPECT_EQ(c.windowsRunner, "wine");  // the players' Windows programs run through wine
  EXPECT_EQ(c.objectsPos.x, 100);
  EXPECT_EQ(c.toolsPos.y, 100);
  EXPECT_EQ(c.history[3], "---");
  EXPECT_EQ(c.undoSteps, 100);
  EXPECT_FALSE(c.oneShotTools);
  c.read(IniFile::parse("[Editor]\nUndo steps=4\n"));
  EXPECT_EQ(c.undoSteps, 10);  // never fewer than the old ten
  c.defaultGameDir("/opt/prvl/");
  EXPECT_EQ(c.gameDir, "/opt/prvl/");
}

TEST(EditIni, PanelStatesFollowTheReadRules) {
  Configuration c;
  c.read(IniFile::parse(
      "[PanelStates]\nProperty state=Sideways\nTools state=Right\nObjects state=Invisible\n"
      "LevelList state=Right\nStatusBar state=Invisible\nObjectsX=-5\nObjectsY=300\n"));
  EXPECT_EQ(c.propertiesState, DockState::Floating);  // anything but "Invisible" shows it
  EXPECT_EQ(c.toolsState, DockState::Floating);       // anything but "Left" floats
  EXPECT_EQ(c.objectsState, DockState::Left);         // "Invisible" keeps it docked
  EXPECT_EQ(c.levelListState, DockState::Right);
  EXPECT_FALSE(c.statusBarVisible);
  EXPECT_EQ(c.objectsPos.x, -5);
  EXPECT_EQ(c.objectsPos.y, 300);

  c.read(
      IniFile::parse("[PanelStates]\nProperty state=Right\nObjects state=Bottom\n"
                     "[View]\nPalette icon size=20\n"));
  EXPECT_EQ(c.propertiesState, DockState::Right);
  EXPECT_EQ(c.objectsState, DockState::Bottom);
  EXPECT_EQ(c.paletteIconSize, 16);  // only 16, 24 or 32
}

TEST(EditIni, TheLastTestTargetReadingYesWins) {
  Configuration c;
  c.read(IniFile::parse("[Test level in]\nBoulderflash=yes\nBD4=yes\nPyrovel=no\n"));
  EXPECT_EQ(c.testTarget, TestTarget::Boulderflash);
  c = Configuration{};
  c.read(IniFile::parse("[Test level in]\nBD4=yes\nEmerald=yes\n"));
  EXPECT_EQ(c.testTarget, TestTarget::Emerald);
}

TEST(EditIni, WriteThenReadGivesTheSameSettings) {
  Configuration c;
  c.gameDir = "/games/prv";
  c.bd4Dir = "C:\\BD4";
  c.testTarget = TestTarget::BD4;
  c.propertiesState = DockState::Right;
  c.toolsState = DockState::Floating;
  c.objectsState = DockState::Left;
  c.statusBarVisible = false;
  c.paletteIconSize = 32;
  c.gridShown = true;
  c.toolsPos = {33, 44};
  c.history = {"/a.map", "/b.map", "---", "---"};
  c.undoSteps = 250;
  c.oneShotTools = true;
  c.windowsRunner = "/opt/wine/bin/wine64";
  c.dockLayout = "AAAA/w==";
  IniFile ini = IniFile::parse("[Test level in]\nBoulderflash=yes\n[Mine]\nx=1\n");
  c.write(ini);

  Configuration back;
  back.read(ini);
  EXPECT_EQ(back.gameDir, "/games/prv");
  EXPECT_EQ(back.bd4Dir, "C:\\BD4");
  // The earlier "yes" of another target was overwritten, so BD4 stays chosen.
  EXPECT_EQ(back.testTarget, TestTarget::BD4);
  EXPECT_EQ(back.propertiesState, DockState::Right);
  EXPECT_EQ(back.toolsState, DockState::Floating);
  EXPECT_EQ(back.objectsState, DockState::Left);
  EXPECT_FALSE(back.statusBarVisible);
  EXPECT_EQ(back.paletteIconSize, 32);
  EXPECT_TRUE(back.gridShown);
  EXPECT_EQ(back.toolsPos.x, 33);
  EXPECT_EQ(back.history[1], "/b.map");
  EXPECT_EQ(back.undoSteps, 250);
  EXPECT_TRUE(back.oneShotTools);
  EXPECT_EQ(back.windowsRunner, "/opt/wine/bin/wine64");
  EXPECT_EQ(back.dockLayout, "AAAA/w==");
  // A window never placed is not written, so it finds its place next time too.
  EXPECT_FALSE(back.propertiesPos.kept);
  EXPECT_EQ(ini.readString("PanelStates", "PropertyX", "none"), "none");
  EXPECT_EQ(ini.readString("Mine", "x", ""), "1");
  EXPECT_EQ(ini.readString("PanelStates", "Property state", ""), "Right");
  EXPECT_EQ(ini.readString("PanelStates", "LevelList state", ""), "Right");
  EXPECT_EQ(ini.readString("Test level in", "Pyrovel", ""), "no");
}
