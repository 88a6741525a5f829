#include "render/image_library.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "model/file_io.h"

namespace pyrovel {

namespace {

// Larger sides than this are not images but corrupt headers; keeping the
// sides this small also keeps every size computation far from overflow.
constexpr std::uint32_t kMaxImageSide = 65535;

int paddedStride(int width) {
  return (width + 3) & ~3;
}

bool hasLibraryMagic(std::span<const std::uint8_t> data) {
  static constexpr char kMagic[] = "IL10";
  if (data.size() < 4) return false;
  for (int i = 0; i < 4; ++i) {
    if (std::toupper(data[i]) != kMagic[i]) return false;
  }
  return true;
}

}  // namespace

std::uint32_t ImageLibrary::colour(int i) const {
  if (i <= 0 || i > 255) return argb(0, 0, 0);
  const std::uint8_t* e = &rawPalette[static_cast<std::size_t>(i) * 4];
  return argb(e[0], e[1], e[2]);
}

std::array<std::uint32_t, 256> ImageLibrary::colours() const {
  std::array<std::uint32_t, 256> all;
  for (int i = 0; i < 256; ++i) all[static_cast<std::size_t>(i)] = colour(i);
  return all;
}

void ImageLibrary::setColour(int i, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  std::uint8_t* e = &rawPalette[static_cast<std::size_t>(i) * 4];
  e[0] = r;
  e[1] = g;
  e[2] = b;
  e[3] = 0;
}

void ImageLibrary::drawImage(int k, PixelBuffer& out, int left, int top) const {
  if (k < 0 || k >= imageCount()) return;
  const LibraryImage& img = images[static_cast<std::size_t>(k)];
  const std::array<std::uint32_t, 256> colours = this->colours();
  const int x0 = std::max(0, -left), x1 = std::min(img.width, out.width - left);
  const int y0 = std::max(0, -top), y1 = std::min(img.height, out.height - top);
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* dst = out.row(top + y) + left;
    for (int x = x0; x < x1; ++x) dst[x] = colours[img.index(x, y)];
  }
}

PixelBuffer ImageLibrary::imagePixels(int k) const {
  if (k < 0 || k >= imageCount()) return {};
  const LibraryImage& img = images[static_cast<std::size_t>(k)];
  PixelBuffer out(img.width, img.height);
  drawImage(k, out, 0, 0);
  return out;
}

LibraryImage& ImageLibrary::addImage(int width, int height) {
  LibraryImage img;
  img.width = width;
  img.height = height;
  img.stride = paddedStride(width);
  putU32le(&img.header[0], static_cast<std::uint32_t>(width));
  putU32le(&img.header[4], static_cast<std::uint32_t>(height));
  img.pixels.assign(static_cast<std::size_t>(img.stride) * static_cast<std::size_t>(height), 0);
  images.push_back(std::move(img));
  return images.back();
}

ImageLibrary parseImageLibrary(std::span<const std::uint8_t> data, const std::string& fileName) {
  if (!hasLibraryMagic(data)) throw LevelError(fileName, std::nullopt, 0, kNotAnImageLibrary);
  ByteReader in(data, fileName);
  ImageLibrary lib;
  std::copy_n(in.bytes(kImageLibraryHeaderSize).begin(), kImageLibraryHeaderSize,
              lib.header.begin());
  const std::uint32_t count = getU32le(&lib.header[4]);
  std::copy_n(in.bytes(kImageLibraryPaletteSize).begin(), kImageLibraryPaletteSize,
              lib.rawPalette.begin());

  // Every image takes at least its header, so the file bounds the count
  // before anything is allocated for it.
  const std::size_t room = in.remaining() / kLibraryImageHeaderSize;
  if (count > room) {
    in.fail(4, "the library claims " + std::to_string(count) +
                   " images but the file holds at most " + std::to_string(room));
  }
  try {
    lib.images.reserve(count);
  } catch (const std::bad_alloc&) {
    throw LevelError(fileName, std::nullopt, 4, kNoMemoryForImageTable);
  }

  for (std::uint32_t k = 0; k < count; ++k) {
    const std::size_t at = in.pos();
    LibraryImage img;
    std::copy_n(in.bytes(kLibraryImageHeaderSize).begin(), kLibraryImageHeaderSize,
                img.header.begin());
    const std::uint32_t width = getU32le(&img.header[0]);
    const std::uint32_t height = getU32le(&img.header[4]);
    const std::string which = "image " + std::to_string(k);
    if (width > kMaxImageSide || height > kMaxImageSide) {
      in.fail(at, which + " has an impossible size of " + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels");
    }
    img.width = static_cast<int>(width);
    img.height = static_cast<int>(height);
    img.stride = paddedStride(img.width);
    const std::size_t size = static_cast<std::size_t>(img.stride) * height;
    if (size > in.remaining()) {
      in.fail(at, which + " (" + std::to_string(width) + " x " + std::to_string(height) +
                      ") needs " + std::to_string(size) + " bytes of pixels but only " +
                      std::to_string(in.remaining()) + " are left");
    }
    try {
      auto rows = in.bytes(size);
      img.pixels.assign(rows.begin(), rows.end());
    } catch (const std::bad_alloc&) {
      throw LevelError(fileName, std::nullopt, at, kNoMemoryForImagePixels);
    }
    lib.images.push_back(std::move(img));
  }
  return lib;
}

ImageLibrary loadImageLibrary(const std::string& path) {
  return parseImageLibrary(readFileBytes(path), path);
}

Bytes serializeImageLibrary(const ImageLibrary& library) {
  ByteWriter out;
  std::array<std::uint8_t, kImageLibraryHeaderSize> header = library.header;
  putU32le(&header[4], static_cast<std::uint32_t>(library.imageCount()));
  out.bytes(header);
  out.bytes(library.rawPalette);
  for (const LibraryImage& img : library.images) {
    std::array<std::uint8_t, kLibraryImageHeaderSize> h = img.header;
    putU32le(&h[0], static_cast<std::uint32_t>(img.width));
    putU32le(&h[4], static_cast<std::uint32_t>(img.height));
    out.bytes(h);
    out.bytes(img.pixels);
  }
  return out.take();
}

}  // namespace pyrovel
