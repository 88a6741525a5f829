// Doors, keys, exits and gates of the default sprite set.
#include <cmath>
#include <utility>

#include "render/sprite_art.h"
#include "render/sprite_art_shared.h"

namespace pyrovel::art {

namespace {

struct DoorLook {
  int object;
  Hue leaf;
  Hue mark;  // the keyhole plate: grey doors show the colour of their key here
  bool open;
};

constexpr DoorLook kDoors[] = {
    {47, Hue::Emerald, Hue::Gold, true}, {48, Hue::Blue, Hue::Gold, true},
    {49, Hue::Yellow, Hue::Gold, true},  {50, Hue::Red, Hue::Gold, true},
    {51, Hue::Grey, Hue::Grey, true},    {52, Hue::Emerald, Hue::Gold, false},
    {53, Hue::Blue, Hue::Gold, false},   {54, Hue::Yellow, Hue::Gold, false},
    {55, Hue::Red, Hue::Gold, false},    {56, Hue::Grey, Hue::Emerald, false},
    {79, Hue::Grey, Hue::Blue, false},   {80, Hue::Grey, Hue::Yellow, false},
    {81, Hue::Grey, Hue::Red, false},    {176, Hue::Pearl, Hue::Gold, false},
    {177, Hue::Pearl, Hue::Gold, true},  {178, Hue::Grey, Hue::Pearl, false},
    {218, Hue::Dirt, Hue::Gold, true},   {219, Hue::Dirt, Hue::Gold, false},
};

struct KeyLook {
  int object;
  Hue hue;
};

constexpr KeyLook kKeys[] = {
    {57, Hue::Emerald}, {58, Hue::Blue},  {59, Hue::Yellow}, {60, Hue::Red},
    {179, Hue::Pearl},  {252, Hue::Grey}, {253, Hue::Dirt},
};

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
      const int x =
          strand * 4 + 1 + static_cast<int>(std::lround(1.4 * std::sin(y * 0.8 + strand * 1.7)));
      c.set(x, y, shade(Hue::Cyan, 5));
      c.set(x + 1, y, shade(Hue::Blue, 4));
    }
  }
  c.dots(whiteInk(), {{3, 4}, {12, 10}});
}

}  // namespace pyrovel::art
