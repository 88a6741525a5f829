// Ground, rocks, gems, liquids and walls of the default sprite set.
#include <cmath>
#include <tuple>

#include "render/sprite_art.h"

namespace pyrovel::art {

namespace {

// A row of bricks: `h` pixels high including one of mortar, every other
// row shifted by half a brick.
void bricks(Canvas& c, Hue hue, Ink mortar, int w, int h, unsigned seed, int base = 4) {
  c.fill(mortar);
  for (int row = 0; row * h < kSide; ++row) {
    const int y0 = row * h, y1 = y0 + h - 2;
    const int shift = (row % 2) ? w / 2 : 0;
    for (int bx = -w; bx < kSide + w; bx += w) {
      const int x0 = bx + shift, x1 = x0 + w - 2;
      const int tone = base + static_cast<int>((seed + static_cast<unsigned>(row * 7 + bx * 3)) % 3) - 1;
      c.rect(x0, y0, x1, y1, shade(hue, tone));
      for (int x = x0; x <= x1; ++x) c.set(x, y0, shade(hue, tone + 2));
      for (int y = y0; y <= y1; ++y) c.set(x0, y, shade(hue, tone + 1));
      for (int x = x0; x <= x1; ++x) c.set(x, y1, shade(hue, tone - 2));
    }
  }
}

// The cut gem: an octagon with a flat table and four sloping facets.
void stepCutGem(Canvas& c, Hue hue, int x0, int y0, int x1, int y1, int cut, int inset) {
  const int tx0 = x0 + inset, tx1 = x1 - inset, ty0 = y0 + inset, ty1 = y1 - inset;
  auto inside = [&](int x, int y) {
    return x >= x0 && x <= x1 && y >= y0 && y <= y1 && (x - x0) + (y - y0) >= cut &&
           (x1 - x) + (y - y0) >= cut && (x - x0) + (y1 - y) >= cut && (x1 - x) + (y1 - y) >= cut;
  };
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge) {
        c.set(x, y, outlineInk());
        continue;
      }
      const int left = tx0 - x, right = x - tx1, top = ty0 - y, bottom = y - ty1;
      int level = 5;  // the table
      const int most = std::max(std::max(left, right), std::max(top, bottom));
      if (most > 0) {
        if (top == most) level = 7;
        else if (bottom == most) level = 2;
        else if (left == most) level = 6;
        else level = 3;
      }
      c.set(x, y, shade(hue, level));
    }
  }
  // A streak of light across the table.
  c.set(tx0, ty0, whiteInk());
  c.set(tx0 + 1, ty0, shade(hue, 7));
  c.set(tx0, ty0 + 1, shade(hue, 7));
}

void twinkle(Canvas& c, int x, int y) {
  c.set(x, y, whiteInk());
  c.set(x - 1, y, shade(Hue::Cyan, 6));
  c.set(x + 1, y, shade(Hue::Cyan, 6));
  c.set(x, y - 1, shade(Hue::Cyan, 6));
  c.set(x, y + 1, shade(Hue::Cyan, 6));
}

void smallDiamond(Canvas& c, int left, int top) {
  c.stamp({"..kkkk..",
           ".k7887k.",
           "k677886k",
           "k555443k",
           ".k6642k.",
           "..k63k..",
           "...kk..."},
          {Hue::Cyan}, left, top);
}

void smallCrystal(Canvas& c, int left, int top) {
  c.stamp({"...kk...",
           "..k78k..",
           ".k7785k.",
           ".k6754k.",
           ".k6643k.",
           "..k52k..",
           "...kk..."},
          {Hue::Violet}, left, top);
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
  c.stamp({"................",
           "................",
           "....kkkkkkkk....",
           "...k77888876k...",
           "..k7788w88765k..",
           ".k677788887655k.",
           "k55666666554433k",
           ".k566777754322k.",
           "..k5667754322k..",
           "...k56675432k...",
           "....k566432k....",
           ".....k5643k.....",
           "......k64k......",
           ".......kk.......",
           "................",
           "................"},
          {Hue::Cyan});
  twinkle(c, 13, 2);
  c.set(4, 8, whiteInk());
}

