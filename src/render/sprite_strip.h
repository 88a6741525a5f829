#pragma once
// The sprite strip: one 32-pixel-wide bitmap holding the sprite of object n
// at rows 32n..32n+31, built from an image library and its object table.
// Every drawing of objects copies from it.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "render/image_library.h"
#include "render/object_table.h"
#include "render/pixel_buffer.h"

namespace pyrovel {

inline constexpr int kSpriteSide = 32;         // a sprite in the strip
inline constexpr int kLibrarySpriteSide = 16;  // the square taken from a library image

inline constexpr const char* kDefaultImageLibrary = "Emerald.iml";
inline constexpr const char* kDefaultObjectTable = "Emerald.bam";

class SpriteStrip {
 public:
  SpriteStrip() = default;
  // Builds the strip: each object's image, its top-left 16 x 16 square
  // stretched to 32 x 32. Images beyond the library leave the sprite empty.
  SpriteStrip(std::shared_ptr<const ImageLibrary> library, ObjectTable table);

  // N: objects at or above it are never drawn.
  int count() const { return table_.count; }
  // 32 x 32N pixels.
  const PixelBuffer& pixels() const { return pixels_; }
  // Objects drawn on the level view: 0 < object < N.
  bool drawable(int object) const { return object > 0 && object < count(); }
  // The first row of object n's 32 x 32 sprite (0 <= n < N).
  const std::uint32_t* sprite(int object) const { return pixels_.row(object * kSpriteSide); }

  // True when no sprite has a translucent pixel: pictures drawn from the
  // strip need no alpha channel.
  bool opaque() const { return opaque_; }

  // The image numbers of an object's record (-1 when the object has none).
  int image(int object) const;
  int secondImage(int object) const;
  // The library behind the strip (never null; empty before the first load).
  const ImageLibrary& library() const { return *library_; }
  // Library image k as pixels, unscaled (empty when k is beyond the library).
  PixelBuffer libraryImage(int k) const { return library_->imagePixels(k); }

  // Object n's sprite scaled to side x side pixels (nearest neighbour),
  // row-major with stride `side`; prepared once per size and object and then
  // kept, so a redraw only copies rows. 0 < side; 0 <= object < N. Every
  // size kept costs side * side * 4 bytes per object used, so the level
  // drawing scales very large cells while copying instead.
  const std::uint32_t* scaledSprite(int object, int side) const;

  void swap(SpriteStrip& other) noexcept;

 private:
  std::shared_ptr<const ImageLibrary> library_ = std::make_shared<ImageLibrary>();
  ObjectTable table_;
  PixelBuffer pixels_;
  bool opaque_ = true;
  // Scaled sprites by side; within a size, one buffer per object, made on demand.
  mutable std::map<int, std::vector<std::vector<std::uint32_t>>> scaled_;
};

// Loads the library and its object table and rebuilds `strip`. Throws
// LevelError and leaves `strip` as it was when either file is unreadable or
// malformed.
void loadSpriteStrip(SpriteStrip& strip, const std::string& imlPath, const std::string& bamPath);

// The object table's name for a library: its last four characters replaced
// by ".bam" ("Emerald.iml" -> "Emerald.bam").
std::string objectTableNameFor(const std::string& imlPath);

}  // namespace pyrovel
