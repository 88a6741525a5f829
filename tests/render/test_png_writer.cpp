// The PNG writer: pictures read back through libpng with the pixels written,
// a level streamed band by band equal to the level drawn whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "render/default_sprites.h"
#include "render/level_picture.h"
#include "render/level_renderer.h"
#include "render/png_writer.h"
#include "render/render_test_support.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

TEST(PngWriter, TranslucentPictureKeepsItsAlpha) {
  PixelBuffer img(3, 2);
  img.at(0, 0) = argb(255, 0, 0);
  img.at(1, 0) = argb(0, 255, 0, 128);
  img.at(2, 1) = argb(1, 2, 3);
  const testing::DecodedPng d = testing::decodePng(encodePng(img));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_TRUE(d.hasAlpha);
  EXPECT_EQ(d.width, 3u);
  EXPECT_EQ(d.height, 2u);
  EXPECT_EQ(d.pixels.pixels, img.pixels);
}

TEST(PngWriter, LevelStreamedInBandsEqualsTheWholeDrawingAndIsSmall) {
  const SpriteStrip strip(std::make_shared<const ImageLibrary>(makeDefaultImageLibrary()),
                          makeDefaultObjectTable());
  Levelmap map;
  map.header(5).setWidth(100);
  map.header(5).setHeight(37);
  unsigned seed = 3;
  for (int x = 0; x < 100; ++x) {
    for (int y = 0; y < 37; ++y) {
      seed = seed * 1103515245u + 12345u;
      map.cell(kGameLayer, 5, x, y) = static_cast<int>((seed >> 16) % 300);  // some not drawable
    }
  }
  constexpr int kCell = 7;
  PixelBuffer whole(100 * kCell, 37 * kCell);
  drawLevel(map, 5, kGameLayer, strip, kCell, whole);

  testing::TempDir dir;
  writePng(dir.path("level.png"), levelPictureRows(map, 5, kGameLayer, strip, kCell));
  const Bytes file = testing::readAll(dir.path("level.png"));
  const testing::DecodedPng d = testing::decodePng(file);
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_FALSE(d.hasAlpha);
  EXPECT_EQ(d.width, 700u);
  EXPECT_EQ(d.height, 259u);
  EXPECT_EQ(d.pixels.pixels, whole.pixels);
  // Compressed: well under the raw RGB bytes even for noise of 256 sprites.
  EXPECT_LT(file.size(), whole.pixels.size() * 3 / 4);
}

TEST(PngWriter, EmptyPictureOrFailingRowsWriteNothing) {
  EXPECT_THROW(encodePng(PixelBuffer()), LevelError);
  testing::TempDir dir;
  PngRows rows{4, 4, true, [](int y) -> const std::uint32_t* {
                 if (y == 2) throw std::runtime_error("drawing failed");
                 static const std::uint32_t row[4] = {};
                 return row;
               }};
  EXPECT_THROW(writePng(dir.path("x.png"), rows), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(dir.path("x.png")));
}

}  // namespace
}  // namespace pyrovel
