// Letter tiles, small digits and placeholders of the default sprite set.
#include <cmath>
#include <string>

#include "render/sprite_art.h"
#include "render/sprite_art_shared.h"

namespace pyrovel::art {

void drawLetterTile(Canvas& c, int object) {
  c.bevel(0, 0, 15, 15, Hue::Navy, 3);
  const Ink ink = shade(Hue::Yellow, 6);
  const Ink shadow = outlineInk();
  auto glyph = [&](char ch) {
    c.text5x7(std::string(1, ch), 4, 2, 2, shadow);
    c.text5x7(std::string(1, ch), 3, 1, 2, ink);
  };
  if (object <= 125) return glyph(static_cast<char>('A' + object - 100));
  if (object <= 135) return glyph(static_cast<char>('0' + object - 126));
  static constexpr char kSigns[] = {'.', ',', '?', '!', '/'};
  if (object <= 140) return glyph(kSigns[object - 136]);
  if (object <= 144) {
    static constexpr Facing kArrows[] = {Facing::Left, Facing::Up, Facing::Right, Facing::Down};
    Canvas arrow;
    arrow.rect(2, 6, 9, 9, ink);
    arrow.polygon({{14.5, 8}, {8, 1.5}, {8, 14.5}}, ink);
    turn(arrow, kArrows[object - 141]);
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (arrow.px[y][x] != kBlack) c.set(x + 1, y + 1, shadow);
      }
    }
    c.over(arrow);
    return;
  }
  // The copyright sign: a C in a ring.
  for (int i = 0; i < 48; ++i) {
    const double t = i * kPi / 24;
    c.set(static_cast<int>(std::floor(8 + 6 * std::cos(t))),
          static_cast<int>(std::floor(8 + 6 * std::sin(t))), ink);
  }
  c.text5x7("C", 6, 5, 1, ink);
}

void drawSmallDigit(Canvas& c, int digit) {
  c.bevel(0, 0, 15, 15, Hue::Steel, 2);
  const std::string text(1, static_cast<char>('0' + digit));
  c.text3x5(text, 6, 4, 2, outlineInk());
  c.text3x5(text, 5, 3, 2, shade(Hue::Pearl, 6));
}

void drawPlaceholder(Canvas& c, int object) {
  c.fill(shade(Hue::Grey, 1));
  for (int i = 0; i < kSide; i += 2) {
    c.set(i, 0, shade(Hue::Grey, 2));
    c.set(0, i, shade(Hue::Grey, 2));
  }
  const std::string number = std::to_string(object);
  const int width = static_cast<int>(number.size()) * 4 - 1;
  c.text3x5(number, (kSide - width) / 2, 5, 1, shade(Hue::Grey, 4));
}

}  // namespace pyrovel::art
