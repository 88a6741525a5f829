#pragma once
// A contact sheet of a sprite strip: every sprite at 32 pixels with its
// object number under it, 16 to a row.
#include "render/pixel_buffer.h"
#include "render/sprite_strip.h"

namespace pyrovel {

inline constexpr int kSheetColumns = 16;

// Sprites first..first+count-1 (those at or above N show as empty cells).
PixelBuffer makeContactSheet(const SpriteStrip& strip, int first = 0, int count = 256);

}  // namespace pyrovel
