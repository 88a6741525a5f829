// Walls of the default sprite set.
#include <algorithm>
#include <tuple>
#include <utility>

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
      const int tone =
          base + static_cast<int>((seed + static_cast<unsigned>(row * 7 + bx * 3)) % 3) - 1;
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
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge) {
        c.set(x, y, outlineInk());
        continue;
      }
      const int left = tx0 - x, right = x - tx1, top = ty0 - y, bottom = y - ty1;
      int level = 5;  // the table
      const int most = std::max(std::max(left, right), std::max(top, bottom));
      if (most > 0) {
        if (top == most)
          level = 7;
        else if (bottom == most)
          level = 2;
        else if (left == most)
          level = 6;
        else
          level = 3;
      }
      c.set(x, y, shade(hue, level));
    }
  }
  // A streak of light across the table.
  c.set(tx0, ty0, whiteInk());
  c.set(tx0 + 1, ty0, shade(hue, 7));
  c.set(tx0, ty0 + 1, shade(hue, 7));
}

void smallDiamond(Canvas& c, int left, int top) {
  c.stamp({"..kkkk..", ".k7887k.", "k677886k", "k555443k", ".k6642k.", "..k63k..", "...kk..."},
          {Hue::Cyan}, left, top);
}

void smallCrystal(Canvas& c, int left, int top) {
  c.stamp({"...kk...", "..k78k..", ".k7785k.", ".k6754k.", ".k6643k.", "..k52k..", "...kk..."},
          {Hue::Violet}, left, top);
}

}  // namespace

void drawSteel(Canvas& c, int variant) {
  if (variant == 2) {  // invisible steel: dotted outlines of the plate and its rivets
    for (int i = 0; i < kSide; i += 2) {
      c.dots(shade(Hue::Steel, 2), {{i, 0}, {0, i}, {15 - i, 15}, {15, 15 - i}});
      if (i >= 3 && i <= 12)
        c.dots(shade(Hue::Steel, 1), {{i, 3}, {3, i}, {15 - i, 12}, {12, 15 - i}});
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
        if (x + y < 15)
          c.px[y][x] = kBlack;
        else if (x + y == 15)
          c.px[y][x] = shade(Hue::Steel, 7);
        else if (x + y == 16)
          c.px[y][x] = shade(Hue::Steel, 5);
      }
    }
  }
}

void drawWallPattern(Canvas& c, int pattern) {
  const Ink mortar = shade(Hue::Grey, 1);
  switch (pattern) {
    case 0:
      bricks(c, Hue::Brick, mortar, 8, 4, 1);
      break;
    case 1:
      bricks(c, Hue::Grey, shade(Hue::Grey, 0), 8, 4, 2);
      break;
    case 2:
      bricks(c, Hue::Sand, shade(Hue::Sand, 1), 8, 8, 3);
      break;
    case 3:  // cobbles
      c.fill(shade(Hue::Stone, 1));
      for (auto [x, y, r] : {std::tuple{4.0, 4.0, 3.6},
                             {11.5, 3.5, 3.4},
                             {8.0, 10.5, 3.8},
                             {1.0, 12.0, 3.0},
                             {14.5, 12.5, 3.0}}) {
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
    case 5:
      bricks(c, Hue::Olive, shade(Hue::Olive, 0), 16, 4, 4);
      break;
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
      if (wall.px[y][x] == whiteInk() && (x + y) % 2 == 0)
        c.set(x, y, shade(Hue::Grey, (x + y) % 4 ? 2 : 3));
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
    case 0:
      smallDiamond(c, 4, 4);
      break;
    case 1:
      stepCutGem(c, Hue::Emerald, 4, 4, 11, 11, 2, 2);
      break;
    case 2:
      c.ball(8, 8, 3.6, 3.6, Hue::Pearl, 0.0, true, -1);
      c.set(7, 6, whiteInk());
      break;
    default:
      smallCrystal(c, 4, 4);
      break;
  }
}

}  // namespace pyrovel::art
