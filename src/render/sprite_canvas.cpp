#include "render/sprite_canvas.h"

#include <algorithm>
#include <cmath>

#include "model/straight_line.h"
#include "render/pixel_font.h"

namespace pyrovel::art {

namespace {

struct Rgb {
  int r, g, b;
};

// Shadow, body and highlight of each ramp; the shades between are mixed.
struct Ramp {
  Rgb dark, mid, light;
};

constexpr Ramp kRamps[] = {
    {{34, 34, 40}, {124, 124, 132}, {236, 236, 242}},     // Grey
    {{30, 36, 52}, {104, 116, 140}, {214, 224, 240}},     // Steel
    {{48, 26, 10}, {132, 80, 36}, {214, 160, 96}},        // Dirt
    {{26, 14, 8}, {86, 52, 30}, {160, 112, 70}},          // DarkEarth
    {{40, 34, 30}, {126, 112, 98}, {228, 216, 196}},      // Stone
    {{8, 44, 96}, {56, 168, 232}, {240, 255, 255}},       // Cyan
    {{2, 44, 14}, {24, 168, 58}, {196, 255, 190}},        // Emerald
    {{64, 6, 6}, {206, 34, 28}, {255, 186, 160}},         // Red
    {{96, 66, 0}, {238, 196, 18}, {255, 255, 200}},       // Yellow
    {{8, 16, 84}, {40, 92, 226}, {196, 214, 255}},        // Blue
    {{90, 34, 0}, {240, 118, 18}, {255, 224, 150}},       // Orange
    {{36, 8, 64}, {134, 62, 206}, {234, 206, 255}},       // Purple
    {{92, 16, 54}, {232, 92, 164}, {255, 214, 236}},      // Pink
    {{104, 56, 36}, {232, 168, 120}, {255, 232, 204}},    // Skin
    {{18, 62, 0}, {112, 202, 30}, {222, 255, 160}},       // Lime
    {{96, 74, 36}, {204, 172, 100}, {252, 238, 192}},     // Sand
    {{86, 56, 0}, {214, 162, 28}, {255, 242, 150}},       // Gold
    {{0, 54, 54}, {22, 162, 150}, {184, 255, 240}},       // Teal
    {{6, 8, 36}, {30, 40, 112}, {124, 144, 224}},         // Navy
    {{66, 28, 10}, {184, 102, 50}, {255, 204, 154}},      // Copper
    {{112, 112, 124}, {218, 218, 228}, {255, 255, 255}},  // Pearl
    {{36, 42, 8}, {112, 122, 40}, {204, 214, 124}},       // Olive
    {{46, 0, 56}, {172, 40, 192}, {255, 194, 255}},       // Violet
    {{52, 14, 10}, {150, 56, 38}, {232, 150, 110}},       // Brick
};
static_assert(std::size(kRamps) == static_cast<std::size_t>(Hue::Count));

constexpr int kRampStart = 1;
constexpr int kOutlineIndex = kRampStart + static_cast<int>(Hue::Count) * kShades;
constexpr int kWhiteIndex = kOutlineIndex + 1;
static_assert(kWhiteIndex < 256);

int mix(int a, int b, double t) {
  return static_cast<int>(std::lround(a + (b - a) * t));
}

Rgb rampColour(const Ramp& r, int level) {
  // The body colour sits at shade 4, so there are more shades of shadow
  // than of light.
  const double t = level / 7.0;
  const double k = 4.0 / 7.0;
  if (t <= k) {
    const double u = t / k;
    return {mix(r.dark.r, r.mid.r, u), mix(r.dark.g, r.mid.g, u), mix(r.dark.b, r.mid.b, u)};
  }
  const double u = (t - k) / (1 - k);
  return {mix(r.mid.r, r.light.r, u), mix(r.mid.g, r.light.g, u), mix(r.mid.b, r.light.b, u)};
}

Ink templateInk(char ch, const Inks& inks, bool& skip) {
  skip = false;
  if (ch >= '1' && ch <= '8') return shade(inks.a, ch - '1');
  if (ch >= 'a' && ch <= 'h') return shade(inks.b, ch - 'a');
  if (ch >= 'A' && ch <= 'H') return shade(inks.c, ch - 'A');
  if (ch == 'k') return outlineInk();
  if (ch == 'w') return whiteInk();
  if (ch == '0') return kBlack;
  skip = true;
  return kBlack;
}

}  // namespace

Ink shade(Hue hue, int level) {
  return static_cast<Ink>(kRampStart + static_cast<int>(hue) * kShades +
                          std::clamp(level, 0, kShades - 1));
}
Ink outlineInk() {
  return kOutlineIndex;
}
Ink whiteInk() {
  return kWhiteIndex;
}

void fillPalette(ImageLibrary& library) {
  for (int h = 0; h < static_cast<int>(Hue::Count); ++h) {
    for (int s = 0; s < kShades; ++s) {
      const Rgb c = rampColour(kRamps[h], s);
      library.setColour(shade(static_cast<Hue>(h), s), static_cast<std::uint8_t>(c.r),
                        static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b));
    }
  }
  library.setColour(kOutlineIndex, 14, 12, 18);
  library.setColour(kWhiteIndex, 255, 255, 255);
}

