// The players and the creatures of the default sprite set. Creatures are
// drawn facing right and turned for the other facings.
#include <cmath>

#include "render/sprite_art.h"

namespace pyrovel::art {

namespace {

Facing facingOf(int index) {
  return static_cast<Facing>(index & 3);
}

// Colours of the two players: overalls, skin, helmet.
constexpr Inks kFellowInks[] = {
    {Hue::Blue, Hue::Skin, Hue::Yellow},
    {Hue::Emerald, Hue::Skin, Hue::Red},
};

}  // namespace

void drawFellow(Canvas& c, int variant) {
  c.stamp({"................", "......kkkk......", ".....kFGGFk.....", "....kEFwwFEk....",
           "...kDEEEEEEDk...", "....kfggggfk....", "....kgkggkgk....", "....kfggggfk....",
           ".....kfddfk.....", "...kk655556kk...", "..k6k566665k6k..", "..k5k566665k5k..",
           "..kfk455554kfk..", "....k45kk54k....", "....k33kk33k....", "...kkkk..kkkk..."},
          kFellowInks[variant == 1 ? 1 : 0]);
  if (variant == 2) {  // stuck in a pool of glue
    Canvas glue;
    glue.ball(7.5, 15.0, 7.6, 4.2, Hue::Gold, 0.15, false);
    c.over(glue);
    c.set(4, 12, shade(Hue::Gold, 7));
    c.dots(shade(Hue::Gold, 5), {{2, 13}, {13, 11}});
  }
}

void drawBug(Canvas& c, int facing) {
  // A beetle seen from above: red shell with black spots, black head.
  for (int lx : {4, 7, 10}) {
    c.line(lx, 8, lx - 2, 1, outlineInk());
    c.line(lx, 8, lx - 2, 14, outlineInk());
  }
  c.ball(6.6, 8, 5.6, 5.2, Hue::Red, 0.0);
  c.line(1, 8, 11, 8, outlineInk());
  for (auto [x, y] : {std::pair{4, 5}, {8, 5}, {5, 10}, {9, 10}}) {
    c.set(x, y, outlineInk());
    c.set(x + 1, y, outlineInk());
    c.set(x, y + 1, outlineInk());
    c.set(x + 1, y + 1, outlineInk());
  }
  c.ball(12.6, 8, 2.6, 3.0, Hue::Grey, 0.0, true, -3);
  c.dots(whiteInk(), {{13, 6}, {13, 9}});
  c.line(14, 6, 15, 4, outlineInk());
  c.line(14, 9, 15, 11, outlineInk());
  c.dots(shade(Hue::Grey, 4), {{15, 4}, {15, 11}});
  turn(c, facingOf(facing));
}

void drawShip(Canvas& c, int facing) {
  c.polygon({{15.5, 8}, {2, 1}, {6.5, 8}, {2, 15}}, Hue::Steel, 6, 2);
  c.outlineShape(outlineInk());
  c.ball(10.5, 8, 2.6, 1.8, Hue::Cyan, 0.0, true, 1);
  c.line(3, 3, 6, 5, shade(Hue::Red, 4));
  c.line(3, 12, 6, 10, shade(Hue::Red, 4));
  c.dots(shade(Hue::Yellow, 6), {{5, 7}, {5, 8}});
  c.dots(shade(Hue::Orange, 5), {{4, 7}, {4, 8}});
  c.set(3, 8, shade(Hue::Red, 4));
  turn(c, facingOf(facing));
}

void drawYam(Canvas& c, int variant) {
  c.ball(7.5, 8.5, 7.4, 7.0, Hue::Purple, 0.04);
  // A wide mouth full of teeth.
  c.rect(3, 10, 12, 12, outlineInk());
  c.dots(outlineInk(), {{2, 11}, {13, 11}});
  for (int x = 3; x <= 11; x += 2) c.set(x, 10, whiteInk());
  for (int x = 4; x <= 12; x += 2) c.set(x, 12, whiteInk());
  // Eyes: the pupils look where the yam goes; a random yam squints.
  static constexpr int kLook[][4] = {
      {-1, -1, 1, 1},  // random: each eye its own way
      {-1, 0, -1, 0}, {0, -1, 0, -1}, {1, 0, 1, 0}, {0, 1, 0, 1},
  };
  const int* look = kLook[variant];
  for (int eye = 0; eye < 2; ++eye) {
    const double ex = eye == 0 ? 5.0 : 10.5, ey = 5.5;
    c.disc(ex, ey, 2.4, whiteInk());
    const int px = static_cast<int>(std::floor(ex - 0.5)) + look[eye * 2];
    const int py = static_cast<int>(std::floor(ey - 0.5)) + look[eye * 2 + 1];
    c.set(px, py, outlineInk());
    c.set(px + 1, py, outlineInk());
    c.set(px, py + 1, outlineInk());
    c.set(px + 1, py + 1, outlineInk());
  }
}

void drawElectron(Canvas& c, int facing) {
  // A spark of light on a dotted orbit, a brighter spark where it heads.
  for (int i = 0; i < 40; i += 2) {
    const double t = i * 3.14159265 / 20;
    c.set(static_cast<int>(std::floor(8 + 6.6 * std::cos(t))),
          static_cast<int>(std::floor(8 + 6.6 * std::sin(t))), shade(Hue::Blue, i % 4 ? 4 : 6));
  }
  c.line(3, 7, 12, 7, shade(Hue::Cyan, 5));
  c.line(3, 8, 12, 8, shade(Hue::Cyan, 5));
  c.line(7, 3, 7, 12, shade(Hue::Cyan, 5));
  c.line(8, 3, 8, 12, shade(Hue::Cyan, 5));
  c.line(5, 5, 10, 10, shade(Hue::Cyan, 3));
  c.line(10, 5, 5, 10, shade(Hue::Cyan, 3));
  c.disc(8, 8, 2.0, shade(Hue::Cyan, 7));
  c.rect(7, 7, 8, 8, whiteInk());
  c.polygon({{16, 8}, {12.5, 4.5}, {13.8, 8}, {12.5, 11.5}}, shade(Hue::Yellow, 6));
  c.dots(whiteInk(), {{15, 7}, {15, 8}});
  turn(c, facingOf(facing));
}

void drawSnikSnak(Canvas& c, int facing) {
  // Open scissors: the blades point the way it goes.
  c.polygon({{5, 6.5}, {15.8, 1.2}, {15.8, 3.6}, {6.5, 9}}, Hue::Steel, 7, 4);
  c.polygon({{5, 9.5}, {15.8, 14.8}, {15.8, 12.4}, {6.5, 7}}, Hue::Steel, 4, 2);
  c.outlineShape(outlineInk());
  for (double hy : {4.0, 12.0}) {
    c.disc(2.8, hy, 2.6, shade(Hue::Red, 4));
    c.disc(2.8, hy, 1.2, kBlack);
  }
  c.disc(5.5, 8, 1.4, shade(Hue::Gold, 6));
  turn(c, facingOf(facing));
}

void drawFirefly(Canvas& c, int facing) {
  // Pale wings, an orange body and a glowing tail.
  c.ball(8, 3.5, 4.2, 2.6, Hue::Pearl, 0.0, true, -2);
  c.ball(8, 12.5, 4.2, 2.6, Hue::Pearl, 0.0, true, -2);
  c.ball(4.0, 8, 2.8, 2.5, Hue::Yellow, 0.0, false, 2);
  c.ball(8.5, 8, 3.4, 2.4, Hue::Orange, 0.0);
  c.ball(12.6, 8, 2.4, 2.4, Hue::Grey, 0.0, true, -3);
  c.line(14, 6, 15, 4, outlineInk());
  c.line(14, 9, 15, 11, outlineInk());
  c.dots(shade(Hue::Red, 6), {{14, 7}, {14, 9}});
  c.dots(whiteInk(), {{2, 7}, {3, 6}});
  turn(c, facingOf(facing));
}

void drawButterfly(Canvas& c, int facing) {
  Canvas wings;
  wings.ball(5.5, 3.5, 4.6, 3.4, Hue::Blue, 0.0);
  wings.ball(10.5, 3.2, 3.6, 3.0, Hue::Purple, 0.0);
  wings.ball(5.5, 12.5, 4.6, 3.4, Hue::Blue, 0.0);
  wings.ball(10.5, 12.8, 3.6, 3.0, Hue::Purple, 0.0);
  c.over(wings);
  for (auto [x, y] : {std::pair{4, 3}, {4, 12}, {10, 3}, {10, 12}}) {
    c.set(x, y, shade(Hue::Yellow, 6));
    c.set(x + 1, y, shade(Hue::Yellow, 5));
  }
  c.rect(3, 7, 12, 8, outlineInk());
  c.rect(4, 7, 12, 7, shade(Hue::Grey, 2));
  c.line(13, 7, 15, 5, outlineInk());
  c.line(13, 8, 15, 10, outlineInk());
  turn(c, facingOf(facing));
}

void drawPacman(Canvas& c, int facing) {
  // Drawn for each facing rather than turned, so the light stays upper left.
  static constexpr int kMouth[][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  static constexpr double kEye[][2] = {{0.5, -4}, {-4, 0.5}, {-0.5, -4}, {4, -0.5}};
  const int mx = kMouth[facing & 3][0], my = kMouth[facing & 3][1];
  c.ball(7.5, 8, 7.2, 7.2, Hue::Yellow, 0.0);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double ox = x + 0.5 - 7.5 + mx * 0.5, oy = y + 0.5 - 8 + my * 0.5;
      const double along = ox * mx + oy * my, across = ox * my - oy * mx;
      if (along > 0 && std::abs(across) < along * 0.75) c.px[y][x] = kBlack;
    }
  }
  c.outlineShape(outlineInk());
  c.disc(7.5 + kEye[facing & 3][0], 8 + kEye[facing & 3][1], 1.1, outlineInk());
}

