// prvl render and prvl sprites as a user runs them.
#include <gtest/gtest.h>

#include "model/file_io.h"
#include "render/render_test_support.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

const std::string kPrvl = std::string(PYROVEL_BIN_DIR) + "/prvl";
const std::string kDemo = std::string(PYROVEL_SOURCE_DIR) + "/levels/demo.map";

int run(const std::string& args, std::string* out = nullptr) {
  const testing::ProcessOutcome r = testing::prvl(args);
  if (out) *out = r.out;
  return r.status;
}

class PrvlRender : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fileExists(kPrvl) || !fileExists(std::string(PYROVEL_BIN_DIR) + "/Emerald.iml")) {
      GTEST_SKIP() << "prvl or the sprite set is not built";
    }
  }
  testing::TempDir dir;
};

TEST_F(PrvlRender, RendersADemoLevelAtTheChosenCellSize) {
  if (!fileExists(kDemo)) GTEST_SKIP() << "no demo levelmap";
  std::string out;
  ASSERT_EQ(run("render " + kDemo + " --level 0 -o " + dir.path("l.png"), &out), 0) << out;
  const testing::DecodedPng d = testing::decodePng(testing::readAll(dir.path("l.png")));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.width, 40u * 16u);
  EXPECT_EQ(d.height, 22u * 16u);
  ASSERT_EQ(
      run("render " + kDemo + " --level 0 --cell 4 --layer background -o " + dir.path("b.png"),
          &out),
      0)
      << out;
  const testing::DecodedPng b = testing::decodePng(testing::readAll(dir.path("b.png")));
  EXPECT_EQ(b.width, 160u);
}

TEST_F(PrvlRender, ContactSheetAndErrors) {
  std::string out;
  ASSERT_EQ(run("sprites --sheet " + dir.path("s.png"), &out), 0) << out;
  EXPECT_TRUE(testing::decodePng(testing::readAll(dir.path("s.png"))).ok);

  EXPECT_NE(run("render " + kDemo + " --level 0 -o " + dir.path("x.png") + " --cell 0", &out), 0);
  EXPECT_NE(out.find("--cell"), std::string::npos) << out;
  EXPECT_NE(run("render " + kDemo + " --level 100 -o " + dir.path("x.png"), &out), 0);
  EXPECT_NE(run("render " + kDemo + " --level 99 -o " + dir.path("x.png"), &out), 0);
  EXPECT_NE(out.find("empty"), std::string::npos) << out;
  testing::writeAll(dir.path("bad.iml"), {'N', 'O', 'P', 'E'});
  EXPECT_NE(run("sprites --sheet " + dir.path("y.png") + " --iml " + dir.path("bad.iml"), &out), 0);
  EXPECT_NE(out.find("Not a valid Image Library File"), std::string::npos) << out;
  EXPECT_FALSE(fileExists(dir.path("y.png")));
}

}  // namespace
}  // namespace pyrovel
