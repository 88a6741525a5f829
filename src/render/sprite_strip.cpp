#include "render/sprite_strip.h"

#include <algorithm>
#include <new>

namespace pyrovel {

namespace {
// Sizes kept at once; zooming back and forth between a few sizes stays cheap.
constexpr std::size_t kKeptSizes = 4;
}  // namespace

SpriteStrip::SpriteStrip(std::shared_ptr<const ImageLibrary> library, ObjectTable table)
    : library_(library ? std::move(library) : std::make_shared<ImageLibrary>()),
      table_(std::move(table)),
      pixels_(kSpriteSide, kSpriteSide * table_.count) {
  if (table_.records.size() < static_cast<std::size_t>(table_.count)) {
    table_.records.resize(static_cast<std::size_t>(table_.count));
  }
  // Each sprite is the top-left 16 x 16 of its image, doubled. Images that
  // are smaller leave the rest black (the buffer's fill); larger ones are cut.
  const std::array<std::uint32_t, 256> colours = library_->colours();
  constexpr int scale = kSpriteSide / kLibrarySpriteSide;
  for (int n = 0; n < table_.count; ++n) {
    const int k = table_.records[static_cast<std::size_t>(n)].image;
    if (k < 0 || k >= library_->imageCount()) continue;
    const LibraryImage& image = library_->images[static_cast<std::size_t>(k)];
    const int width = std::min(image.width, kLibrarySpriteSide);
    const int height = std::min(image.height, kLibrarySpriteSide);
    for (int y = 0; y < height; ++y) {
      std::uint32_t* dst = pixels_.row(n * kSpriteSide + y * scale);
      for (int x = 0; x < width; ++x) {
        const std::uint32_t colour = colours[image.index(x, y)];
        for (int i = 0; i < scale; ++i) dst[x * scale + i] = colour;
      }
      for (int i = 1; i < scale; ++i) {
        std::copy_n(dst, kSpriteSide, pixels_.row(n * kSpriteSide + y * scale + i));
      }
    }
  }
  // Every pixel is black or a palette colour.
  opaque_ = std::all_of(colours.begin(), colours.end(),
                        [](std::uint32_t p) { return (p >> 24) == 0xff; });
}

int SpriteStrip::image(int object) const {
  if (object < 0 || static_cast<std::size_t>(object) >= table_.records.size()) return -1;
  return table_.records[static_cast<std::size_t>(object)].image;
}

int SpriteStrip::secondImage(int object) const {
  if (object < 0 || static_cast<std::size_t>(object) >= table_.records.size()) return -1;
  return table_.records[static_cast<std::size_t>(object)].secondImage;
}

const std::uint32_t* SpriteStrip::scaledSprite(int object, int side) const {
  auto it = scaled_.find(side);
  if (it == scaled_.end()) {
    if (scaled_.size() >= kKeptSizes) scaled_.clear();
    it = scaled_
             .emplace(side,
                      std::vector<std::vector<std::uint32_t>>(static_cast<std::size_t>(count())))
             .first;
  }
  std::vector<std::uint32_t>& sprite = it->second[static_cast<std::size_t>(object)];
  if (sprite.empty()) {
    sprite.resize(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    std::vector<int> column(static_cast<std::size_t>(side));
    for (int x = 0; x < side; ++x) column[static_cast<std::size_t>(x)] = x * kSpriteSide / side;
    const std::uint32_t* src = this->sprite(object);
    for (int y = 0; y < side; ++y) {
      const std::uint32_t* srcRow =
          src + static_cast<std::size_t>(y * kSpriteSide / side) * kSpriteSide;
      std::uint32_t* dst =
          sprite.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(side);
      for (int x = 0; x < side; ++x) dst[x] = srcRow[column[static_cast<std::size_t>(x)]];
    }
  }
  return sprite.data();
}

void SpriteStrip::swap(SpriteStrip& other) noexcept {
  library_.swap(other.library_);
  std::swap(table_, other.table_);
  std::swap(pixels_, other.pixels_);
  std::swap(opaque_, other.opaque_);
  scaled_.swap(other.scaled_);
}

void loadSpriteStrip(SpriteStrip& strip, const std::string& imlPath, const std::string& bamPath) {
  auto library = std::make_shared<const ImageLibrary>(loadImageLibrary(imlPath));
  ObjectTable table = loadObjectTable(bamPath);
  const int count = table.count;
  try {
    SpriteStrip fresh(std::move(library), std::move(table));
    strip.swap(fresh);
  } catch (const std::bad_alloc&) {
    throw LevelError(
        bamPath, std::nullopt, 2,
        "not enough memory for a sprite strip of " + std::to_string(count) + " sprites");
  }
}

std::string objectTableNameFor(const std::string& imlPath) {
  const std::string stem =
      imlPath.size() >= 4 ? imlPath.substr(0, imlPath.size() - 4) : std::string();
  return stem + ".bam";
}

}  // namespace pyrovel