void drawMole(Canvas& c, int facing) {
  // A velvet-grey digger: big pink paws forward, a long pink snout.
  c.ball(6.0, 8, 6.0, 6.2, Hue::Grey, 0.05, true, -2);
  c.speckle(71, 10, {shade(Hue::Grey, 1), shade(Hue::Grey, 4)}, 2, 4, 9, 12);
  c.polygon({{9.5, 6}, {15.6, 7.6}, {15.6, 8.6}, {9.5, 10.5}}, Hue::Pink, 6, 3);
  c.dots(shade(Hue::Red, 3), {{15, 7}, {15, 8}});
  for (double py : {3.6, 12.4}) {
    c.ball(10.6, py, 2.4, 2.0, Hue::Pink, 0.0, false, 1);
  }
  c.dots(whiteInk(), {{13, 3}, {13, 12}, {12, 2}, {12, 13}});
  c.dots(outlineInk(), {{9, 5}});
  c.dots(whiteInk(), {{8, 5}});
  turn(c, facingOf(facing));
}

void drawRobot(Canvas& c, int) {
  c.line(7, 0, 7, 3, shade(Hue::Grey, 5));
  c.disc(7.5, 1.0, 1.3, shade(Hue::Red, 6));
  c.bevel(2, 3, 13, 13, Hue::Grey, 4);
  c.frame(2, 3, 13, 13, outlineInk());
  c.rect(4, 6, 6, 7, shade(Hue::Red, 6));
  c.rect(9, 6, 11, 7, shade(Hue::Red, 6));
  c.dots(whiteInk(), {{4, 6}, {9, 6}});
  for (int x = 4; x <= 11; x += 2) c.line(x, 10, x, 11, outlineInk());
  c.rect(0, 7, 1, 10, shade(Hue::Grey, 3));
  c.rect(14, 7, 15, 10, shade(Hue::Grey, 3));
  c.rect(5, 14, 10, 15, shade(Hue::Grey, 2));
}

