#pragma once
// Drawing on one 16 x 16 palette-indexed sprite: the shared palette of
// colour ramps, shape primitives, ASCII templates and the transforms that
// turn one facing into four.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "render/image_library.h"

namespace pyrovel::art {

inline constexpr int kSide = 16;

// Colour ramps of the palette, each 8 shades from deep shadow (0) to
// highlight (7).
enum class Hue : std::uint8_t {
  Grey,
  Steel,
  Dirt,
  DarkEarth,
  Stone,
  Cyan,
  Emerald,
  Red,
  Yellow,
  Blue,
  Orange,
  Purple,
  Pink,
  Skin,
  Lime,
  Sand,
  Gold,
  Teal,
  Navy,
  Copper,
  Pearl,
  Olive,
  Violet,
  Brick,
  Count
};
inline constexpr int kShades = 8;

using Ink = std::uint8_t;  // a palette index
inline constexpr Ink kBlack = 0;
Ink shade(Hue hue, int level);  // level is clamped to 0..7
Ink outlineInk();               // the near-black of every outline
Ink whiteInk();

// Writes the palette of all ramps into a library.
void fillPalette(ImageLibrary& library);

// What the characters of a template stand for: '1'..'8' shades of `a`,
// 'a'..'h' of `b`, 'A'..'H' of `c`, 'k' the outline, 'w' white, '0'
// black; '.' leaves the pixel as it is.
struct Inks {
  Hue a = Hue::Grey, b = Hue::Grey, c = Hue::Grey;
};

class Canvas {
 public:
  Ink px[kSide][kSide]{};  // [y][x]

  void set(int x, int y, Ink c) {
    if (x >= 0 && y >= 0 && x < kSide && y < kSide) px[y][x] = c;
  }
  // Sets single pixels {x, y} to one ink.
  void dots(Ink c, std::initializer_list<std::array<int, 2>> points) {
    for (const auto& p : points) set(p[0], p[1], c);
  }
  Ink get(int x, int y) const {
    return (x >= 0 && y >= 0 && x < kSide && y < kSide) ? px[y][x] : kBlack;
  }
  void fill(Ink c);
  void rect(int x0, int y0, int x1, int y1, Ink c);  // inclusive corners
  void frame(int x0, int y0, int x1, int y1, Ink c);
  // A raised block: light top and left edges, dark bottom and right.
  void bevel(int x0, int y0, int x1, int y1, Hue hue, int base = 4);
  void line(int x0, int y0, int x1, int y1, Ink c);
  // A lit ball (or ellipse), light from the upper left, with an outline.
  // `wobble` makes the rim uneven like a stone.
  void ball(double cx, double cy, double rx, double ry, Hue hue, double wobble = 0.0,
            bool outline = true, int bright = 0);
  void disc(double cx, double cy, double r, Ink c);
  // Fills a polygon (pixel centres inside it), shaded from `top` shade at
  // its highest row to `bottom` at its lowest.
  struct Point {
    double x, y;
  };
  void polygon(std::initializer_list<Point> pts, Hue hue, int top, int bottom);
  void polygon(std::initializer_list<Point> pts, Ink c);
  // Scatters specks of the given inks, the same for the same seed.
  void speckle(unsigned seed, int count, std::initializer_list<Ink> inks, int x0 = 0, int y0 = 0,
               int x1 = kSide - 1, int y1 = kSide - 1);
  // Draws a 16-row template (rows may be shorter than 16) at (left, top).
  void stamp(std::initializer_list<std::string_view> rows, const Inks& inks, int left = 0,
             int top = 0);
  // Text in the 5 x 7 font (big) or the 3 x 5 digits.
  void text5x7(std::string_view s, int left, int top, int scale, Ink c);
  void text3x5(std::string_view s, int left, int top, int scale, Ink c);
  // Darkens every pixel of the given ink set that touches an unset pixel:
  // draws the outline around what was drawn on a black background.
  void outlineShape(Ink c);

  // Copies every pixel `layer` drew (every one that is not black) onto this.
  void over(const Canvas& layer);

  void mirrorX();
  void mirrorY();
  void rotateCW();  // a quarter turn clockwise
  void rotateCCW();
};

// The four facings of a creature drawn facing right.
enum class Facing { Left, Up, Right, Down };
void turn(Canvas& c, Facing from_right);

}  // namespace pyrovel::art
