#include "render/render_test_support.h"

#include <png.h>

#include <bit>

namespace pyrovel::testing {

DecodedPng decodePng(const std::vector<std::uint8_t>& file) {
  DecodedPng png;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
    png.error = image.message;
    return png;
  }
  png.width = image.width;
  png.height = image.height;
  png.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  // Memory order of a 0xAARRGGBB pixel.
  image.format = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  png.pixels = PixelBuffer(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, png.pixels.pixels.data(), 0, nullptr)) {
    png.error = image.message;
    png_image_free(&image);
    return png;
  }
  png.ok = true;
  return png;
}

}  // namespace pyrovel::testing
