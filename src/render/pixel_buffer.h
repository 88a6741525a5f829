#pragma once
// A 32-bit RGBA pixel buffer (0xAARRGGBB in memory order of a uint32_t), the
// common currency between the core's drawing and the front ends: Qt wraps it
// in a QImage (Format_ARGB32), the command line writes it as PNG.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pyrovel {

struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // row-major, width * height

  PixelBuffer() = default;
  PixelBuffer(int w, int h, std::uint32_t fill = 0xff000000u)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width;
  }
  std::uint32_t& at(int x, int y) { return row(y)[x]; }
  std::uint32_t at(int x, int y) const { return row(y)[x]; }
};

// Pixels of the same layout held by someone else (a window's back buffer):
// `stride` pixels from one row to the next.
struct PixelView {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::size_t stride = 0;

  std::uint32_t* row(int y) const { return pixels + static_cast<std::size_t>(y) * stride; }
};

inline PixelView viewOf(PixelBuffer& buffer) {
  return {buffer.pixels.data(), buffer.width, buffer.height,
          static_cast<std::size_t>(buffer.width)};
}

inline constexpr std::uint32_t argb(int r, int g, int b, int a = 255) {
  return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
         (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}

}  // namespace pyrovel
