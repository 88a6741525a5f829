#pragma once
// Byte-level builders of image libraries and object tables, and a PNG
// decoder, for the render tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/bytes.h"
#include "render/pixel_buffer.h"

namespace pyrovel::testing {

struct RawImage {
  std::uint32_t width = 0, height = 0;
  std::vector<std::uint8_t> indices;  // width * height, row-major, unpadded
  std::uint8_t padding = 0;           // what to put in the row padding
};

// An ".iml" file laid out by hand: magic, count, 4 free bytes, 1024-byte
// palette (r, g, b, unused), then each image's 20-byte header and rows
// padded to 4 bytes.
inline Bytes buildLibrary(const std::vector<RawImage>& images,
                          const std::vector<std::array<std::uint8_t, 3>>& palette,
                          const std::string& magic = "IL10",
                          std::uint32_t claimedCount = 0xffffffffu) {
  Bytes b(magic.begin(), magic.end());
  const std::uint32_t count =
      claimedCount == 0xffffffffu ? static_cast<std::uint32_t>(images.size()) : claimedCount;
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(count >> (8 * i)));
  for (std::uint8_t v : {0xde, 0xad, 0xbe, 0xef}) b.push_back(v);
  for (std::size_t i = 0; i < 256; ++i) {
    const auto c = i < palette.size() ? palette[i] : std::array<std::uint8_t, 3>{0, 0, 0};
    b.insert(b.end(), {c[0], c[1], c[2], 0x55});
  }
  for (const RawImage& img : images) {
    for (std::uint32_t v : {img.width, img.height}) {
      for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    for (int i = 0; i < 12; ++i) b.push_back(static_cast<std::uint8_t>(0xa0 + i));
    const std::uint32_t stride = (img.width + 3) / 4 * 4;
    for (std::uint32_t y = 0; y < img.height; ++y) {
      for (std::uint32_t x = 0; x < stride; ++x) {
        b.push_back(x < img.width ? img.indices[y * img.width + x] : img.padding);
      }
    }
  }
  return b;
}

// A ".bam" file: 446-byte header with N at offset 2, then `records` records
// of 168 bytes, image number at +2 and second image at +0.
inline Bytes buildObjectTable(int n, const std::vector<std::array<int, 2>>& imageAndSecond) {
  Bytes b(446, 0x11);
  b[2] = static_cast<std::uint8_t>(n);
  b[3] = static_cast<std::uint8_t>(n >> 8);
  for (const auto& r : imageAndSecond) {
    Bytes rec(168, 0x22);
    rec[0] = static_cast<std::uint8_t>(r[1]);
    rec[1] = static_cast<std::uint8_t>(r[1] >> 8);
    rec[2] = static_cast<std::uint8_t>(r[0]);
    rec[3] = static_cast<std::uint8_t>(r[0] >> 8);
    b.insert(b.end(), rec.begin(), rec.end());
  }
  return b;
}

// A solid image of one palette index.
inline RawImage solidImage(std::uint32_t w, std::uint32_t h, std::uint8_t index) {
  return {w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h, index), 0};
}

struct DecodedPng {
  bool ok = false;
  std::string error;
  std::uint32_t width = 0, height = 0;
  bool hasAlpha = false;
  PixelBuffer pixels;
};

// Reads a PNG file back through libpng, independently of how it was written.
DecodedPng decodePng(const std::vector<std::uint8_t>& file);

}  // namespace pyrovel::testing
