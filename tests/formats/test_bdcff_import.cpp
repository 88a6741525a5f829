#include <gtest/gtest.h>

#include <algorithm>

#include "editor/levelmap_files.h"
#include "formats/bdcff.h"
#include "formats/bdcff_das_text.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "support/levelset_calls.h"
#include "support/read_errors.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

class BdcffImportTest : public ::testing::Test {
 protected:
  // Writes the text as a .bd file and imports it.
  void import(const std::string& text) {
    const std::string path = dir.path("in.bd");
    testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    readWith(session, readBdcff, path);
  }
  int cell(int slot, int x, int y) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot) const { return session.map.header(slot); }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

TEST_F(BdcffImportTest, CaveKeysMapAndPlayer) {
  import(
      "[BDCFF]\n[game]\nName=The game\n[cave]\nName=Start\nDiamondsRequired=12 13 14\n"
      "CaveTime=300\nMagicWallTime=$1F\n[map]\nWWWWW\nW.P.W\nWr dW\nWWWWW\n[/map]\n"
      "[/cave]\n[/game]\n[/BDCFF]\n");
  const LevelHeader& h = header(1);
  EXPECT_EQ(h.title(), "Start");
  EXPECT_EQ(h.diamondsNeeded(), 12);
  EXPECT_EQ(h.levelTime(), 300 & 0xFF);
  EXPECT_EQ(h.magicTime(), 31);
  EXPECT_EQ(h.width(), 5);
  EXPECT_EQ(h.height(), 4);
  EXPECT_EQ(h.playerX(), 2);
  EXPECT_EQ(h.playerY(), 1);
  EXPECT_EQ(cell(1, 1, 2), 3);
  EXPECT_EQ(cell(1, 2, 2), 0);
  EXPECT_EQ(cell(1, 3, 2), 13);
  // The lines that say more than the record holds stay for the writer.
  EXPECT_EQ(
      session.map.bdcffMemo[1].lines(),
      (std::vector<std::string>{"DiamondsRequired=12 13 14", "CaveTime=300", "MagicWallTime=$1F"}));
  EXPECT_EQ(
      session.readerNote,
      std::string("Imported with BDCFF importfilter V0.1 beta. Editor version:") + kEditorVersion);
}

TEST_F(BdcffImportTest, TwoCharacterCodesAfterMapcodes) {
  // Rows of 7 characters: the last, incomplete code is dropped.
  import(
      "[mapcodes]\r\n  Length=2  \r\n$=whatever\r\n[/mapcodes]\r\n[cave]\r\n[map]\r\n"
      "WsDyKb.\r\nP1ZZ  x\r\n[/map]\r\n[/cave]\r\n");
  const LevelHeader& h = header(1);
  EXPECT_EQ(h.width(), 3);
  EXPECT_EQ(h.height(), 2);
  EXPECT_EQ(cell(1, 0, 0), 6);
  EXPECT_EQ(cell(1, 1, 0), 54);  // Door Yellow Closed, also when written for Dynamite
  EXPECT_EQ(cell(1, 2, 0), 58);
  EXPECT_EQ(cell(1, 0, 1), 2);
  EXPECT_EQ(cell(1, 1, 1), 15);
  EXPECT_EQ(cell(1, 2, 1), 0);
  EXPECT_EQ(h.playerX(), 0);
  EXPECT_EQ(h.playerY(), 1);
}

TEST_F(BdcffImportTest, OtherLengthValuesKeepOneCharacter) {
  import("[mapcodes]\nLength=3\n[/mapcodes]\n[cave]\n[map]\nWdW\n[/map]\n[/cave]\n");
  EXPECT_EQ(header(1).width(), 3);
  EXPECT_EQ(cell(1, 1, 0), 13);
}