void drawEmerald(Canvas& c, int) {
  c.stamp({"................",
           "................",
           "....kkkkkkkk....",
           "...k78888887k...",
           "..k6778888776k..",
           ".k666755555433k.",
           ".k666575555433k.",
           ".k666557555433k.",
           ".k666555555433k.",
           ".k666555554433k.",
           ".k666544444333k.",
           "..k5333333322k..",
           "...k32222221k...",
           "....kkkkkkkk....",
           "................",
           "................"},
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
  c.stamp({"................",
           ".......kk.......",
           "......k78k......",
           ".....k7786k.....",
           "....k778864k....",
           "...k7778w644k...",
           "..k776788543k...",
           "..k6667875443k..",
           "..k6666755443k..",
           "..k5556644332k..",
           "...k5556432k....",
           "....k55432k.....",
           ".....k543k......",
           "......k42k......",
           ".......kk.......",
           "................"},
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
  const double blobs[][3] = {{3, 3, 3.2}, {11, 2.5, 3.4}, {7, 8, 3.8}, {2.5, 11.5, 3.2},
                             {12.5, 10, 3.6}, {8, 14, 2.8}, {14.5, 15, 2.2}, {0.5, 7, 2}};
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
  c.stamp({"3444444444444443",
           "4566665666566654",
           "3455554555455543",
           ".345543444345432",
           ".3454.34543.3443",
           "..343..3543..343",
           "..343..343...32.",
           "..343...3....3..",
           "...3.........3..",
           "...3.........k..",
           "...k............",
           ".......3........",
           ".......3........",
           ".......k........",
           "................",
           "................"},
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
    case 0: keep([](int x, int) { return x >= 9; }); break;  // top left: the wall beside the acid
    case 1: keep([](int x, int) { return x <= 6; }); break;
    case 2: keep([](int x, int y) { return (x - 16) * (x - 16) + y * y <= 12 * 12; }); break;
    case 3: keep([](int x, int y) { return (x + 1) * (x + 1) + y * y <= 12 * 12; }); break;
    default: keep([](int, int y) { return y <= 7; }); break;
  }
  c.outlineShape(outlineInk());
}

void drawBiomaze(Canvas& c, int) {
  c.fill(shade(Hue::Emerald, 1));
  c.stamp({"4554.45554.45554",
           "5..5.5...5.5...5",
           "5..5.5.4.5.5.4.5",
           "4554.5.5.5.4.5.4",
           ".....5.5.5...5..",
           "45554..5.45554.4",
           "5......5.......5",
           "5.455545.45554.5",
           "5.5.......5..5.5",
           "4.5.45554.5..5.4",
           "..5.5...5.4554..",
           "455.5.4.5......4",
           "5...5.5.45554..5",
           "5.454.5.....5..5",
           "5.....45554.5..5",
           "45554.......4554"},
          {Hue::Lime});
}

void drawSteel(Canvas& c, int variant) {
  if (variant == 2) {  // invisible steel: dotted outlines of the plate and its rivets
    for (int i = 0; i < kSide; i += 2) {
      c.dots(shade(Hue::Steel, 2), {{i, 0}, {0, i}, {15 - i, 15}, {15, 15 - i}});
      if (i >= 3 && i <= 12) c.dots(shade(Hue::Steel, 1), {{i, 3}, {3, i}, {15 - i, 12}, {12, 15 - i}});
    }
    c.dots(shade(Hue::Steel, 4), {{1, 1}, {13, 1}, {1, 13}, {13, 13}});
    return;
  }
  c.bevel(0, 0, 15, 15, Hue::Steel, 4);
  c.bevel(3, 3, 12, 12, Hue::Steel, 3);
  c.rect(4, 4, 11, 11, shade(Hue::Steel, 4));
  for (auto [x, y] : {std::pair{1, 1}, {13, 1}, {1, 13}, {13, 13}}) {
    c.set(x, y, shade(Hue::Steel, 7));
    c.set(x + 1, y, shade(Hue::Steel, 5));
    c.set(x, y + 1, shade(Hue::Steel, 5));
    c.set(x + 1, y + 1, shade(Hue::Steel, 1));
  }
  if (variant == 1) {  // a hidden exit: the outline of a door shows faintly
    c.frame(5, 5, 10, 12, shade(Hue::Steel, 3));
    c.set(9, 9, shade(Hue::Steel, 2));
  } else if (variant == 3) {  // slanted: only the lower right triangle is steel
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        if (x + y < 15) c.px[y][x] = kBlack;
        else if (x + y == 15) c.px[y][x] = shade(Hue::Steel, 7);
        else if (x + y == 16) c.px[y][x] = shade(Hue::Steel, 5);
      }
    }
  }
}

