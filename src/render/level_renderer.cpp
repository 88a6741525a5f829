#include "render/level_renderer.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace pyrovel {

namespace {

// Sprites up to this side are scaled once and kept; larger ones (a tiny
// level zoomed far in) are scaled row by row while copying, so the cache
// never holds hundreds of megabytes.
constexpr int kMaxKeptSide = 256;

PixelRect intersect(const PixelRect& a, const PixelRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

bool isEmpty(const PixelRect& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

// A cell's rectangle; computed wide so that huge cell sizes cannot overflow.
PixelRect cellArea(int left, int top, int side) {
  auto end = [side](int from) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(from) + side, INT_MAX));
  };
  return {left, top, end(left), end(top)};
}

// A buffer that holds part of the view: its pixel (0, 0) is view pixel
// (left, top). Areas are given in view pixels.
struct Canvas {
  PixelView out;
  int left = 0, top = 0;

  std::uint32_t* at(int x, int y) const { return out.row(y - top) + (x - left); }
  PixelRect bounds() const { return {left, top, left + out.width, top + out.height}; }
};

void fillBlack(const Canvas& c, const PixelRect& area) {
  if (isEmpty(area)) return;
  for (int y = area.top; y < area.bottom; ++y) {
    std::fill(c.at(area.left, y), c.at(area.right, y), argb(0, 0, 0));
  }
}

// Copies the part of object n's sprite, scaled to `side`, that falls inside
// `area`, with the sprite's top-left corner at (left, top).
void copySprite(const SpriteStrip& strip, int object, int side, const Canvas& c, int left, int top,
                const PixelRect& area) {
  const PixelRect part = intersect(cellArea(left, top, side), area);
  if (isEmpty(part)) return;
  if (side <= kMaxKeptSide) {
    const int dx = part.left - left, width = part.right - part.left;
    const std::uint32_t* sprite = strip.scaledSprite(object, side);
    for (int y = part.top; y < part.bottom; ++y) {
      const std::uint32_t* src = sprite + static_cast<std::size_t>(y - top) * side + dx;
      std::memcpy(c.at(part.left, y), src, static_cast<std::size_t>(width) * sizeof(std::uint32_t));
    }
    return;
  }
  // Scaled while copying: each sprite pixel is a run of side / 32 or more
  // output pixels, filled at once.
  // Rows that show the same sprite row are copies of the one above.
  const std::uint32_t* sprite = strip.sprite(object);
  long long shownRow = -1;
  for (int y = part.top; y < part.bottom; ++y) {
    const long long spriteRow = static_cast<long long>(y - top) * kSpriteSide / side;
    if (spriteRow == shownRow) {
      std::memcpy(c.at(part.left, y), c.at(part.left, y - 1),
                  static_cast<std::size_t>(part.right - part.left) * sizeof(std::uint32_t));
      continue;
    }
    shownRow = spriteRow;
    const std::uint32_t* src = sprite + static_cast<std::size_t>(spriteRow) * kSpriteSide;
    for (int x = part.left; x < part.right;) {
      const long long column = static_cast<long long>(x - left) * kSpriteSide / side;
      const long long runEnd = left + ((column + 1) * side + kSpriteSide - 1) / kSpriteSide;
      const int end = static_cast<int>(std::min<long long>(runEnd, part.right));
      std::fill(c.at(x, y), c.at(end, y), src[column]);
      x = end;
    }
  }
}

// Cells `cells` (cell coordinates) of sprites kept at cellSize, row by row
// across each band of cells, so every output row is written once, left to
// right: a sprite row copied or a black run.
void drawCellRows(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                  const Canvas& c, const PixelRect& area, const PixelRect& cells) {
  std::vector<const std::uint32_t*> sprites(static_cast<std::size_t>(cells.right - cells.left));
  for (int y = cells.top; y < cells.bottom; ++y) {
    for (int x = cells.left; x < cells.right; ++x) {
      const int n = map.cell(layer, slot, x, y);
      sprites[static_cast<std::size_t>(x - cells.left)] =
          strip.drawable(n) ? strip.scaledSprite(n, cellSize) : nullptr;
    }
    const int top = std::max(y * cellSize, area.top),
              bottom = std::min((y + 1) * cellSize, area.bottom);
    for (int py = top; py < bottom; ++py) {
      const std::size_t spriteRow =
          static_cast<std::size_t>(py - y * cellSize) * static_cast<std::size_t>(cellSize);
      for (int x = cells.left; x < cells.right; ++x) {
        const int left = std::max(x * cellSize, area.left),
                  right = std::min((x + 1) * cellSize, area.right);
        const std::uint32_t* sprite = sprites[static_cast<std::size_t>(x - cells.left)];
        if (sprite) {
          std::memcpy(c.at(left, py), sprite + spriteRow + (left - x * cellSize),
                      static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
        } else {
          std::fill(c.at(left, py), c.at(right, py), argb(0, 0, 0));
        }
      }
    }
  }
}

void drawArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
              const Canvas& c, PixelRect area);

