// Cell size, cell rectangles and drawing a level from the sprite strip.
#include <gtest/gtest.h>

#include "render/level_renderer.h"
#include "render/render_test_support.h"
#include "render/view_zoom.h"

namespace pyrovel {
namespace {

using testing::buildLibrary;
using testing::buildObjectTable;
using testing::solidImage;

constexpr std::uint32_t kBlack = argb(0, 0, 0), kSentinel = argb(1, 2, 3);

// Palette entry i is (i, 100, 200 - i); image i is solid entry i, except
// image 1 whose top-left pixel is entry 2 (so scaling shows).
std::uint32_t colourOf(int i) {
  return argb(i, 100, 200 - i);
}

SpriteStrip stripOf(int n) {
  std::vector<std::array<std::uint8_t, 3>> palette;
  for (int i = 0; i < 256; ++i) {
    palette.push_back({static_cast<std::uint8_t>(i), 100, static_cast<std::uint8_t>(200 - i)});
  }
  std::vector<testing::RawImage> images;
  for (int i = 0; i < 8; ++i) images.push_back(solidImage(16, 16, static_cast<std::uint8_t>(i)));
  images[1].indices[0] = 2;
  std::vector<std::array<int, 2>> records;
  for (int object = 0; object <= n; ++object) records.push_back({object % 8, 0});
  return SpriteStrip(
      std::make_shared<const ImageLibrary>(parseImageLibrary(buildLibrary(images, palette), "l")),
      parseObjectTable(buildObjectTable(n, records), "b"));
}

// A 6 x 4 level in slot 3 holding a little of everything.
Levelmap sampleMap() {
  Levelmap map;
  map.header(3).setWidth(6);
  map.header(3).setHeight(4);
  const int cells[4][6] = {
      {1, 2, 3, 0, 4, 5}, {300, 6, -1, 7, 1, 2}, {3, 3, 0, 260, 5, 4}, {7, 6, 5, 4, 3, 2}};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) map.cell(kGameLayer, 3, x, y) = cells[y][x];
  }
  map.cell(kBackgroundLayer, 3, 0, 0) = 4;
  return map;
}

TEST(CellSize, SmallerOfTheTwoDivisions) {
  EXPECT_EQ(computeCellSize(842, 462, 128, 64), 6);
  EXPECT_EQ(computeCellSize(640, 480, 64, 32), 10);
  EXPECT_EQ(computeCellSize(100, 500, 128, 3), 0);  // narrower than the level
  EXPECT_EQ(computeCellSize(640, 480, 0, 32), 0);
  EXPECT_EQ(computeCellSize(640, 480, 64, -1), 0);
  EXPECT_EQ(computeCellSize(-5, 480, 64, 32), 0);
  const CellRect r = cellRect(3, 2, 6);
  EXPECT_EQ(r.left, 18);
  EXPECT_EQ(r.top, 12);
  EXPECT_EQ(r.right, 24);
  EXPECT_EQ(r.bottom, 18);
}

TEST(drawLevel, DrawsSpritesAndLeavesEmptyAndUnknownObjectsBlack) {
  const Levelmap map = sampleMap();
  const SpriteStrip strip = stripOf(256);
  PixelBuffer out(80, 50, kSentinel);
  drawLevel(map, 3, kGameLayer, strip, 10, out);
  auto at = [&](int cx, int cy, int dx = 5, int dy = 5) {
    return out.at(cx * 10 + dx, cy * 10 + dy);
  };
  EXPECT_EQ(at(1, 0), colourOf(2));
  EXPECT_EQ(at(5, 0), colourOf(5));
  EXPECT_EQ(at(0, 0, 0, 0), colourOf(2));  // image 1's top-left pixel, scaled
  EXPECT_EQ(at(0, 0, 2, 2), colourOf(1));
  EXPECT_EQ(at(3, 0), kBlack);       // Empty Space
  EXPECT_EQ(at(0, 1), kBlack);       // 300 >= N
  EXPECT_EQ(at(3, 2), kBlack);       // 260 >= N
  EXPECT_EQ(at(2, 1), kBlack);       // negative
  EXPECT_EQ(out.at(65, 5), kBlack);  // beyond the level: filled black
  EXPECT_EQ(out.at(5, 45), kBlack);

  drawLevel(map, 3, kBackgroundLayer, strip, 10, out);
  EXPECT_EQ(at(0, 0), colourOf(4));
  EXPECT_EQ(at(1, 0), kBlack);
}

TEST(drawLevel, BothLayersDimTheBackgroundWhereTheGameLayerIsEmpty) {
  Levelmap map = sampleMap();
  map.cell(kBackgroundLayer, 3, 3, 0) = 5;  // under Empty Space
  const SpriteStrip strip = stripOf(256);
  PixelBuffer out(80, 50, kSentinel);
  drawLevel(map, 3, kBothLayers, strip, 10, out);
  const auto dimmed = [](std::uint32_t p) { return (p & 0xff000000u) | ((p >> 1) & 0x007f7f7fu); };
  EXPECT_EQ(out.at(15, 5), colourOf(2));  // the game object wins
  EXPECT_EQ(out.at(25, 25), kBlack);      // Empty Space over an empty background
  PixelBuffer background(80, 50);
  drawLevel(map, 3, kBackgroundLayer, strip, 10, background);
  PixelBuffer game(80, 50);
  drawLevel(map, 3, kGameLayer, strip, 10, game);
  EXPECT_EQ(out.at(35, 5), dimmed(background.at(35, 5)));
  EXPECT_NE(out.at(35, 5), kBlack);
  for (int y = 0; y < 50; y += 3) {
    for (int x = 0; x < 80; x += 3) {
      const bool gameShown = game.at(x, y) != kBlack;
      EXPECT_EQ(out.at(x, y), gameShown ? game.at(x, y) : dimmed(background.at(x, y)))
          << x << "," << y;
    }
  }
  PixelBuffer part(30, 20, kSentinel);  // a repaint of part of the view agrees
  drawLevelPart(map, 3, kBothLayers, strip, 10, part, 25, 15);
  EXPECT_EQ(part.at(0, 0), out.at(25, 15));
  EXPECT_EQ(part.at(29, 19), out.at(54, 34));
}

