// Tubes, belts, wind and springs of the default sprite set.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "render/sprite_art.h"

namespace pyrovel::art {

namespace {

// Sides a tube opens to.
enum Side { kLeft = 1, kUp = 2, kRight = 4, kDown = 8 };

struct PipeShape {
  int object;
  int sides;
};

constexpr PipeShape kPipes[] = {
    {158, kLeft | kUp | kRight | kDown},
    {159, kUp | kDown},
    {160, kLeft | kRight},
    {161, kLeft | kUp | kDown},
    {162, kLeft | kUp | kRight},
    {163, kUp | kRight | kDown},
    {164, kLeft | kRight | kDown},
    {165, kRight | kDown},
    {166, kLeft | kDown},
    {167, kUp | kRight},
    {168, kLeft | kUp},
};

struct PortShape {
  int object;
  int sides;     // the tube's openings
  int arrow;     // the side the arrow points to, 0 for none
  bool gravity;  // toggles gravity: orange collars
};

constexpr PortShape kPorts[] = {
    {35, kLeft | kRight, kLeft, false},
    {36, kLeft | kRight, kRight, false},
    {37, kUp | kDown, kUp, false},
    {38, kUp | kDown, kDown, false},
    {39, kUp | kDown, 0, false},
    {40, kLeft | kRight, 0, false},
    {41, kLeft | kUp | kRight | kDown, 0, false},
    {43, kLeft | kRight, kLeft, true},
    {44, kLeft | kRight, kRight, true},
    {45, kUp | kDown, kUp, true},
    {46, kUp | kDown, kDown, true},
};

// Shade across a tube: `o` is the distance from its axis (negative towards
// the light), `r` its radius.
int tubeShade(double o, double r) {
  const double t = std::clamp((o + r) / (2 * r), 0.0, 1.0);  // 0 at the lit edge
  return static_cast<int>(std::lround(6.5 - 5.5 * t * t - (t < 0.2 ? (0.2 - t) * 8 : 0)));
}

// Draws a tube of radius r opening to `sides`: straight runs, T pieces and
// crossings are arms from the middle; a bend of two sides is a quarter ring
// round the corner between them. Collars mark where the tube leaves the tile.
void tubes(Canvas& c, int sides, Hue hue, Hue collar, double r) {
  const double mid = 7.5;
  const bool vertical = (sides & kUp) && (sides & kDown);
  const bool horizontal = (sides & kLeft) && (sides & kRight);
  const bool bend =
      !vertical && !horizontal && __builtin_popcount(static_cast<unsigned>(sides)) == 2;
  const double sx = (sides & kRight) ? 1 : -1, sy = (sides & kDown) ? 1 : -1;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double ox = x - mid, oy = y - mid;
      int level = -1;
      if (bend) {
        const double cx = mid + 8 * sx, cy = mid + 8 * sy;
        const double d = std::hypot(x - cx, y - cy) - 8;
        if (std::abs(d) <= r) level = tubeShade(sy > 0 ? -d : d, r);
      } else {
        const bool inHub = std::abs(ox) <= r && std::abs(oy) <= r;
        const bool inH =
            std::abs(oy) <= r && (((sides & kLeft) && ox <= 0) || ((sides & kRight) && ox >= 0));
        const bool inV =
            std::abs(ox) <= r && (((sides & kUp) && oy <= 0) || ((sides & kDown) && oy >= 0));
        if (inHub)
          level = vertical ? tubeShade(ox, r) : tubeShade(oy, r);
        else if (inV)
          level = tubeShade(ox, r);
        else if (inH)
          level = tubeShade(oy, r);
      }
      if (level < 0) continue;
      const bool atCollar = ((sides & kLeft) && x <= 1 && std::abs(oy) <= r) ||
                            ((sides & kRight) && x >= kSide - 2 && std::abs(oy) <= r) ||
                            ((sides & kUp) && y <= 1 && std::abs(ox) <= r) ||
                            ((sides & kDown) && y >= kSide - 2 && std::abs(ox) <= r);
      c.set(x, y, shade(atCollar ? collar : hue, level));
    }
  }
  c.outlineShape(outlineInk());
}

Facing facingOfSide(int side) {
  return side == kLeft   ? Facing::Left
         : side == kUp   ? Facing::Up
         : side == kDown ? Facing::Down
                         : Facing::Right;
}

// An arrowhead in the middle of the tile pointing to `side`, outlined.
void arrowHead(Canvas& c, int side, Ink ink, double size) {
  const double m = 7.5;
  Canvas a;
  a.polygon(
      {{m + size, m + 0.5}, {m - size * 0.6, m - size + 0.5}, {m - size * 0.6, m + size + 0.5}},
      ink);
  a.outlineShape(outlineInk());
  turn(a, facingOfSide(side));
  c.over(a);
}

}  // namespace

