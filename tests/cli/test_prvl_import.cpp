// prvl import as a user runs it: level files of other games made byte by
// byte, imported into a new levelmap or after the levels of an existing one.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "formats/single_level_file.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Bytes = std::vector<std::uint8_t>;

using Outcome = testing::ProcessOutcome;

class PrvlImport : public ::testing::Test {
 protected:
  testing::TempDir dir;

  static Outcome prvl(const std::string& args) { return testing::prvl(args); }
  std::string file(const std::string& name, const Bytes& bytes) {
    testing::writeAll(dir.path(name), bytes);
    return dir.path(name);
  }
  static bool has(const Outcome& r, const std::string& words) {
    return r.out.find(words) != std::string::npos;
  }
};

// A plain Construction Kit cave: Dirt with the player at (0, 0).
Bytes cave() {
  Bytes b(498, 0);
  std::fill(b.begin() + 2, b.begin() + 442, 0x77);
  b[2 + 20] = 0xE7;
  b[444] = 99;
  return b;
}

// A Rocks & Diamonds level of 10 x 5 with one code the table lacks.
Bytes rndLevel(std::size_t mapBytes = 50) {
  Bytes b(150 + mapBytes, 1);  // Dirt
  std::fill(b.begin(), b.begin() + 150, 0);
  b[38] = 10;
  b[39] = 5;
  b[41] = 200;  // time 200 gives 20
  const std::string name = "Rocky";
  std::copy(name.begin(), name.end(), b.begin() + 44);
  if (mapBytes > 3) b[150 + 3] = 255;
  return b;
}

TEST_F(PrvlImport, FilesBecomeConsecutiveLevelsOfANewLevelmap) {
  const std::string text =
      "# Boulderoid\nx\nwidth=5\nheight=3\nmap\nWWWWW\nWP.dW\nWWWWW\n"
      "v\nscroll\ntime=80\ndiamond=4\ndvalue =5\ntscore=1\ns\namoeba =8\n";
  const std::string a = file("a.cav", cave()), b = file("b.lvl", rndLevel()),
                    c = file("c.map", Bytes(text.begin(), text.end()));
  const std::string out = dir.path("out.map");
  const Outcome r = prvl("import " + out + " " + a + " " + b + " " + c);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, a + " -> level 0")) << r.out;
  EXPECT_TRUE(has(r, b + " -> level 1")) << r.out;
  EXPECT_TRUE(has(r, c + " -> level 2")) << r.out;
  EXPECT_TRUE(has(r, "Unsupported at level 1:4,1 :255")) << r.out;

  const Outcome info = prvl("info " + out);
  ASSERT_EQ(info.status, 0) << info.out;
  EXPECT_TRUE(has(info, "Level 0: 40 x 22  \"a.cav\" by Unknown  player 0,0  diamonds 0  time 99"))
      << info.out;
  EXPECT_TRUE(has(info, "Level 1: 12 x 7  \"Rocky\"")) << info.out;
  EXPECT_TRUE(has(info, "Level 2: 5 x 3  \"c.map\" by Unknown  player 1,1  diamonds 4"))
      << info.out;
  EXPECT_FALSE(has(info, "Level 3:")) << info.out;  // the slot after keeps its size
}

// Single Supaplex levels come in by their extension, with their title; a
// file shorter than a level record stops the command.
TEST_F(PrvlImport, SupaplexLevelFiles) {
  Bytes sp(1536 + 200, 0);  // a recorded demo after the level
  std::fill(sp.begin(), sp.begin() + 1440, 2);
  sp[60 * 3 + 5] = 3;   // Murphy
  sp[60 * 4 + 6] = 99;  // no such element
  const std::string title = "---- SOMEWHERE ELSE ---";
  std::copy(title.begin(), title.end(), sp.begin() + 1446);
  sp[1470] = 12;
  const std::string out = dir.path("sp.map");
  const Outcome r = prvl("import " + out + " " + file("one.sp", sp));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "Unsupported at level 0:6,4 :99")) << r.out;
  const Outcome info = prvl("info " + out);
  EXPECT_TRUE(has(info, "Level 0: 60 x 24  \"SOMEWHERE ELSE\"")) << info.out;
  EXPECT_TRUE(has(info, "player 5,3  diamonds 12")) << info.out;

  sp.resize(1000);
  const Outcome cut = prvl("import " + dir.path("cut.map") + " " + file("cut.sp", sp));
  EXPECT_EQ(cut.status, 1) << cut.out;
  EXPECT_TRUE(has(cut, "cut.sp: level 0: offset 0: unexpected end of file")) << cut.out;
}

