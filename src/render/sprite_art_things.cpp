// Bombs, machines and other things of the default sprite set.
#include <cmath>
#include <utility>

#include "render/sprite_art.h"
#include "render/sprite_art_shared.h"

namespace pyrovel::art {

namespace {

void star(Canvas& c, int x, int y) {
  c.set(x, y, whiteInk());
  for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
    c.set(x + dx, y + dy, shade(Hue::Yellow, 6));
  for (auto [dx, dy] : {std::pair{1, 1}, {-1, -1}, {1, -1}, {-1, 1}})
    c.set(x + dx, y + dy, shade(Hue::Orange, 4));
}

}  // namespace

void drawBomb(Canvas& c, int variant) {
  if (variant == 2) {  // a spiked mine
    for (int i = 0; i < 8; ++i) {
      const double t = i * kPi / 4;
      c.line(static_cast<int>(std::lround(7.5 + 4 * std::cos(t))),
             static_cast<int>(std::lround(8 + 4 * std::sin(t))),
             static_cast<int>(std::lround(7.5 + 7.2 * std::cos(t))),
             static_cast<int>(std::lround(8 + 7.2 * std::sin(t))), shade(Hue::Grey, 5));
    }
    c.ball(7.5, 8, 5.0, 5.0, Hue::Grey, 0.0, true, -2);
    c.set(7, 7, shade(Hue::Red, 6));
    c.set(8, 7, shade(Hue::Red, 5));
    return;
  }
  const Hue hue = variant == 0 ? Hue::Grey : Hue::Red;
  c.ball(7.0, 9.5, 6.2, 6.2, hue, 0.0, true, variant == 0 ? -3 : 0);
  c.rect(5, 2, 8, 3, shade(Hue::Grey, 4));
  c.line(7, 1, 10, 0, shade(Hue::Sand, 5));
  star(c, 12, 1);
  c.set(4, 7, variant == 0 ? shade(Hue::Grey, 6) : whiteInk());
  c.set(5, 6, variant == 0 ? shade(Hue::Grey, 5) : shade(Hue::Red, 7));
  if (variant == 1) c.line(1, 10, 13, 10, shade(Hue::Yellow, 5));
}

void drawDynamite(Canvas& c, int variant) {
  for (int stick = 0; stick < 3; ++stick) {
    const int x0 = 2 + stick * 4;
    for (int x = x0; x < x0 + 4; ++x) {
      const int level = x == x0 ? 6 : x == x0 + 3 ? 2 : 4;
      c.line(x, 6, x, 14, shade(Hue::Red, level));
    }
    c.set(x0 + 1, 6, shade(Hue::Red, 7));
  }
  c.rect(2, 9, 13, 10, shade(Hue::Sand, 4));
  c.line(2, 9, 13, 9, shade(Hue::Sand, 6));
  c.outlineShape(outlineInk());
  if (variant == 0) {
    c.line(8, 5, 10, 2, shade(Hue::Sand, 5));
    c.line(10, 2, 12, 2, shade(Hue::Sand, 5));
  } else {
    c.line(8, 5, 9, 3, shade(Hue::Sand, 5));
    star(c, 10, 2);
    c.set(12, 0, shade(Hue::Yellow, 5));
    c.set(13, 3, shade(Hue::Orange, 5));
  }
}

void drawExplosion(Canvas& c, int) {
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = x + 0.5 - 8, dy = y + 0.5 - 8;
      const double a = std::atan2(dy, dx);
      const double reach = 5.2 + 2.6 * std::cos(8 * a) + 0.8 * std::sin(3 * a);
      const double r = std::sqrt(dx * dx + dy * dy) / reach;
      if (r > 1) continue;
      Ink ink = r < 0.3    ? whiteInk()
                : r < 0.55 ? shade(Hue::Yellow, 6)
                : r < 0.8  ? shade(Hue::Orange, 5)
                           : shade(Hue::Red, 4);
      c.set(x, y, ink);
    }
  }
  c.dots(shade(Hue::Orange, 5), {{1, 2}, {14, 13}});
  c.set(13, 1, shade(Hue::Yellow, 6));
}

void drawWheel(Canvas& c, int variant) {
  const Hue hue = variant == 0 ? Hue::Gold : Hue::Teal;
  c.ball(7.5, 8, 7.2, 7.2, hue, 0.0);
  c.disc(7.5, 8, 5.0, kBlack);
  for (int i = 0; i < 6; ++i) {
    const double t = i * kPi / 3 + 0.3;
    c.line(7, 7, static_cast<int>(std::lround(7.5 + 5 * std::cos(t))),
           static_cast<int>(std::lround(8 + 5 * std::sin(t))), shade(hue, 5));
  }
  c.ball(7.5, 8, 2.0, 2.0, hue, 0.0, true, 1);
}

