// The project's own sprite set: its files read back through the readers,
// and every named object has a picture of its own.
#include <gtest/gtest.h>

#include <set>

#include "model/file_io.h"
#include "model/object_catalogue.h"
#include "render/contact_sheet.h"
#include "render/default_sprites.h"
#include "render/sprite_strip.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

TEST(DefaultSprites, FilesRoundTripThroughTheReaders) {
  testing::TempDir dir;
  writeDefaultSpriteSet(dir.dir().string());
  const Bytes iml = testing::readAll(dir.path("Emerald.iml"));
  const Bytes bam = testing::readAll(dir.path("Emerald.bam"));
  ASSERT_EQ(std::string(iml.begin(), iml.begin() + 4), "IL10");
  EXPECT_EQ(getU32le(&iml[4]), 256u);
  EXPECT_EQ(iml.size(), 1036u + 256u * (20u + 16u * 16u));
  EXPECT_EQ(bam.size(), 446u + 257u * 168u);
  EXPECT_EQ(getU16le(&bam[2]), 256);
  // Apart from the count and image numbers the table is zero.
  for (std::size_t i = 0; i < bam.size(); ++i) {
    const std::size_t inRecord = (i - 446) % 168;
    const bool meaningful = i == 2 || i == 3 || (i >= 446 && inRecord < 4);
    if (!meaningful) {
      ASSERT_EQ(bam[i], 0) << "byte " << i;
    }
  }

  SpriteStrip strip;
  loadSpriteStrip(strip, dir.path("Emerald.iml"), dir.path("Emerald.bam"));
  EXPECT_EQ(strip.count(), 256);
  EXPECT_EQ(strip.library().imageCount(), 256);
  for (int n = 0; n < 256; ++n) ASSERT_EQ(strip.image(n), n);
  // Empty Space is black.
  const std::uint32_t* empty = strip.sprite(0);
  for (int i = 0; i < 32 * 32; ++i) ASSERT_EQ(empty[i], argb(0, 0, 0));
}

TEST(DefaultSprites, EveryNamedObjectHasItsOwnPicture) {
  const ImageLibrary lib = makeDefaultImageLibrary();
  ASSERT_EQ(lib.imageCount(), 256);
  EXPECT_EQ(lib.colour(0), argb(0, 0, 0));
  std::set<std::vector<std::uint8_t>> seen;
  for (int n = 1; n < 256; ++n) {
    const LibraryImage& img = lib.images[static_cast<std::size_t>(n)];
    ASSERT_EQ(img.width, 16);
    ASSERT_EQ(img.height, 16);
    if (ObjectCatalogue::builtInName(n).empty()) continue;
    int inked = 0;
    std::set<std::uint8_t> inks;
    for (std::uint8_t v : img.pixels) {
      inked += v != 0;
      inks.insert(v);
    }
    EXPECT_GE(inked, 16) << "object " << n << " is almost empty";
    EXPECT_GE(inks.size(), 3u) << "object " << n << " has hardly any colours";
    EXPECT_TRUE(seen.insert(img.pixels).second) << "object " << n << " repeats another picture";
  }
}

TEST(DefaultSprites, TheBuildPutsTheSetBesideThePrograms) {
  const std::string iml = std::string(PYROVEL_BIN_DIR) + "/Emerald.iml";
  if (!fileExists(iml)) GTEST_SKIP() << "the sprite set has not been built";
  EXPECT_EQ(testing::readAll(iml), serializeImageLibrary(makeDefaultImageLibrary()));
}

TEST(DefaultSprites, ContactSheetShowsAllSprites) {
  const SpriteStrip strip(std::make_shared<const ImageLibrary>(makeDefaultImageLibrary()),
                          makeDefaultObjectTable());
  const PixelBuffer sheet = makeContactSheet(strip);
  EXPECT_EQ(sheet.width, 16 * 40);
  EXPECT_EQ(sheet.height, 16 * 45);
  // Sprite 3 (a rock) sits in the fourth cell of the first row.
  EXPECT_EQ(sheet.at(3 * 40 + 4 + 16, 4 + 16), strip.sprite(3)[16 * 32 + 16]);
}

}  // namespace
}  // namespace pyrovel