TEST_F(BdcffImportTest, UnknownLinesAreKeptAndWrittenBack) {
  // The objects are drawn over the map and are part of it afterwards.
  import(
      "[cave]\nName=Kept\nColors=1 2 3\n\n[objects]\nPoint=1 1 DIRT\n[/objects]\n[map]\n"
      "WWWW\nWPxW\nWWWW\n[/map]\nAfterMap=yes\n[/cave]\n");
  const std::vector<std::string> memo = {"Colors=1 2 3", "", "AfterMap=yes"};
  EXPECT_EQ(session.map.bdcffMemo[1].lines(), memo);
  EXPECT_EQ(cell(1, 1, 1), 1);
  EXPECT_EQ(cell(1, 2, 1), 155);

  const std::string exported = bdcffLevelsetText(session.map);
  EXPECT_NE(exported.find("MagicWallTime=0\r\nColors=1 2 3\r\n\r\nAfterMap=yes\r\n[map]\r\n"),
            std::string::npos);
  EditorSession again(ui);
  const std::string path = dir.path("again.bd");
  testing::writeAll(path, std::vector<std::uint8_t>(exported.begin(), exported.end()));
  readWith(again, readBdcff, path);
  EXPECT_EQ(again.map.bdcffMemo[1].lines(), memo);
  EXPECT_EQ(again.map.header(1).title(), "Kept");
  EXPECT_EQ(again.map.cell(0, 1, 2, 1), 155);
  EXPECT_EQ(bdcffLevelsetText(again.map), exported);
}

TEST_F(BdcffImportTest, TheNextCaveClearsTheKeptLinesOfItsSlot) {
  session.map.bdcffMemo[1] = {"Old=1"};
  session.map.bdcffMemo[3] = {"Untouched=1"};
  import("[cave]\nNew=2\n[/cave]\n");
  EXPECT_EQ(session.map.bdcffMemo[1].lines(), std::vector<std::string>{"New=2"});
  EXPECT_TRUE(session.map.bdcffMemo[3].empty()) << "a read starts from a fresh levelmap";
}

TEST_F(BdcffImportTest, LongNameIsCutAndTheSlotAfterTheLastCaveIsPrepared) {
  session.map.header(3).setHatchTime(7);
  import("[cave]\nName=123456789012345678901234567890\n[/cave]\n[cave]\nName=Two\n[/cave]\n");
  EXPECT_EQ(header(1).title(), "12345678901234567890");
  EXPECT_EQ(header(2).title(), "Two");
  EXPECT_EQ(header(3).title(), "Cave3");
  EXPECT_EQ(header(3).hatchTime(), 24);
  EXPECT_EQ(header(3).amoebaGrowth(), 24);
  EXPECT_EQ(header(4).title(), "");
}

TEST_F(BdcffImportTest, OversizedMapIsCutWithOneMessage) {
  std::string text = "[cave]\n[map]\n";
  for (int y = 0; y < 140; ++y) text += std::string(200, y == 139 ? 'P' : 'd') + "\n";
  text += "[/map]\n[/cave]\n";
  import(text);
  EXPECT_EQ(header(1).width(), 128);
  EXPECT_EQ(header(1).height(), 128);
  EXPECT_EQ(cell(1, 127, 127), 13);
  EXPECT_EQ(cell(1, 128, 0), 0);      // the spare column of the grid stays as it was
  EXPECT_EQ(header(1).playerX(), 0);  // the row with the player was dropped
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_NE(session.messages[0].find("Level 0"), std::string::npos);
  EXPECT_TRUE(ui.changes & kMessages);
}

TEST_F(BdcffImportTest, AHundredCavesFillEverySlotAndNoMore) {
  std::string text;
  for (int i = 1; i <= 101; ++i) text += "[cave]\nName=C" + std::to_string(i) + "\n[/cave]\n";
  import(text);
  EXPECT_EQ(header(1).title(), "C1");
  EXPECT_EQ(header(100).title(), "C100");
  EXPECT_EQ(header(0).title(), "");
}

