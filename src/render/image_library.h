#pragma once
// The image library (".iml"): numbered 8-bit images on one shared 256-colour
// palette. The editor reads it to build the sprite strip; the default sprite
// generator writes one.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/bytes.h"
#include "render/pixel_buffer.h"

namespace pyrovel {

inline constexpr std::size_t kImageLibraryHeaderSize = 12;     // magic, count, 4 free bytes
inline constexpr std::size_t kImageLibraryPaletteSize = 1024;  // 256 x (r, g, b, unused)
inline constexpr std::size_t kImageLibraryImagesOffset =
    kImageLibraryHeaderSize + kImageLibraryPaletteSize;
inline constexpr std::size_t kLibraryImageHeaderSize = 20;

// The messages the loader reports, as the editor has always shown them.
inline constexpr const char* kNotAnImageLibrary = "Not a valid Image Library File";
inline constexpr const char* kNoMemoryForImageTable = "TDGCImage: GemMem Failed for FImages";
inline constexpr const char* kNoMemoryForImagePixels = "TDGCImage: GemMem Failed for ImgHdr.Bits";

struct LibraryImage {
  std::array<std::uint8_t, kLibraryImageHeaderSize> header{};  // kept whole
  int width = 0;
  int height = 0;
  int stride = 0;                    // bytes per row: width rounded up to a multiple of 4
  std::vector<std::uint8_t> pixels;  // palette indices, stride * height, top row first

  std::uint8_t index(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) +
                  static_cast<std::size_t>(x)];
  }
};

class ImageLibrary {
 public:
  // The 12 header bytes and the raw palette as read (or as they will be written).
  std::array<std::uint8_t, kImageLibraryHeaderSize> header{'I', 'L', '1', '0'};
  std::array<std::uint8_t, kImageLibraryPaletteSize> rawPalette{};
  std::vector<LibraryImage> images;

  int imageCount() const { return static_cast<int>(images.size()); }
  // Palette entry i as a pixel; entry 0 is always black.
  std::uint32_t colour(int i) const;
  // The whole palette as pixels, entry i at i.
  std::array<std::uint32_t, 256> colours() const;
  // Sets palette entry i (red, green, blue).
  void setColour(int i, std::uint8_t r, std::uint8_t g, std::uint8_t b);

  // Draws image k with its top-left corner at (left, top); pixels outside
  // `out` are skipped. An image number beyond the library draws nothing.
  void drawImage(int k, PixelBuffer& out, int left, int top) const;
  // Image k as pixels (an empty buffer when k is beyond the library).
  PixelBuffer imagePixels(int k) const;

  // Adds an image of the given size; rows are stored padded to 4 bytes.
  LibraryImage& addImage(int width, int height);
};

// Parses a whole library held in memory. Throws LevelError naming `fileName`
// (and the offset) when the data is not a library or is cut short.
ImageLibrary parseImageLibrary(std::span<const std::uint8_t> data, const std::string& fileName);
ImageLibrary loadImageLibrary(const std::string& path);
// The file image of a library, in the layout parseImageLibrary reads.
Bytes serializeImageLibrary(const ImageLibrary& library);

}  // namespace pyrovel
