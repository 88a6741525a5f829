#pragma once
// PNG output through libpng: 8-bit RGB (RGBA when a picture has translucent
// pixels), deflated at a fast zlib level. Rows are taken one at a time from
// their producer, so a large picture never has to exist whole in memory.
#include <cstdint>
#include <functional>
#include <string>

#include "model/bytes.h"
#include "render/pixel_buffer.h"

namespace pyrovel {

// A picture handed over row by row, top to bottom.
struct PngRows {
  int width = 0;
  int height = 0;
  // Every pixel has alpha 255: written as RGB, a quarter smaller and faster.
  bool opaque = true;
  // Row y (asked for once each, in order): `width` pixels valid until the next call.
  std::function<const std::uint32_t*(int y)> row;
};

// Throws LevelError for an empty picture or when libpng fails.
Bytes encodePng(const PngRows& rows);
Bytes encodePng(const PixelBuffer& image);
// Encodes and writes atomically; throws LevelError when the file cannot be written.
void writePng(const std::string& path, const PngRows& rows);
void writePng(const std::string& path, const PixelBuffer& image);

}  // namespace pyrovel
