// ABD ".caves" files and Boulderoid levelmaps laid out byte by byte: the
// two-digit sizes at their fixed distances before the map, line ends of one
// or two bytes, the character tables, unknown characters, and files that
// end early or put "mapstart" where no size can stand.
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

// One cave as the ABD editor writes it: the size lines, "mapstart", the rows.
std::string abdCave(const std::string& width, const std::string& height,
                    const std::vector<std::string>& rows, const std::string& eol = "\n") {
  std::string text =
      "name=Cave" + eol + "width=" + width + eol + "height=" + height + eol + "mapstart" + eol;
  for (const std::string& row : rows) text += row + eol;
  return text + "mapend" + eol;
}

class AbdReaderTest : public ::testing::Test {
 protected:
  void read(const std::string& text, const std::string& name = "set.caves",
            LevelsetReader reader = readAbdLevels) {
    const std::string path = dir.path(name);
    testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    readWith(session, reader, path);
  }
  LevelError readFailing(const std::string& text) {
    return testing::errorOf([&] { read(text); });
  }
  int cell(int x, int y, int slot = 1) const { return session.map.cell(0, slot, x, y); }
  const LevelHeader& header(int slot = 1) const { return session.map.header(slot); }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  EditorSession session{ui};
};

TEST_F(AbdReaderTest, SizeDigitsStandBeforeTheMap) {
  // Byte by byte: the width's digits 22 bytes and the height's 12 bytes
  // before the first map character, which follows the line end of "mapstart".
  std::string text = "xxwidth=40\nheight=22\nmapstart\n";
  const std::size_t s = text.size();
  ASSERT_EQ(text.substr(s - 22, 2), "40");
  ASSERT_EQ(text.substr(s - 12, 2), "22");
  for (int y = 0; y < 22; ++y) text += (y == 0 ? "P" : "W") + std::string(39, '.') + "\n";
  read(text);
  const LevelHeader& h = header();
  EXPECT_EQ(h.width(), 40);
  EXPECT_EQ(h.height(), 22);
  EXPECT_EQ(cell(0, 0), 2);
  EXPECT_EQ(h.playerX(), 0);
  EXPECT_EQ(h.playerY(), 0);
  EXPECT_EQ(cell(0, 21), 6);
  EXPECT_EQ(cell(39, 21), 1);
  EXPECT_EQ(h.diamondsNeeded(), 12);
  EXPECT_EQ(h.levelTime(), 30);
  EXPECT_EQ(h.timeScore(), 5);
  EXPECT_EQ(h.diamondScore(), 10);
  EXPECT_EQ(h.emeraldScore(), 5);
  EXPECT_EQ(h.amoebaGrowth(), 10);
  EXPECT_EQ(h.magicTime(), 40);
  EXPECT_TRUE(ui.questions.empty());
}

TEST_F(AbdReaderTest, CharacterTable) {
  const std::string chars = "Wgw. /qbdXPs-t";
  const std::vector<int> want = {6, 6, 17, 1, 0, 0, 14, 5, 4, 7, 2, 15, 15, 9};
  ASSERT_EQ(chars.size(), want.size());
  read(abdCave(std::to_string(chars.size()), "01", {chars}));
  for (std::size_t x = 0; x < want.size(); ++x) {
    EXPECT_EQ(cell(static_cast<int>(x), 0), want[x]) << chars[x];
  }
  EXPECT_EQ(header().playerX(), 10);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(session.messages.empty());
}

TEST_F(AbdReaderTest, CavesFillConsecutiveSlotsUpTo25) {
  std::string three;
  for (int i = 0; i < 3; ++i) three += abdCave("03", "02", {"WWW", std::string(3, "rdX"[i])});
  session.map.header(4).setTitle("of the levelmap opened before");
  session.map.currentLevel = 9;
  read(three);
  EXPECT_EQ(cell(0, 1, 1), 3);
  EXPECT_EQ(cell(0, 1, 2), 4);
  EXPECT_EQ(cell(0, 1, 3), 7);
  EXPECT_TRUE(session.map.isEmptyLevel(4)) << "nothing of the previous levelmap stays";
  EXPECT_EQ(session.map.currentLevel, 1);

  std::string many;
  for (int i = 0; i < 26; ++i) many += abdCave("02", "01", {i == 25 ? "rr" : "dd"});
  read(many);
  EXPECT_EQ(cell(0, 0, 25), 4);
  EXPECT_EQ(header(26).width(), 1) << "the 26th cave is not read";
}

