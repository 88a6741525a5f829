#pragma once
// A level as a picture: drawn one band of cells at a time straight into the
// PNG encoder, so the whole picture is never held in memory.
#include "model/levelmap.h"
#include "render/png_writer.h"
#include "render/sprite_strip.h"

namespace pyrovel {

// The rows of layer `layer` of level `slot` at `cellSize` pixels a cell, as
// drawLevel draws them. Map and strip must outlive the rows.
PngRows levelPictureRows(const Levelmap& map, int slot, int layer, const SpriteStrip& strip,
                         int cellSize);

}  // namespace pyrovel
