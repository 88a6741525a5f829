#pragma once
// The levelmap: 101 level slots (1..100 are the levels, shown to the user as
// 0..99), a header record per slot, two 129 x 129 grids per slot, and the
// 398-byte levelmap header kept byte for byte. A grid is allocated when it is
// first written (or asked for to be written); until then it reads as zero,
// so a levelmap costs what its levels hold.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/grid_store.h"
#include "model/kept_lines.h"
#include "model/level_header.h"

namespace pyrovel {

inline constexpr int kSlotCount = 101;  // slot 0 exists but is never shown or saved
inline constexpr int kFirstSlot = 1;
inline constexpr int kLastSlot = 100;
inline constexpr int kGridSide = 129;      // fixed stride, whatever the level's width
inline constexpr int kMaxLevelSide = 128;  // the largest width or height of a level
inline constexpr int kGameLayer = 0;
inline constexpr int kBackgroundLayer = 1;
inline constexpr std::size_t kLevelmapHeaderSize = 398;

// What a cell holds: an object number. The game's files give every cell 16
// bits, so each value a file holds is kept as it was.
using Cell = std::uint16_t;

// One layer of one level: 129 x 129 cells, column-major (x * 129 + y).
using LevelGrid = std::array<Cell, kGridSide * kGridSide>;

// Everything of one level, out of the levelmap: its record, both layers (a
// null layer reads as zero) and its BDCFF lines.
struct LevelSlot {
  LevelHeader header;
  std::array<std::unique_ptr<LevelGrid>, 2> grids;
  KeptLines memo;
};

class Levelmap {
 public:
  Levelmap();
  // A levelmap moved from reads as all zero and takes a new store when written.
  Levelmap(Levelmap&& other) noexcept;
  Levelmap& operator=(Levelmap&& other) noexcept;
  // Copies are made on purpose only, with clone().
  Levelmap(const Levelmap&) = delete;
  Levelmap& operator=(const Levelmap&) = delete;

  std::array<std::uint8_t, kLevelmapHeaderSize> fileHeader{};
  std::array<LevelHeader, kSlotCount> headers{};
  std::array<KeptLines, kSlotCount> bdcffMemo;
  // The [game] lines of the BDCFF file the levelmap was read from, for its
  // writer (the levels' own lines are in bdcffMemo).
  KeptLines bdcffGame;

  int currentLevel = 1;  // slot 1..100
  int currentLayer = kGameLayer;
  bool modified = false;
  std::string fileName = "New.map";

  // The only access path to cells; 0 <= x, y <= 128.
  Cell& cell(int layer, int slot, int x, int y) {
    return grid(layer, slot)[static_cast<std::size_t>(x * kGridSide + y)];
  }
  Cell cell(int layer, int slot, int x, int y) const {
    return grid(layer, slot)[static_cast<std::size_t>(x * kGridSide + y)];
  }
  // Cells of the current layer of the current level.
  Cell& at(int x, int y) { return cell(currentLayer, currentLevel, x, y); }
  Cell at(int x, int y) const { return cell(currentLayer, currentLevel, x, y); }
  static bool inGrid(int x, int y) { return x >= 0 && y >= 0 && x < kGridSide && y < kGridSide; }

  // The non-const grid is allocated (zero) on first use; the const one of an
  // untouched layer is a shared grid of zeros.
  LevelGrid& grid(int layer, int slot) {
    const std::size_t i = index(layer, slot);
    return held_[i] ? *blocks_[i] : allocate(i);
  }
  const LevelGrid& grid(int layer, int slot) const {
    const std::size_t i = index(layer, slot);
    return held_[i] ? *blocks_[i] : zeroGrid();
  }
  // False while the layer has never been written: every cell is zero.
  bool holdsCells(int layer, int slot) const { return held_[index(layer, slot)]; }

  LevelHeader& header(int slot) { return headers[static_cast<std::size_t>(slot)]; }
  const LevelHeader& header(int slot) const { return headers[static_cast<std::size_t>(slot)]; }
  LevelHeader& current() { return header(currentLevel); }
  const LevelHeader& current() const { return header(currentLevel); }

  bool isEmptyLevel(int slot) const {
    return header(slot).width() < 3 && header(slot).height() < 3;
  }
  // Whether the level holds anything a user could lose: a cell other than
  // Empty Space in either layer (outside its size too), kept lines, a title
  // of its own, or any field unlike a new level's (a level only looked at
  // is 3 x 3 and titled "Empty" or "Level n").
  bool holdsAnything(int slot) const;
  // Every slot becomes empty (1 x 1); done once at start.
  void resetLevelmap();
  // A copy of everything, grids included (the grids are not copied implicitly).
  Levelmap clone() const;
  // Slot `to` takes the header and both grids of slot `from`.
  void copySlot(int from, int to);
  // Exchanges header and grids of two slots (cheap: grids are swapped by block).
  void swapSlots(int a, int b);
  // Exchanges a slot with a level held outside the levelmap (the cells are
  // copied both ways; a layer never written stays unallocated).
  void swapSlot(int slot, LevelSlot& held);
  // Fills the level area of one layer as a cleared level: Dirt inside a
  // Solid Wall border, the Little Fellow at (1, 1).
  void clearLayer(int layer, int slot);

  // Level number shown to the user for a slot.
  static int levelNumber(int slot) { return slot - 1; }

 private:
  static std::size_t index(int layer, int slot) {
    return static_cast<std::size_t>(layer * kSlotCount + slot);
  }
  static constexpr std::size_t kGridCount = 2 * kSlotCount;
  LevelGrid& allocate(std::size_t i);
  void releaseGrid(std::size_t i) { held_[i] = false; }
  void swapGrids(std::size_t a, std::size_t b);
  static const LevelGrid& zeroGrid();

  // Each grid has a block of the store; blocks change hands only by swapping,
  // so they stay one per grid. A block that once held cells is zeroed when
  // its grid is taken into use again.
  void takeStoreOf(Levelmap& other) noexcept;
  void reserveStore();

  GridStore store_;
  std::array<LevelGrid*, kGridCount> blocks_{};
  std::array<bool, kGridCount> held_{};
  std::array<bool, kGridCount> used_{};  // written since the store was reserved
};

}  // namespace pyrovel
