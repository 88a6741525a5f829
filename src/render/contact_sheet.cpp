#include "render/contact_sheet.h"

#include <string>

#include "render/level_renderer.h"
#include "render/pixel_font.h"

namespace pyrovel {

namespace {
constexpr int kMargin = 4;
constexpr int kCellWidth = kSpriteSide + 2 * kMargin;
constexpr int kLabelHeight = 9;
constexpr int kCellHeight = kSpriteSide + kMargin + kLabelHeight;
}  // namespace

PixelBuffer makeContactSheet(const SpriteStrip& strip, int first, int count) {
  if (count < 1) count = 1;
  const int rows = (count + kSheetColumns - 1) / kSheetColumns;
  PixelBuffer sheet(kSheetColumns * kCellWidth, rows * kCellHeight, argb(40, 40, 48));
  for (int i = 0; i < count; ++i) {
    const int object = first + i;
    const int left = (i % kSheetColumns) * kCellWidth + kMargin;
    const int top = (i / kSheetColumns) * kCellHeight + kMargin;
    // Object 0 and objects beyond the strip are shown as the black cell
    // the level view would show.
    if (object > 0 && object < strip.count()) {
      drawCell(strip, object, kSpriteSide, sheet, left, top);
    } else {
      PixelBuffer& s = sheet;
      for (int y = top; y < top + kSpriteSide; ++y) {
        for (int x = left; x < left + kSpriteSide; ++x) s.at(x, y) = argb(0, 0, 0);
      }
    }
    const std::string label = std::to_string(object);
    const int width = textWidth(glyph3x5, label, 1);
    forEachInk(glyph3x5, label, left + (kSpriteSide - width) / 2, top + kSpriteSide + 2, 1,
               [&](int x, int y) { sheet.at(x, y) = argb(220, 220, 220); });
  }
  return sheet;
}

}  // namespace pyrovel
