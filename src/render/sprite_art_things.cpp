// Doors, keys, gates, tubes, belts, machines and lettering of the default
// sprite set.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <string>

#include "render/sprite_art.h"

namespace pyrovel::art {

namespace {

constexpr double kPi = 3.14159265358979;

struct DoorLook {
  int object;
  Hue leaf;
  Hue mark;  // the keyhole plate: grey doors show the colour of their key here
  bool open;
};

constexpr DoorLook kDoors[] = {
    {47, Hue::Emerald, Hue::Gold, true},   {48, Hue::Blue, Hue::Gold, true},
    {49, Hue::Yellow, Hue::Gold, true},    {50, Hue::Red, Hue::Gold, true},
    {51, Hue::Grey, Hue::Grey, true},      {52, Hue::Emerald, Hue::Gold, false},
    {53, Hue::Blue, Hue::Gold, false},     {54, Hue::Yellow, Hue::Gold, false},
    {55, Hue::Red, Hue::Gold, false},      {56, Hue::Grey, Hue::Emerald, false},
    {79, Hue::Grey, Hue::Blue, false},     {80, Hue::Grey, Hue::Yellow, false},
    {81, Hue::Grey, Hue::Red, false},      {176, Hue::Pearl, Hue::Gold, false},
    {177, Hue::Pearl, Hue::Gold, true},    {178, Hue::Grey, Hue::Pearl, false},
    {218, Hue::Dirt, Hue::Gold, true},     {219, Hue::Dirt, Hue::Gold, false},
};

struct KeyLook {
  int object;
  Hue hue;
};

constexpr KeyLook kKeys[] = {
    {57, Hue::Emerald}, {58, Hue::Blue}, {59, Hue::Yellow}, {60, Hue::Red},
    {179, Hue::Pearl},  {252, Hue::Grey}, {253, Hue::Dirt},
};

// Sides a tube opens to.
enum Side { kLeft = 1, kUp = 2, kRight = 4, kDown = 8 };

struct PipeShape {
  int object;
  int sides;
};

constexpr PipeShape kPipes[] = {
    {158, kLeft | kUp | kRight | kDown}, {159, kUp | kDown},          {160, kLeft | kRight},
    {161, kLeft | kUp | kDown},          {162, kLeft | kUp | kRight}, {163, kUp | kRight | kDown},
    {164, kLeft | kRight | kDown},       {165, kRight | kDown},       {166, kLeft | kDown},
    {167, kUp | kRight},                 {168, kLeft | kUp},
};

struct PortShape {
  int object;
  int sides;    // the tube's openings
  int arrow;    // the side the arrow points to, 0 for none
  bool gravity;  // toggles gravity: orange collars
};

constexpr PortShape kPorts[] = {
    {35, kLeft | kRight, kLeft, false},        {36, kLeft | kRight, kRight, false},
    {37, kUp | kDown, kUp, false},             {38, kUp | kDown, kDown, false},
    {39, kUp | kDown, 0, false},               {40, kLeft | kRight, 0, false},
    {41, kLeft | kUp | kRight | kDown, 0, false},
    {43, kLeft | kRight, kLeft, true},         {44, kLeft | kRight, kRight, true},
    {45, kUp | kDown, kUp, true},              {46, kUp | kDown, kDown, true},
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
  const bool bend = !vertical && !horizontal && __builtin_popcount(static_cast<unsigned>(sides)) == 2;
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
        const bool inH = std::abs(oy) <= r && (((sides & kLeft) && ox <= 0) || ((sides & kRight) && ox >= 0));
        const bool inV = std::abs(ox) <= r && (((sides & kUp) && oy <= 0) || ((sides & kDown) && oy >= 0));
        if (inHub) level = vertical ? tubeShade(ox, r) : tubeShade(oy, r);
        else if (inV) level = tubeShade(ox, r);
        else if (inH) level = tubeShade(oy, r);
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
  return side == kLeft ? Facing::Left : side == kUp ? Facing::Up : side == kDown ? Facing::Down : Facing::Right;
}

// An arrowhead in the middle of the tile pointing to `side`, outlined.
void arrowHead(Canvas& c, int side, Ink ink, double size) {
  const double m = 7.5;
  Canvas a;
  a.polygon({{m + size, m + 0.5}, {m - size * 0.6, m - size + 0.5}, {m - size * 0.6, m + size + 0.5}}, ink);
  a.outlineShape(outlineInk());
  turn(a, facingOfSide(side));
  c.over(a);
}

void star(Canvas& c, int x, int y) {
  c.set(x, y, whiteInk());
  for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) c.set(x + dx, y + dy, shade(Hue::Yellow, 6));
  for (auto [dx, dy] : {std::pair{1, 1}, {-1, -1}, {1, -1}, {-1, 1}}) c.set(x + dx, y + dy, shade(Hue::Orange, 4));
}

void clockFace(Canvas& c, double cx, double cy, double r) {
  c.disc(cx, cy, r + 1, shade(Hue::Red, 4));
  c.disc(cx, cy, r, shade(Hue::Pearl, 6));
  const int x = static_cast<int>(cx), y = static_cast<int>(cy);
  c.line(x, y, x, y - static_cast<int>(r) + 1, outlineInk());
  c.line(x, y, x + static_cast<int>(r) - 2, y, outlineInk());
}

}  // namespace

