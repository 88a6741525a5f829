// Building the sprite strip from a library and its object table.
#include <gtest/gtest.h>

#include "render/render_test_support.h"
#include "render/sprite_strip.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

using testing::buildLibrary;
using testing::buildObjectTable;
using testing::RawImage;
using testing::solidImage;

const std::vector<std::array<std::uint8_t, 3>> kPalette = {
    {0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
constexpr std::uint32_t kRed = argb(255, 0, 0), kGreen = argb(0, 255, 0), kBlue = argb(0, 0, 255);
constexpr std::uint32_t kBlack = argb(0, 0, 0);

// A 20 x 18 image: blue everywhere but a red pixel at (3, 5) and green
// outside the top-left 16 x 16 square.
RawImage largeImage() {
  RawImage img = solidImage(20, 18, 3);
  for (std::uint32_t y = 0; y < 18; ++y) {
    for (std::uint32_t x = 0; x < 20; ++x) {
      if (x >= 16 || y >= 16) img.indices[y * 20 + x] = 2;
    }
  }
  img.indices[5 * 20 + 3] = 1;
  return img;
}

SpriteStrip makeStrip(int n, const std::vector<std::array<int, 2>>& records) {
  auto lib = std::make_shared<const ImageLibrary>(parseImageLibrary(
      buildLibrary({solidImage(16, 16, 1), largeImage(), RawImage{2, 3, {2, 2, 2, 2, 2, 2}, 0}},
                   kPalette),
      "lib"));
  return SpriteStrip(lib, parseObjectTable(buildObjectTable(n, records), "bam"));
}

TEST(SpriteStrip, StretchesTheTopLeftSquareOfEachImage) {
  // Object 0 -> image 0, 1 -> image 1 (large), 2 -> image 9 (none), 3 -> image 2 (2 x 3).
  const SpriteStrip strip = makeStrip(4, {{0, 7}, {1, 8}, {9, 0}, {2, 0}, {0, 0}});
  ASSERT_EQ(strip.count(), 4);
  ASSERT_EQ(strip.pixels().width, 32);
  ASSERT_EQ(strip.pixels().height, 128);
  const PixelBuffer& px = strip.pixels();
  EXPECT_EQ(px.at(0, 0), kRed);
  EXPECT_EQ(px.at(31, 31), kRed);
  // Object 1: the red source pixel (3, 5) becomes the 2 x 2 block at (6, 10).
  for (auto [x, y] : {std::pair{6, 10}, {7, 10}, {6, 11}, {7, 11}})
    EXPECT_EQ(px.at(x, 32 + y), kRed);
  EXPECT_EQ(px.at(8, 32 + 10), kBlue);
  EXPECT_EQ(px.at(5, 32 + 11), kBlue);
  // Nothing from beyond the 16 x 16 square reaches the strip.
  for (int y = 32; y < 64; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_NE(px.at(x, y), kGreen) << x << "," << y;
  }
  // An image number beyond the library leaves the sprite empty.
  for (int y = 64; y < 96; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(px.at(x, y), kBlack);
  }
  // A small image fills only its own part.
  EXPECT_EQ(px.at(3, 96 + 5), kGreen);
  EXPECT_EQ(px.at(4, 96), kBlack);
  EXPECT_EQ(px.at(0, 96 + 6), kBlack);

  EXPECT_EQ(strip.image(1), 1);
  EXPECT_EQ(strip.secondImage(0), 7);
  EXPECT_EQ(strip.secondImage(1), 8);
  EXPECT_EQ(strip.secondImage(-1), -1);
  EXPECT_EQ(strip.libraryImage(1).width, 20);
  EXPECT_EQ(strip.libraryImage(3).width, 0);
}

TEST(SpriteStrip, ObjectsAtOrAboveTheCountAreNotDrawable) {
  std::vector<std::array<int, 2>> records(241, {0, 0});
  const SpriteStrip strip = makeStrip(240, records);
  EXPECT_EQ(strip.count(), 240);
  EXPECT_EQ(strip.pixels().height, 240 * 32);
  EXPECT_FALSE(strip.drawable(0));
  EXPECT_TRUE(strip.drawable(1));
  EXPECT_TRUE(strip.drawable(239));
  for (int n = 240; n <= 255; ++n) EXPECT_FALSE(strip.drawable(n)) << n;
  EXPECT_FALSE(strip.drawable(-3));
}

TEST(SpriteStrip, ScaledSpritesFollowTheStrip) {
  const SpriteStrip strip = makeStrip(2, {{0, 0}, {1, 0}, {0, 0}});
  const std::uint32_t* s = strip.scaledSprite(1, 8);       // quarter size
  EXPECT_EQ(s[2 * 8 + 1], kBlue);                          // (1, 2) samples (4, 8): blue
  EXPECT_EQ(strip.scaledSprite(1, 16)[5 * 16 + 3], kRed);  // (3, 5) samples (6, 10): red
  const std::uint32_t* big = strip.scaledSprite(1, 64);
  EXPECT_EQ(big[21 * 64 + 13], kRed);  // (13, 21) samples (6, 10)
}

class SpriteFiles : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::string iml = dir.path("set.iml"), bam = dir.path("set.bam");
  void SetUp() override {
    testing::writeAll(iml, buildLibrary({solidImage(16, 16, 1), solidImage(16, 16, 3)}, kPalette));
    testing::writeAll(bam, buildObjectTable(3, {{0, 0}, {1, 0}, {0, 0}, {0, 0}}));
  }
};

TEST_F(SpriteFiles, LoadsAndKeepsTheStripOnAnyError) {
  SpriteStrip strip;
  loadSpriteStrip(strip, iml, bam);
  ASSERT_EQ(strip.count(), 3);
  const std::vector<std::uint32_t> before = strip.pixels().pixels;
  EXPECT_EQ(strip.pixels().at(0, 32), kBlue);
  EXPECT_EQ(objectTableNameFor(iml), bam);

  auto expectUnchanged = [&](const std::string& lib, const std::string& table) {
    EXPECT_THROW(loadSpriteStrip(strip, lib, table), LevelError);
    EXPECT_EQ(strip.count(), 3);
    EXPECT_EQ(strip.pixels().pixels, before);
  };
  expectUnchanged(dir.path("missing.iml"), bam);
  expectUnchanged(iml, dir.path("missing.bam"));

  Bytes corrupt = testing::readAll(iml);
  corrupt.resize(corrupt.size() - 5);
  testing::writeAll(dir.path("short.iml"), corrupt);
  expectUnchanged(dir.path("short.iml"), bam);
  corrupt[0] = 'X';
  testing::writeAll(dir.path("bad.iml"), corrupt);
  try {
    loadSpriteStrip(strip, dir.path("bad.iml"), bam);
  } catch (const LevelError& e) {
    EXPECT_EQ(e.detail(), "Not a valid Image Library File");
  }
  Bytes table = testing::readAll(bam);
  table.resize(table.size() - 1);
  testing::writeAll(dir.path("short.bam"), table);
  expectUnchanged(iml, dir.path("short.bam"));
}

}  // namespace
}  // namespace pyrovel