TEST(ViewZoom, StepsAndTheAnchoredScroll) {
  EXPECT_EQ(cellSizeAtPercent(100), 32);
  EXPECT_EQ(nextZoomCellSize(32, +1), 48);
  EXPECT_EQ(nextZoomCellSize(21, +1), 24);  // from a fitted size to the next step
  EXPECT_EQ(nextZoomCellSize(21, -1), 16);
  EXPECT_EQ(nextZoomCellSize(8, -1), 8);  // 25 % is the smallest
  EXPECT_EQ(nextZoomCellSize(256, +1), 256);
  EXPECT_EQ(percentOfCellSize(24), 75);
  // The pixel 100 into the box stays on the same level point at double size.
  EXPECT_EQ(scrollKeepingPoint(300, 100, 16, 32), 700);
  EXPECT_EQ(scrollKeepingPoint(700, 100, 32, 16), 300);
  EXPECT_EQ(scrollKeepingPoint(0, 10, 32, 16), 0);
}

TEST(drawLevel, NumbersAbove255AreDrawnWhenTheStripHasThem) {
  const Levelmap map = sampleMap();
  PixelBuffer out(60, 40);
  drawLevel(map, 3, kGameLayer, stripOf(400), 10, out);
  EXPECT_EQ(out.at(5, 15), colourOf(300 % 8));
  EXPECT_EQ(out.at(35, 25), colourOf(260 % 8));
}

TEST(drawLevel, ClippedDrawEqualsTheFullDrawInsideTheClip) {
  const Levelmap map = sampleMap();
  const SpriteStrip strip = stripOf(256);
  for (int cell : {1, 7, 10, 33, 300}) {
    const int w = 6 * cell + 5, h = 4 * cell + 3;
    PixelBuffer full(w, h, kSentinel);
    drawLevel(map, 3, kGameLayer, strip, cell, full);
    const PixelRect clips[] = {{3, 2, w / 2 + 1, h - 1},
                               {cell - 1, cell + 1, 2 * cell + 3, 3 * cell},
                               {-40, -40, 5, 5},
                               {w - 4, h - 4, w + 100, h + 100}};
    for (const PixelRect& clip : clips) {
      PixelBuffer part(w, h, kSentinel);
      drawLevel(map, 3, kGameLayer, strip, cell, part, clip);
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
          ASSERT_EQ(part.at(x, y), inside ? full.at(x, y) : kSentinel)
              << "cell " << cell << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(drawLevel, NeverWritesOutsideTheBuffer) {
  Levelmap map = sampleMap();
  const SpriteStrip strip = stripOf(256);
  // A buffer smaller than the level shows the level's top-left part.
  PixelBuffer big(60, 40), small(25, 13);
  drawLevel(map, 3, kGameLayer, strip, 10, big);
  drawLevel(map, 3, kGameLayer, strip, 10, small);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 25; ++x) ASSERT_EQ(small.at(x, y), big.at(x, y));
  }
  // Nonsense that must not crash: empty buffers, huge cells, sizes beyond
  // the grid in a corrupt header, slots and layers out of range.
  PixelBuffer none;
  drawLevel(map, 3, kGameLayer, strip, 10, none);
  drawLevel(map, 3, kGameLayer, strip, 2000000000, small);
  EXPECT_EQ(small.at(3, 3), colourOf(2));  // image 1's top-left pixel fills the view
  map.header(3).setWidth(255);
  map.header(3).setHeight(200);
  PixelBuffer wide(129 * 2 + 8, 129 * 2 + 8, kSentinel);
  drawLevel(map, 3, kGameLayer, strip, 2, wide);
  EXPECT_EQ(wide.at(129 * 2 + 4, 4), kBlack);
  drawLevel(map, 101, kGameLayer, strip, 2, wide);
  drawLevel(map, 3, 7, strip, 2, wide);
  EXPECT_EQ(wide.at(2, 2), kBlack);
}

TEST(DrawCell, DrawsOneCellOrBlack) {
  const SpriteStrip strip = stripOf(256);
  PixelBuffer out(20, 20, kSentinel);
  drawCell(strip, 5, 8, out, 4, 4);
  EXPECT_EQ(out.at(4, 4), colourOf(5));
  EXPECT_EQ(out.at(11, 11), colourOf(5));
  EXPECT_EQ(out.at(12, 12), kSentinel);
  drawCell(strip, 0, 8, out, 4, 4);
  EXPECT_EQ(out.at(7, 7), kBlack);
  drawCell(strip, 3, 8, out, 16, -4);  // partly outside
  EXPECT_EQ(out.at(19, 3), colourOf(3));
  EXPECT_EQ(out.at(19, 4), kSentinel);
}

}  // namespace
}  // namespace pyrovel