void drawDoor(Canvas& c, int object) {
  for (const DoorLook& d : kDoors) {
    if (d.object != object) continue;
    if (d.open) {
      c.bevel(0, 0, 15, 15, d.leaf, 4);
      c.frame(0, 0, 15, 15, outlineInk());
      c.rect(3, 2, 12, 15, kBlack);
      // The leaf, swung open against the left of the frame.
      c.polygon({{3, 2}, {6, 4}, {6, 14}, {3, 16}}, d.leaf, 6, 3);
      c.set(5, 9, shade(Hue::Gold, 6));
      return;
    }
    c.bevel(0, 0, 15, 15, d.leaf, 2);
    c.bevel(2, 2, 13, 15, d.leaf, 4);
    c.frame(4, 4, 11, 7, shade(d.leaf, 3));
    c.frame(4, 10, 11, 13, shade(d.leaf, 3));
    const bool grey = d.leaf == Hue::Grey;
    c.disc(8, 9, grey ? 3.2 : 1.9, outlineInk());
    c.disc(8, 9, grey ? 2.4 : 1.3, shade(d.mark, 5));
    if (grey) c.set(7, 7, shade(d.mark, 7));
    c.dots(kBlack, {{7, 8}, {7, 9}, {7, 10}});
    c.frame(0, 0, 15, 15, outlineInk());
    return;
  }
}

void drawKey(Canvas& c, int object) {
  Hue hue = Hue::Grey;
  for (const KeyLook& k : kKeys) {
    if (k.object == object) hue = k.hue;
  }
  c.ball(4.5, 7.5, 3.8, 3.8, hue, 0.0, false, 1);
  c.disc(4.5, 7.5, 1.5, kBlack);
  c.rect(8, 6, 14, 8, shade(hue, 4));
  c.line(8, 6, 14, 6, shade(hue, 6));
  c.line(8, 8, 14, 8, shade(hue, 2));
  c.rect(11, 9, 12, 11, shade(hue, 3));
  c.rect(13, 9, 14, 10, shade(hue, 3));
  c.outlineShape(outlineInk());
  c.set(3, 5, whiteInk());
}

void drawExit(Canvas& c, int variant) {
  c.bevel(0, 0, 15, 15, Hue::Steel, 4);
  c.frame(2, 2, 13, 15, outlineInk());
  if (variant == 0) {
    c.rect(3, 3, 12, 15, shade(Hue::Navy, 3));
    c.line(7, 3, 7, 15, outlineInk());
    c.line(8, 3, 8, 15, shade(Hue::Navy, 5));
    for (int y = 5; y <= 13; y += 4) {
      c.line(3, y, 6, y, shade(Hue::Navy, 2));
      c.line(9, y, 12, y, shade(Hue::Navy, 2));
    }
    c.rect(7, 0, 8, 1, shade(Hue::Red, 5));
  } else {
    // Light pours out of the open exit.
    for (int k = 0; k < 5; ++k) c.rect(3 + k, 3 + k, 12 - k, 15, shade(Hue::Yellow, 3 + k));
    c.rect(7, 8, 8, 15, whiteInk());
    c.rect(7, 0, 8, 1, shade(Hue::Lime, 6));
  }
}

void drawHatch(Canvas& c, int) {
  c.ball(7.5, 8, 7.2, 7.2, Hue::Steel, 0.0);
  for (int i = 0; i < 40; ++i) {
    const double t = i * kPi / 20;
    c.set(static_cast<int>(std::floor(7.5 + 5 * std::cos(t))),
          static_cast<int>(std::floor(8 + 5 * std::sin(t))), shade(Hue::Steel, 2));
  }
  c.rect(5, 7, 10, 8, shade(Hue::Copper, 5));
  c.line(5, 8, 10, 8, shade(Hue::Copper, 2));
  for (auto [x, y] : {std::pair{7, 2}, {2, 8}, {13, 8}, {7, 13}}) c.set(x, y, shade(Hue::Steel, 7));
}

