// The PNG writer: checksums and files that decode to the pixels written.
#include <gtest/gtest.h>

#include <string_view>

#include "render/png_writer.h"
#include "render/render_test_support.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(PngWriter, ChecksumsMatchTheirReferenceValues) {
  EXPECT_EQ(crc32(bytesOf("123456789")), 0xcbf43926u);
  EXPECT_EQ(crc32(bytesOf("")), 0u);
  EXPECT_EQ(adler32(bytesOf("Wikipedia")), 0x11e60398u);
  // A long run of 0xff exercises the modulo steps of Adler-32.
  const std::vector<std::uint8_t> ones(100000, 0xff);
  std::uint64_t a = 1, b = 0;
  for (std::uint8_t v : ones) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  EXPECT_EQ(adler32(ones), static_cast<std::uint32_t>((b << 16) | a));
}

TEST(PngWriter, SmallPictureDecodesToItsPixels) {
  PixelBuffer img(3, 2);
  img.at(0, 0) = argb(255, 0, 0);
  img.at(1, 0) = argb(0, 255, 0, 128);
  img.at(2, 1) = argb(1, 2, 3);
  const Bytes png = encodePng(img);
  const testing::DecodedPng d = testing::decodeStoredPng(png);
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_EQ(d.chunkTypes, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  EXPECT_EQ(d.width, 3u);
  EXPECT_EQ(d.height, 2u);
  EXPECT_EQ(d.pixels.pixels, img.pixels);
}

TEST(PngWriter, LargePictureSpansManyStoredBlocks) {
  PixelBuffer img(300, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) img.at(x, y) = argb(x & 255, y & 255, (x * y) & 255);
  }
  testing::TempDir dir;
  writePng(dir.path("big.png"), img);
  const testing::DecodedPng d = testing::decodeStoredPng(testing::readAll(dir.path("big.png")));
  ASSERT_TRUE(d.ok) << d.error;
  EXPECT_GT(d.raw.size(), 3u * 65535u);
  EXPECT_EQ(d.pixels.pixels, img.pixels);
}

TEST(PngWriter, EmptyPictureIsRefused) {
  EXPECT_THROW(encodePng(PixelBuffer()), LevelError);
}

}  // namespace
}  // namespace pyrovel
