// Ground, rocks, gems and liquids of the default sprite set.
#include <cmath>
#include <utility>

#include "render/sprite_art.h"

namespace pyrovel::art {

namespace {

void twinkle(Canvas& c, int x, int y) {
  c.set(x, y, whiteInk());
  c.set(x - 1, y, shade(Hue::Cyan, 6));
  c.set(x + 1, y, shade(Hue::Cyan, 6));
  c.set(x, y - 1, shade(Hue::Cyan, 6));
  c.set(x, y + 1, shade(Hue::Cyan, 6));
}

}  // namespace

void drawDirt(Canvas& c, int variant) {
  switch (variant) {
    case 0:
      c.fill(shade(Hue::Dirt, 3));
      c.speckle(11, 44, {shade(Hue::Dirt, 1), shade(Hue::Dirt, 2)});
      c.speckle(12, 26, {shade(Hue::Dirt, 5), shade(Hue::Dirt, 5)});
      c.speckle(13, 8, {shade(Hue::Dirt, 6)});
      break;
    case 1:  // darker earth with pebbles
      c.fill(shade(Hue::DarkEarth, 3));
      c.speckle(21, 36, {shade(Hue::DarkEarth, 1), shade(Hue::DarkEarth, 2)});
      c.speckle(22, 14, {shade(Hue::DarkEarth, 5)});
      for (auto [x, y] : {std::pair{3, 4}, {11, 2}, {8, 10}, {13, 13}, {2, 12}}) {
        c.set(x, y, shade(Hue::Stone, 6));
        c.set(x + 1, y, shade(Hue::Stone, 4));
        c.set(x, y + 1, shade(Hue::Stone, 3));
        c.set(x + 1, y + 1, shade(Hue::Stone, 1));
      }
      break;
    case 2:  // poisoned: sickly green earth with purple blotches
      c.fill(shade(Hue::Olive, 2));
      c.speckle(31, 40, {shade(Hue::Olive, 1), shade(Hue::Olive, 3)});
      c.speckle(32, 14, {shade(Hue::Lime, 5), shade(Hue::Lime, 3)});
      for (auto [x, y] : {std::pair{4, 4}, {11, 6}, {6, 11}, {12, 12}}) {
        c.disc(x + 0.5, y + 0.5, 1.6, shade(Hue::Violet, 3));
        c.set(x, y, shade(Hue::Violet, 5));
      }
      break;
    default:  // invisible: only a faint trace of the grains
      c.speckle(11, 44, {shade(Hue::Dirt, 1), shade(Hue::DarkEarth, 2), shade(Hue::DarkEarth, 3)});
      break;
  }
}

void drawRock(Canvas& c, int variant) {
  if (variant == 0) {
    c.ball(7.8, 8.4, 7.3, 6.9, Hue::Stone, 0.05);
    c.dots(shade(Hue::Stone, 2), {{5, 10}, {6, 11}});
    c.set(10, 6, shade(Hue::Stone, 3));
    c.dots(shade(Hue::Stone, 1), {{11, 10}, {12, 11}});
    c.set(9, 12, shade(Hue::Stone, 2));
    c.set(4, 5, shade(Hue::Stone, 7));
    return;
  }
  // A rock forming: a dotted rim and sparks where it will be.
  for (int a = 0; a < 16; ++a) {
    const double t = a * 3.14159265 / 8;
    c.set(static_cast<int>(std::lround(7.5 + 6.5 * std::cos(t))),
          static_cast<int>(std::lround(8 + 6.0 * std::sin(t))), shade(Hue::Stone, a % 2 ? 3 : 5));
  }
  twinkle(c, 5, 6);
  twinkle(c, 10, 10);
  c.set(10, 4, shade(Hue::Yellow, 6));
  c.set(4, 11, shade(Hue::Yellow, 5));
}

void drawDiamond(Canvas& c, int) {
  c.stamp({"................", "................", "....kkkkkkkk....", "...k77888876k...",
           "..k7788w88765k..", ".k677788887655k.", "k55666666554433k", ".k566777754322k.",
           "..k5667754322k..", "...k56675432k...", "....k566432k....", ".....k5643k.....",
           "......k64k......", ".......kk.......", "................", "................"},
          {Hue::Cyan});
  twinkle(c, 13, 2);
  c.set(4, 8, whiteInk());
}

void drawEmerald(Canvas& c, int) {
  c.stamp({"................", "................", "....kkkkkkkk....", "...k78888887k...",
           "..k6778888776k..", ".k666755555433k.", ".k666575555433k.", ".k666557555433k.",
           ".k666555555433k.", ".k666555554433k.", ".k666544444333k.", "..k5333333322k..",
           "...k32222221k...", "....kkkkkkkk....", "................", "................"},
          {Hue::Emerald});
  c.dots(whiteInk(), {{6, 5}, {13, 3}});
  c.dots(shade(Hue::Emerald, 6), {{14, 3}, {13, 2}});
}

void drawPearl(Canvas& c, int) {
  c.ball(7.5, 8, 6.2, 6.2, Hue::Pearl, 0.0, true, -1);
  c.dots(whiteInk(), {{5, 5}, {6, 5}, {5, 6}});
  c.set(10, 11, shade(Hue::Pink, 6));
}

void drawCrystal(Canvas& c, int) {
  c.stamp({"................", ".......kk.......", "......k78k......", ".....k7786k.....",
           "....k778864k....", "...k7778w644k...", "..k776788543k...", "..k6667875443k..",
           "..k6666755443k..", "..k5556644332k..", "...k5556432k....", "....k55432k.....",
           ".....k543k......", "......k42k......", ".......kk.......", "................"},
          {Hue::Violet});
}

void drawNut(Canvas& c, int) {
  c.ball(7.6, 8.8, 6.4, 6.0, Hue::Copper, 0.03);
  // The seam of the shell and its little tip.
  for (int y = 4; y <= 13; ++y) c.set(8, y, shade(Hue::Copper, 2));
  c.dots(shade(Hue::Copper, 6), {{7, 6}, {7, 9}});
  c.stamp({"..kk", ".k63k", "..k"}, {Hue::DarkEarth}, 6, 0);
  c.set(4, 8, shade(Hue::Copper, 3));
  c.dots(shade(Hue::Copper, 2), {{11, 7}, {11, 11}});
}

void drawSand(Canvas& c, int variant) {
  c.fill(shade(Hue::Sand, 4));
  c.speckle(41, 24, {shade(Hue::Sand, 3), shade(Hue::Sand, 5)});
  if (variant == 1) {
    c.ball(7.5, 7.0, 5.5, 5.0, Hue::Stone, 0.05);
  }
  // Ripples, drawn over a stone so that it looks sunk in.
  for (int row : {3, 8, 13}) {
    for (int x = 0; x < kSide; ++x) {
      const int y = row + static_cast<int>(std::lround(std::sin((x + row) * 0.8)));
      if (variant == 1 && row == 3) continue;
      c.set(x, y, shade(Hue::Sand, 2));
      c.set(x, y - 1, shade(Hue::Sand, 6));
    }
  }
}

void drawAmoeba(Canvas& c, int variant) {
  if (variant == 1) {  // a falling drop
    c.polygon({{7.5, 1}, {3.6, 9}, {11.4, 9}}, Hue::Lime, 6, 4);
    c.ball(7.5, 10, 4.2, 4.2, Hue::Lime, 0.0, false);
    c.outlineShape(outlineInk());
    c.set(6, 8, whiteInk());
    return;
  }
  const Hue hue = variant == 0 ? Hue::Lime : Hue::Olive;
  c.fill(shade(hue, 2));
  const double blobs[][3] = {{3, 3, 3.2},     {11, 2.5, 3.4}, {7, 8, 3.8},     {2.5, 11.5, 3.2},
                             {12.5, 10, 3.6}, {8, 14, 2.8},   {14.5, 15, 2.2}, {0.5, 7, 2}};
  for (const auto& b : blobs) {
    Canvas blob;
    blob.ball(b[0], b[1], b[2], b[2], hue, 0.0, false);
    c.over(blob);
  }
  if (variant == 2) {  // stationary: set like jelly, with a frosty glint
    c.speckle(52, 10, {shade(Hue::Pearl, 2)});
  } else {
    c.dots(shade(Hue::Lime, 7), {{2, 2}, {6, 7}, {11, 9}});
  }
}

void drawSlime(Canvas& c, int) {
  c.stamp({"3444444444444443", "4566665666566654", "3455554555455543", ".345543444345432",
           ".3454.34543.3443", "..343..3543..343", "..343..343...32.", "..343...3....3..",
           "...3.........3..", "...3.........k..", "...k............", ".......3........",
           ".......3........", ".......k........", "................", "................"},
          {Hue::Teal});
  c.dots(shade(Hue::Teal, 7), {{4, 1}, {10, 1}});
}

void drawGlue(Canvas& c, int) {
  c.ball(7.5, 10.5, 7.0, 4.8, Hue::Gold, 0.12);
  c.ball(6.5, 6.5, 3.6, 3.0, Hue::Gold, 0.0);
  c.set(5, 5, whiteInk());
  c.set(4, 9, shade(Hue::Gold, 7));
  // Strings of glue.
  c.dots(shade(Hue::Gold, 5), {{11, 5}, {12, 4}});
  c.set(12, 3, shade(Hue::Gold, 6));
}

void drawAcid(Canvas& c, int variant) {
  const Hue hue = variant == 0 ? Hue::Lime : Hue::Olive;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const int surface = 4 + static_cast<int>(std::lround(std::sin(x * 0.9) * 0.9));
      if (y < surface) continue;
      c.set(x, y, shade(hue, y == surface ? 7 : (y < 8 ? 5 : 4)));
    }
  }
  if (variant == 0) {
    for (auto [x, y] : {std::pair{4, 9}, {10, 12}, {12, 8}, {6, 13}}) {
      c.set(x, y, shade(hue, 7));
      c.set(x + 1, y, shade(hue, 6));
      c.set(x, y - 1, shade(hue, 6));
    }
    c.set(8, 2, shade(hue, 5));  // a splash above
    c.set(3, 1, shade(hue, 4));
  } else {
    // Set solid: a crust of dark lines.
    for (int x = 0; x < kSide; x += 4) c.line(x, 6, x + 3, 15, shade(hue, 2));
  }
}