void Canvas::fill(Ink c) {
  rect(0, 0, kSide - 1, kSide - 1, c);
}

void Canvas::rect(int x0, int y0, int x1, int y1, Ink c) {
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) set(x, y, c);
  }
}

void Canvas::frame(int x0, int y0, int x1, int y1, Ink c) {
  for (int x = x0; x <= x1; ++x) {
    set(x, y0, c);
    set(x, y1, c);
  }
  for (int y = y0; y <= y1; ++y) {
    set(x0, y, c);
    set(x1, y, c);
  }
}

void Canvas::bevel(int x0, int y0, int x1, int y1, Hue hue, int base) {
  rect(x0, y0, x1, y1, shade(hue, base));
  for (int x = x0; x <= x1; ++x) {
    set(x, y0, shade(hue, base + 2));
    set(x, y1, shade(hue, base - 3));
  }
  for (int y = y0; y <= y1; ++y) {
    set(x0, y, shade(hue, base + 2));
    set(x1, y, shade(hue, base - 3));
  }
  set(x0, y1, shade(hue, base - 1));
  set(x1, y0, shade(hue, base - 1));
}

void Canvas::line(int x0, int y0, int x1, int y1, Ink c) {
  forEachLinePoint(x0, y0, x1, y1, [&](int x, int y) { set(x, y, c); });
}

void Canvas::ball(double cx, double cy, double rx, double ry, Hue hue, double wobble, bool outline,
                  int bright) {
  bool inside[kSide][kSide]{};
  int level[kSide][kSide]{};
  const double lx = -0.55, ly = -0.68, lz = 0.48;
  const double norm = std::sqrt(lx * lx + ly * ly + lz * lz);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      const double a = std::atan2(dy, dx);
      const double rim = 1.0 + wobble * (0.6 * std::sin(3 * a + 1.3) + 0.4 * std::sin(5 * a + 0.4));
      const double d = std::sqrt(dx * dx + dy * dy) / rim;
      if (d > 1.0) continue;
      inside[y][x] = true;
      const double nz = std::sqrt(std::max(0.0, 1.0 - d * d));
      const double nx = dx / rim, ny = dy / rim;
      const double light = (nx * lx + ny * ly + nz * lz) / norm;
      level[y][x] = static_cast<int>(std::lround(1.6 + light * 5.4)) + bright;
    }
  }
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (!inside[y][x]) continue;
      auto out = [&](int u, int v) {
        return u < 0 || v < 0 || u >= kSide || v >= kSide || !inside[v][u];
      };
      const bool edge = out(x - 1, y) || out(x + 1, y) || out(x, y - 1) || out(x, y + 1);
      set(x, y, outline && edge ? outlineInk() : shade(hue, level[y][x]));
    }
  }
}