TEST_F(BdcffImportTest, EmptyAndGarbageFilesEndWithAnError) {
  session.map.header(1).setTitle("Mine");
  const LevelError e = testing::errorOf([&] { import(""); });
  EXPECT_NE(std::string(e.what()).find("no BDCFF cave"), std::string::npos);
  EXPECT_EQ(header(1).title(), "Mine");
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 37) % 256);
  // A map that never ends.
  const LevelError cut = testing::errorOf([&] { import(garbage + "\n[cave]\n[map]\n" + garbage); });
  EXPECT_NE(std::string(cut.what()).find("cut off by the end of the file"), std::string::npos);
  EXPECT_EQ(header(1).title(), "Mine");  // the cave is left out, and so is the file
  EXPECT_THROW(readWith(session, readBdcff, dir.path("missing.bd")), LevelError);
}

TEST_F(BdcffImportTest, DispatcherReadsBdFiles) {
  const std::string path = dir.path("set.bd");
  const std::string text = "[cave]\nName=Via open\n[/cave]\n";
  testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  readLevelmap(session, path);
  EXPECT_EQ(header(1).title(), "Via open");
  EXPECT_FALSE(session.readerNote.empty());
}

TEST_F(BdcffImportTest, TutorialCorpusHas34MapCaves) {
  const std::string path = testing::corpusPath("bdcff/Tutorial.bd");
  if (path.empty()) GTEST_SKIP() << "corpus not present";
  readWith(session, readBdcff, path);
  for (int slot = 1; slot <= 34; ++slot) {
    EXPECT_EQ(header(slot).width(), 40) << slot;
    EXPECT_EQ(header(slot).height(), 22) << slot;
  }
  EXPECT_EQ(header(35).title(), "Cave35");
  EXPECT_EQ(header(1).title(), "Diamonds");
  EXPECT_EQ(header(1).diamondsNeeded(), 10);
  EXPECT_EQ(header(1).levelTime(), 250);
  EXPECT_EQ(header(1).magicTime(), 20);
  EXPECT_EQ(header(1).playerX(), 4);
  EXPECT_EQ(header(1).playerY(), 5);
  EXPECT_EQ(header(1).emeraldScore(), 45);  // DiamondValue=45 10
  EXPECT_EQ(header(1).diamondScore(), 10);
  EXPECT_EQ(header(1).amoebaBrake(), 20);
  EXPECT_EQ(header(1).slimePermeability(), 31);
  EXPECT_EQ(header(23).title(), "Indestructible door ");
  EXPECT_EQ(header(34).title(), "Amoeba effect");
  // The file's own codes: "2=ACID", "%=BLADDER", ")=BOMB" have objects.
  const auto has = [&](int slot, int object) {
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 40; ++x) {
        if (cell(slot, x, y) == object) return true;
      }
    }
    return false;
  };
  EXPECT_EQ(header(31).title(), "Acid");
  EXPECT_TRUE(has(31, 62));
  EXPECT_EQ(header(22).title(), "Bladders");
  EXPECT_TRUE(has(22, 243));
  EXPECT_TRUE(has(24, 9));
  // Every Grover is in a note: the notes' cell counts add up to the Grovers.
  int grovers = 0, noted = 0;
  for (int slot = 1; slot <= 34; ++slot) {
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 40; ++x) grovers += cell(slot, x, y) == 15;
    }
  }
  for (const std::string& m : session.messages) {
    const auto at = m.find(" became Grover");
    ASSERT_NE(at, std::string::npos) << m;
    const auto colon = m.rfind(": ", at);
    noted += std::stoi(m.substr(colon + 2));
  }
  EXPECT_EQ(noted, grovers);
  // The file's 363 cells of its own codes and 50 of "g" (ghosts, known nowhere).
  EXPECT_EQ(grovers, 413 - 1 - 25 - 17);
  const auto note = std::find_if(
      session.messages.begin(), session.messages.end(),
      [](const auto& m) { return m.find("map code '$' (BLADDERSPENDER)") != std::string::npos; });
  ASSERT_NE(note, session.messages.end());
  EXPECT_EQ(note->rfind("Level 21 (cave 22 \"Bladders\", ", 0), 0u) << *note;
  EXPECT_NE(note->find(": 3 cells became Grover"), std::string::npos) << *note;
}

}  // namespace
}  // namespace pyrovel
