// prvl c64 as a user runs it: C64 memory images laid out byte by byte,
// scanned and converted into levelmaps.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "editor/levelmap_files.h"
#include "import/test_c64_dump_builder.h"
#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using namespace testing;

using Outcome = ProcessOutcome;

class PrvlC64 : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedFrontend ui;

  static Outcome prvl(const std::string& args) { return testing::prvl(args); }
  std::string file(const std::string& name, const DumpBytes& bytes) {
    writeAll(dir.path(name), bytes);
    return dir.path(name);
  }
  static bool has(const Outcome& r, const std::string& words) {
    return r.out.find(words) != std::string::npos;
  }
};

TEST_F(PrvlC64, ScanNamesKindEngineAndCaves) {
  const std::string dump = file("game.p00", pc64RamImage(bd1Memory()));
  const Outcome r = prvl("c64 scan " + dump);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "input: PC64 RAM image")) << r.out;
  EXPECT_TRUE(has(r, "engine: BD1 engine game")) << r.out;
  EXPECT_TRUE(has(r, "caves: 20")) << r.out;
  EXPECT_TRUE(has(r, "level -5  \" Cave Q\"  intermission")) << r.out;

  const Outcome plck = prvl("c64 scan " + file("plck.ram", plckMemory({25, 14, 0})));
  EXPECT_EQ(plck.status, 0) << plck.out;
  EXPECT_TRUE(has(plck, "PLCK engine game (Kestrin kit)")) << plck.out;
  EXPECT_TRUE(has(plck, "level -2  \"Cave 2\"")) << plck.out;
}

TEST_F(PrvlC64, ConvertWritesTheLevelmapAndTheDasText) {
  const std::string dump = file("c64.ram", bd1Memory());
  const Outcome r =
      prvl("c64 convert " + dump + " " + dir.path("out.map") + " --das " + dir.path("out.das"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(has(r, "(Cave B is out of filerange!)")) << r.out;
  EXPECT_TRUE(has(r, "slimetype")) << "the reader's notes are shown: " << r.out;

  const std::vector<std::uint8_t> das = readAll(dir.path("out.das"));
  const std::string text(das.begin(), das.end());
  EXPECT_EQ(text.rfind("level\r\n1\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("level\r\n1\r\n"));

  EditorSession session(ui);
  ASSERT_TRUE(readLevelmap(session, dir.path("out.map")));
  EXPECT_EQ(session.map.header(1).title(), " Cave A");
  EXPECT_EQ(session.map.header(20).title(), " Cave T");
  EXPECT_EQ(session.map.header(5).width(), 20);
}

TEST_F(PrvlC64, NothingToConvertWritesNothing) {
  DumpBytes garbage(3000, 0x5A);
  const Outcome r = prvl("c64 convert " + file("junk.bin", garbage) + " " + dir.path("out.map"));
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_TRUE(has(r, "Cannot convert: unknown Boulder Dash Engine")) << r.out;
  EXPECT_FALSE(std::ifstream(dir.path("out.map")).good());

  EXPECT_EQ(prvl("c64 scan " + file("amiga.cav", DumpBytes{'B', 'D', 'C', 'A', 0})).status, 1);

  DumpBytes cut = plckMemory({25});
  cut.resize(0x7000 + 64);
  const Outcome t = prvl("c64 convert " + file("cut.ram", cut) + " " + dir.path("cut.map"));
  EXPECT_EQ(t.status, 1) << t.out;
  EXPECT_TRUE(has(t, "cut.ram")) << t.out;
  EXPECT_FALSE(std::ifstream(dir.path("cut.map")).good());

  // A single cave cut short: scan finds no cave that convert would refuse.
  DumpBytes cave{0x00, 0xBE};
  const DumpBytes block = kitCaveBlock();
  cave.insert(cave.end(), block.begin(), block.begin() + 51);
  const std::string cutCave = file("cut.prg", cave);
  const Outcome s = prvl("c64 scan " + cutCave);
  const Outcome c = prvl("c64 convert " + cutCave + " " + dir.path("cave.map"));
  EXPECT_EQ(s.status, c.status) << s.out << c.out;
  EXPECT_EQ(s.status, 1) << s.out;
  EXPECT_TRUE(has(s, "engine: none")) << s.out;
  EXPECT_TRUE(has(s, "cut.prg")) << s.out;

  EXPECT_EQ(prvl("c64 scan " + dir.path("missing.ram")).status, 1);
  EXPECT_EQ(prvl("c64 convert " + dir.path("junk.bin")).status, 2);
  EXPECT_EQ(prvl("c64 frobnicate x").status, 2);
}

}  // namespace
}  // namespace pyrovel