void drawTerminal(Canvas& c, int) {
  c.bevel(0, 1, 15, 12, Hue::Grey, 4);
  c.rect(2, 3, 13, 10, shade(Hue::Navy, 1));
  c.line(3, 4, 9, 4, shade(Hue::Lime, 5));
  c.line(3, 6, 11, 6, shade(Hue::Lime, 4));
  c.line(3, 8, 6, 8, shade(Hue::Lime, 5));
  c.set(8, 8, shade(Hue::Lime, 7));
  c.rect(6, 13, 9, 13, shade(Hue::Grey, 2));
  c.bevel(2, 14, 13, 15, Hue::Grey, 3);
  c.set(12, 11, shade(Hue::Red, 6));
}

void drawDisk(Canvas& c, int) {
  c.bevel(1, 1, 14, 14, Hue::Orange, 4);
  c.set(14, 1, kBlack);
  c.dots(outlineInk(), {{13, 1}, {14, 2}});
  c.rect(4, 1, 11, 5, shade(Hue::Steel, 5));
  c.rect(9, 2, 10, 4, shade(Hue::Steel, 1));
  c.rect(3, 8, 12, 14, shade(Hue::Pearl, 5));
  c.line(4, 10, 11, 10, shade(Hue::Blue, 4));
  c.line(4, 12, 9, 12, shade(Hue::Blue, 4));
  c.frame(1, 1, 14, 14, outlineInk());
  c.set(14, 1, kBlack);
}

void drawClock(Canvas& c, int) {
  clockFace(c, 7.5, 8.5, 5.6);
  for (auto [x, y] : {std::pair{7, 3}, {12, 8}, {7, 13}, {2, 8}}) c.set(x, y, outlineInk());
  c.line(13, 1, 13, 3, shade(Hue::Lime, 6));
  c.line(12, 2, 14, 2, shade(Hue::Lime, 6));
}

void drawNote(Canvas& c, int) {
  const Ink ink = shade(Hue::Gold, 6);
  c.rect(4, 1, 13, 2, ink);
  c.line(4, 1, 4, 11, ink);
  c.line(13, 1, 13, 10, ink);
  c.ball(3.0, 12.2, 2.6, 2.0, Hue::Gold, 0.0, false, 1);
  c.ball(12.0, 11.2, 2.6, 2.0, Hue::Gold, 0.0, false, 1);
  c.outlineShape(outlineInk());
}

void drawLightbulb(Canvas& c, int) {
  c.ball(7.5, 6.5, 5.2, 5.2, Hue::Yellow, 0.0, true, 1);
  c.dots(whiteInk(), {{5, 4}, {6, 4}});
  c.line(7, 6, 7, 9, shade(Hue::Orange, 4));
  c.line(8, 6, 8, 9, shade(Hue::Orange, 4));
  c.rect(5, 11, 10, 14, shade(Hue::Grey, 4));
  c.line(5, 12, 10, 12, shade(Hue::Grey, 2));
  c.line(5, 14, 10, 14, shade(Hue::Grey, 2));
  c.dots(shade(Hue::Grey, 2), {{7, 15}, {8, 15}});
  c.dots(shade(Hue::Yellow, 5), {{0, 6}, {15, 6}, {2, 1}, {13, 1}});
}

void drawSign(Canvas& c, int variant) {
  c.rect(7, 10, 8, 15, shade(Hue::DarkEarth, 4));
  c.line(8, 10, 8, 15, shade(Hue::DarkEarth, 2));
  c.bevel(0, 1, 15, 10, Hue::Dirt, 5);
  c.frame(0, 1, 15, 10, outlineInk());
  if (variant == 0) {
    c.text5x7("!", 6, 3, 1, outlineInk());
  } else {  // water waves: the sign of a well
    for (int row : {4, 7}) {
      for (int x = 2; x <= 13; ++x) c.set(x, row + ((x / 2) % 2), shade(Hue::Blue, 4));
    }
  }
}

void drawCandy(Canvas& c, int) {
  c.polygon({{4, 8}, {0.5, 4}, {0.5, 12}}, Hue::Pink, 6, 3);
  c.polygon({{11, 8}, {15.5, 4}, {15.5, 12}}, Hue::Pink, 6, 3);
  c.ball(7.5, 8, 4.5, 3.8, Hue::Pink, 0.0);
  c.line(5, 5, 9, 11, whiteInk());
  c.line(7, 4, 10, 9, shade(Hue::Pink, 7));
}

void drawBalloon(Canvas& c, int) {
  c.ball(7.5, 6.5, 5.8, 6.2, Hue::Red, 0.0);
  c.dots(whiteInk(), {{5, 3}, {4, 4}});
  c.dots(shade(Hue::Red, 3), {{7, 13}, {8, 13}});
  c.dots(shade(Hue::Pearl, 4), {{7, 14}, {8, 15}});
}

}  // namespace pyrovel::art