void drawAcidBox(Canvas& c, int part) {
  Canvas steel;
  drawSteel(steel, 0);
  auto keep = [&](auto inPiece) {
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (inPiece(x, y)) c.px[y][x] = steel.px[y][x];
      }
    }
  };
  switch (part) {
    case 0:
      keep([](int x, int) { return x >= 9; });
      break;  // top left: the wall beside the acid
    case 1:
      keep([](int x, int) { return x <= 6; });
      break;
    case 2:
      keep([](int x, int y) { return (x - 16) * (x - 16) + y * y <= 12 * 12; });
      break;
    case 3:
      keep([](int x, int y) { return (x + 1) * (x + 1) + y * y <= 12 * 12; });
      break;
    default:
      keep([](int, int y) { return y <= 7; });
      break;
  }
  c.outlineShape(outlineInk());
}

void drawBiomaze(Canvas& c, int) {
  c.fill(shade(Hue::Emerald, 1));
  c.stamp({"4554.45554.45554", "5..5.5...5.5...5", "5..5.5.4.5.5.4.5", "4554.5.5.5.4.5.4",
           ".....5.5.5...5..", "45554..5.45554.4", "5......5.......5", "5.455545.45554.5",
           "5.5.......5..5.5", "4.5.45554.5..5.4", "..5.5...5.4554..", "455.5.4.5......4",
           "5...5.5.45554..5", "5.454.5.....5..5", "5.....45554.5..5", "45554.......4554"},
          {Hue::Lime});
}

}  // namespace pyrovel::art