// Both layers: the background dimmed, then each drawable game-layer object
// (never Empty Space) copied over its cell.
void drawBothLayers(const Levelmap& map, int slot, const SpriteStrip& strip, int cellSize,
                    const Canvas& c, const PixelRect& area) {
  drawArea(map, slot, kBackgroundLayer, strip, cellSize, c, area);
  for (int y = area.top; y < area.bottom; ++y) {
    for (std::uint32_t* p = c.at(area.left, y); p != c.at(area.right, y); ++p) {
      *p = (*p & 0xff000000u) | ((*p >> 1) & 0x007f7f7fu);
    }
  }
  const LevelHeader& h = map.header(slot);
  const int width = std::min(h.width(), kMaxLevelSide);
  const int height = std::min(h.height(), kMaxLevelSide);
  const int x1 = std::min(width, area.right / cellSize + 1);
  const int y1 = std::min(height, area.bottom / cellSize + 1);
  for (int y = area.top / cellSize; y < y1; ++y) {
    for (int x = area.left / cellSize; x < x1; ++x) {
      const int n = map.cell(kGameLayer, slot, x, y);
      if (strip.drawable(n)) copySprite(strip, n, cellSize, c, x * cellSize, y * cellSize, area);
    }
  }
}

// The level drawing behind drawLevel and drawLevelPart: `area` (view
// pixels, inside the canvas) ends up as a full redraw leaves it.
void drawArea(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
              const Canvas& c, PixelRect area) {
  area = intersect(area, c.bounds());
  if (isEmpty(area)) return;
  if (cellSize <= 0 || slot < 0 || slot >= kSlotCount ||
      (layer != kGameLayer && layer != kBackgroundLayer && layer != kBothLayers)) {
    fillBlack(c, area);
    return;
  }
  if (layer == kBothLayers) {
    drawBothLayers(map, slot, strip, cellSize, c, area);
    return;
  }
  const LevelHeader& h = map.header(slot);
  // A corrupt header may claim more than the grid holds.
  const int width = std::min(h.width(), kMaxLevelSide);
  const int height = std::min(h.height(), kMaxLevelSide);
  // Only the cells that meet the area.
  auto cellsUpTo = [cellSize](int pixels) {
    return static_cast<int>((static_cast<long long>(pixels) + cellSize - 1) / cellSize);
  };
  const int x0 = area.left / cellSize, x1 = std::max(x0, std::min(width, cellsUpTo(area.right)));
  const int y0 = area.top / cellSize, y1 = std::max(y0, std::min(height, cellsUpTo(area.bottom)));

  if (cellSize > kMaxKeptSide) {
    // Cell by cell: a few cells fill the view, each scaled while copying.
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) {
        const int n = map.cell(layer, slot, x, y);
        if (strip.drawable(n))
          copySprite(strip, n, cellSize, c, x * cellSize, y * cellSize, area);
        else
          fillBlack(c, intersect(cellArea(x * cellSize, y * cellSize, cellSize), area));
      }
    }
  } else {
    drawCellRows(map, slot, layer, strip, cellSize, c, area, {x0, y0, x1, y1});
  }
  // Beyond the level: black to the right of its cells and below them.
  const int levelRight = std::max(area.left, x1 * cellSize),
            levelBottom = std::max(area.top, y1 * cellSize);
  fillBlack(c, {levelRight, area.top, area.right, std::min(area.bottom, levelBottom)});
  fillBlack(c, {area.left, levelBottom, area.right, area.bottom});
}

}  // namespace

int computeCellSize(int viewWidth, int viewHeight, int levelWidth, int levelHeight) {
  if (levelWidth <= 0 || levelHeight <= 0 || viewWidth <= 0 || viewHeight <= 0) return 0;
  return std::min(viewWidth / levelWidth, viewHeight / levelHeight);
}

CellRect cellRect(int x, int y, int cellSize) {
  return {x * cellSize, y * cellSize, (x + 1) * cellSize, (y + 1) * cellSize};
}

void drawLevel(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
               PixelBuffer& out, std::optional<PixelRect> clip) {
  drawArea(map, slot, layer, strip, cellSize, Canvas{viewOf(out)},
           clip.value_or(PixelRect{0, 0, out.width, out.height}));
}

void drawLevelPart(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   PixelBuffer& out, int left, int top) {
  drawLevelPart(map, slot, layer, strip, cellSize, viewOf(out), left, top);
}

void drawLevelPart(const Levelmap& map, int slot, int layer, const SpriteStrip& strip, int cellSize,
                   const PixelView& out, int left, int top) {
  if (!out.pixels || out.width <= 0 || out.height <= 0 || out.stride < std::size_t(out.width))
    return;
  const Canvas c{out, left, top};
  drawArea(map, slot, layer, strip, cellSize, c, c.bounds());
}

void drawCell(const SpriteStrip& strip, int object, int cellSize, PixelBuffer& out, int left,
              int top) {
  if (cellSize <= 0) return;
  const Canvas c{viewOf(out)};
  const PixelRect cell = intersect(cellArea(left, top, cellSize), c.bounds());
  if (isEmpty(cell)) return;
  fillBlack(c, cell);
  if (strip.drawable(object)) copySprite(strip, object, cellSize, c, left, top, c.bounds());
}

}  // namespace pyrovel