void drawPort(Canvas& c, int object) {
  for (const PortShape& p : kPorts) {
    if (p.object != object) continue;
    tubes(c, p.sides, Hue::Steel, p.gravity ? Hue::Orange : Hue::Steel, 4.6);
    // Gravity ports point with an orange arrow, the others with a dark one.
    if (p.arrow)
      arrowHead(c, p.arrow, p.gravity ? shade(Hue::Orange, 6) : shade(Hue::Navy, 2), 3.6);
    return;
  }
}

void drawPipe(Canvas& c, int object) {
  for (const PipeShape& p : kPipes) {
    if (p.object == object) tubes(c, p.sides, Hue::Copper, Hue::Gold, 3.6);
  }
}

void drawConveyor(Canvas& c, int object) {
  static constexpr Hue kBelts[] = {Hue::Emerald, Hue::Red, Hue::Blue};
  const Hue hue = kBelts[((object - 187) / 4) % 3];
  const int part = (object - 187) % 4;  // left end, middle, right end, switch
  if (part == 3) {
    c.bevel(1, 3, 14, 15, Hue::Grey, 3);
    c.frame(1, 3, 14, 15, outlineInk());
    c.ball(7.5, 9.5, 4.2, 4.2, hue, 0.0);
    c.line(7, 9, 7, 6, whiteInk());
    c.dots(shade(hue, 6), {{3, 1}, {12, 1}});
    c.line(2, 0, 2, 2, shade(hue, 5));
    c.line(13, 0, 13, 2, shade(hue, 5));
    return;
  }
  // The belt: dark rubber between coloured edges, with treads.
  const int x0 = part == 0 ? 6 : 0, x1 = part == 2 ? 9 : 15;
  c.rect(x0, 3, x1, 12, shade(Hue::Grey, 1));
  c.line(x0, 3, x1, 3, shade(hue, 6));
  c.line(x0, 4, x1, 4, shade(hue, 4));
  c.line(x0, 11, x1, 11, shade(hue, 3));
  c.line(x0, 12, x1, 12, shade(hue, 2));
  for (int x = x0 + 1; x <= x1; x += 4) {
    c.line(x, 6, x + 1, 9, shade(hue, 5));
  }
  if (part != 1) {
    const double cx = part == 0 ? 6.5 : 9.5;
    c.ball(cx, 8, 5.2, 5.2, hue, 0.0, true, -1);
    c.disc(cx, 8, 2.6, shade(Hue::Steel, 4));
    c.set(static_cast<int>(cx), 8, outlineInk());
  }
}

void drawWind(Canvas& c, int variant) {
  const Ink light = shade(Hue::Pearl, 6), mid = shade(Hue::Pearl, 3);
  if (variant == 0) {  // blowing every way
    for (Facing f : {Facing::Left, Facing::Up, Facing::Right, Facing::Down}) {
      Canvas arm;
      arm.line(9, 7, 13, 7, light);
      arm.line(9, 8, 13, 8, mid);
      arm.polygon({{15.8, 7.5}, {12.5, 4.5}, {12.5, 10.5}}, light);
      turn(arm, f);
      c.over(arm);
    }
    c.disc(8, 8, 2.2, shade(Hue::Cyan, 5));
    return;
  }
  // Streaks of air; still air has no arrow and fainter streaks.
  const bool still = variant == 5;
  const Ink streak = still ? mid : light;
  for (auto [y, from, to] : {std::tuple{3, 1, 9}, {8, 0, 11}, {12, 3, 10}}) {
    c.line(from, y, to, y, streak);
    const Ink tail = shade(Hue::Pearl, still ? 1 : 4);
    c.set(from - 1, y + 1, tail);
    c.set(to + 2, y, tail);
  }
  if (!still) {
    c.polygon({{15.9, 8.5}, {12, 4.5}, {12, 12.5}}, light);
    static constexpr Facing kTurn[] = {Facing::Left, Facing::Up, Facing::Right, Facing::Down};
    turn(c, kTurn[variant - 1]);
  }
}

void drawSpring(Canvas& c, int variant) {
  c.bevel(2, 0, 13, 2, Hue::Steel, 4);
  c.bevel(2, 13, 13, 15, Hue::Steel, 4);
  // Coil turns: a bright front stroke, dark where the wire goes round.
  for (int y = 3; y <= 11; y += 2) {
    c.line(4, y + 1, 11, y, shade(Hue::Grey, 6));
    c.set(3, y + 1, shade(Hue::Grey, 3));
    c.set(12, y, shade(Hue::Grey, 3));
    c.set(12, y + 1, shade(Hue::Grey, 2));
  }
  if (variant == 0) c.rotateCW();
}

}  // namespace pyrovel::art