void drawWallPattern(Canvas& c, int pattern) {
  const Ink mortar = shade(Hue::Grey, 1);
  switch (pattern) {
    case 0: bricks(c, Hue::Brick, mortar, 8, 4, 1); break;
    case 1: bricks(c, Hue::Grey, shade(Hue::Grey, 0), 8, 4, 2); break;
    case 2: bricks(c, Hue::Sand, shade(Hue::Sand, 1), 8, 8, 3); break;
    case 3:  // cobbles
      c.fill(shade(Hue::Stone, 1));
      for (auto [x, y, r] : {std::tuple{4.0, 4.0, 3.6}, {11.5, 3.5, 3.4}, {8.0, 10.5, 3.8},
                             {1.0, 12.0, 3.0}, {14.5, 12.5, 3.0}}) {
        Canvas stone;
        stone.ball(x, y, r, r * 0.9, Hue::Stone, 0.08);
        c.over(stone);
      }
      break;
    case 4:  // blue tiles
      for (int y = 0; y < kSide; y += 8) {
        for (int x = 0; x < kSide; x += 8) c.bevel(x, y, x + 7, y + 7, Hue::Blue, 4);
      }
      break;
    case 5: bricks(c, Hue::Olive, shade(Hue::Olive, 0), 16, 4, 4); break;
    case 6:  // purple checks
      for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
          c.set(x, y, shade(Hue::Purple, ((x / 4 + y / 4) % 2) ? 2 : 4));
        }
      }
      for (int i = 0; i < kSide; i += 4) {
        c.line(i, 0, i, 15, shade(Hue::Purple, 1));
        c.line(0, i, 15, i, shade(Hue::Purple, 5));
      }
      break;
    case 7:  // teal tiles with a diamond inlay
      c.bevel(0, 0, 15, 15, Hue::Teal, 3);
      c.polygon({{7.5, 2}, {13.5, 8}, {7.5, 14}, {1.5, 8}}, Hue::Teal, 6, 2);
      c.set(7, 4, shade(Hue::Teal, 7));
      break;
    case 8:  // copper panels with rivets
      c.bevel(0, 0, 15, 7, Hue::Copper, 3);
      c.bevel(0, 8, 15, 15, Hue::Copper, 3);
      for (auto [x, y] : {std::pair{2, 3}, {13, 3}, {2, 11}, {13, 11}}) {
        c.set(x, y, shade(Hue::Copper, 7));
        c.set(x, y + 1, shade(Hue::Copper, 1));
      }
      break;
    default:  // wooden planks
      for (int x = 0; x < kSide; ++x) {
        const int plank = x / 4;
        const int tone = 3 + plank % 2;
        for (int y = 0; y < kSide; ++y) c.set(x, y, shade(Hue::Dirt, tone));
        if (x % 4 == 0) c.line(x, 0, x, 15, shade(Hue::Dirt, 5));
        if (x % 4 == 3) c.line(x, 0, x, 15, shade(Hue::Dirt, 1));
      }
      for (auto [x, y] : {std::pair{1, 3}, {5, 11}, {9, 6}, {13, 13}, {10, 1}}) {
        c.set(x, y, shade(Hue::DarkEarth, 2));
        c.set(x + 1, y, shade(Hue::DarkEarth, 2));
      }
      break;
  }
}

