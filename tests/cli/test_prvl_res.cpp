// prvl res on executables built byte by byte: listing, copying a resource
// out, importing caves and a levelset into a levelmap, and the ways that
// fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "import/test_pe_builder.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using Outcome = testing::ProcessOutcome;
using testing::prvl;

class PrvlRes : public ::testing::Test {
 protected:
  PrvlRes() {
    const std::vector<testing::PeResource> resources = {
        {{"BDCAV"}, {"CAVE1"}, 0x409, testing::ckCave()},
        {{"BDCAV"}, {"", 2}, 0x409, std::vector<std::uint8_t>(50, 0x77)},
        {{"BDGAME"}, {"", 10}, 0x409, testing::gamLevelset(3)},
        {{"", 10}, {"", 1}, 0x409, {1, 2, 3}},
        {{"", 10}, {"", 1}, 0x407, {4, 5}},
    };
    testing::writeAll(exe, testing::buildPe(resources, true).bytes);
  }

  testing::TempDir dir;
  std::string exe = dir.path("game.dll");
};

TEST_F(PrvlRes, ListsTypeNameLanguageAndSize) {
  Outcome r = prvl("res ls " + exe);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(r.has("PE32+ resources")) << r.out;
  EXPECT_TRUE(r.has("BDCAV           CAVE1           1033              500")) << r.out;
  EXPECT_TRUE(r.has("BDGAME          10              1033")) << r.out;
  EXPECT_TRUE(r.has("RCData          1               1031                2")) << r.out;
}

TEST_F(PrvlRes, ExtractCopiesTheBytesOfOneLanguage) {
  Outcome r = prvl("res extract " + exe + " rcdata 1 -o " + dir.path("a.bin"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(dir.path("a.bin")), (std::vector<std::uint8_t>{1, 2, 3}));
  r = prvl("res extract " + exe + " 10 1 1031 -o " + dir.path("b.bin"));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(testing::readAll(dir.path("b.bin")), (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(PrvlRes, ImportFillsTheFirstEmptyLevels) {
  const std::string map = dir.path("new.map");
  Outcome cave = prvl("res import " + exe + " BDCAV cave1 --into " + map);
  ASSERT_EQ(cave.status, 0) << cave.out;
  EXPECT_TRUE(cave.has("into level 0 of " + map)) << cave.out;
  Outcome game = prvl("res import " + exe + " BDGAME 10 --into " + map);
  ASSERT_EQ(game.status, 0) << game.out;
  EXPECT_TRUE(game.has("into levels 1 to 3 of " + map)) << game.out;

  Outcome info = prvl("info " + map);
  EXPECT_TRUE(info.has("Level 0: 40 x 22  \"CAVE1\"")) << info.out;
  EXPECT_TRUE(info.has("Level 1: 5 x 2  \"Cave 1\"")) << info.out;  // sizes as read
  EXPECT_TRUE(info.has("Level 3: 5 x 2  \"Cave 3\"")) << info.out;
  EXPECT_FALSE(info.has("Level 4:")) << info.out;

  // A levelset first keeps its first level's size (no level is shown in a batch).
  Outcome fresh = prvl("res import " + exe + " BDGAME 10 --into " + dir.path("game.map"));
  ASSERT_EQ(fresh.status, 0) << fresh.out;
  EXPECT_TRUE(prvl("info " + dir.path("game.map")).has("Level 0: 5 x 2  \"Cave 1\""));

  // Into a copy: the levelmap read stays as it was.
  const auto before = testing::readAll(map);
  Outcome copy =
      prvl("res import " + exe + " BDCAV CAVE1 --into " + map + " -o " + dir.path("more.map"));
  ASSERT_EQ(copy.status, 0) << copy.out;
  EXPECT_TRUE(copy.has("into level 4 of")) << copy.out;
  EXPECT_EQ(testing::readAll(map), before);
}

TEST_F(PrvlRes, FailuresSayWhyAndWriteNothing) {
  const std::string map = dir.path("out.map");
  std::vector<std::uint8_t> notPe(300, 0);
  notPe[0] = 'M';
  notPe[1] = 'Z';
  testing::writeAll(dir.path("dos.exe"), notPe);
  testing::writeAll(dir.path("text.exe"), {'h', 'i'});
  struct Case {
    std::string args, reason;
  };
  const Case cases[] = {
      {"res ls " + dir.path("text.exe"), "unrecognized file format"},
      {"res ls " + dir.path("dos.exe"), "Not a PE (WIN32 Executable) file"},
      {"res extract " + exe + " RCData 9 -o " + dir.path("x"), "no resource RCData/9"},
      {"res extract " + exe + " FONT 1 -o " + dir.path("x"), "no resource FONT/1"},
      {"res import " + exe + " RCData 1 --into " + map, "is no level resource"},
      {"res import " + exe + " BDCAV 2 --into " + map, "holds no level"},
      {"res import " + exe + " BDCAV 9 --into " + map, "no resource BDCAV/9"},
      {"res import " + exe + " BDCAV CAVE1 --into " + dir.path("set.bd"), "-o OUT.map"},
      {"res frob", "usage: prvl res"},
  };
  for (const Case& c : cases) {
    Outcome r = prvl(c.args);
    EXPECT_NE(r.status, 0) << c.args;
    EXPECT_TRUE(r.has(c.reason)) << c.args << "\n" << r.out;
  }
  EXPECT_FALSE(std::filesystem::exists(map));
  EXPECT_FALSE(std::filesystem::exists(dir.path("x")));
}

}  // namespace
}  // namespace pyrovel
