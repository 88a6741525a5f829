#pragma once
// Two small bitmap fonts of our own: 5 x 7 for letters, digits and a few
// signs, 3 x 5 for small digits. Glyphs are rows of '#' (ink) and '.'.
#include <string_view>

namespace pyrovel {

struct Glyph {
  int width = 0;
  int height = 0;
  const char* const* rows = nullptr;  // height rows of width characters

  bool ink(int x, int y) const { return rows[y][x] == '#'; }
  explicit operator bool() const { return rows != nullptr; }
};

// Capital letters, digits and . , ? ! / (an empty glyph for anything else).
Glyph glyph5x7(char c);
// The digits 0..9.
Glyph glyph3x5(char c);

// Calls plot(x, y) for every ink pixel of `text` set in `font` at `scale`,
// the first glyph's top-left at (left, top), one scaled pixel between glyphs.
template <class Font, class Plot>
void forEachInk(Font font, std::string_view text, int left, int top, int scale, Plot plot) {
  int x0 = left;
  for (char c : text) {
    const Glyph g = font(c);
    if (!g) continue;
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x) {
        if (!g.ink(x, y)) continue;
        for (int sy = 0; sy < scale; ++sy) {
          for (int sx = 0; sx < scale; ++sx) plot(x0 + x * scale + sx, top + y * scale + sy);
        }
      }
    }
    x0 += (g.width + 1) * scale;
  }
}

// The width in pixels of `text` as forEachInk sets it.
template <class Font>
int textWidth(Font font, std::string_view text, int scale) {
  int w = 0;
  for (char c : text) {
    const Glyph g = font(c);
    if (g) w += (g.width + 1) * scale;
  }
  return w > 0 ? w - scale : 0;
}

}  // namespace pyrovel
