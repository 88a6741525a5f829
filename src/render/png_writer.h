#pragma once
// A small PNG writer: 8-bit RGBA, zlib stream of stored (uncompressed)
// deflate blocks. Enough for pictures of levels and sprites without a
// picture library.
#include <cstdint>
#include <span>
#include <string>

#include "model/bytes.h"
#include "render/pixel_buffer.h"

namespace pyrovel {

std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc = 0);
std::uint32_t adler32(std::span<const std::uint8_t> data, std::uint32_t adler = 1);

Bytes encodePng(const PixelBuffer& image);
// Encodes and writes atomically; throws LevelError when the file cannot be written.
void writePng(const std::string& path, const PixelBuffer& image);

}  // namespace pyrovel