void drawMagicWall(Canvas& c, int variant) {
  bricks(c, Hue::Navy, shade(Hue::Navy, 0), 8, 4, 5, 5);
  if (variant == 1) {
    c.ball(7.6, 8.2, 5.0, 4.6, Hue::Stone, 0.05);
  }
  for (auto [x, y] : {std::pair{3, 1}, {12, 6}, {5, 13}, {13, 13}}) {
    c.set(x, y, whiteInk());
    c.set(x + 1, y, shade(Hue::Cyan, 5));
    c.set(x - 1, y, shade(Hue::Cyan, 5));
  }
  c.dots(shade(Hue::Violet, 6), {{9, 2}, {2, 9}});
}

void drawCrumbleWall(Canvas& c, int stage) {
  bricks(c, Hue::Stone, shade(Hue::Stone, 0), 8, 4, 6, 3);
  // Cracks, more with each stage; the last stages lose whole pieces.
  const Ink crack = outlineInk();
  c.line(3, 0, 5, 5, crack);
  if (stage >= 1) c.line(12, 4, 9, 10, crack);
  if (stage >= 2) {
    c.line(5, 5, 2, 9, crack);
    c.line(9, 10, 13, 15, crack);
  }
  if (stage >= 3) {
    c.disc(3.5, 12.5, 2.5, kBlack);
    c.line(6, 8, 11, 7, crack);
  }
  if (stage >= 4) {
    c.disc(12.5, 2.5, 2.8, kBlack);
    c.disc(8.5, 9.5, 1.8, kBlack);
    c.speckle(61, 8, {shade(Hue::Stone, 2)});
  }
}

void drawInvisibleWall(Canvas& c, int) {
  // A ghost of a brick wall: dotted mortar lines, so the editor still shows it.
  Canvas wall;
  bricks(wall, Hue::Grey, whiteInk(), 8, 4, 2);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (wall.px[y][x] == whiteInk() && (x + y) % 2 == 0) c.set(x, y, shade(Hue::Grey, (x + y) % 4 ? 2 : 3));
    }
  }
}

void drawExpandingWall(Canvas& c, int variant) {
  bricks(c, Hue::Brick, shade(Hue::Grey, 1), 8, 4, 7);
  const Ink arrow = whiteInk();
  const Ink shadow = outlineInk();
  auto head = [&](int x, int y, int dx, int dy) {
    // A small arrowhead pointing (dx, dy) with its tip at (x, y).
    for (int i = 0; i < 3; ++i) {
      for (int j = -i; j <= i; ++j) {
        const int px = x - dx * i + (dx == 0 ? j : 0), py = y - dy * i + (dy == 0 ? j : 0);
        c.set(px + 1, py + 1, shadow);
        c.set(px, py, arrow);
      }
    }
  };
  if (variant != 2) {
    head(1, 7, -1, 0);
    head(14, 7, 1, 0);
  }
  if (variant != 1) {
    head(7, 1, 0, -1);
    head(7, 14, 0, 1);
  }
}

void drawGemWall(Canvas& c, int gem) {
  bricks(c, Hue::Grey, shade(Hue::Grey, 0), 8, 4, 8, 3);
  c.rect(3, 3, 12, 12, outlineInk());
  switch (gem) {
    case 0: smallDiamond(c, 4, 4); break;
    case 1: stepCutGem(c, Hue::Emerald, 4, 4, 11, 11, 2, 2); break;
    case 2:
      c.ball(8, 8, 3.6, 3.6, Hue::Pearl, 0.0, true, -1);
      c.set(7, 6, whiteInk());
      break;
    default: smallCrystal(c, 4, 4); break;
  }
}

}  // namespace pyrovel::art
