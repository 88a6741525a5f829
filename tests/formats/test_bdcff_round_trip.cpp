// BDCFF files opened and saved unchanged: the same caves with the same keys,
// the [game] section, other difficulty levels and keys the editor does not
// use included, in their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/levelmap_files.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "support/levelset_calls.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

constexpr int kGrover = 15, kSolidWall = 6;

std::string textOf(const std::string& path) {
  const std::vector<std::uint8_t> bytes = testing::readAll(path);
  return {bytes.begin(), bytes.end()};
}

std::string trimmed(std::string line) {
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.pop_back();
  std::size_t b = 0;
  while (b < line.size() && static_cast<unsigned char>(line[b]) <= ' ') ++b;
  return line.substr(b);
}

// The "Key=value" lines of each cave, outside its sections, as written;
// the keys a drawn cave is made of are left out (its map holds them now).
std::vector<std::vector<std::string>> caveKeys(const std::string& text) {
  std::vector<std::vector<std::string>> caves;
  bool inCave = false;
  std::string section;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line == "[cave]") {
      inCave = true;
      caves.emplace_back();
    } else if (line == "[/cave]") {
      inCave = false;
    } else if (!inCave || line.empty() || line[0] == ';') {
    } else if (!section.empty()) {
      if (line == "[/" + section + "]") section.clear();
    } else if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      const std::string key = line.substr(0, eq);
      if (key != "InitialFill" && key != "RandomFill" && key != "RandomFillC64" &&
          key != "RandSeed" && key != "InitialBorder") {
        caves.back().push_back(line);
      }
    }
  }
  return caves;
}

std::vector<std::uint8_t> bytesOf(std::string_view text) {
  return {text.begin(), text.end()};
}

class BdcffRoundTripTest : public ::testing::Test {
 protected:
  // Opens `path`, saves it as `out` unchanged and opens that again.
  void roundTrip(const std::string& path) {
    ASSERT_TRUE(readLevelmap(*first, path));
    first->messages.clear();
    saveWith(*first, "bdcff", dir.path("out.bd"));
    ASSERT_TRUE(readLevelmap(*second, dir.path("out.bd")));
    written = textOf(dir.path("out.bd"));
  }

  // Every level of the two sessions alike: size, record, cells, kept lines.
  void expectSameLevels() {
    EXPECT_EQ(second->map.bdcffGame.lines(), first->map.bdcffGame.lines());
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
      const LevelHeader& a = first->map.header(slot);
      const LevelHeader& b = second->map.header(slot);
      if (a.width() <= 3) continue;
      SCOPED_TRACE("slot " + std::to_string(slot));
      EXPECT_EQ(b.width(), a.width());
      EXPECT_EQ(b.height(), a.height());
      EXPECT_EQ(b.title(), a.title());
      EXPECT_EQ(b.author(), a.author());
      EXPECT_EQ(b.levelTime(), a.levelTime());
      EXPECT_EQ(b.diamondsNeeded(), a.diamondsNeeded());
      EXPECT_EQ(b.slimePermeability(), a.slimePermeability());
      EXPECT_EQ(b.maxAmoeba(), a.maxAmoeba());
      EXPECT_EQ(second->map.bdcffMemo[static_cast<std::size_t>(slot)].lines(),
                first->map.bdcffMemo[static_cast<std::size_t>(slot)].lines());
      for (int x = 0; x < a.width(); ++x) {
        for (int y = 0; y < a.height(); ++y) {
          // Grover has no BDCFF code: the writer notes it and writes Solid Wall.
          const int was = first->map.cell(0, slot, x, y);
          ASSERT_EQ(second->map.cell(0, slot, x, y), was == kGrover ? kSolidWall : was)
              << x << "," << y;
        }
      }
    }
  }

  // Every key line of every cave of `original` is in the written cave.
  void expectKeysKept(const std::string& original) {
    const auto before = caveKeys(original), after = caveKeys(written);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t c = 0; c < before.size(); ++c) {
      for (const std::string& line : before[c]) {
        EXPECT_NE(std::find(after[c].begin(), after[c].end(), line), after[c].end())
            << "cave " << c + 1 << ": " << line;
      }
    }
  }

  testing::TempDir dir;
  testing::ScriptedFrontend ui;
  std::unique_ptr<EditorSession> first = std::make_unique<EditorSession>(ui),
                                 second = std::make_unique<EditorSession>(ui);
  std::string written;
};