TEST_F(AbdReaderTest, UnknownCharactersAskEachTime) {
  ui.answers = {Answer::No, Answer::No};
  read(abdCave("04", "01", {"Z.Z."}));
  ASSERT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(ui.questions[0], "Unknown character 90 in the file. Stop reading?");
  EXPECT_EQ(cell(0, 0), 15);
  EXPECT_EQ(cell(3, 0), 1);
  const std::vector<std::string> want = {"Unsupported at level 0:0,0 :90",
                                         "Unsupported at level 0:2,0 :90"};
  EXPECT_EQ(session.messages, want);
  EXPECT_TRUE(ui.changes & kMessages);
}

TEST_F(AbdReaderTest, YesAtAnUnknownCharacterStopsTheRead) {
  ui.answers = {Answer::Yes};
  read(abdCave("03", "01", {"dZd"}) + abdCave("03", "01", {"rrr"}));
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(cell(0, 0, 1), 4);
  EXPECT_EQ(cell(2, 0, 1), 0) << "the rest of the cave is not read";
  EXPECT_TRUE(session.map.isEmptyLevel(2));
}

TEST_F(AbdReaderTest, BoulderoidVariantUsesTwoByteLineEndsAndItsOwnCharacters) {
  // "# Boulderoid" levelmaps: CR LF line ends, the digits 25 and 14 bytes
  // before the map, Boulderoid's characters (q is a ship there).
  std::string text = "# Boulderoid levelmap\r\n" + abdCave("05", "02", {"Pqx0.", "WWWWW"}, "\r\n");
  const std::size_t s = text.find("mapstart") + 10;
  ASSERT_EQ(text.substr(s - 25, 2), "05");
  ASSERT_EQ(text.substr(s - 14, 2), "02");
  read(text, "set.map", readBoulderoidLevels);
  EXPECT_EQ(header().width(), 5);
  EXPECT_EQ(header().height(), 2);
  EXPECT_EQ(cell(0, 0), 2);
  EXPECT_EQ(cell(1, 0), 87);
  EXPECT_EQ(cell(2, 0), 155);
  EXPECT_EQ(cell(3, 0), 48);
  EXPECT_EQ(cell(4, 0), 1);
  EXPECT_EQ(cell(4, 1), 6);
  EXPECT_TRUE(ui.questions.empty());
  read(abdCave("02", "01", {"qd"}));
  EXPECT_EQ(cell(0, 0), 14);
  EXPECT_EQ(cell(1, 0), 4);
}

TEST_F(AbdReaderTest, BoulderoidMapThroughTheDispatcher) {
  const std::string text = "# Boulderoid\r\n" + abdCave("03", "01", {"rPd"}, "\r\n");
  const std::string path = dir.path("bould.map");
  testing::writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()));
  EXPECT_TRUE(readLevelmap(session, path));
  EXPECT_EQ(cell(0, 0), 3);
  EXPECT_EQ(header().playerX(), 1);
  EXPECT_EQ(cell(2, 0), 4);
}

TEST_F(AbdReaderTest, ZeroSizesBecomeOne) {
  read(abdCave("00", "00", {}) + abdCave("02", "02", {"dd", "dd"}));
  EXPECT_EQ(header(1).width(), 1);
  EXPECT_EQ(header(1).height(), 1);
  EXPECT_EQ(header(2).width(), 2);
  EXPECT_EQ(header(3).width(), 1);
}

TEST_F(AbdReaderTest, BadSizesAndShortFilesEndWithAClearError) {
  // A cave cut short fails the whole read: the levelmap stays as it was.
  session.map.cell(0, 1, 0, 0) = 9;
  const std::string first = abdCave("02", "01", {"dd"});
  std::string cut = first + "width=02\nheight=02\nmapstart\nrr\nr";
  LevelError e = readFailing(cut);
  EXPECT_EQ(e.level(), 1);
  EXPECT_EQ(e.offset(), cut.size());
  EXPECT_EQ(cell(0, 0, 1), 9);

  // "mapstart" too near the start for its digits.
  e = readFailing("height=22\nmapstart\n....");
  EXPECT_EQ(e.level(), 0);
  EXPECT_NE(std::string(e.what()).find("width"), std::string::npos);

  // A one-digit width leaves '=' where the tens digit belongs.
  e = readFailing("name=x\nwidth=9\nheight=22\nmapstart\n.........\n");
  EXPECT_EQ(e.offset(), 12u);
  EXPECT_NE(std::string(e.what()).find("not two digits"), std::string::npos);

  // Garbage without "mapstart" gives no level: an error, and nothing changes.
  e = readFailing(std::string("\x01\x02\xff garbage", 11));
  EXPECT_NE(std::string(e.what()).find("no levels"), std::string::npos);
  EXPECT_EQ(cell(0, 0), 9);
  EXPECT_THROW(readWith(session, readAbdLevels, dir.path("missing.caves")), LevelError);
}

}  // namespace
}  // namespace pyrovel
