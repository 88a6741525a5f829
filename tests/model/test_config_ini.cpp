// The INI reader and writer behind Edit.ini.
#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/ini_file.h"
#include "support/test_support.h"

using namespace pyrovel;

TEST(IniFile, FindsKeysWithInnerSpacesIgnoringCaseAndBlanks) {
  const IniFile ini = IniFile::parse(
      "; settings\r\n[PanelStates]\r\n  Property state = Right  \r\nToolsX=12\r\n"
      "[history]\r\n1=\"/home/a b/x.map\"\r\n");
  EXPECT_EQ(ini.readString("PanelStates", "Property state", "?"), "Right");
  EXPECT_EQ(ini.readString("panelstates", "PROPERTY STATE", "?"), "Right");
  EXPECT_EQ(ini.readString("PanelStates", "Propertystate", "?"), "?");
  EXPECT_EQ(ini.readString("History", "1", "---"), "/home/a b/x.map");
  EXPECT_EQ(ini.readInteger("PanelStates", "ToolsX", 100), 12);
  // A key of another section is not found in this one.
  EXPECT_EQ(ini.readInteger("History", "ToolsX", 100), 100);
}

TEST(IniFile, IntegersThatAreNotWholeNumbersGiveTheDefault) {
  const IniFile ini = IniFile::parse("[S]\na=-40\nb=12a\nc=\nd= 7 \ne=99999999999\n");
  EXPECT_EQ(ini.readInteger("S", "a", 1), -40);
  EXPECT_EQ(ini.readInteger("S", "b", 1), 1);
  EXPECT_EQ(ini.readInteger("S", "c", 1), 1);
  EXPECT_EQ(ini.readInteger("S", "d", 1), 7);
  EXPECT_EQ(ini.readInteger("S", "e", 1), 1);
  EXPECT_EQ(ini.readInteger("S", "missing", 5), 5);
}

TEST(IniFile, AnEmptyValueIsNotTheDefault) {
  const IniFile ini = IniFile::parse("[File Locations]\nPyrovel=\n");
  EXPECT_EQ(ini.readString("File Locations", "Pyrovel", "x"), "");
}

TEST(IniFile, WritingKeepsCommentsOtherEntriesAndLineEnds) {
  IniFile ini = IniFile::parse(
      "; written by hand\r\n[Other]\r\nmine=1\r\n\r\n[PanelStates]\r\nTools state=Left\r\n"
      "Unknown key=keep me\r\n\r\n[Tail]\r\nz=9\r\n");
  ini.writeString("PanelStates", "tools STATE", "Floating");
  ini.writeString("PanelStates", "ToolsX", "40");
  ini.writeString("New Section", "k", "v");
  EXPECT_EQ(
      ini.text(),
      "; written by hand\r\n[Other]\r\nmine=1\r\n\r\n[PanelStates]\r\ntools STATE=Floating\r\n"
      "Unknown key=keep me\r\nToolsX=40\r\n\r\n[Tail]\r\nz=9\r\n\r\n[New Section]\r\nk=v\r\n");
}

TEST(IniFile, AValueCannotBreakIntoANewLine) {
  IniFile ini;
  ini.writeString("History", "1", "evil\n[PanelStates]\r\nTools state=Floating");
  const IniFile back = IniFile::parse(ini.text());
  EXPECT_FALSE(back.hasSection("PanelStates"));
  EXPECT_EQ(back.readString("History", "1", ""), "evil [PanelStates]  Tools state=Floating");
}

TEST(IniFile, SaveAndLoadRoundTripAndMissingFileIsEmpty) {
  pyrovel::testing::TempDir dir;
  EXPECT_FALSE(IniFile::load(dir.path("none.ini")).hasSection("History"));
  IniFile ini;
  ini.writeInteger("History", "2", 7);
  ini.save(dir.path("Edit.ini"));
  EXPECT_EQ(IniFile::load(dir.path("Edit.ini")).readInteger("History", "2", 0), 7);
  // A folder where the file should be is an error, not an empty file.
  std::filesystem::create_directory(dir.path("folder.ini"));
  EXPECT_THROW(IniFile::load(dir.path("folder.ini")), LevelError);
}