void Canvas::disc(double cx, double cy, double r, Ink c) {
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= r * r) set(x, y, c);
    }
  }
}

namespace {
bool insidePolygon(std::initializer_list<Canvas::Point> pts, double x, double y) {
  bool in = false;
  const Canvas::Point* p = pts.begin();
  const std::size_t n = pts.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    if ((p[i].y > y) != (p[j].y > y) &&
        x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x) {
      in = !in;
    }
  }
  return in;
}
}  // namespace

void Canvas::polygon(std::initializer_list<Point> pts, Hue hue, int top, int bottom) {
  double y0 = 1e9, y1 = -1e9;
  for (const Point& p : pts) {
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  for (int y = 0; y < kSide; ++y) {
    const double t = y1 > y0 ? std::clamp((y + 0.5 - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
    const Ink c = shade(hue, static_cast<int>(std::lround(top + (bottom - top) * t)));
    for (int x = 0; x < kSide; ++x) {
      if (insidePolygon(pts, x + 0.5, y + 0.5)) set(x, y, c);
    }
  }
}

void Canvas::polygon(std::initializer_list<Point> pts, Ink c) {
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (insidePolygon(pts, x + 0.5, y + 0.5)) set(x, y, c);
    }
  }
}

void Canvas::speckle(unsigned seed, int count, std::initializer_list<Ink> inks, int x0, int y0,
                     int x1, int y1) {
  unsigned s = seed * 2654435761u + 12345u;
  auto next = [&s] {
    s = s * 1103515245u + 12345u;
    return (s >> 16) & 0x7fff;
  };
  const int w = x1 - x0 + 1, h = y1 - y0 + 1;
  for (int i = 0; i < count; ++i) {
    const int x = x0 + static_cast<int>(next() % static_cast<unsigned>(w));
    const int y = y0 + static_cast<int>(next() % static_cast<unsigned>(h));
    set(x, y, *(inks.begin() + next() % inks.size()));
  }
}

void Canvas::stamp(std::initializer_list<std::string_view> rows, const Inks& inks, int left,
                   int top) {
  int y = top;
  for (std::string_view row : rows) {
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
      bool skip = false;
      const Ink c = templateInk(row[static_cast<std::size_t>(i)], inks, skip);
      if (!skip) set(left + i, y, c);
    }
    ++y;
  }
}

void Canvas::text5x7(std::string_view s, int left, int top, int scale, Ink c) {
  forEachInk(glyph5x7, s, left, top, scale, [&](int x, int y) { set(x, y, c); });
}

void Canvas::text3x5(std::string_view s, int left, int top, int scale, Ink c) {
  forEachInk(glyph3x5, s, left, top, scale, [&](int x, int y) { set(x, y, c); });
}

void Canvas::outlineShape(Ink c) {
  Canvas before = *this;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (before.px[y][x] != kBlack) continue;
      auto drawn = [&](int u, int v) {
        const Ink i = before.get(u, v);
        return i != kBlack && i != c;
      };
      if (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)) set(x, y, c);
    }
  }
}

void Canvas::over(const Canvas& layer) {
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      if (layer.px[y][x] != kBlack) px[y][x] = layer.px[y][x];
    }
  }
}

void Canvas::mirrorX() {
  for (auto& row : px) std::reverse(std::begin(row), std::end(row));
}

void Canvas::mirrorY() {
  std::reverse(std::begin(px), std::end(px));
}

void Canvas::rotateCW() {
  Canvas old = *this;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) px[y][x] = old.px[kSide - 1 - x][y];
  }
}

void Canvas::rotateCCW() {
  Canvas old = *this;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) px[y][x] = old.px[x][kSide - 1 - y];
  }
}

void turn(Canvas& c, Facing from_right) {
  switch (from_right) {
    case Facing::Right:
      break;
    case Facing::Left:
      c.mirrorX();
      break;
    case Facing::Down:
      c.rotateCW();
      break;
    case Facing::Up:
      c.rotateCCW();
      break;
  }
}

}  // namespace pyrovel::art
