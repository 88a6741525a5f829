// The image library and object table readers on files laid out byte by byte.
#include <gtest/gtest.h>

#include "render/image_library.h"
#include "render/object_table.h"
#include "render/render_test_support.h"

namespace pyrovel {
namespace {

using testing::buildLibrary;
using testing::buildObjectTable;
using testing::RawImage;

const std::vector<std::array<std::uint8_t, 3>> kPalette = {
    {200, 10, 10}, {10, 20, 30}, {40, 50, 60}, {250, 240, 230}};

std::string errorOf(const Bytes& file) {
  try {
    parseImageLibrary(file, "lib.iml");
  } catch (const LevelError& e) {
    return e.detail();
  }
  return "";
}

TEST(ImageLibrary, ReadsPaletteImagesAndPaddedRows) {
  // A 3 x 2 image: rows of 3 bytes padded to 4 with non-zero junk the
  // reader must skip; then a 5 x 1 image (padded to 8).
  RawImage a{3, 2, {1, 2, 3, 3, 2, 1}, 0x77};
  RawImage b{5, 1, {3, 0, 1, 2, 3}, 0x66};
  const Bytes file = buildLibrary({a, b}, kPalette, "iL10");  // magic in any case
  const ImageLibrary lib = parseImageLibrary(file, "lib.iml");

  ASSERT_EQ(lib.imageCount(), 2);
  EXPECT_EQ(lib.images[0].width, 3);
  EXPECT_EQ(lib.images[0].height, 2);
  EXPECT_EQ(lib.images[0].stride, 4);
  EXPECT_EQ(lib.images[1].stride, 8);
  EXPECT_EQ(lib.images[0].index(0, 1), 3);
  EXPECT_EQ(lib.images[0].index(2, 1), 1);
  EXPECT_EQ(lib.images[1].index(4, 0), 3);
  // Entry 0 is black whatever the file says; the others are r, g, b.
  EXPECT_EQ(lib.colour(0), argb(0, 0, 0));
  EXPECT_EQ(lib.colour(1), argb(10, 20, 30));
  EXPECT_EQ(lib.colour(3), argb(250, 240, 230));

  const PixelBuffer px = lib.imagePixels(0);
  ASSERT_EQ(px.width, 3);
  ASSERT_EQ(px.height, 2);
  EXPECT_EQ(px.at(1, 0), argb(40, 50, 60));
  EXPECT_EQ(px.at(0, 1), argb(250, 240, 230));
  EXPECT_EQ(lib.imagePixels(2).width, 0);  // beyond the library: nothing

  // Written back, the library reads the same.
  const ImageLibrary again = parseImageLibrary(serializeImageLibrary(lib), "copy.iml");
  ASSERT_EQ(again.imageCount(), 2);
  EXPECT_EQ(again.images[1].pixels, lib.images[1].pixels);
  EXPECT_EQ(again.rawPalette, lib.rawPalette);
  EXPECT_EQ(again.images[0].header, lib.images[0].header);
}

TEST(ImageLibrary, DrawImageClipsToTheCanvas) {
  const ImageLibrary lib =
      parseImageLibrary(buildLibrary({testing::solidImage(4, 4, 2)}, kPalette), "x");
  PixelBuffer out(3, 3, argb(1, 1, 1));
  lib.drawImage(0, out, -2, 1);  // half off the left, off the bottom
  EXPECT_EQ(out.at(0, 0), argb(1, 1, 1));
  EXPECT_EQ(out.at(0, 1), argb(40, 50, 60));
  EXPECT_EQ(out.at(1, 2), argb(40, 50, 60));
  EXPECT_EQ(out.at(2, 2), argb(1, 1, 1));
  lib.drawImage(5, out, 0, 0);  // no such image: untouched
  EXPECT_EQ(out.at(2, 0), argb(1, 1, 1));
}

TEST(ImageLibrary, RejectsWhatIsNotALibrary) {
  EXPECT_EQ(errorOf(buildLibrary({}, kPalette, "IL11")), kNotAnImageLibrary);
  EXPECT_EQ(errorOf(Bytes{'I', 'L'}), kNotAnImageLibrary);
  EXPECT_EQ(errorOf(Bytes{}), kNotAnImageLibrary);
}

TEST(ImageLibrary, EveryTruncationIsAnError) {
  const Bytes file = buildLibrary(
      {RawImage{3, 2, {1, 2, 3, 3, 2, 1}, 0}, testing::solidImage(16, 16, 1)}, kPalette);
  ASSERT_NO_THROW(parseImageLibrary(file, "full"));
  for (std::size_t n = 0; n < file.size(); ++n) {
    const Bytes cut(file.begin(), file.begin() + static_cast<long>(n));
    EXPECT_THROW(parseImageLibrary(cut, "cut"), LevelError) << "cut at " << n;
  }
}

TEST(ImageLibrary, CorruptCountsAndSizesEndWithAClearError) {
  // A count far beyond what the file can hold is refused before anything
  // is allocated for it.
  const std::string count =
      errorOf(buildLibrary({testing::solidImage(2, 2, 1)}, kPalette, "IL10", 0xfffffff0u));
  EXPECT_NE(count.find("4294967280 images"), std::string::npos) << count;
  // Sides whose product would overflow, and pixels the file does not hold.
  EXPECT_NE(errorOf(buildLibrary({RawImage{0xffffffffu, 0xffffffffu, {}, 0}}, kPalette))
                .find("impossible size"),
            std::string::npos);
  Bytes big = buildLibrary({testing::solidImage(1, 1, 1)}, kPalette);
  putU32le(&big[1036], 60000);  // width
  putU32le(&big[1040], 60000);  // height
  const std::string pixels = errorOf(big);
  EXPECT_NE(pixels.find("needs 3600000000 bytes"), std::string::npos) << pixels;
  try {
    parseImageLibrary(big, "big.iml");
  } catch (const LevelError& e) {
    EXPECT_EQ(e.file(), "big.iml");
    EXPECT_EQ(e.offset(), 1036u);
  }
}

TEST(ObjectTable, ReadsTheCountAndBothImageNumbers) {
  const Bytes file = buildObjectTable(3, {{5, 9}, {6, 10}, {700, 11}, {0, 0}});
  const ObjectTable t = parseObjectTable(file, "t.bam");
  EXPECT_EQ(t.count, 3);
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[0].image, 5);
  EXPECT_EQ(t.records[0].secondImage, 9);
  EXPECT_EQ(t.records[2].image, 700);
  // Our writer lays out the same bytes for count and image numbers.
  const Bytes written = serializeObjectTable(t);
  ASSERT_EQ(written.size(), file.size());
  EXPECT_EQ(getU16le(&written[2]), 3);
  EXPECT_EQ(getU16le(&written[446 + 2 * 168 + 2]), 700);
  EXPECT_EQ(getU16le(&written[446 + 168]), 10);
}

TEST(ObjectTable, ShortTablesAreErrors) {
  EXPECT_THROW(parseObjectTable(Bytes(445, 0), "t"), LevelError);
  // N + 1 records are needed: N = 3 with 3 records is one short.
  EXPECT_THROW(parseObjectTable(buildObjectTable(3, {{1, 1}, {2, 2}, {3, 3}}), "t"), LevelError);
  // A huge count against a small file.
  try {
    parseObjectTable(buildObjectTable(65535, {{1, 1}}), "t.bam");
    ADD_FAILURE() << "no error";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("65535 objects"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace pyrovel