const char* const kGame =
    "[BDCFF]\nVersion=0.5\n[mapcodes]\nLength=1\ng=GHOST\n[/mapcodes]\n"
    "[game]\nName=Round trip\nAuthor=Game Author\nLevels=5\n[highscores]\n100 Someone\n"
    "[/highscores]\n"
    "[cave]\nName=First\nSize=8 5\nCaveTime=150 140 130 120 110\nDiamondsRequired=4 5 6 7 8\n"
    "DiamondValue=10\nAmoebaThreshold=0.227\nSlimePermeability=0.125\nIntermission=false\n"
    "Colors=Black Orange\nCaveDelay=8 7 6 5 4\n[demo]\n.30ur7\n[/demo]\nRandSeed=1 2 3 4 5\n"
    "InitialFill=DIRT\n[objects]\nPoint=1 1 INBOX\n[Level=2,3]\nPoint=2 2 BOULDER\n[/Level]\n"
    "Point=6 3 OUTBOX\n[/objects]\n[/cave]\n"
    "[cave]\nName=Second\nAuthor=Cave Author\nCaveTime=99\n[map]\nWWWWW\nWPgdW\nWWWWW\n[/map]\n"
    "[/cave]\n[/game]\n[/BDCFF]\n";

TEST_F(BdcffRoundTripTest, AnUnchangedFileComesBackWithItsGameLevelsAndKeys) {
  const std::string in = dir.path("in.bd");
  testing::writeAll(in, bytesOf(kGame));
  roundTrip(in);
  expectSameLevels();
  expectKeysKept(kGame);
  // The game's lines, in their order, and the other levels' objects.
  EXPECT_NE(written.find("[BDCFF]\r\nVersion=0.5\r\n[game]\r\nName=Round trip\r\n"
                         "Author=Game Author\r\nLevels=5\r\n[highscores]\r\n100 Someone\r\n"
                         "[/highscores]\r\n[mapcodes]"),
            std::string::npos)
      << written;
  EXPECT_NE(written.find("[demo]\r\n.30ur7\r\n[/demo]\r\n"), std::string::npos);
  EXPECT_NE(written.find("[objects]\r\n[Level=2,3]\r\nPoint=2 2 BOULDER\r\n[/Level]\r\n"
                         "[/objects]\r\n"),
            std::string::npos);
  // The game's author is not repeated in a cave that names none.
  EXPECT_EQ(written.find("Author=Game Author"), written.rfind("Author=Game Author"));
  EXPECT_NE(written.find("Author=Cave Author"), std::string::npos);
  // The ghost had no object: the writer says what it wrote instead.
  ASSERT_EQ(first->messages.size(), 1u);
  EXPECT_NE(first->messages[0].find("Level 1: 1 cells of objects without a BDCFF code are written "
                                    "as Solid Wall (Grover: 1)."),
            std::string::npos)
      << first->messages[0];
  // Written again unchanged, the file is the same to the byte.
  second->messages.clear();
  saveWith(*second, "bdcff", dir.path("again.bd"));
  EXPECT_EQ(textOf(dir.path("again.bd")), written);
}

// What the user changed is written; the other levels' values stay.
TEST_F(BdcffRoundTripTest, EditedValuesAreWrittenBesideTheOtherLevels) {
  const std::string in = dir.path("in.bd");
  testing::writeAll(in, bytesOf(kGame));
  ASSERT_TRUE(readLevelmap(*first, in));
  LevelHeader& h = first->map.header(1);
  h.setLevelTime(200);
  h.setSlimePermeability(3);
  h.setMaxAmoeba(50);
  h.setIntermission(255);
  saveWith(*first, "bdcff", dir.path("out.bd"));
  written = textOf(dir.path("out.bd"));
  const std::vector<std::string> keys = caveKeys(written)[0];
  const auto has = [&](const std::string& line) {
    return std::find(keys.begin(), keys.end(), line) != keys.end();
  };
  EXPECT_TRUE(has("CaveTime=200 140 130 120 110")) << written;
  EXPECT_TRUE(has("SlimePermeabilityC64=3"));
  EXPECT_FALSE(has("SlimePermeability=0.125"));
  EXPECT_TRUE(has("AmoebaThreshold=0.50"));
  EXPECT_TRUE(has("Intermission=true"));
  EXPECT_TRUE(has("DiamondsRequired=4 5 6 7 8"));
  ASSERT_TRUE(readLevelmap(*second, dir.path("out.bd")));
  EXPECT_EQ(second->map.header(1).levelTime(), 200);
  EXPECT_EQ(second->map.header(1).slimePermeability(), 3);
  EXPECT_EQ(second->map.header(1).maxAmoeba(), 50);
}

// The real files of the shared corpus, opened and saved unchanged.
TEST_F(BdcffRoundTripTest, RealFilesKeepTheirCavesAndKeys) {
  for (const char* name : {"bdcff/Tutorial.bd", "bdcff/Dustin_s_Boulder_Dash_1.bd"}) {
    const std::string path = testing::corpusPath(name);
    if (path.empty()) GTEST_SKIP() << "corpus not present";
    SCOPED_TRACE(name);
    first = std::make_unique<EditorSession>(ui);
    second = std::make_unique<EditorSession>(ui);
    roundTrip(path);
    expectSameLevels();
    expectKeysKept(textOf(path));
  }
}

}  // namespace
}  // namespace pyrovel
