// prvl as a user runs it: real processes, real files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <cstdio>
#include <memory>

#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Outcome = testing::ProcessOutcome;
using testing::prvl;

const std::string kDemo = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";

TEST(Prvl, InfoListsTheDemoLevelsAsJson) {
  Outcome r = prvl("info " + kDemo + " --json");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\"levels\": [{\"number\": 0, \"width\": 40, \"height\": 22, "
                       "\"title\": \"First Steps\", \"author\": \"Pyrovel Team\", "
                       "\"player\": [1, 1], \"diamonds\": 12, \"time\": 150, "
                       "\"background\": false}"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("\"number\": 7"), std::string::npos);  // empty levels are left out
}

TEST(Prvl, ConvertRoundTripsTheGameFormat) {
  testing::TempDir dir;
  Outcome r = prvl("convert " + kDemo + " " + dir.path("copy.map"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(prvl("info " + dir.path("copy.map")).out, prvl("info " + kDemo).out);
}

// Each levelset writer's output opens again with the demo's levels in it.
TEST(Prvl, ConvertWritesEveryLevelsetFormatThatOpensAgain) {
  testing::TempDir dir;
  struct Case {
    std::string out, extra, firstLevel;
  };
  const Case cases[] = {
      {"demo.bd", "", "Level 0: 40 x 22  \"First Steps\""},
      {"demo.lev", "", "Level 0: 64 x 32"},
      {"demo6.lev", "--format emv6", "Level 0: 64 x 32"},
  };
  for (const Case& c : cases) {
    Outcome w = prvl("convert " + kDemo + " " + dir.path(c.out) + " " + c.extra);
    ASSERT_EQ(w.status, 0) << c.out << ": " << w.out;
    Outcome r = prvl("info " + dir.path(c.out));
    ASSERT_EQ(r.status, 0) << c.out << ": " << r.out;
    EXPECT_NE(r.out.find(c.firstLevel), std::string::npos) << c.out << ": " << r.out;
    EXPECT_NE(r.out.find("diamonds 40  time 250"), std::string::npos) << c.out << ": " << r.out;
  }
}

TEST(Prvl, FailuresExitNonZeroWithTheReason) {
  testing::TempDir dir;
  Outcome missing = prvl("info " + dir.path("nope.map"));
  EXPECT_NE(missing.status, 0);
  EXPECT_NE(missing.out.find("nope.map"), std::string::npos);
  Outcome badExt = prvl("convert " + kDemo + " " + dir.path("out.xyz"));
  EXPECT_NE(badExt.status, 0);
  Bytes demo = testing::readAll(kDemo);
  demo.resize(1000);
  testing::writeAll(dir.path("cut.map"), demo);
  Outcome cut = prvl("info " + dir.path("cut.map"));
  EXPECT_NE(cut.status, 0);
  EXPECT_NE(cut.out.find("offset"), std::string::npos) << cut.out;
  EXPECT_NE(prvl("frobnicate").status, 0);
  testing::writeAll(dir.path("disk.adf"), Bytes(512, 0));
  Outcome unknown = prvl("info " + dir.path("disk.adf"));
  EXPECT_NE(unknown.status, 0);
  EXPECT_NE(unknown.out.find("no reader for this kind of file"), std::string::npos);
  // A file that gives no level writes no levelmap.
  testing::writeAll(dir.path("empty.bd"), Bytes{});
  Outcome empty = prvl("convert " + dir.path("empty.bd") + " " + dir.path("empty.map"));
  EXPECT_EQ(empty.status, 1) << empty.out;
  EXPECT_NE(empty.out.find("no BDCFF cave"), std::string::npos) << empty.out;
  EXPECT_FALSE(fileExists(dir.path("empty.map")));
}

TEST(Prvl, ConvertWritesOverItsInputOnlyWhenNothingIsLost) {
  testing::TempDir dir;
  // A cave three cells wide: the editor takes it, but its BDCFF writer
  // leaves levels that narrow out.
  const std::string caves = dir.path("caves.bd");
  const std::string text =
      "[BDCFF]\n[game]\nName=T\n[cave]\nName=A\nSize=3 5\n[map]\nWWW\nWPW\nW.W\nWXW\nWWW\n"
      "[/map]\n[/cave]\n[/game]\n[/BDCFF]\n";
  writeFileAtomically(caves, text);
  const Bytes before = testing::readAll(caves);
  const std::string link = dir.path("link.bd");
  std::filesystem::create_symlink(caves, link);
  for (const std::string& out : {caves, link, dir.path(".") + "/caves.bd"}) {
    Outcome r = prvl("convert " + caves + " " + out);
    EXPECT_EQ(r.status, 1) << out << ": " << r.out;
    EXPECT_NE(r.out.find("is the file read"), std::string::npos) << r.out;
    EXPECT_EQ(testing::readAll(caves), before) << out;
  }
  // The game's own format loses nothing: in place is fine.
  const std::string map = dir.path("demo.map");
  testing::writeAll(map, testing::readAll(kDemo));
  EXPECT_EQ(prvl("convert " + map + " " + map).status, 0);
  EXPECT_EQ(prvl("info " + map).out, prvl("info " + kDemo).out);
}

TEST(Prvl, PipesAreTurnedDownAtOnce) {
  testing::TempDir dir;
  const std::string fifo = dir.path("pipe.map");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // `timeout` ends a command that would wait on the pipe for ever.
  for (const std::string& command : {"info " + fifo, "convert " + fifo + " " + dir.path("x.map")}) {
    Outcome r = testing::runCommand("timeout 20 " + std::string(PYROVEL_BIN_DIR) + "/prvl " + command);
    EXPECT_EQ(r.status, 1) << command << ": " << r.out;
    EXPECT_NE(r.out.find("named pipe"), std::string::npos) << r.out;
  }
}

TEST(Prvl, DemoSourceCompilesToTheBundledLevelmap) {
  testing::TempDir dir;
  Outcome r = prvl("compile " + std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.txt " +
                   dir.path("demo.map"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(dir.path("demo.map")), testing::readAll(kDemo));
}

}  // namespace
}  // namespace pyrovel