TEST_F(PrvlImport, IntoAnExistingLevelmapAfterItsLevels) {
  const std::string demo = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";
  const std::string out = dir.path("more.map");
  const Outcome r =
      prvl("import " + out + " " + file("x.cav", cave()) + " --type atari --into " + demo);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "-> level 7")) << r.out;
  const Outcome info = prvl("info " + out);
  EXPECT_TRUE(has(info, "Level 0: 40 x 22  \"First Steps\"")) << info.out;
  EXPECT_TRUE(has(info, "Level 7: 40 x 22")) << info.out;
  EXPECT_FALSE(has(info, "Level 8:")) << info.out;
}

TEST_F(PrvlImport, RefusalsAndFailuresWriteNothing) {
  const std::string out = dir.path("never.map");
  const std::string cav = file("a.cav", cave());

  Outcome r = prvl("import " + out + " " + file("level.xyz", cave()));
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r, "say --type")) << r.out;

  r = prvl("import " + out + " " + cav + " --type nonsense");
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r, "Boulderdash Construction Kit levels")) << r.out;  // the types are listed

  std::string many;
  for (int i = 0; i < 101; ++i) many += " " + cav;
  r = prvl("import " + out + many);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r, "101 files do not fit")) << r.out;

  r = prvl("import " + out + " " + cav + " " + file("cut.lvl", rndLevel(20)));
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(has(r, "cut.lvl: level 1: offset 170: unexpected end of file")) << r.out;
  EXPECT_FALSE(has(r, "Unsupported at level 1")) << r.out;  // a cut level is not read at all

  // A BRC caveset is not a BoulderRush cave.
  const Outcome brc = prvl("import " + dir.path("brc.map") + " " + file("set.brc", Bytes(3000, 0)) +
                           " --type boulderrush");
  EXPECT_EQ(brc.status, 1) << brc.out;
  EXPECT_TRUE(has(brc, "set.brc: level 0: a BRC caveset")) << brc.out;
  EXPECT_FALSE(std::ifstream(dir.path("brc.map")).good());

  EXPECT_FALSE(std::ifstream(out).good());
}

TEST_F(PrvlImport, AFileThatDoesNotComeInStopsTheCommandAndWritesNothing) {
  const std::string out = dir.path("two.map");
  const Outcome r = prvl("import " + out + " " + file("short.cav", Bytes(100, 0)) + " " +
                         file("good.cav", cave()));
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_TRUE(has(r, "short.cav: not imported")) << r.out;
  EXPECT_TRUE(has(r, "is not written")) << r.out;
  EXPECT_FALSE(std::ifstream(out).good());
}

TEST_F(PrvlImport, AnEmptyFileComesInAsNothingWhateverItsType) {
  // Every importer: an empty file is an error (exit 1), no levelmap and no
  // descrambled scratch file are written.
  const std::string empty = file("empty.bin", Bytes{});
  for (const std::string type :
       {"lev", "boulderoid", "cav", "atari", "dc2", "boulderrush", "rnd", "em", "bou", "sp"}) {
    const std::string out = dir.path("empty-" + type + ".map");
    const Outcome r = prvl("import " + out + " " + empty + " --type " + type);
    EXPECT_EQ(r.status, 1) << type << ": " << r.out;
    EXPECT_FALSE(std::ifstream(out).good()) << type;
  }
  EXPECT_FALSE(std::ifstream(dir.path("temp.dec")).good());
  const Outcome bou = prvl("import " + dir.path("x.map") + " " + empty + " --type bou");
  EXPECT_TRUE(has(bou, "empty.bin: level 0: offset 0: the file is empty")) << bou.out;
}

// The game's own one-level files import through filter 1.
TEST_F(PrvlImport, GameLevelFilesImportAsFilterOne) {
  Levelmap map;
  map.header(1).setWidth(12);
  map.header(1).setHeight(7);
  map.header(1).setTitle("Single");
  map.clearLayer(kGameLayer, 1);
  const std::string lev = file("single.lev", encodeSingleLevel(map));
  Outcome r = prvl("import " + dir.path("out.map") + " " + lev + " --type 1");
  ASSERT_EQ(r.status, 0) << r.out;
  r = prvl("info " + dir.path("out.map"));
  EXPECT_TRUE(has(r, "Level 0: 12 x 7  \"Single\"")) << r.out;
}

}  // namespace
}  // namespace pyrovel
