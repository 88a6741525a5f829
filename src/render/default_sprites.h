#pragma once
// The project's own sprite set: one 16 x 16 image per object number on one
// 256-colour palette, and an object table showing object n with image n.
// The build writes it as Emerald.iml and Emerald.bam beside the programs.
#include <string>

#include "render/image_library.h"
#include "render/object_table.h"

namespace pyrovel {

inline constexpr int kDefaultSpriteCount = 256;

ImageLibrary makeDefaultImageLibrary();
ObjectTable makeDefaultObjectTable();
// Writes Emerald.iml and Emerald.bam into `folder`.
void writeDefaultSpriteSet(const std::string& folder);

}  // namespace pyrovel
