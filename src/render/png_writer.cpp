#include "render/png_writer.h"

#include <png.h>

#include <bit>
#include <csetjmp>

#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

// zlib's fastest level: pictures of levels repeat a few sprites, so even
// this finds nearly all there is to find.
constexpr int kCompressionLevel = 1;
// IDAT chunks this long keep the chunk overhead and the output calls few.
constexpr std::size_t kChunkBytes = 1 << 16;

struct Output {
  Bytes bytes;
  std::string error;
};

void appendBytes(png_structp png, png_bytep data, std::size_t length) {
  auto* out = static_cast<Output*>(png_get_io_ptr(png));
  out->bytes.insert(out->bytes.end(), data, data + length);
}

void noFlush(png_structp) {}

[[noreturn]] void failWith(png_structp png, png_const_charp message) {
  static_cast<Output*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Owns libpng's two structures for one picture.
struct WriteStructs {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~WriteStructs() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

// How a 0xAARRGGBB pixel lies in memory, told to libpng as transformations
// so that rows go to the encoder without being copied.
void describePixels(png_structp png, bool opaque) {
  if constexpr (std::endian::native == std::endian::little) {
    png_set_bgr(png);  // bytes B, G, R, A
    if (opaque) png_set_filler(png, 0, PNG_FILLER_AFTER);
  } else {
    if (opaque)
      png_set_filler(png, 0, PNG_FILLER_BEFORE);  // bytes A, R, G, B
    else
      png_set_swap_alpha(png);
  }
}

}  // namespace

Bytes encodePng(const PngRows& rows) {
  if (rows.width <= 0 || rows.height <= 0) throw LevelError("cannot write an empty picture as PNG");
  Output out;
  WriteStructs s;
  s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, failWith, ignoreWarning);
  if (!s.png) throw LevelError("cannot start the PNG encoder");
  s.info = png_create_info_struct(s.png);
  if (!s.info) throw LevelError("cannot start the PNG encoder");
  // libpng reports its errors by jumping back here; nothing below owns
  // anything that the jump would skip.
  if (setjmp(png_jmpbuf(s.png))) throw LevelError("PNG encoder: " + out.error);

  png_set_write_fn(s.png, &out, appendBytes, noFlush);
  png_set_compression_level(s.png, kCompressionLevel);
  png_set_compression_buffer_size(s.png, kChunkBytes);
  // Filtering costs a pass per row and gains little on repeated sprites.
  png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_IHDR(s.png, s.info, static_cast<png_uint_32>(rows.width),
               static_cast<png_uint_32>(rows.height), 8,
               rows.opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(s.png, s.info);
  describePixels(s.png, rows.opaque);
  for (int y = 0; y < rows.height; ++y) {
    // libpng transforms a copy of the row; the source stays untouched.
    png_write_row(s.png, reinterpret_cast<png_const_bytep>(rows.row(y)));
  }
  png_write_end(s.png, nullptr);
  return std::move(out.bytes);
}

namespace {

bool isOpaque(const PixelBuffer& image) {
  for (std::uint32_t p : image.pixels)
    if ((p >> 24) != 0xff) return false;
  return true;
}

PngRows rowsOf(const PixelBuffer& image) {
  return {image.width, image.height, isOpaque(image), [&image](int y) { return image.row(y); }};
}

}  // namespace

Bytes encodePng(const PixelBuffer& image) {
  return encodePng(rowsOf(image));
}

void writePng(const std::string& path, const PngRows& rows) {
  writeFileAtomically(path, encodePng(rows));
}

void writePng(const std::string& path, const PixelBuffer& image) {
  writePng(path, rowsOf(image));
}

}  // namespace pyrovel
