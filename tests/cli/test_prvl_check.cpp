// prvl check as a user runs it: levels written as a level text source,
// compiled, then checked; the exit status tells whether an error was found.
#include <gtest/gtest.h>

#include <fstream>

#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::prvl;

// Level 0 is fine; level 1 has its exit walled in by solid wall and a
// green door without its key; level 2 has no time.
constexpr const char* kSource = R"([level 0]
time = 100
diamonds = 1
map
WWWWWW
W@.eXW
WWWWWW

[level 1]
time = 100
map
WWWWWWWW
W@.GW.XW
WWWWWWWW

[level 2]
time = 0
map
WWWWW
W@eXW
WWWWW
)";

class PrvlCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(dir.path("levels.txt")) << kSource;
    ASSERT_EQ(prvl("compile " + dir.path("levels.txt") + " " + map).status, 0);
  }
  testing::TempDir dir;
  std::string map = dir.path("levels.map");
};

TEST_F(PrvlCheck, NamesEachProblemAndExitsOneOnAnError) {
  const auto r = prvl("check " + map);
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_TRUE(r.has(map + ": level 1 (6,1): error exit-sealed: the exit is sealed off")) << r.out;
  EXPECT_TRUE(r.has(map + ": level 1 (3,1): warning door-without-key: a green door, but no "
                          "green key"))
      << r.out;
  EXPECT_TRUE(r.has(map + ": level 2: warning no-time: the level time is 0")) << r.out;
  EXPECT_FALSE(r.has("level 0")) << r.out;
  EXPECT_TRUE(r.has("1 error, 2 warnings in 3 levels of 1 file")) << r.out;

  // Only warnings: exit 0. Two files in one run.
  const auto fine = prvl("check " + map + " --level 2 " + map + " --level 2");
  EXPECT_EQ(fine.status, 0) << fine.out;
  EXPECT_TRUE(fine.has("0 errors, 2 warnings in 2 levels of 2 files")) << fine.out;
}

TEST_F(PrvlCheck, JsonAndTargets) {
  const auto r = prvl("check " + map + " --json --level 1");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.substr(0, 2), "[{") << r.out;
  EXPECT_TRUE(r.has("\"level\":1,\"x\":6,\"y\":1,\"severity\":\"error\",\"rule\":\"exit-sealed\""))
      << r.out;
  EXPECT_FALSE(r.has("errors,")) << r.out;  // no summary line in JSON
  // A level wider than 64 is cut by BD4: a warning with that target only.
  std::ofstream(dir.path("wide.txt")) << "[level 0]\ntime = 9\nmap\n@" << std::string(68, '.')
                                      << "X\n";
  ASSERT_EQ(prvl("compile " + dir.path("wide.txt") + " " + dir.path("wide.map")).status, 0);
  EXPECT_FALSE(prvl("check " + dir.path("wide.map")).has("target-format"));
  const auto bd4 = prvl("check " + dir.path("wide.map") + " --target bd4");
  EXPECT_EQ(bd4.status, 0) << bd4.out;
  EXPECT_TRUE(bd4.has("warning target-format: bd4 cannot hold it: Level 0 is 70 x 1 cells"))
      << bd4.out;
}

TEST_F(PrvlCheck, UsageErrorsExitTwoAndUnreadableFilesOne) {
  for (const char* args : {"check", "check --target c64 x.map", "check --level 100 x.map",
                           "check --level x.map", "check --frobnicate x.map"}) {
    EXPECT_EQ(prvl(args).status, 2) << args;
  }
  std::ofstream(dir.path("notes.txt")) << "not a level";
  const auto r = prvl("check " + dir.path("notes.txt"));
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_TRUE(r.has("no reader for this kind of file")) << r.out;
}

}  // namespace
}  // namespace pyrovel