void drawGate(Canvas& c, int variant) {
  const Hue hue = variant == 2 ? Hue::Teal : Hue::Steel;
  c.bevel(0, 0, 15, 2, hue, 3);
  c.line(0, 15, 15, 15, shade(hue, 1));
  const int bottom = variant == 0 ? 5 : 14;  // an open gate has its bars pulled up
  for (int x = 1; x < kSide; x += 4) {
    c.line(x, 3, x, bottom, shade(hue, 6));
    c.line(x + 1, 3, x + 1, bottom, shade(hue, 3));
    c.set(x, bottom, shade(hue, 2));
  }
  if (variant == 0) {
    for (int x = 1; x < kSide; x += 4) c.set(x, 14, shade(hue, 2));  // the holes in the floor
  }
  if (variant == 2) clockFace(c, 8, 9, 3);
}

void drawSwitch(Canvas& c, int) {
  c.bevel(2, 9, 13, 15, Hue::Grey, 3);
  c.frame(2, 9, 13, 15, outlineInk());
  c.line(7, 11, 11, 2, shade(Hue::Grey, 6));
  c.line(8, 11, 12, 2, shade(Hue::Grey, 3));
  c.ball(11.5, 2.5, 2.2, 2.2, Hue::Red, 0.0);
  c.rect(5, 11, 10, 12, outlineInk());
}

void drawTrap(Canvas& c, int variant) {
  c.bevel(0, 0, 15, 15, Hue::Steel, 3);
  if (variant == 0) {  // a closed trapdoor with warning stripes
    for (int y = 2; y <= 13; ++y) {
      for (int x = 2; x <= 13; ++x) {
        c.set(x, y, ((x + y) / 3) % 2 ? shade(Hue::Yellow, 5) : shade(Hue::Grey, 1));
      }
    }
    c.frame(2, 2, 13, 13, outlineInk());
    return;
  }
  c.rect(2, 2, 13, 13, kBlack);
  for (int x = 2; x <= 11; x += 3) {
    c.polygon({{x + 0.0, 13.9}, {x + 1.5, 6.5}, {x + 3.0, 13.9}}, Hue::Pearl, 6, 2);
  }
}

void drawForcefield(Canvas& c, int) {
  c.fill(shade(Hue::Navy, 1));
  for (int strand = 0; strand < 4; ++strand) {
    for (int y = 0; y < kSide; ++y) {
      const int x = strand * 4 + 1 + static_cast<int>(std::lround(1.4 * std::sin(y * 0.8 + strand * 1.7)));
      c.set(x, y, shade(Hue::Cyan, 5));
      c.set(x + 1, y, shade(Hue::Blue, 4));
    }
  }
  c.dots(whiteInk(), {{3, 4}, {12, 10}});
}

void drawPort(Canvas& c, int object) {
  for (const PortShape& p : kPorts) {
    if (p.object != object) continue;
    tubes(c, p.sides, Hue::Steel, p.gravity ? Hue::Orange : Hue::Steel, 4.6);
    // Gravity ports point with an orange arrow, the others with a dark one.
    if (p.arrow) arrowHead(c, p.arrow, p.gravity ? shade(Hue::Orange, 6) : shade(Hue::Navy, 2), 3.6);
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

void drawBomb(Canvas& c, int variant) {
  if (variant == 2) {  // a spiked mine
    for (int i = 0; i < 8; ++i) {
      const double t = i * kPi / 4;
      c.line(static_cast<int>(std::lround(7.5 + 4 * std::cos(t))), static_cast<int>(std::lround(8 + 4 * std::sin(t))),
             static_cast<int>(std::lround(7.5 + 7.2 * std::cos(t))), static_cast<int>(std::lround(8 + 7.2 * std::sin(t))),
             shade(Hue::Grey, 5));
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
      Ink ink = r < 0.3 ? whiteInk() : r < 0.55 ? shade(Hue::Yellow, 6) : r < 0.8 ? shade(Hue::Orange, 5) : shade(Hue::Red, 4);
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
    c.line(7, 7, static_cast<int>(std::lround(7.5 + 5 * std::cos(t))), static_cast<int>(std::lround(8 + 5 * std::sin(t))),
           shade(hue, 5));
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
    c.set(static_cast<int>(std::floor(8 + 6 * std::cos(t))), static_cast<int>(std::floor(8 + 6 * std::sin(t))), ink);
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