void drawGrover(Canvas& c, int) {
  c.ball(7.5, 8.5, 7.0, 6.8, Hue::Blue, 0.12);
  c.speckle(81, 12, {shade(Hue::Blue, 6), shade(Hue::Blue, 2)}, 3, 3, 12, 13);
  for (double ex : {5.0, 10.5}) {
    c.disc(ex, 6.0, 2.2, whiteInk());
    c.set(static_cast<int>(ex), 6, outlineInk());
  }
  c.ball(7.8, 9.8, 1.9, 1.7, Hue::Orange, 0.0, false, 1);
  c.line(5, 12, 10, 12, outlineInk());
  c.dots(outlineInk(), {{4, 11}, {11, 11}});
}

void drawStitch(Canvas& c, int) {
  c.bevel(2, 2, 13, 14, Hue::Sand, 4);
  c.frame(2, 2, 13, 14, outlineInk());
  // Seams and button eyes.
  c.line(2, 8, 13, 8, shade(Hue::Sand, 2));
  for (int x = 3; x <= 12; x += 2) {
    c.set(x, 7, shade(Hue::Sand, 1));
    c.set(x, 9, shade(Hue::Sand, 1));
  }
  c.disc(5.5, 5.0, 1.6, shade(Hue::Navy, 2));
  c.disc(10.5, 5.0, 1.6, shade(Hue::Navy, 2));
  c.dots(whiteInk(), {{5, 4}, {10, 4}});
  c.line(4, 11, 6, 12, shade(Hue::Red, 3));
  c.line(6, 12, 8, 11, shade(Hue::Red, 3));
  c.line(8, 11, 10, 12, shade(Hue::Red, 3));
  c.line(10, 12, 11, 11, shade(Hue::Red, 3));
}

}  // namespace pyrovel::art
